#pragma once

#include "format/ByteDescription.h"
#include "format/Decoder.h"
#include "format/RleStream.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

// What the value of one byte of pixel data means: the indices and colours of the pixels it
// holds, or the RLE code it belongs to, as the decoder reads them; and the other way round, the
// bytes one pixel lives in. Cheap enough for every pointer move: nothing allocated, and an RLE
// byte or pixel walks the stream's codes from its start up to it.
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

// The picture's pixels whose bits one byte of pixel data holds. They always lie side by side in
// one row: an uncompressed byte's, a literal's byte's, or for a run's colour bytes every pixel
// the run draws. count 0: the byte holds no pixel the picture shows.
struct PixelSpan {
    std::uint64_t x = 0;
    std::uint64_t count = 0;
    std::uint64_t storedRow = 0;
};
PixelSpan PixelsInByte(Bytes file, const BitmapFormat& format, const ByteDescription& what, std::uint64_t offset);

// Where one pixel of the picture lives and what the full-size picture draws for it.
struct PixelLocation {
    std::uint64_t offset = 0;   // its first byte (not drawn by any RLE code: that code's first byte)
    std::uint64_t length = 0;   // the bytes its bits take; 0 when no RLE code draws it
    unsigned bitOffset = 0;     // where its bits start in the first byte, 0 = most significant
    unsigned bits = 0;          // how many bits it takes; 0 when no RLE code draws it
    std::uint64_t storedRow = 0;
    std::optional<std::uint32_t> index;  // a colour index; none for colours stored as such
    // As the decoder draws it (the bad-index marker, an RLE gap's transparency), but before the
    // picture-wide rule that takes an alpha of 0 everywhere as opaque; none where the file ends
    // before the pixel's bytes.
    std::optional<Argb> color;
    // RLE: the code that draws the pixel, or else the one that passes over it (a delta, an end
    // code, a code that leaves the picture) or is cut short before it.
    std::optional<RleCode> code;
    bool skipped = false;  // RLE: no code draws the pixel; the format leaves it undefined
};

// nullopt when (x, y), y counted from the top as shown, lies outside the picture, or the bitmap
// has no pixels the decoder draws (no readable header, an embedded stream, an unknown format).
// Uncompressed pixels take constant time.
std::optional<PixelLocation> LocatePixel(Bytes file, const BitmapFormat& format, std::uint64_t x, std::uint64_t y);

// The pixels a click on a byte of pixel data stands for: those it holds, or in an RLE stream
// every pixel its code draws (its count and escape bytes too).
PixelSpan PixelsDrawnByByte(Bytes file, const Layout& layout, std::uint64_t offset);

}  // namespace hexlume::format
