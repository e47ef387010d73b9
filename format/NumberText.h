#pragma once

#include "format/BitmapFormat.h"
#include "primitives/Message.h"

#include <cstdint>
#include <string>
#include <string_view>

// Numbers as the layout's meanings and the findings' messages write them.
namespace hexlume::format {

// Decimal with the thousands set apart by a space: "9 286", "1 048 576".
std::string GroupedNumber(std::uint64_t value);

// The word for `count` things: `one` for exactly one, `many` for any other count. The one plural
// rule of every message, table and sign.
std::string_view CountWord(std::uint64_t count, std::string_view one, std::string_view many);
// The grouped number and its word: "1 row", "9 286 rows".
std::string Counted(std::uint64_t count, std::string_view one, std::string_view many);
// "1 byte", "9 286 bytes".
std::string ByteCount(std::uint64_t count);

// "bytes 54 to 65": a range of the file by its first byte and length (at least 1).
std::string ByteRangeText(std::uint64_t offset, std::uint64_t length);

// A pixel as every message names it: "pixel (3, 0)", y counted from the top as the picture is
// shown, and the stored row after it where the two differ: "pixel (3, 0) (stored row 63)".
std::string PixelText(std::uint64_t x, std::uint64_t shownRow, std::uint64_t storedRow);
// Pixels firstX to lastX of one row: "pixels (0, 2) to (7, 2) (stored row 61)".
std::string PixelSpanText(std::uint64_t firstX, std::uint64_t lastX, std::uint64_t shownRow, std::uint64_t storedRow);

// The same places and counts as messages, for texts the window says in the reader's language; the
// functions above are their English.
namespace say {
Message Bytes(std::uint64_t count);                                     // "9 286 bytes"
Message Pixels(std::uint64_t count);                                    // "1 pixel", "8 pixels"
Message Rows(std::uint64_t count);                                      // "1 row", "64 rows"
Message ByteRange(std::uint64_t offset, std::uint64_t length);          // "bytes 54 to 65"
// "bits 5 to 10", or for one bit "bit 5": `count` bits (at least 1) from bit `first` on.
Message BitRange(std::uint64_t first, std::uint64_t count);
Message Pixel(std::uint64_t x, std::uint64_t shownRow, std::uint64_t storedRow);
Message PixelSpan(std::uint64_t firstX, std::uint64_t lastX, std::uint64_t shownRow, std::uint64_t storedRow);
// Where an RLE stream stands, which may be past the picture's last row: a pixel while the row is
// in the picture, else "stored row 70, past the picture".
Message StreamPlace(std::uint64_t x, std::uint64_t storedRow, const BitmapFormat& format);
}  // namespace say

// A two-letter signature as stored, each letter shown only when printable: "BM", "B?".
std::string SignatureText(std::uint64_t value);

// At least `digits` upper-case hex digits, padded with '0' on the left and never cut: "F800",
// "0000F800", as the window's header grid shows a field.
std::string HexDigits(std::uint64_t value, int digits = 1);
// The same after "0x", as messages and listings write a number: "0x0000F800".
std::string HexNumber(std::uint64_t value, int digits = 1);

}  // namespace hexlume::format
