// Draws any bytes as a bitmap at a target size the input's first four bytes choose: a 16-bit
// width and height, 0 for the picture's own. The area is capped at a few thousand pixels: a small
// drawing reaches the same code as a large one, many times faster. Besides the sanitizers, it
// checks that a drawing has the size asked for and that an embedded stream lies inside the file;
// a part of the picture, as the picture window draws it, is drawn too.

#include "format/Decoder.h"

#include <cstdint>
#include <algorithm>

namespace {

using namespace hexlume::format;

constexpr std::uint32_t kMaxArea = 4096;

void Require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// The side a 16-bit field asks for: 0 takes the picture's own (full-size rows), any other value
// 1 to kMaxArea pixels; never more than the whole area.
std::uint32_t Side(std::uint32_t field, std::uint64_t own)
{
    if (field == 0)
        return static_cast<std::uint32_t>(std::clamp<std::uint64_t>(own, 1, kMaxArea));
    return 1 + (field - 1) % kMaxArea;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    const Bytes file(data + 4, size - 4);
    const BitmapFormat format = ReadBitmapFormat(file);
    const std::uint32_t width = Side(data[0] | data[1] << 8, format.columns);
    const std::uint32_t height = std::min(Side(data[2] | data[3] << 8, format.rows), kMaxArea / width);

    const DecodeResult result = DecodePicture(file, format, width, height);
    switch (result.outcome) {
    case DecodeOutcome::Drawn:
        Require(result.picture.width == width && result.picture.height == height);
        Require(result.picture.pixels.size() == std::uint64_t{width} * height);
        break;
    case DecodeOutcome::Embedded:
        Require(result.embedded.present == 0 || result.embedded.offset + result.embedded.present <= file.size());
        Require(PresentBytes(file, result.embedded).size() == result.embedded.present);
        break;
    case DecodeOutcome::NoPicture:
        Require(!result.reason.Empty());
        break;
    }

    // A zoomed view's part of the picture, chosen by the same bytes: the right half of the lower
    // half, drawn at the same size, with the whole picture's alpha.
    if (result.outcome == DecodeOutcome::Drawn) {
        const PictureRegion region{.x = format.columns / 2, .y = format.rows / 2, .width = format.columns,
                                   .height = format.rows};
        const DecodeResult part = DecodePictureRegion(file, format, region, width, height, AlphaUsed(file, format));
        Require(part.outcome != DecodeOutcome::Drawn || part.picture.pixels.size() == std::uint64_t{width} * height);
    }
    return 0;
}
