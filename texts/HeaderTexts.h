#pragma once

#include "model/BitmapHeaders.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace hexlume {

// One row of a header table: the field's name, its Windows type name (five characters,
// " WORD" and " LONG" with a leading blank) and the minimum digit count of its value.
struct HeaderField {
    std::string_view name;
    std::string_view type;
    int digits;
};

inline constexpr std::array<std::string_view, 3> kHeaderGridTitles{"KeyName", "Type", "Value"};
inline constexpr std::array<int, 3> kHeaderGridColumnWidths{95, 40, 95};

inline constexpr std::array<HeaderField, 5> kFileHeaderFields{{
    {"bfType", " WORD", 2},
    {"bfSize", "DWORD", 4},
    {"bfReserved1", " WORD", 2},
    {"bfReserved2", " WORD", 2},
    {"bfOffBits", "DWORD", 4},
}};

inline constexpr std::array<HeaderField, 11> kInfoHeaderFields{{
    {"biSize", "DWORD", 4},
    {"biWidth", " LONG", 4},
    {"biHeight", " LONG", 4},
    {"biPlanes", " WORD", 2},
    {"biBitCount", " WORD", 2},
    {"biCompression", "DWORD", 4},
    {"biSizeImage", "DWORD", 4},
    {"biXPelsPerMeter", " LONG", 4},
    {"biYPersPerMeter", " LONG", 4},  // the row label the window has always shown
    {"biClrUsed", "DWORD", 4},
    {"biClrImportant", "DWORD", 4},
}};

// The bfType cell of a "BM" file.
inline constexpr std::string_view kBitmapTypeText = "0x4d42\"BM\"";

// The bytes a table row stands for inside its header: the fields follow one another, a WORD
// taking two bytes and the rest four.
struct FieldBytes {
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
};

template <std::size_t N>
constexpr std::array<FieldBytes, N> FieldByteRanges(const std::array<HeaderField, N>& fields)
{
    std::array<FieldBytes, N> ranges{};
    std::uint64_t offset = 0;
    for (std::size_t row = 0; row < N; ++row) {
        ranges[row] = {offset, fields[row].type == " WORD" ? 2u : 4u};
        offset += ranges[row].size;
    }
    return ranges;
}

inline constexpr auto kFileHeaderRanges = FieldByteRanges(kFileHeaderFields);
inline constexpr auto kInfoHeaderRanges = FieldByteRanges(kInfoHeaderFields);

// The row whose field holds the header's byte at offset; nullopt past the last field.
std::optional<std::size_t> FieldRowAt(std::span<const FieldBytes> fields, std::uint64_t offset);

std::array<std::string, 5> FileHeaderValueTexts(const BitmapFileHeader& header);
std::array<std::string, 11> InfoHeaderValueTexts(const BitmapInfoHeader& header);

}  // namespace hexlume
