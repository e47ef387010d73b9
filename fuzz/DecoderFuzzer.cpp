// Draws any bytes as a bitmap at a target size the input's first four bytes choose (each side
// 1 to 3000 pixels, the area capped so each run stays quick). Besides the sanitizers, it checks
// that a drawing has the size asked for and that an embedded stream lies inside the file; a part
// of the picture, as the picture window draws it, is drawn too.

#include "format/Decoder.h"

#include <cstdint>
#include <algorithm>

namespace {

using namespace hexlume::format;

constexpr std::uint32_t kMaxSide = 3000;
constexpr std::uint64_t kMaxArea = std::uint64_t{1} << 21;

void Require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    const std::uint32_t width = 1 + (data[0] | data[1] << 8) % kMaxSide;
    std::uint32_t height = 1 + (data[2] | data[3] << 8) % kMaxSide;
    height = static_cast<std::uint32_t>(std::min<std::uint64_t>(height, kMaxArea / width));
    const Bytes file(data + 4, size - 4);

    const BitmapFormat format = ReadBitmapFormat(file);
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
        Require(!result.reason.empty());
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
