#include "HexText.h"

#include <array>

namespace hexlume {

namespace {

constexpr std::array<char, 512> MakeByteDigits()
{
    std::array<char, 512> digits{};
    for (unsigned byte = 0; byte < 256; ++byte) {
        digits[2 * byte] = "0123456789ABCDEF"[byte >> 4];
        digits[2 * byte + 1] = "0123456789ABCDEF"[byte & 0xF];
    }
    return digits;
}

constexpr std::array<char, 512> kByteDigits = MakeByteDigits();

}  // namespace

char NibbleToHexDigit(unsigned value)
{
    return static_cast<char>(value < 10 ? '0' + value : 'A' + (value - 10));
}

std::string_view ByteToHex(std::uint8_t byte)
{
    return {&kByteDigits[2 * byte], 2};
}

std::string HeaderValueHex(std::uint32_t value, int minDigits)
{
    std::string digits;
    do {
        digits.insert(digits.begin(), NibbleToHexDigit(value & 0xF));
        value >>= 4;
    } while (value != 0);
    if (static_cast<int>(digits.size()) < minDigits)
        digits.insert(0, static_cast<std::size_t>(minDigits) - digits.size(), '0');
    return digits;
}

}  // namespace hexlume
