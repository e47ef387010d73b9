#pragma once

#include "model/BitmapHeaders.h"

#include <array>
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

std::array<std::string, 5> FileHeaderValueTexts(const BitmapFileHeader& header);
std::array<std::string, 11> InfoHeaderValueTexts(const BitmapInfoHeader& header);

}  // namespace hexlume
