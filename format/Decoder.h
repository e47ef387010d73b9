#pragma once

#include "BitmapFormat.h"
#include "primitives/Message.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The picture a bitmap's pixel data stands for, drawn straight into a picture of the caller's
// size: one source pixel sampled for each target pixel (nearest, at the target pixel's centre),
// so a preview of a huge bitmap touches only the rows and columns it shows. A target the size
// of the source is the full-size picture.
namespace hexlume::format {

// 0xAARRGGBB, not premultiplied (QImage::Format_ARGB32's layout).
using Argb = std::uint32_t;

// Drawn where the file has no bytes for a pixel: a grey checker, 8 target pixels a cell.
inline constexpr Argb kMissingLight = 0xFFC0C0C0;
inline constexpr Argb kMissingDark = 0xFF808080;
// A colour index past the colour table's entries.
inline constexpr Argb kBadIndexColor = 0xFFFF00FF;
// A pixel an RLE stream skips (delta, early end of line or of bitmap): left undefined by the
// format, drawn transparent.
inline constexpr Argb kSkippedColor = 0x00000000;

inline constexpr Argb kOpaque = 0xFF000000;  // alpha 255
// A colour stored as 0xRRGGBB (an RLE24 pixel), fully opaque.
inline Argb OpaqueRgb(std::uint32_t rgb)
{
    return kOpaque | rgb;
}

// The largest picture DecodePicture draws (256 MiB of ARGB); larger targets get no picture.
inline constexpr std::uint64_t kMaxTargetPixels = std::uint64_t{1} << 26;

struct Picture {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<Argb> pixels;  // row by row from the top, width × height
};

enum class DecodeOutcome {
    Drawn,     // picture holds the drawing
    Embedded,  // BI_JPEG / BI_PNG: embedded names the stream for an image reader to decode
    NoPicture, // reason says why no picture exists
};

struct DecodeResult {
    DecodeOutcome outcome = DecodeOutcome::NoPicture;
    Picture picture;
    PixelEncoding embeddedEncoding = PixelEncoding::Unknown;  // Jpeg or Png when Embedded
    FileRange embedded;
    Message reason;
    // Which stand-ins the drawing holds, told while drawing: a file's own grey or magenta never
    // counts.
    bool drewMissing = false;
    bool drewBadIndex = false;
};

// The bytes of range that file holds (empty when none).
Bytes PresentBytes(Bytes file, const FileRange& range);

// Why no pixel format exists for these headers, in the format's own words; empty when one does.
Message WhyNoPicture(const BitmapFormat& format);
// The same in English.
std::string NoPictureReason(const BitmapFormat& format);

// What the decoder makes of one pixel, for the texts that explain a byte of pixel data.

// The colour index of pixel `column` in a row of 1-, 2-, 4- or 8-bit indices.
std::uint32_t IndexInRow(const std::uint8_t* row, std::uint64_t column, unsigned bitCount);

// Where entry `index` of the colour table starts (saturated for absurd indices).
std::uint64_t TableEntryOffset(const BitmapFormat& format, std::uint64_t index);

// Entry `index` of the colour table; nullopt where the table has none (at or past its count of
// entries, or past the end of the file).
std::optional<Argb> TableColor(Bytes file, const BitmapFormat& format, std::uint64_t index);

// Whether packed pixels carry alpha (an alpha mask, or 64 bits).
bool HasAlphaChannel(const BitmapFormat& format);

// The colour of a 16-, 24-, 32- or 64-bit pixel whose bitCount / 8 bytes start at `pixel`,
// before the picture-wide rule that takes an alpha of 0 everywhere as opaque.
Argb PackedColor(const BitmapFormat& format, const std::uint8_t* pixel);

// The channels one byte of a 16-, 24-, 32- or 64-bit pixel feeds (the masks matter only for
// 16 and 32 bits).
struct ChannelSet {
    bool red = false;
    bool green = false;
    bool blue = false;
    bool alpha = false;
};
ChannelSet ChannelsOfByte(unsigned bitCount, const ChannelMasks& masks, unsigned byteInPixel);

// Draws file's picture at width × height. Never reads outside file; the work is bounded by the
// target's size plus, for RLE, one walk over the stream.
DecodeResult DecodePicture(Bytes file, const BitmapFormat& format, std::uint32_t width, std::uint32_t height);

// A part of the picture: width columns from x on and height rows from y on, y from the top.
struct PictureRegion {
    std::uint64_t x = 0;
    std::uint64_t y = 0;
    std::uint64_t width = 0;
    std::uint64_t height = 0;
};
// Draws only that part at width × height, as a zoomed view shows it: the work is bounded by the
// target's size (plus, for RLE, one walk over the stream), whatever the picture's. An alpha of 0
// everywhere means an opaque picture, a fact of the whole picture: pass AlphaUsed's answer, or
// nullopt to judge by the pixels drawn (right when they are the whole picture's samples).
DecodeResult DecodePictureRegion(Bytes file, const BitmapFormat& format, PictureRegion region, std::uint32_t width,
                                 std::uint32_t height, std::optional<bool> alphaUsed);

// Whether any pixel of uncompressed data with an alpha channel has a non-zero alpha. One pass
// over the rows the file holds, ended by the first such pixel.
bool AlphaUsed(Bytes file, const BitmapFormat& format);
// Full-size rows one at a time, for work over pictures too large to draw whole (comparing two
// files): each row as DecodePicture draws it at full size, the rule that takes an alpha of 0
// everywhere as opaque included. Memory: the colour table and the stream's place, whatever the
// picture's size.
class RowDecoder {
public:
    // format must be uncompressed, RLE or Huffman 1D, and one DecodePicture draws (NoPictureReason
    // empty).
    RowDecoder(Bytes file, const BitmapFormat& format);
    ~RowDecoder();
    RowDecoder(const RowDecoder&) = delete;
    RowDecoder& operator=(const RowDecoder&) = delete;

    // Rows of a stream cost one walk over it when asked for in stored order; a row stored
    // before the last one asked for walks it again from its start.
    bool Sequential() const;
    // Whether the picture's alpha channel is 0 everywhere and so drawn opaque.
    bool DrawsOpaque() const;
    // Shown row shownRow (0 = top) into row, which holds format.columns colours.
    void Row(std::uint64_t shownRow, std::span<Argb> row);

private:
    struct State;
    std::unique_ptr<State> m_state;
};

}  // namespace hexlume::format
