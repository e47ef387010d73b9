#include "DumpQuery.h"

#include "format/NumberText.h"
#include "primitives/Arithmetic.h"
#include "primitives/WholeNumber.h"

#include <charconv>
#include <limits>

namespace hexlume {

namespace {

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string WithoutSpaces(std::string_view text)
{
    std::string kept;
    for (const char c : text)
        if (!IsSpace(c))
            kept += c;
    return kept;
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<int> HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return std::nullopt;
}

}  // namespace

OffsetAnswer ParseOffset(std::string_view text, std::uint64_t caret, std::uint64_t fileSize)
{
    const std::string typed(Trimmed(text));
    if (typed.empty())
        return {std::nullopt, HX_TR("Editing", "type an offset: 1086, 0x43E, or +16 / -16 from the lit byte")};
    const std::string kept = WithoutSpaces(typed);
    std::string_view digits = kept;
    const char sign = digits.front() == '+' || digits.front() == '-' ? digits.front() : '\0';
    if (sign != '\0')
        digits.remove_prefix(1);
    const std::optional<std::uint64_t> number = ParseWholeNumber(digits);
    if (!number)
        return {std::nullopt, Message(HX_TR("Editing", "not an offset: %1")).Arg(typed)};
    if (sign == '-' && *number > caret)
        return {std::nullopt, HX_TR("Editing", "before the start of the file")};
    std::uint64_t offset = *number;
    if (sign == '-')
        offset = caret - *number;
    else if (sign == '+')
        offset = SaturatingAdd(caret, *number);
    if (offset >= fileSize)
        return {std::nullopt, Message(HX_TR("Editing", "past the end of the file (%1)")).Arg(format::say::Bytes(fileSize))};
    return {offset, {}};
}

PatternAnswer ParsePattern(std::string_view text, PatternKind kind)
{
    PatternAnswer answer;
    if (kind == PatternKind::Text) {
        answer.pattern.bytes.assign(text.begin(), text.end());
        answer.pattern.wild.assign(text.size(), false);
        if (text.empty())
            answer.error = HX_TR("Editing", "type the text to find");
        return answer;
    }
    const std::string digits = WithoutSpaces(text);
    if (digits.empty()) {
        answer.error = HX_TR("Editing", "type the bytes to find: 42 4D, ?? for any byte");
        return answer;
    }
    if (digits.size() % 2 != 0) {
        answer.error = Message(HX_TR("Editing", "not hex bytes: %1 (an odd number of digits; two make a byte)"))
                           .Arg(Trimmed(text));
        return answer;
    }
    for (std::size_t at = 0; at < digits.size(); at += 2) {
        const std::string_view pair(digits.data() + at, 2);
        if (pair == "??") {
            answer.pattern.bytes.push_back(0);
            answer.pattern.wild.push_back(true);
            continue;
        }
        const auto high = HexValue(pair[0]);
        const auto low = HexValue(pair[1]);
        if (!high || !low) {
            answer.pattern = {};
            answer.error = Message(HX_TR("Editing", "not hex bytes: %1 (two hex digits a byte, ?? for any byte)")).Arg(pair);
            return answer;
        }
        answer.pattern.bytes.push_back(static_cast<std::uint8_t>(*high * 16 + *low));
        answer.pattern.wild.push_back(false);
    }
    return answer;
}

std::string PatternText(const BytePattern& pattern)
{
    std::string text;
    for (std::size_t index = 0; index < pattern.bytes.size(); ++index) {
        if (index > 0)
            text += ' ';
        text += pattern.wild[index] ? "??" : format::HexDigits(pattern.bytes[index], 2);
    }
    return text;
}

}  // namespace hexlume
