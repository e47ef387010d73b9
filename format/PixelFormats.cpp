#include "PixelFormats.h"

#include <algorithm>
#include <iterator>

namespace hexlume::format {

namespace {

struct CompressionCode {
    std::uint32_t code;
    PixelEncoding windows;
    std::string_view windowsName;
    PixelEncoding os2;  // under an OS/2 2.x header
    std::string_view os2Name;
};

constexpr CompressionCode kCompressionCodes[] = {
    {kBiRgb, PixelEncoding::Rgb, "BI_RGB", PixelEncoding::Rgb, "uncompressed"},
    {kBiRle8, PixelEncoding::Rle8, "BI_RLE8", PixelEncoding::Rle8, "RLE8"},
    {kBiRle4, PixelEncoding::Rle4, "BI_RLE4", PixelEncoding::Rle4, "RLE4"},
    {kBiBitfields, PixelEncoding::BitFields, "BI_BITFIELDS", PixelEncoding::Huffman1D, "Huffman 1D"},
    {kBiJpeg, PixelEncoding::Jpeg, "BI_JPEG", PixelEncoding::Rle24, "RLE24"},
    {kBiPng, PixelEncoding::Png, "BI_PNG", PixelEncoding::Unknown, {}},
    {kBiAlphaBitfields, PixelEncoding::BitFields, "BI_ALPHABITFIELDS", PixelEncoding::Unknown, {}},
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
    std::string_view rareNote = {};
};

using enum Support;
constexpr PixelFormat kPixelFormats[] = {
    {PixelEncoding::Rgb, 1, Yes, Yes},
    {PixelEncoding::Rgb, 2, Rare, No, "2-bit pixels are Windows CE's only; most readers refuse them."},
    {PixelEncoding::Rgb, 4, Yes, Yes},
    {PixelEncoding::Rgb, 8, Yes, Yes},
    {PixelEncoding::Rgb, 16, Yes, No},
    {PixelEncoding::Rgb, 24, Yes, Yes},
    {PixelEncoding::Rgb, 32, Yes, No},
    {PixelEncoding::Rgb, 64, Rare, No, "64-bit pixels are a newer Windows extension few readers know."},
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
    std::string_view name;   // in the --check summary
    std::string_view needs;  // what asks for a bit count: "RLE8 needs"
};

constexpr EncodingText kEncodingTexts[] = {
    {PixelEncoding::Rle8, "RLE8", "RLE8 needs"},
    {PixelEncoding::Rle4, "RLE4", "RLE4 needs"},
    {PixelEncoding::Rle24, "RLE24", "RLE24 needs"},
    {PixelEncoding::BitFields, "bit fields", "bit-field masks need"},
    {PixelEncoding::Jpeg, "JPEG", {}},
    {PixelEncoding::Png, "PNG", {}},
    {PixelEncoding::Huffman1D, "Huffman 1D", "Huffman 1D needs"},
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
    const CompressionCode* entry = FindCode(code);
    const std::string_view name = entry == nullptr ? std::string_view{}
                                  : version == HeaderVersion::Os2v2 ? entry->os2Name
                                                                    : entry->windowsName;
    return std::to_string(code) + " = " + std::string(name.empty() ? "not defined" : name);
}

std::string_view EncodingName(PixelEncoding encoding)
{
    const EncodingText* text = FindText(encoding);
    return text != nullptr ? text->name : std::string_view{};
}

BitCountVerdict JudgeBitCount(HeaderVersion version, std::uint16_t bitCount, PixelEncoding encoding)
{
    const bool os2 = IsOs2Header(version);
    const PixelFormat* format = FindFormat(bitCount == 0 ? encoding : PixelEncoding::Rgb, bitCount);
    if (format == nullptr)
        return {};
    const Support support = os2 ? format->os2 : format->windows;
    const Support other = os2 ? format->windows : format->os2;
    return {.support = support, .rareNote = format->rareNote, .otherFamilyRare = support == No && other == Rare};
}

std::string EncodingNeeds(PixelEncoding encoding, std::uint16_t bitCount)
{
    if (encoding == PixelEncoding::Rgb || IsEmbeddedStream(encoding) || FindFormat(encoding, bitCount) != nullptr)
        return {};
    const EncodingText* text = FindText(encoding);
    if (text == nullptr)
        return {};
    std::string needs(text->needs);
    const char* separator = " ";
    for (const PixelFormat& format : kPixelFormats)
        if (format.encoding == encoding) {
            needs += separator + std::to_string(format.bitCount);
            separator = " or ";
        }
    return needs;
}

bool DrawsBitCount(PixelEncoding encoding, std::uint16_t bitCount)
{
    return IsEmbeddedStream(encoding) || encoding == PixelEncoding::Unknown ||
           FindFormat(encoding, bitCount) != nullptr;
}

}  // namespace hexlume::format
