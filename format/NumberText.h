#pragma once

#include <cstdint>
#include <string>

// Numbers as the layout's meanings and the findings' messages write them.
namespace hexlume::format {

// Decimal with the thousands set apart by a space: "9 286", "1 048 576".
std::string GroupedNumber(std::uint64_t value);

// "1 byte", "9 286 bytes".
std::string ByteCount(std::uint64_t count);

// "bytes 54 to 65": a range of the file by its first byte and length (at least 1).
std::string ByteRangeText(std::uint64_t offset, std::uint64_t length);

// "0x" and at least `digits` upper-case hex digits: "0x0000F800".
std::string HexNumber(std::uint64_t value, int digits = 1);

}  // namespace hexlume::format
