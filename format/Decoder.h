#pragma once

#include "BitmapFormat.h"

#include <cstdint>
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
    std::string reason;
    // Which stand-ins the drawing holds, told while drawing: a file's own grey or magenta never
    // counts.
    bool drewMissing = false;
    bool drewBadIndex = false;
};

// The bytes of range that file holds (empty when none).
Bytes PresentBytes(Bytes file, const FileRange& range);

// Why no pixel format exists for these headers, in the format's own words; empty when one does.
std::string NoPictureReason(const BitmapFormat& format);

// Draws file's picture at width × height. Never reads outside file; the work is bounded by the
// target's size plus, for RLE, one walk over the stream.
DecodeResult DecodePicture(Bytes file, const BitmapFormat& format, std::uint32_t width, std::uint32_t height);

}  // namespace hexlume::format
