#pragma once

#include "format/ByteDescription.h"
#include "format/Decoder.h"
#include "format/RleStream.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

// What the value of one byte of pixel data means: the indices and colours of the pixels it
// holds, or the RLE code it belongs to, as the decoder reads them. Cheap enough for every pointer
// move: nothing allocated, and an RLE byte walks the stream's codes from its start up to it.
namespace hexlume::format {

// A pixel's value as the picture draws it.
struct PixelValue {
    std::uint64_t x = 0;                 // its column (an RLE code's pixel may lie past the row)
    std::optional<std::uint32_t> index;  // a colour index; none for colours stored as such
    std::optional<Argb> color;           // none: the index has no table entry, or the file ends inside the pixel
    bool pastTable = false;              // the index is at or past the colour table's count of entries
};

// The pixels one byte holds: a byte of indices every pixel whose bits it holds, left to right;
// a byte of a colour stored as such (16 to 64 bits, RLE24) the pixel it is part of.
struct BytePixels {
    std::array<PixelValue, 8> pixels{};
    std::size_t count = 0;
    unsigned pixelBytes = 0;   // colours stored as such: the bytes a pixel takes (0 for indices)
    unsigned byteInPixel = 0;  // and this byte's place in it
    ChannelSet channels;       // and the channels it feeds
};

// The pixels of an uncompressed byte that `what` (DescribeByte's description of the byte at
// `offset`) places in a row; none for padding, or a bit count the decoder does not draw.
BytePixels PixelsOfByte(Bytes file, const BitmapFormat& format, const ByteDescription& what, std::uint64_t offset);

// The RLE code a byte of the stream belongs to and what it does to the picture.
struct RleByte {
    RleCode code;
    RleStep step;
    std::uint64_t nextX = 0;  // the stream's position after the code
    std::uint64_t nextY = 0;
    // A run's values: one, or the two an RLE4 run alternates.
    std::array<PixelValue, 2> runValues{};
    std::size_t runValueCount = 0;
    BytePixels held;             // a literal's pixel byte: the pixels it stores
    bool literalPadding = false;  // the byte pads a literal to 16 bits
};

// The file offset of the byte holding pixel (x, shownRow), the other way round: an
// uncompressed pixel's first byte, or the RLE code byte that stores its value; nullopt where no
// byte does (the stream skips the pixel, or the file ends before it).
std::optional<std::uint64_t> PixelOffset(Bytes file, const BitmapFormat& format, std::uint64_t x,
                                         std::uint64_t shownRow);

// nullopt unless the pixel data is an RLE stream holding the byte at `offset`.
std::optional<RleByte> RleCodeOf(Bytes file, const BitmapFormat& format, std::uint64_t offset);

}  // namespace hexlume::format
