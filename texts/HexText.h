#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace hexlume {

// Value 0–15 → '0'–'9', 'A'–'F'.
char NibbleToHexDigit(unsigned value);

// Two upper-case hex digits, high four bits first. The view points into a static table.
std::string_view ByteToHex(std::uint8_t byte);

}  // namespace hexlume
