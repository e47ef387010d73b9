#include "RegionText.h"

#include "primitives/HexDigits.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

namespace hexlume {

namespace {

// "XX  " for every byte value: one 4-byte copy per byte dumped.
constexpr std::array<std::array<char, 4>, 256> MakeGroups()
{
    std::array<std::array<char, 4>, 256> groups{};
    for (unsigned byte = 0; byte < 256; ++byte)
        groups[byte] = {HexDigit(byte >> 4), HexDigit(byte), ' ', ' '};
    return groups;
}

constexpr auto kGroups = MakeGroups();

// Lines per piece when streaming: about 1 MB of text.
constexpr std::uint64_t kStreamLines = 16384;

char* WriteGroups(const std::uint8_t* bytes, std::size_t count, char* out)
{
    for (std::size_t i = 0; i < count; ++i, out += 4)
        std::memcpy(out, kGroups[bytes[i]].data(), 4);
    return out;
}

char* WriteFullLine(const std::uint8_t* bytes, std::string_view lineEnd, char* out)
{
    out = WriteGroups(bytes, kBytesPerLine - 1, out);
    std::memcpy(out, kGroups[bytes[kBytesPerLine - 1]].data(), 2);
    out += 2;
    std::memcpy(out, lineEnd.data(), lineEnd.size());
    return out + lineEnd.size();
}

}  // namespace

std::uint64_t LineCount(std::uint64_t byteCount)
{
    return byteCount / kBytesPerLine + (byteCount % kBytesPerLine != 0 ? 1 : 0);
}

std::uint64_t RegionTextSize(std::uint64_t byteCount, std::string_view lineEnd)
{
    const std::uint64_t fullLines = byteCount / kBytesPerLine;
    return fullLines * (kFullLineChars + lineEnd.size()) + (byteCount % kBytesPerLine) * 4;
}

char* WriteRegionLines(ByteSpan bytes, std::uint64_t firstLine, std::uint64_t lineCount,
                       std::string_view lineEnd, char* out)
{
    const std::uint64_t totalLines = LineCount(bytes.size());
    if (firstLine >= totalLines)
        return out;
    const std::uint64_t endLine = firstLine + std::min(lineCount, totalLines - firstLine);
    const std::uint64_t fullEnd = std::min<std::uint64_t>(endLine, bytes.size() / kBytesPerLine);
    const std::uint8_t* cursor = bytes.data() + firstLine * kBytesPerLine;
    std::uint64_t line = firstLine;
    for (; line < fullEnd; ++line, cursor += kBytesPerLine)
        out = WriteFullLine(cursor, lineEnd, out);
    if (line < endLine)  // the unfinished last line
        out = WriteGroups(cursor, bytes.size() % kBytesPerLine, out);
    return out;
}

std::string RegionLinesText(ByteSpan bytes, std::uint64_t firstLine, std::uint64_t lineCount,
                            std::string_view lineEnd)
{
    const std::uint64_t totalLines = LineCount(bytes.size());
    if (firstLine >= totalLines)
        return {};
    const std::uint64_t endLine = firstLine + std::min(lineCount, totalLines - firstLine);
    const std::uint64_t startByte = firstLine * kBytesPerLine;
    const std::uint64_t endByte = std::min<std::uint64_t>(endLine * kBytesPerLine, bytes.size());
    std::string text(RegionTextSize(endByte - startByte, lineEnd), '\0');
    WriteRegionLines(bytes, firstLine, lineCount, lineEnd, text.data());
    return text;
}

std::string RegionText(ByteSpan bytes, std::string_view lineEnd)
{
    return RegionLinesText(bytes, 0, LineCount(bytes.size()), lineEnd);
}

bool StreamRegionText(ByteSpan bytes, std::string_view lineEnd,
                      const std::function<bool(std::string_view)>& sink)
{
    const std::uint64_t totalLines = LineCount(bytes.size());
    const std::uint64_t pieceCapacity = kStreamLines * (kFullLineChars + lineEnd.size());
    const auto piece = std::make_unique_for_overwrite<char[]>(pieceCapacity);
    for (std::uint64_t line = 0; line < totalLines; line += kStreamLines) {
        const char* end = WriteRegionLines(bytes, line, kStreamLines, lineEnd, piece.get());
        if (!sink({piece.get(), static_cast<std::size_t>(end - piece.get())}))
            return false;
    }
    return true;
}

}  // namespace hexlume
