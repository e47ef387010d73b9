#pragma once

#include "format/FieldDictionary.h"
#include "primitives/Message.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A header field's value as people write it and as the file stores it: the one place that knows
// what each field type holds. The command line and the window's value cells both parse here.
namespace hexlume::format {

// How a typed value tells decimal from hex.
enum class ValueNotation {
    // The command line: decimal ("64"; "-64" for a signed type, LONG and SHORT), or hex after
    // "0x" ("0xFFFFFFC0").
    Typed,
    // A value cell, which shows the stored value as hex digits ("FFFFFFC0"), so typing what the
    // cell shows works: bare digits are hex, with or without "0x". A decimal number says so with
    // a sign or a trailing dot: "+64", "-64", "64.".
    Cell,
};

// Hex always gives the bits as stored, so a signed field takes 0x0 up to all bits set
// (0xFFFFFFC0 is -64 in a LONG); only decimal carries a sign.
struct ParsedFieldValue {
    std::optional<std::uint64_t> stored;  // the value as the field stores it, nullopt when it does not fit
    Message error;                        // why not, a sentence naming the field: "biPlanes is a WORD: 0 to 65 535"
};

// False for a field that is not one number (CIEXYZTRIPLE, an ICC date, a file name): its bytes
// are set as bytes.
constexpr bool HoldsOneNumber(FieldType type)
{
    return TypeSize(type) != 0 && TypeSize(type) <= 8;
}

ParsedFieldValue ParseFieldValue(std::string_view text, std::string_view name, FieldType type,
                                 ValueNotation notation = ValueNotation::Typed);

// The stored value's bytes in the type's byte order, TypeSize(type) of them.
std::vector<std::uint8_t> FieldValueBytes(std::uint64_t stored, FieldType type);

// The stored value in decimal, with its sign for a signed type: "-64", "65535".
std::string FieldValueText(std::uint64_t stored, FieldType type);

// What the field takes: "biPlanes is a WORD: 0 to 65 535", "biHeight is a LONG: -2 147 483 648
// to 2 147 483 647".
std::string FieldRangeText(std::string_view name, FieldType type);
namespace say {
Message FieldRange(std::string_view name, FieldType type);  // the same, as the window says it
}  // namespace say

// A colour-table entry's colour as people write it, "#FF8000" (the "#" may be left out), as the
// bytes the entry stores it in: blue, green, red. The reserved byte of a 4-byte entry is not
// the colour's, so it is left as it is.
struct ParsedEntryColor {
    std::optional<std::array<std::uint8_t, 3>> bytes;  // blue, green, red; nullopt when the text is no colour
    Message error;                                      // why not, a sentence naming the entry
};

ParsedEntryColor ParseEntryColor(std::string_view text, std::string_view entryName);

}  // namespace hexlume::format
