#pragma once

#include "format/BitmapFormat.h"

#include <cstdint>
#include <vector>

// Icon (.ico) and cursor (.cur) files: ICONDIR, then a 16-byte entry an image, each entry
// placing its image, a DIB without a file header (biHeight counts the XOR pixels and the AND
// mask after them) or a whole PNG stream. And DIBs with no container at all: a file that starts
// with its info header, as the clipboard's CF_DIB holds it.
namespace hexlume::format {

struct IconEntry {
    std::uint64_t at = 0;  // where its 16 bytes start
    // As stored: a width or height of 0 stands for 256.
    std::uint8_t width = 0;
    std::uint8_t height = 0;
    std::uint8_t colorCount = 0;
    std::uint8_t reserved = 0;
    std::uint16_t planes = 0;    // a cursor's hot spot x
    std::uint16_t bitCount = 0;  // a cursor's hot spot y
    std::uint32_t bytesInRes = 0;
    std::uint32_t imageOffset = 0;
    FileRange image;   // dwBytesInRes bytes at dwImageOffset
    bool png = false;  // the image starts with the PNG signature

    std::uint32_t Width() const { return width == 0 ? 256u : width; }
    std::uint32_t Height() const { return height == 0 ? 256u : height; }

    bool operator==(const IconEntry&) const = default;
};

struct IconFile {
    std::uint16_t reserved = 0;
    std::uint16_t type = 0;   // kIconType or kCursorType in a good file
    std::uint16_t count = 0;  // entries the directory claims
    FileRange directory;      // ICONDIR and the count entries it claims
    std::vector<IconEntry> entries;  // the entries whose 16 bytes the file holds, in directory order

    bool IsCursor() const { return type == kCursorType; }

    bool operator==(const IconFile&) const = default;
};

// Whether the file reads as an icon or cursor file: a directory with idReserved 0 and idType
// 1 or 2, or one with one of them wrong whose first entry places a DIB header or PNG stream.
bool IsIconFile(Bytes file);

// The directory and its entries; nothing (count 0, no entries) when the file is no icon file.
IconFile ReadIconFile(Bytes file);

// The entry's image as a DIB without a file header (container IconImage), or for a PNG stream
// the size and bit count its IHDR gives, the stream as the pixels (pngImage).
BitmapFormat ReadIconImage(Bytes file, const IconEntry& entry);

// A PNG stream's IHDR and where the stream ends.
struct PngHeader {
    bool valid = false;  // signature and IHDR present
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint8_t bitDepth = 0;
    std::uint8_t colorType = 0;
    std::uint16_t bitsPerPixel = 0;  // bit depth × channels
    std::uint64_t end = 0;           // the offset after the IEND chunk; 0 when the file has none
};
PngHeader ReadPngHeader(Bytes file, std::uint64_t at);

// Whether the file starts with an info header of a known size whose width, height, planes,
// bit count and compression are plausible: a DIB with no file header.
bool IsHeaderlessDib(Bytes file);

}  // namespace hexlume::format
