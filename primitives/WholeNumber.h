#pragma once

#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>

namespace hexlume {

// Digits in the base given and nothing else: no sign, no prefix, no spaces.
inline std::optional<std::uint64_t> ParseDigits(std::string_view text, int base)
{
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [parsedEnd, error] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || error != std::errc() || parsedEnd != end)
        return std::nullopt;
    return value;
}

// A whole number as people type offsets and counts: decimal, or hexadecimal after "0x"; no sign,
// no spaces, nothing after it.
inline std::optional<std::uint64_t> ParseWholeNumber(std::string_view text)
{
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return ParseDigits(text.substr(2), 16);
    return ParseDigits(text, 10);
}

}  // namespace hexlume
