#include "HexText.h"

#include "primitives/HexDigits.h"

namespace hexlume {

char NibbleToHexDigit(unsigned value)
{
    return HexDigit(value);
}

std::string_view ByteToHex(std::uint8_t byte)
{
    return {&kByteHexPairs[2 * byte], 2};
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
