#include "NumberText.h"

#include "primitives/HexDigits.h"

namespace hexlume::format {

std::string GroupedNumber(std::uint64_t value)
{
    return GroupedDigits(value);
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
    return say::Bytes(count).English();
}

std::string ByteRangeText(std::uint64_t offset, std::uint64_t length)
{
    return say::ByteRange(offset, length).English();
}

std::string PixelText(std::uint64_t x, std::uint64_t shownRow, std::uint64_t storedRow)
{
    return say::Pixel(x, shownRow, storedRow).English();
}

std::string PixelSpanText(std::uint64_t firstX, std::uint64_t lastX, std::uint64_t shownRow, std::uint64_t storedRow)
{
    return say::PixelSpan(firstX, lastX, shownRow, storedRow).English();
}

namespace say {

Message Bytes(std::uint64_t count)
{
    return Message(HX_TR_N("Numbers", "%n byte(s)")).Count(count);
}

Message Pixels(std::uint64_t count)
{
    return Message(HX_TR_N("Numbers", "%n pixel(s)")).Count(count);
}

Message Rows(std::uint64_t count)
{
    return Message(HX_TR_N("Numbers", "%n row(s)")).Count(count);
}

Message ByteRange(std::uint64_t offset, std::uint64_t length)
{
    return Message(HX_TR("Numbers", "bytes %1 to %2")).Number(offset).Number(offset + length - 1);
}

Message BitRange(std::uint64_t first, std::uint64_t count)
{
    if (count == 1)
        return Message(HX_TR("Numbers", "bit %1")).Arg(std::to_string(first));
    return Message(HX_TR("Numbers", "bits %1 to %2")).Arg(std::to_string(first)).Arg(std::to_string(first + count - 1));
}

Message Pixel(std::uint64_t x, std::uint64_t shownRow, std::uint64_t storedRow)
{
    return PixelSpan(x, x, shownRow, storedRow);
}

Message PixelSpan(std::uint64_t firstX, std::uint64_t lastX, std::uint64_t shownRow, std::uint64_t storedRow)
{
    Message place = firstX == lastX
                        ? Message(HX_TR("Numbers", "pixel (%1, %2)")).Number(firstX).Number(shownRow)
                        : Message(HX_TR("Numbers", "pixels (%1, %2) to (%3, %2)")).Number(firstX).Number(shownRow).Number(lastX);
    if (storedRow == shownRow)
        return place;
    return Message(HX_TR("Numbers", "%1 (stored row %2)")).Arg(std::move(place)).Number(storedRow);
}

Message StreamPlace(std::uint64_t x, std::uint64_t storedRow, const BitmapFormat& format)
{
    if (storedRow >= format.rows)
        return Message(HX_TR("Numbers", "stored row %1, past the picture")).Number(storedRow);
    return Pixel(x, format.ShownRow(storedRow), storedRow);
}

}  // namespace say

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
