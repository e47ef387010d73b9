#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace hexlume {

// The one table every hex text is written with: upper-case digits.
inline constexpr std::string_view kHexDigits = "0123456789ABCDEF";

constexpr char HexDigit(unsigned nibble)
{
    return kHexDigits[nibble & 0xF];
}

// "XX" for every byte value, 512 characters: byte b's two digits start at 2 * b.
inline constexpr std::array<char, 512> kByteHexPairs = [] {
    std::array<char, 512> pairs{};
    for (unsigned byte = 0; byte < 256; ++byte) {
        pairs[2 * byte] = HexDigit(byte >> 4);
        pairs[2 * byte + 1] = HexDigit(byte);
    }
    return pairs;
}();

}  // namespace hexlume
