#pragma once

#include "format/FieldDictionary.h"
#include "primitives/Message.h"

#include <cstdint>
#include <string>
#include <string_view>

// The ways a bitmap stores its pixels, and which bit counts each header family allows for each.
namespace hexlume::format {

// The compression codes as the Windows headers number them.
enum Compression : std::uint32_t {
    kBiRgb = 0,
    kBiRle8 = 1,
    kBiRle4 = 2,
    kBiBitfields = 3,
    kBiJpeg = 4,
    kBiPng = 5,
    kBiAlphaBitfields = 6,
};

// How the pixel data is stored: the compression code read in the light of the header version
// (an OS/2 2.x header means Huffman 1D by 3 and RLE24 by 4).
enum class PixelEncoding {
    Rgb,        // uncompressed: colour indices or packed colours, rows padded to 32 bits
    Rle8,
    Rle4,
    Rle24,      // OS/2 2.x
    BitFields,  // uncompressed, channels given by masks (BI_BITFIELDS, BI_ALPHABITFIELDS)
    Jpeg,       // the pixel data is a whole JPEG stream
    Png,        // the pixel data is a whole PNG stream
    Huffman1D,  // OS/2 2.x, 1-bit fax coding
    Unknown,    // no variant defines this code
};

inline bool IsRunLength(PixelEncoding encoding)
{
    return encoding == PixelEncoding::Rle4 || encoding == PixelEncoding::Rle8 || encoding == PixelEncoding::Rle24;
}

// Rows of pixels as they are, padded to 32 bits: what a byte's row and column can be told for.
inline bool IsUncompressed(PixelEncoding encoding)
{
    return encoding == PixelEncoding::Rgb || encoding == PixelEncoding::BitFields;
}

// A whole JPEG or PNG stream, which carries its own pixel format: any bit count goes with it.
inline bool IsEmbeddedStream(PixelEncoding encoding)
{
    return encoding == PixelEncoding::Jpeg || encoding == PixelEncoding::Png;
}

// Pixels of 1 to 8 bits are indices into a colour table.
constexpr bool IsIndexed(std::uint16_t bitCount)
{
    return bitCount >= 1 && bitCount <= 8;
}

// The entries a colour table needs for every index the pixels can store: 2^bitCount for 1 to 8
// bits, 0 for pixels that are no index.
constexpr std::uint32_t FullTableEntries(std::uint16_t bitCount)
{
    return IsIndexed(bitCount) ? std::uint32_t{1} << bitCount : 0;
}

PixelEncoding EncodingFor(HeaderVersion version, std::uint32_t compression);

// "3 = BI_BITFIELDS", "3 = Huffman 1D" under an OS/2 2.x header, "9 = not defined".
std::string CompressionMeaning(std::uint32_t code, HeaderVersion version);

// "RLE8", "bit fields", "JPEG"; empty for uncompressed indices or colours.
std::string_view EncodingName(PixelEncoding encoding);

// How a header family takes a pixel format.
enum class Support { No, Yes, Rare };

struct BitCountVerdict {
    Support support = Support::No;
    Message rareNote;  // why a rare one is rare: "2-bit pixels are Windows CE's only; …"
    bool otherFamilyRare = false;  // a No that the other family has as a rare format
};

// What the header's family makes of the bit count as a count of uncompressed pixels (0 only
// before an embedded stream), whatever the encoding asks of it.
BitCountVerdict JudgeBitCount(HeaderVersion version, std::uint16_t bitCount, PixelEncoding encoding);

// The bit count an encoding asks for, as "RLE8 needs 8" or "bit-field masks need 16 or 32"; empty
// when the encoding takes this bit count (or takes any).
std::string EncodingNeeds(PixelEncoding encoding, std::uint16_t bitCount);

// Whether the decoder has pixels of this bit count to draw for the encoding (an embedded stream
// is drawn by its own reader, whatever the count says).
// The texts above as the window says them: "3 = BI_BITFIELDS" (the constant verbatim),
// "bit fields", "bit-field masks need 16 or 32"; empty where the English is.
namespace say {
Message Compression(std::uint32_t code, HeaderVersion version);
Message Encoding(PixelEncoding encoding);
Message EncodingNeeds(PixelEncoding encoding, std::uint16_t bitCount);
}  // namespace say

bool DrawsBitCount(PixelEncoding encoding, std::uint16_t bitCount);

}  // namespace hexlume::format
