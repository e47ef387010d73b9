#include "IconBuilder.h"

namespace hexlume::testing {

namespace {

void PutLe(std::vector<std::uint8_t>& bytes, std::uint64_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void PutBe32(std::vector<std::uint8_t>& bytes, std::uint32_t value)
{
    for (int i = 3; i >= 0; --i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> IconDib(std::int32_t width, std::int32_t height, std::uint16_t bitCount,
                                  const std::vector<std::uint8_t>& palette, const std::vector<std::uint8_t>& pixels,
                                  const std::vector<std::uint8_t>& mask)
{
    std::vector<std::uint8_t> bytes;
    PutLe(bytes, 40, 4);
    PutLe(bytes, static_cast<std::uint32_t>(width), 4);
    PutLe(bytes, static_cast<std::uint32_t>(2 * height), 4);
    PutLe(bytes, 1, 2);
    PutLe(bytes, bitCount, 2);
    bytes.resize(40);  // compression 0, sizes and counts 0
    bytes.insert(bytes.end(), palette.begin(), palette.end());
    bytes.insert(bytes.end(), pixels.begin(), pixels.end());
    bytes.insert(bytes.end(), mask.begin(), mask.end());
    return bytes;
}

std::vector<std::uint8_t> BuildIconFile(std::uint16_t type, const std::vector<IconImageEntry>& images)
{
    std::vector<std::uint8_t> bytes;
    PutLe(bytes, 0, 2);
    PutLe(bytes, type, 2);
    PutLe(bytes, images.size(), 2);
    std::uint64_t at = 6 + 16 * images.size();
    for (const IconImageEntry& image : images) {
        bytes.push_back(image.width);
        bytes.push_back(image.height);
        bytes.push_back(0);
        bytes.push_back(0);
        PutLe(bytes, image.planes, 2);
        PutLe(bytes, image.bitCount, 2);
        PutLe(bytes, image.image.size(), 4);
        PutLe(bytes, at, 4);
        at += image.image.size();
    }
    for (const IconImageEntry& image : images)
        bytes.insert(bytes.end(), image.image.begin(), image.image.end());
    return bytes;
}

std::vector<std::uint8_t> PngHeaderOnly(std::uint32_t width, std::uint32_t height, std::uint8_t bitDepth,
                                        std::uint8_t colorType)
{
    std::vector<std::uint8_t> bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutBe32(bytes, 13);
    bytes.insert(bytes.end(), {'I', 'H', 'D', 'R'});
    PutBe32(bytes, width);
    PutBe32(bytes, height);
    bytes.insert(bytes.end(), {bitDepth, colorType, 0, 0, 0});
    PutBe32(bytes, 0);  // CRC, which no reader of the header checks
    PutBe32(bytes, 0);
    bytes.insert(bytes.end(), {'I', 'E', 'N', 'D'});
    PutBe32(bytes, 0xAE426082);
    return bytes;
}

}  // namespace hexlume::testing
