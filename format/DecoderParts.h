#pragma once

#include "format/Decoder.h"
#include "format/Huffman1D.h"
#include "format/RleStream.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <optional>

// The pieces the decoder's drawings (Decoder.cpp) and its rows (RowDecoder.cpp) share: colours
// of table entries and packed pixels, stored rows, and one walk over an RLE or Huffman 1D
// stream.
namespace hexlume::format::decoding {

inline Argb Rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue)
{
    return OpaqueRgb(red << 16 | green << 8 | blue);
}
// A k-bit channel of a packed pixel, scaled to 8 bits exactly: round(v × 255 / (2^k − 1)).
class Channel {
public:
    explicit Channel(std::uint32_t mask)
        : m_mask(mask), m_shift(mask == 0 ? 0 : std::countr_zero(mask)), m_max(mask == 0 ? 0 : mask >> m_shift)
    {
    }

    bool Present() const { return m_mask != 0; }
    std::uint32_t Scale(std::uint32_t pixel) const
    {
        if (m_max == 0)
            return 0;
        const std::uint64_t value = (pixel & m_mask) >> m_shift;
        return static_cast<std::uint32_t>((value * 510 + m_max) / (2 * m_max));
    }

private:
    std::uint32_t m_mask;
    int m_shift;
    std::uint64_t m_max;
};

// Where each channel sits in a 24-bit pixel (its bytes) and a 64-bit one (its 16-bit words).
enum ChannelPlace : unsigned { kBluePlace = 0, kGreenPlace = 1, kRedPlace = 2, kAlphaPlace = 3 };

// 64-bit channels are linear light with 1.0 = 8192: colours go through the sRGB curve (as a
// screen shows them), alpha is scaled straight.
inline constexpr std::int32_t kFixedOne = 8192;

// Linear light 0…kFixedOne to an sRGB byte.
const std::array<std::uint8_t, kFixedOne + 1>& LinearToSrgb();

inline std::int32_t FixedClamped(const std::uint8_t* pixel, unsigned place)
{
    const std::uint8_t* bytes = pixel + 2 * place;
    const auto value = static_cast<std::int16_t>(bytes[0] | bytes[1] << 8);
    return std::clamp<std::int32_t>(value, 0, kFixedOne);
}

// The colours of pixels of 16 to 64 bits.
class PackedColors {
public:
    explicit PackedColors(const BitmapFormat& format)
        : m_bitCount(format.bitCount), m_red(format.masks.red), m_green(format.masks.green),
          m_blue(format.masks.blue), m_alpha(format.masks.alpha)
    {
    }

    Argb At(const std::uint8_t* pixel) const
    {
        switch (m_bitCount) {
        case 24: return Rgb(pixel[kRedPlace], pixel[kGreenPlace], pixel[kBluePlace]);
        case 64: return Wide(pixel);
        default: return Masked(static_cast<std::uint32_t>(LeAt(Bytes(pixel, m_bitCount / 8), 0, m_bitCount / 8)));
        }
    }

private:
    Argb Masked(std::uint32_t pixel) const
    {
        const std::uint32_t alpha = m_alpha.Present() ? m_alpha.Scale(pixel) : 255;
        return alpha << 24 | m_red.Scale(pixel) << 16 | m_green.Scale(pixel) << 8 | m_blue.Scale(pixel);
    }

    static Argb Wide(const std::uint8_t* pixel)
    {
        const auto& srgb = LinearToSrgb();
        const auto alpha =
            static_cast<std::uint32_t>((FixedClamped(pixel, kAlphaPlace) * 255 + kFixedOne / 2) / kFixedOne);
        return alpha << 24 | std::uint32_t{srgb[FixedClamped(pixel, kRedPlace)]} << 16 |
               std::uint32_t{srgb[FixedClamped(pixel, kGreenPlace)]} << 8 | srgb[FixedClamped(pixel, kBluePlace)];
    }

    unsigned m_bitCount;
    Channel m_red;
    Channel m_green;
    Channel m_blue;
    Channel m_alpha;
};

// The colour table as ARGB, every index up to 255 filled: the marker where the table has no
// entry (past its count or past the end of the file).
struct ColorTable {
    std::array<Argb, 256> colors;
    std::uint64_t entries = 0;  // the indices below have an entry of their own

