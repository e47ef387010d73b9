#include "Decoder.h"

#include "NumberText.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>

namespace hexlume::format {

namespace {

constexpr Argb kOpaque = 0xFF000000;

Argb Rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue)
{
    return kOpaque | red << 16 | green << 8 | blue;
}

Argb Missing(std::uint64_t targetColumn, std::uint64_t targetRow)
{
    return ((targetColumn / 8 + targetRow / 8) & 1) != 0 ? kMissingDark : kMissingLight;
}

}  // namespace

std::string NoPictureReason(const BitmapFormat& format)
{
    if (format.version == HeaderVersion::Unknown)
        return "biSize " + std::to_string(format.headerSize) + " is not an info header size";
    if (!format.header.Complete())
        return "the file ends inside the " + std::string(HeaderVersionName(format.version)) + " (" +
               std::to_string(format.header.present) + " of " + std::to_string(format.header.claimed) + " bytes)";
    if (format.encoding == PixelEncoding::Unknown)
        return "biCompression " + std::to_string(format.compression) + " is not a compression";
    if (format.encoding == PixelEncoding::Huffman1D)
        return "OS/2 Huffman 1D compression is not drawn";
    if (!DrawsBitCount(format.encoding, format.bitCount)) {
        std::string reason = "biBitCount " + HexNumber(format.bitCount, 4) + " is not a pixel format";
        if (format.encoding != PixelEncoding::Rgb)
            reason += " with biCompression " + std::to_string(format.compression);
        return reason;
    }
    if (format.columns == 0)
        return "biWidth 0 leaves no pixels";
    if (format.rows == 0)
        return "biHeight 0 leaves no pixels";
    return {};
}

