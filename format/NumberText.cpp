#include "NumberText.h"

#include "primitives/HexDigits.h"

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

std::string_view CountWord(std::uint64_t count, std::string_view one, std::string_view many)
{
    return count == 1 ? one : many;
}

std::string Counted(std::uint64_t count, std::string_view one, std::string_view many)
{
    return GroupedNumber(count) + " " + std::string(CountWord(count, one, many));
}

std::string ByteCount(std::uint64_t count)
{
    return Counted(count, "byte", "bytes");
}

std::string ByteRangeText(std::uint64_t offset, std::uint64_t length)
{
    return "bytes " + GroupedNumber(offset) + " to " + GroupedNumber(offset + length - 1);
}

std::string Capitalised(std::string text)
{
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

std::string BitRangeText(std::uint64_t first, std::uint64_t count)
{
    if (count == 1)
        return "bit " + std::to_string(first);
    return "bits " + std::to_string(first) + " to " + std::to_string(first + count - 1);
}

std::string PixelText(std::uint64_t x, std::uint64_t shownRow, std::uint64_t storedRow)
{
    return PixelSpanText(x, x, shownRow, storedRow);
}

std::string PixelSpanText(std::uint64_t firstX, std::uint64_t lastX, std::uint64_t shownRow, std::uint64_t storedRow)
{
    const auto point = [shownRow](std::uint64_t x) {
        return "(" + GroupedNumber(x) + ", " + GroupedNumber(shownRow) + ")";
    };
    std::string text = firstX == lastX ? "pixel " + point(firstX) : "pixels " + point(firstX) + " to " + point(lastX);
    if (storedRow != shownRow)
        text += " (stored row " + GroupedNumber(storedRow) + ")";
    return text;
}

std::string StreamPlaceText(std::uint64_t x, std::uint64_t storedRow, const BitmapFormat& format)
{
    if (storedRow >= format.rows)
        return "stored row " + GroupedNumber(storedRow) + ", past the picture";
    return PixelText(x, format.ShownRow(storedRow), storedRow);
}

std::string SignatureText(std::uint64_t value)
{
    const auto letter = [](std::uint64_t c) { return c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?'; };
    return std::string{'"', letter(value & 0xFF), letter(value >> 8 & 0xFF), '"'};
}

std::string HexDigits(std::uint64_t value, int digits)
{
    std::string hex;
    do {
        hex.insert(hex.begin(), HexDigit(static_cast<unsigned>(value)));
        value >>= 4;
    } while (value != 0);
    if (static_cast<int>(hex.size()) < digits)
        hex.insert(0, static_cast<std::size_t>(digits) - hex.size(), '0');
    return hex;
}

std::string HexNumber(std::uint64_t value, int digits)
{
    return "0x" + HexDigits(value, digits);
}

}  // namespace hexlume::format