    // Notes a bad index by the index, not by the marker's colour, which a table may hold too.
    Argb Color(std::uint32_t index, bool& drewBadIndex) const
    {
        drewBadIndex = drewBadIndex || index >= entries;
        return colors[index];
    }
};

ColorTable ReadColorTable(Bytes file, const BitmapFormat& format);

// Reads one uncompressed pixel of any bit count.
class PixelReader {
public:
    PixelReader(Bytes file, const BitmapFormat& format)
        : m_bitCount(format.bitCount), m_hasAlpha(HasAlphaChannel(format)), m_table(ReadColorTable(file, format)),
          m_packed(format)
    {
    }

    bool HasAlpha() const { return m_hasAlpha; }
    bool SawAlpha() const { return m_sawAlpha; }
    bool SawBadIndex() const { return m_sawBadIndex; }
    std::uint64_t BytesUpTo(std::uint64_t column) const { return ((column + 1) * m_bitCount + 7) / 8; }

    Argb At(const std::uint8_t* row, std::uint64_t column)
    {
        if (IsIndexed(m_bitCount))
            return m_table.Color(IndexInRow(row, column, m_bitCount), m_sawBadIndex);
        const Argb color = m_packed.At(row + column * (m_bitCount / 8));
        m_sawAlpha = m_sawAlpha || color >> 24 != 0;
        return color;
    }

private:
    unsigned m_bitCount;
    bool m_hasAlpha;
    ColorTable m_table;
    PackedColors m_packed;
    bool m_sawAlpha = false;
    bool m_sawBadIndex = false;
};

// The stand-in where the file has no bytes for a pixel: a checker of 8-pixel cells.
inline Argb MissingColor(std::uint64_t targetColumn, std::uint64_t targetRow)
{
    return ((targetColumn / 8 + targetRow / 8) & 1) != 0 ? kMissingDark : kMissingLight;
}

// The bytes of the row stored at storedRow (counted from the start of the data): shorter or
// empty where the data ends.
inline Bytes StoredRow(Bytes data, std::uint64_t storedRow, std::uint64_t stride)
{
    if (storedRow > data.size() / stride)
        return {};
    const std::uint64_t start = storedRow * stride;
    return data.subspan(start, std::min(stride, data.size() - start));
}

// A stretch of a stream as the picture gets it, in stream order.
struct StreamSpan {
    enum class Kind {
        Pixels,  // count pixels of stored row y from column x on, all inside the row
        End,     // nothing further lands in the picture
        Cut,     // the file ends here: what follows column x of stored row y is missing
    };
    Kind kind = Kind::End;
    std::uint64_t y = 0;
    std::uint64_t x = 0;
    std::uint64_t count = 0;
};

// An RLE or Huffman 1D stream, as the layout bounds it (a writer's image size neither cuts it
// nor stretches it), read span by span: the one reading of a stream's pixels that both the
// sampled drawing and the full rows use. White Huffman runs are colour index 0, black runs 1.
class StreamWalk {
public:
    StreamWalk(Bytes file, const BitmapFormat& format);

    // The next span; false once the End or Cut span has been given.
    bool Next(StreamSpan& span);

    // The colour of pixel k of the last Pixels span; an index past the table sets drewBadIndex.
    Argb Color(std::uint64_t k, bool& drewBadIndex) const
    {
        if (m_huffman)
            return m_table.Color(m_step.black ? 1 : 0, drewBadIndex);
        const std::uint32_t value = RlePixel(m_encoding, m_code, k);
        return m_encoding == PixelEncoding::Rle24 ? OpaqueRgb(value) : m_table.Color(value, drewBadIndex);
    }

private:
    bool NextRle(StreamSpan& span);
    bool NextHuffman(StreamSpan& span);
    // Gives `pixels` when it has any, the end after it; else the end.
    bool Give(StreamSpan& span, const StreamSpan& pixels, std::optional<StreamSpan> end);

    ColorTable m_table;
    PixelEncoding m_encoding;
    bool m_huffman;
    std::uint64_t m_rows;
    RleReader m_reader;
    RleCursor m_cursor;
    RleCode m_code;
    HuffmanWalker m_walker;
    HuffmanStep m_step;
    std::optional<StreamSpan> m_after;  // the end that follows the Pixels span just given
    bool m_done = false;
};

}  // namespace hexlume::format::decoding
