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

}  // namespace hexlume
