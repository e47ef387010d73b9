#include "PixelFormats.h"

#include <algorithm>
#include <iterator>

namespace hexlume::format {

namespace {

// A name that is a code in every language ("BI_RGB", "RLE8"): said as it is.
constexpr MessageTemplate Code(const char* name)
{
    return {nullptr, name, false};
}

struct CompressionCode {
    std::uint32_t code;
    PixelEncoding windows;
    MessageTemplate windowsName;
    PixelEncoding os2;  // under an OS/2 2.x header
    MessageTemplate os2Name;  // no text: no name
};

constexpr CompressionCode kCompressionCodes[] = {
    {kBiRgb, PixelEncoding::Rgb, Code("BI_RGB"), PixelEncoding::Rgb, HX_TR("Layout", "uncompressed")},
    {kBiRle8, PixelEncoding::Rle8, Code("BI_RLE8"), PixelEncoding::Rle8, Code("RLE8")},
    {kBiRle4, PixelEncoding::Rle4, Code("BI_RLE4"), PixelEncoding::Rle4, Code("RLE4")},
    {kBiBitfields, PixelEncoding::BitFields, Code("BI_BITFIELDS"), PixelEncoding::Huffman1D, Code("Huffman 1D")},
    {kBiJpeg, PixelEncoding::Jpeg, Code("BI_JPEG"), PixelEncoding::Rle24, Code("RLE24")},
    {kBiPng, PixelEncoding::Png, Code("BI_PNG"), PixelEncoding::Unknown, {}},
    {kBiAlphaBitfields, PixelEncoding::BitFields, Code("BI_ALPHABITFIELDS"), PixelEncoding::Unknown, {}},
};

// The table's first entry that matches; nullptr when none does.
template <typename Entry, std::size_t N, typename Match>
const Entry* FindIn(const Entry (&table)[N], Match match)
{
    const auto found = std::find_if(std::begin(table), std::end(table), match);
    return found != std::end(table) ? found : nullptr;
}

const CompressionCode* FindCode(std::uint32_t code)
{
    return FindIn(kCompressionCodes, [code](const CompressionCode& entry) { return entry.code == code; });
}

// Every pixel format: an encoding, a bit count, and how each family takes it.
struct PixelFormat {
    PixelEncoding encoding;
    std::uint16_t bitCount;
    Support windows;
    Support os2;
    MessageTemplate rareNote = {};
};

using enum Support;
constexpr PixelFormat kPixelFormats[] = {
    {PixelEncoding::Rgb, 1, Yes, Yes},
    {PixelEncoding::Rgb, 2, Rare, No, HX_TR("Layout", "2-bit pixels are Windows CE's only; most readers refuse them.")},
    {PixelEncoding::Rgb, 4, Yes, Yes},
    {PixelEncoding::Rgb, 8, Yes, Yes},
    {PixelEncoding::Rgb, 16, Yes, No},
    {PixelEncoding::Rgb, 24, Yes, Yes},
    {PixelEncoding::Rgb, 32, Yes, No},
    {PixelEncoding::Rgb, 64, Rare, No, HX_TR("Layout", "64-bit pixels are a newer Windows extension few readers know.")},
    {PixelEncoding::Rle8, 8, Yes, Yes},
    {PixelEncoding::Rle4, 4, Yes, Yes},
    {PixelEncoding::Rle24, 24, No, Yes},
    {PixelEncoding::Huffman1D, 1, No, Yes},
    {PixelEncoding::BitFields, 16, Yes, No},
    {PixelEncoding::BitFields, 32, Yes, No},
    {PixelEncoding::Jpeg, 0, Yes, No},
    {PixelEncoding::Png, 0, Yes, No},
};

const PixelFormat* FindFormat(PixelEncoding encoding, std::uint16_t bitCount)
{
    return FindIn(kPixelFormats, [&](const PixelFormat& entry) {
        return entry.encoding == encoding && entry.bitCount == bitCount;
    });
}

struct EncodingText {
    PixelEncoding encoding;
    MessageTemplate name;  // in the --check summary and the window
};

constexpr EncodingText kEncodingTexts[] = {
    {PixelEncoding::Rle8, Code("RLE8")},
    {PixelEncoding::Rle4, Code("RLE4")},
    {PixelEncoding::Rle24, Code("RLE24")},
    {PixelEncoding::BitFields, HX_TR("Layout", "bit fields")},
    {PixelEncoding::Jpeg, Code("JPEG")},
    {PixelEncoding::Png, Code("PNG")},
    {PixelEncoding::Huffman1D, Code("Huffman 1D")},
};

const EncodingText* FindText(PixelEncoding encoding)
{
    return FindIn(kEncodingTexts, [encoding](const EncodingText& entry) { return entry.encoding == encoding; });
}

}  // namespace

PixelEncoding EncodingFor(HeaderVersion version, std::uint32_t compression)
{
    if (version == HeaderVersion::Unknown)
        return PixelEncoding::Unknown;
    if (version == HeaderVersion::Core)
        return PixelEncoding::Rgb;  // a core header has no compression field
    const CompressionCode* entry = FindCode(compression);
    if (entry == nullptr)
        return PixelEncoding::Unknown;
    return version == HeaderVersion::Os2v2 ? entry->os2 : entry->windows;
}

std::string CompressionMeaning(std::uint32_t code, HeaderVersion version)
{
    return say::Compression(code, version).English();
}

std::string_view EncodingName(PixelEncoding encoding)
{
    const EncodingText* text = FindText(encoding);
    return text != nullptr ? text->name.text : std::string_view{};
}

namespace say {

Message Compression(std::uint32_t code, HeaderVersion version)
{
    const CompressionCode* entry = FindCode(code);
    const MessageTemplate name = entry == nullptr ? MessageTemplate{}
                                 : version == HeaderVersion::Os2v2 ? entry->os2Name
                                                                   : entry->windowsName;
    return Message(HX_TR("Values", "%1 = %2"))
        .Arg(std::to_string(code))
        .Arg(name.text == nullptr ? Message(HX_TR("Values", "not defined")) : Message(name));
}

Message Encoding(PixelEncoding encoding)
{
    const EncodingText* text = FindText(encoding);
    return text != nullptr ? Message(text->name) : Message{};
}

Message EncodingNeeds(PixelEncoding encoding, std::uint16_t bitCount)
{
    if (encoding == PixelEncoding::Rgb || IsEmbeddedStream(encoding) || FindFormat(encoding, bitCount) != nullptr)
        return {};
    const EncodingText* text = FindText(encoding);
    if (text == nullptr)
        return {};
    Message counts;
    for (const PixelFormat& format : kPixelFormats)
        if (format.encoding == encoding)
            counts = counts.Empty() ? Message::Verbatim(std::to_string(format.bitCount))
                                    : Message(HX_TR("Layout", "%1 or %2")).Arg(std::move(counts)).Arg(std::to_string(format.bitCount));
    if (encoding == PixelEncoding::BitFields)
        return Message(HX_TR("Layout", "bit-field masks need %1")).Arg(std::move(counts));
    return Message(HX_TR("Layout", "%1 needs %2")).Arg(text->name).Arg(std::move(counts));
}

}  // namespace say

BitCountVerdict JudgeBitCount(HeaderVersion version, std::uint16_t bitCount, PixelEncoding encoding)
{
    const bool os2 = IsOs2Header(version);
    const PixelFormat* format = FindFormat(bitCount == 0 ? encoding : PixelEncoding::Rgb, bitCount);
    if (format == nullptr)
        return {};
    const Support support = os2 ? format->os2 : format->windows;
    const Support other = os2 ? format->windows : format->os2;
    return {.support = support,
            .rareNote = format->rareNote.text != nullptr ? Message(format->rareNote) : Message{},
            .otherFamilyRare = support == No && other == Rare};
}

std::string EncodingNeeds(PixelEncoding encoding, std::uint16_t bitCount)
{
    return say::EncodingNeeds(encoding, bitCount).English();
}

bool DrawsBitCount(PixelEncoding encoding, std::uint16_t bitCount)
{
    return IsEmbeddedStream(encoding) || encoding == PixelEncoding::Unknown ||
           FindFormat(encoding, bitCount) != nullptr;
}

}  // namespace hexlume::format
