#pragma once

#include <cstdint>
#include <vector>

// Icon and cursor files for tests: each image a DIB without a file header or any bytes given.
namespace hexlume::testing {

// A DIB as an icon stores it: a 40-byte BITMAPINFOHEADER whose biHeight is twice `height`, the
// colour table, the XOR pixels, then the AND mask (rows of 1 bit a pixel, padded to 32 bits).
std::vector<std::uint8_t> IconDib(std::int32_t width, std::int32_t height, std::uint16_t bitCount,
                                  const std::vector<std::uint8_t>& palette, const std::vector<std::uint8_t>& pixels,
                                  const std::vector<std::uint8_t>& mask);

struct IconImageEntry {
    std::vector<std::uint8_t> image;
    std::uint8_t width = 0;    // as stored: 0 for 256
    std::uint8_t height = 0;
    std::uint16_t planes = 1;  // a cursor's hot spot x
    std::uint16_t bitCount = 0;  // a cursor's hot spot y
};

// ICONDIR (idType `type`), an entry an image, then the images one after another in entry order.
std::vector<std::uint8_t> BuildIconFile(std::uint16_t type, const std::vector<IconImageEntry>& images);

// The smallest PNG stream a reader of its IHDR needs: the signature, IHDR and IEND (no pixels).
std::vector<std::uint8_t> PngHeaderOnly(std::uint32_t width, std::uint32_t height, std::uint8_t bitDepth,
                                        std::uint8_t colorType);

}  // namespace hexlume::testing
