#include "NumberText.h"

#include <charconv>

namespace hexlume::format {

std::string GroupedNumber(std::uint64_t value)
{
    const std::string digits = std::to_string(value);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (digits.size() - i) % 3 == 0)
            grouped += ' ';
        grouped += digits[i];
    }
    return grouped;
}

std::string ByteCount(std::uint64_t count)
{
    return GroupedNumber(count) + (count == 1 ? " byte" : " bytes");
}

std::string ByteRange(std::uint64_t offset, std::uint64_t length)
{
    return "bytes " + GroupedNumber(offset) + " to " + GroupedNumber(offset + length - 1);
}

std::string HexNumber(std::uint64_t value, int digits)
{
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, 16).ptr;
    std::string hex(buffer, end);
    for (char& c : hex)
        c = static_cast<char>(c >= 'a' ? c - 'a' + 'A' : c);
    if (static_cast<int>(hex.size()) < digits)
        hex.insert(0, static_cast<std::size_t>(digits) - hex.size(), '0');
    return "0x" + hex;
}

}  // namespace hexlume::format
