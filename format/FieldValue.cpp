#include "FieldValue.h"

#include "NumberText.h"
#include "primitives/WholeNumber.h"

namespace hexlume::format {

namespace {

std::uint64_t AllBits(FieldType type)
{
    const unsigned bits = 8 * TypeSize(type);
    return bits >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << bits) - 1;
}

// The largest magnitude of a negative value the type holds; 0 for an unsigned type.
std::uint64_t MostNegative(FieldType type)
{
    return TypeSigned(type) ? (AllBits(type) >> 1) + 1 : 0;
}

std::uint64_t MostPositive(FieldType type)
{
    return TypeSigned(type) ? AllBits(type) >> 1 : AllBits(type);
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

}  // namespace

std::string FieldRangeText(std::string_view name, FieldType type)
{
    return say::FieldRange(name, type).English();
}

namespace say {

Message FieldRange(std::string_view name, FieldType type)
{
    const std::string typeName(TypeName(type));
    if (TypeSize(type) == 0)
        return Message(HX_TR("Values", "%1 is a %2, not one number: set its bytes")).Arg(name).Arg(typeName);
    if (!HoldsOneNumber(type))
        return Message(HX_TR("Values", "%1 is a %2 of %3, not one number: set its bytes"))
            .Arg(name)
            .Arg(typeName)
            .Arg(say::Bytes(TypeSize(type)));
    const std::uint64_t negative = MostNegative(type);
    return Message(HX_TR("Values", "%1 is a %2: %3 to %4"))
        .Arg(name)
        .Arg(typeName)
        .Arg(negative != 0 ? "-" + GroupedNumber(negative) : "0")
        .Number(MostPositive(type));
}

}  // namespace say

ParsedFieldValue ParseFieldValue(std::string_view text, std::string_view name, FieldType type, ValueNotation notation)
{
    if (!HoldsOneNumber(type))
        return {std::nullopt, say::FieldRange(name, type)};
    text = Trimmed(text);
    const bool prefixed = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    bool negative = false;
    bool decimal = notation == ValueNotation::Typed && !prefixed;
    if (!prefixed && !text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        decimal = true;
        text.remove_prefix(1);
    }
    if (notation == ValueNotation::Cell && !prefixed && text.size() > 1 && text.back() == '.') {
        decimal = true;
        text.remove_suffix(1);
    }
    const std::optional<std::uint64_t> magnitude = ParseDigits(prefixed ? text.substr(2) : text, decimal ? 10 : 16);
    if (!magnitude) {
        return {std::nullopt, Message(notation == ValueNotation::Typed
                                          ? HX_TR("Values", "%1 takes a number: decimal, or hex after 0x")
                                          : HX_TR("Values", "%1 takes a number: hex digits as shown, or decimal "
                                                            "with a sign or a trailing dot (64.)"))
                                  .Arg(name)};
    }
    const std::uint64_t limit = !decimal ? AllBits(type) : negative ? MostNegative(type) : MostPositive(type);
    if (*magnitude > limit || (negative && !TypeSigned(type)))
        return {std::nullopt, say::FieldRange(name, type)};
    const std::uint64_t stored = negative ? (~*magnitude + 1) & AllBits(type) : *magnitude;
    return {stored, {}};
}

std::vector<std::uint8_t> FieldValueBytes(std::uint64_t stored, FieldType type)
{
    std::vector<std::uint8_t> bytes(TypeSize(type));
    for (std::size_t i = 0; i < bytes.size() && i < 8; ++i)
        bytes[TypeBigEndian(type) ? bytes.size() - 1 - i : i] = static_cast<std::uint8_t>(stored >> (8 * i));
    return bytes;
}

std::string FieldValueText(std::uint64_t stored, FieldType type)
{
    stored &= AllBits(type);
    if (TypeSigned(type) && stored > MostPositive(type))
        return "-" + std::to_string(AllBits(type) - stored + 1);
    return std::to_string(stored);
}

ParsedEntryColor ParseEntryColor(std::string_view text, std::string_view entryName)
{
    text = Trimmed(text);
    if (!text.empty() && text.front() == '#')
        text.remove_prefix(1);
    const std::optional<std::uint64_t> rgb = text.size() == 6 ? ParseDigits(text, 16) : std::nullopt;
    if (!rgb)
        return {std::nullopt,
                Message(HX_TR("Values", "%1 takes a colour as #RRGGBB: six hex digits, red, green, blue")).Arg(entryName)};
    return {std::array{static_cast<std::uint8_t>(*rgb), static_cast<std::uint8_t>(*rgb >> 8),
                       static_cast<std::uint8_t>(*rgb >> 16)},
            {}};
}

}  // namespace hexlume::format