namespace {

// The source pixel at the centre of each target pixel, along one axis.
std::vector<std::uint64_t> Samples(std::uint32_t targetCount, std::uint64_t sourceCount)
{
    std::vector<std::uint64_t> samples(targetCount);
    for (std::uint64_t index = 0; index < targetCount; ++index)
        samples[index] = (2 * index + 1) * sourceCount / (2 * std::uint64_t{targetCount});
    return samples;
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

// 64-bit channels are linear light with 1.0 = 8192: colours go through the sRGB curve (as a
// screen shows them), alpha is scaled straight.
constexpr std::int32_t kFixedOne = 8192;

const std::array<std::uint8_t, kFixedOne + 1>& LinearToSrgb()
{
    static const auto table = [] {
        std::array<std::uint8_t, kFixedOne + 1> values{};
        for (std::size_t index = 0; index < values.size(); ++index) {
            const double linear = static_cast<double>(index) / kFixedOne;
            const double encoded = linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
            values[index] = static_cast<std::uint8_t>(std::lround(encoded * 255));
        }
        return values;
    }();
    return table;
}

std::int32_t FixedClamped(const std::uint8_t* bytes)
{
    const auto value = static_cast<std::int16_t>(bytes[0] | bytes[1] << 8);
    return std::clamp<std::int32_t>(value, 0, kFixedOne);
}

// The colour table as ARGB, every index up to 255 filled: the marker where the table has no
// entry (past its count or past the end of the file).
std::array<Argb, 256> ColorTable(Bytes file, const BitmapFormat& format)
{
    std::array<Argb, 256> table;
    table.fill(kBadIndexColor);
    const std::uint64_t count = std::min<std::uint64_t>(format.colorCount, table.size());
    for (std::uint64_t index = 0; index < count; ++index) {
        const std::uint64_t offset = format.colorTable.offset + index * format.colorEntrySize;
        if (offset > file.size() || file.size() - offset < 3)
            break;
        table[index] = Rgb(file[offset + 2], file[offset + 1], file[offset]);
    }
    return table;
}

// Reads one uncompressed pixel of any bit count.
class PixelReader {
public:
    PixelReader(Bytes file, const BitmapFormat& format)
        : m_bitCount(format.bitCount), m_table(ColorTable(file, format)), m_red(format.masks.red),
          m_green(format.masks.green), m_blue(format.masks.blue), m_alpha(format.masks.alpha)
    {
    }

    // Whether the pixels carry alpha (an alpha mask, or 64 bits).
    bool HasAlpha() const { return m_alpha.Present() || m_bitCount == 64; }
    bool SawAlpha() const { return m_sawAlpha; }
    std::uint64_t BytesUpTo(std::uint64_t column) const { return ((column + 1) * m_bitCount + 7) / 8; }

    Argb At(const std::uint8_t* row, std::uint64_t column)
    {
        switch (m_bitCount) {
        case 1:
        case 2:
        case 4:
        case 8: return m_table[Index(row, column)];
        case 24: {
            const std::uint8_t* pixel = row + column * 3;
            return Rgb(pixel[2], pixel[1], pixel[0]);
        }
        case 64: return Wide(row + column * 8);
        default: return Packed(static_cast<std::uint32_t>(LeAt(Bytes(row + column * (m_bitCount / 8), m_bitCount / 8), 0, m_bitCount / 8)));
        }
    }

private:
    std::uint32_t Index(const std::uint8_t* row, std::uint64_t column) const
    {
        const std::uint64_t bit = column * m_bitCount;
        const unsigned shift = 8 - m_bitCount - static_cast<unsigned>(bit % 8);  // leftmost pixel in the high bits
        return (row[bit / 8] >> shift) & ((1u << m_bitCount) - 1);
    }

    Argb Packed(std::uint32_t pixel)
    {
        const std::uint32_t alpha = m_alpha.Present() ? m_alpha.Scale(pixel) : 255;
        m_sawAlpha = m_sawAlpha || alpha != 0;
        return alpha << 24 | m_red.Scale(pixel) << 16 | m_green.Scale(pixel) << 8 | m_blue.Scale(pixel);
    }

    Argb Wide(const std::uint8_t* pixel)
    {
        const auto& srgb = LinearToSrgb();
        const auto alpha = static_cast<std::uint32_t>((FixedClamped(pixel + 6) * 255 + kFixedOne / 2) / kFixedOne);
        m_sawAlpha = m_sawAlpha || alpha != 0;
        return alpha << 24 | std::uint32_t{srgb[FixedClamped(pixel + 4)]} << 16 |
               std::uint32_t{srgb[FixedClamped(pixel + 2)]} << 8 | srgb[FixedClamped(pixel)];
    }

    unsigned m_bitCount;
    std::array<Argb, 256> m_table;
    Channel m_red;
    Channel m_green;
    Channel m_blue;
    Channel m_alpha;
    bool m_sawAlpha = false;
};

class Canvas {
public:
    Canvas(const BitmapFormat& format, std::uint32_t width, std::uint32_t height)
        : columns(Samples(width, format.columns)), rows(Samples(height, format.rows))
    {
        picture.width = width;
        picture.height = height;
        picture.pixels.assign(std::uint64_t{width} * height, kSkippedColor);
    }

    Argb* Row(std::uint64_t targetRow) { return picture.pixels.data() + targetRow * picture.width; }

    // An alpha channel that is 0 everywhere drawn is taken as unused (writers that leave the
    // spare byte 0 mean an opaque picture).
    void MakeOpaque()
    {
        for (Argb& pixel : picture.pixels)
            pixel |= kOpaque;
    }

    const std::vector<std::uint64_t> columns;  // source column of each target column
    const std::vector<std::uint64_t> rows;     // source row (from the top) of each target row
    Picture picture;
};

// The bytes of the row stored at storedRow (counted from the start of the data): shorter or
// empty where the data ends.
Bytes StoredRow(Bytes data, std::uint64_t storedRow, std::uint64_t stride)
{
    if (storedRow > data.size() / stride)
        return {};
    const std::uint64_t start = storedRow * stride;
    return data.subspan(start, std::min(stride, data.size() - start));
}

void DrawUncompressed(Bytes file, const BitmapFormat& format, Canvas& canvas)
{
    const Bytes data = PresentBytes(file, format.pixels);
    PixelReader reader(file, format);
    for (std::uint64_t targetRow = 0; targetRow < canvas.rows.size(); ++targetRow) {
        const std::uint64_t row = canvas.rows[targetRow];
        const Bytes stored = StoredRow(data, format.topDown ? row : format.rows - 1 - row, format.stride);
        Argb* target = canvas.Row(targetRow);
        for (std::uint64_t targetColumn = 0; targetColumn < canvas.columns.size(); ++targetColumn) {
            const std::uint64_t column = canvas.columns[targetColumn];
            target[targetColumn] = reader.BytesUpTo(column) <= stored.size() ? reader.At(stored.data(), column)
                                                                              : Missing(targetColumn, targetRow);
        }
    }
    if (reader.HasAlpha() && !reader.SawAlpha())
        canvas.MakeOpaque();
}

// Collects one row of an RLE stream at the sampled columns and copies it into the target rows
// that show it. Rows come in stream order (bottom-up unless the height is negative) and the
// position within a row only moves right, so two cursors walk the target once.
class RowSink {
public:
    RowSink(const BitmapFormat& format, Canvas& canvas)
        : m_format(format), m_canvas(canvas), m_row(canvas.columns.size(), kSkippedColor)
    {
    }

    std::uint64_t StreamRow() const { return m_streamRow; }

    // count pixels from column x on, clipped at the row's end; colorAt(k) is the k-th one's colour.
    template <typename ColorAt>
    void Put(std::uint64_t x, std::uint64_t count, const ColorAt& colorAt)
    {
        const std::uint64_t end = std::min(x + count, m_format.columns);
        const auto& columns = m_canvas.columns;
        while (m_cursor < columns.size() && columns[m_cursor] < x)
            ++m_cursor;
        for (; m_cursor < columns.size() && columns[m_cursor] < end; ++m_cursor) {
            m_row[m_cursor] = colorAt(columns[m_cursor] - x);
            m_dirty = true;
        }
    }

    void EndRow()
    {
        Emit();
        if (m_dirty)
            std::fill(m_row.begin(), m_row.end(), kSkippedColor);
        m_dirty = false;
        m_cursor = 0;
        ++m_streamRow;
    }

    // End of bitmap: every pixel not drawn stays skipped.
    void EndBitmap()
    {
        Emit();
        m_nextTarget = m_canvas.rows.size();
    }

    // The stream ran out at column x: what follows is missing.
    void EndTruncated(std::uint64_t x)
    {
        m_missingFrom = x;
        Emit();
        for (; m_nextTarget < m_canvas.rows.size(); ++m_nextTarget) {
            const std::uint64_t targetRow = TargetRowAt(m_nextTarget);
            Argb* target = m_canvas.Row(targetRow);
            for (std::uint64_t targetColumn = 0; targetColumn < m_row.size(); ++targetColumn)
                target[targetColumn] = Missing(targetColumn, targetRow);
        }
    }

private:
    std::uint64_t TargetRowAt(std::uint64_t order) const
    {
        return m_format.topDown ? order : m_canvas.rows.size() - 1 - order;
    }
    std::uint64_t StreamRowOf(std::uint64_t targetRow) const
    {
        const std::uint64_t row = m_canvas.rows[targetRow];
        return m_format.topDown ? row : m_format.rows - 1 - row;
    }

    void Emit()
    {
        for (; m_nextTarget < m_canvas.rows.size(); ++m_nextTarget) {
            const std::uint64_t targetRow = TargetRowAt(m_nextTarget);
            if (StreamRowOf(targetRow) != m_streamRow)
                break;
            Argb* target = m_canvas.Row(targetRow);
            for (std::uint64_t targetColumn = 0; targetColumn < m_row.size(); ++targetColumn)
                target[targetColumn] = m_canvas.columns[targetColumn] < m_missingFrom
                                           ? m_row[targetColumn]
                                           : Missing(targetColumn, targetRow);
        }
    }

    const BitmapFormat& m_format;
    Canvas& m_canvas;
    std::vector<Argb> m_row;
    bool m_dirty = false;
    std::uint64_t m_cursor = 0;
    std::uint64_t m_streamRow = 0;
    std::uint64_t m_nextTarget = 0;
    std::uint64_t m_missingFrom = UINT64_MAX;
};

// RLE8, RLE4 and RLE24 differ only in how a run's pixels are stored.
class RleCodec {
public:
    RleCodec(Bytes file, const BitmapFormat& format) : m_encoding(format.encoding), m_table(ColorTable(file, format)) {}

    // Bytes that follow the count byte of an encoded run (its colour).
    std::uint64_t EncodedBytes() const { return m_encoding == PixelEncoding::Rle24 ? 3 : 1; }
    Argb Encoded(const std::uint8_t* value, std::uint64_t k) const
    {
        switch (m_encoding) {
        case PixelEncoding::Rle4: return m_table[k % 2 == 0 ? *value >> 4 : *value & 0x0F];
        case PixelEncoding::Rle24: return Rgb(value[2], value[1], value[0]);
        default: return m_table[*value];
        }
    }
    // Pixels of an absolute run that available bytes hold, and the bytes count pixels take padded
    // to 16 bits.
    std::uint64_t PixelsIn(std::uint64_t available) const
    {
        switch (m_encoding) {
        case PixelEncoding::Rle4: return available * 2;
        case PixelEncoding::Rle24: return available / 3;
        default: return available;
        }
    }
    std::uint64_t PaddedBytes(std::uint64_t count) const
    {
        const std::uint64_t bytes = m_encoding == PixelEncoding::Rle4   ? (count + 1) / 2
                                    : m_encoding == PixelEncoding::Rle24 ? count * 3
                                                                         : count;
        return (bytes + 1) / 2 * 2;
    }
    Argb Absolute(const std::uint8_t* data, std::uint64_t k) const
    {
        switch (m_encoding) {
        case PixelEncoding::Rle4: return m_table[k % 2 == 0 ? data[k / 2] >> 4 : data[k / 2] & 0x0F];
        case PixelEncoding::Rle24: return Rgb(data[k * 3 + 2], data[k * 3 + 1], data[k * 3]);
        default: return m_table[data[k]];
        }
    }

private:
    PixelEncoding m_encoding;
    std::array<Argb, 256> m_table;
};

constexpr std::uint8_t kEndOfLine = 0;
constexpr std::uint8_t kEndOfBitmap = 1;
constexpr std::uint8_t kDelta = 2;

void DrawRle(Bytes file, const BitmapFormat& format, Canvas& canvas)
{
    const Bytes stream = PresentBytes(file, format.pixels);
    const RleCodec codec(file, format);
    RowSink sink(format, canvas);
    std::uint64_t at = 0;
    std::uint64_t x = 0;
    const auto left = [&] { return stream.size() - at; };
    while (sink.StreamRow() < format.rows) {
        if (left() < 2)
            return sink.EndTruncated(x);
        const std::uint8_t count = stream[at];
        const std::uint8_t code = stream[at + 1];
        if (count != 0) {
            if (left() < 1 + codec.EncodedBytes())
                return sink.EndTruncated(x);
            const std::uint8_t* value = &stream[at + 1];
            sink.Put(x, count, [&](std::uint64_t k) { return codec.Encoded(value, k); });
            x += count;
            at += 1 + codec.EncodedBytes();
            continue;
        }
        at += 2;
        if (code == kEndOfLine) {
            sink.EndRow();
            x = 0;
        } else if (code == kEndOfBitmap) {
            return sink.EndBitmap();
        } else if (code == kDelta) {
            if (left() < 2)
                return sink.EndTruncated(x);
            x += stream[at];
            for (std::uint8_t down = stream[at + 1]; down > 0 && sink.StreamRow() < format.rows; --down)
                sink.EndRow();
            at += 2;
        } else {
            const std::uint64_t present = std::min<std::uint64_t>(code, codec.PixelsIn(left()));
            const std::uint8_t* data = stream.data() + at;
            sink.Put(x, present, [&](std::uint64_t k) { return codec.Absolute(data, k); });
            if (present < code)
                return sink.EndTruncated(x + present);
            x += code;
            at += std::min(codec.PaddedBytes(code), left());
        }
    }
}

}  // namespace

Bytes PresentBytes(Bytes file, const FileRange& range)
{
    return range.present == 0 ? Bytes() : file.subspan(range.offset, range.present);
}

DecodeResult DecodePicture(Bytes file, const BitmapFormat& format, std::uint32_t width, std::uint32_t height)
{
    DecodeResult result;
    result.reason = NoPictureReason(format);
    if (!result.reason.empty())
        return result;
    if (IsEmbeddedStream(format.encoding)) {
        result.outcome = DecodeOutcome::Embedded;
        result.embeddedEncoding = format.encoding;
        result.embedded = format.pixels;
        return result;
    }
    if (width == 0 || height == 0 || std::uint64_t{width} * height > kMaxTargetPixels) {
        result.reason = std::to_string(width) + " x " + std::to_string(height) + " pixels cannot be drawn";
        return result;
    }
    Canvas canvas(format, width, height);
    if (IsRunLength(format.encoding))
        DrawRle(file, format, canvas);
    else
        DrawUncompressed(file, format, canvas);
    result.outcome = DecodeOutcome::Drawn;
    result.picture = std::move(canvas.picture);
    return result;
}

}  // namespace hexlume::format
