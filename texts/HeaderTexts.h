#pragma once

#include "model/BitmapHeaders.h"
#include "primitives/ByteRange.h"
#include "primitives/Message.h"

#include <algorithm>
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

inline const std::array<Message, 3> kHeaderGridTitles{Message(HX_TR("Dump", "KeyName")), Message(HX_TR("Dump", "Type")),
                                                      Message(HX_TR("Dump", "Value"))};
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

// The fixed tables show their header whole, row after row as the dictionary has its fields, each
// row's type the field's type (right-aligned in five characters).
template <std::size_t N>
constexpr bool FollowsDictionary(const std::array<HeaderField, N>& rows, format::FieldTable fields)
{
    if (fields.size() != N)
        return false;
    for (std::size_t row = 0; row < N; ++row) {
        std::string_view type = rows[row].type;
        type.remove_prefix(std::min(type.find_first_not_of(' '), type.size()));
        if (type != format::TypeName(fields[row].type))
            return false;
    }
    return true;
}
static_assert(FollowsDictionary(kFileHeaderFields, kFileHeaderTable));
static_assert(FollowsDictionary(kInfoHeaderFields, kInfoHeaderTable));

// The bytes each row stands for inside its header.
template <std::size_t N>
constexpr std::array<ByteRange, N> RowBytes(format::FieldTable fields)
{
    std::array<ByteRange, N> ranges{};
    for (std::size_t row = 0; row < N; ++row)
        ranges[row] = fields[row].Bytes();
    return ranges;
}

inline constexpr auto kFileHeaderRanges = RowBytes<kFileHeaderFields.size()>(kFileHeaderTable);
inline constexpr auto kInfoHeaderRanges = RowBytes<kInfoHeaderFields.size()>(kInfoHeaderTable);

// The row whose field holds the header's byte at offset; nullopt past the last field.
std::optional<std::size_t> FieldRowAt(std::span<const ByteRange> fields, std::uint64_t offset);

std::array<std::string, 5> FileHeaderValueTexts(const BitmapFileHeader& header);
std::array<std::string, 11> InfoHeaderValueTexts(const BitmapInfoHeader& header);

}  // namespace hexlume
