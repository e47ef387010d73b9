#pragma once

#include "format/FieldDictionary.h"
#include "primitives/LittleEndian.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace hexlume {

// The two headers the window reads every file as: a file header and a 40-byte info header.
inline constexpr format::FieldTable kFileHeaderTable = format::FileHeaderFields(format::HeaderVersion::Info);
inline constexpr format::FieldTable kInfoHeaderTable = format::InfoHeaderFields(format::HeaderVersion::Info);
using format::kFileHeaderBytes;
inline constexpr std::size_t kInfoHeaderSize = format::TableBytes(kInfoHeaderTable);
using format::kBitmapSignature;

using FileHeaderBytes = std::array<std::uint8_t, kFileHeaderBytes>;
using InfoHeaderBytes = std::array<std::uint8_t, kInfoHeaderSize>;

struct BitmapFileHeader {
    std::uint16_t bfType = 0;
    std::uint32_t bfSize = 0;
    std::uint16_t bfReserved1 = 0;
    std::uint16_t bfReserved2 = 0;
    std::uint32_t bfOffBits = 0;

    static BitmapFileHeader FromBytes(const FileHeaderBytes& bytes);
};

struct BitmapInfoHeader {
    std::uint32_t biSize = 0;
    std::int32_t biWidth = 0;
    std::int32_t biHeight = 0;
    std::uint16_t biPlanes = 0;
    std::uint16_t biBitCount = 0;
    std::uint32_t biCompression = 0;
    std::uint32_t biSizeImage = 0;
    std::int32_t biXPelsPerMeter = 0;
    std::int32_t biYPelsPerMeter = 0;
    std::uint32_t biClrUsed = 0;
    std::uint32_t biClrImportant = 0;

    static BitmapInfoHeader FromBytes(const InfoHeaderBytes& bytes);
};

}  // namespace hexlume
