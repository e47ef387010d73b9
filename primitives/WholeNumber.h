#pragma once

#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>

namespace hexlume {

// A whole number as people type offsets and counts: decimal, or hexadecimal after "0x"; no sign,
// no spaces, nothing after it.
inline std::optional<std::uint64_t> ParseWholeNumber(std::string_view text)
{
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [parsedEnd, error] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || error != std::errc() || parsedEnd != end)
        return std::nullopt;
    return value;
}

}  // namespace hexlume
