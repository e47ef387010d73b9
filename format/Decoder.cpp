#include "Decoder.h"

#include "Huffman1D.h"
#include "NumberText.h"
#include "RleStream.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>

namespace hexlume::format {

namespace {

Argb Rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue)
{
    return OpaqueRgb(red << 16 | green << 8 | blue);
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

// The source pixel at the centre of each target pixel, along one axis, of the sourceCount
// pixels from first on.
std::vector<std::uint64_t> Samples(std::uint32_t targetCount, std::uint64_t first, std::uint64_t sourceCount)
{
    std::vector<std::uint64_t> samples(targetCount);
    for (std::uint64_t index = 0; index < targetCount; ++index)
        samples[index] = first + (2 * index + 1) * sourceCount / (2 * std::uint64_t{targetCount});
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

// Where each channel sits in a 24-bit pixel (its bytes) and a 64-bit one (its 16-bit words).
enum ChannelPlace : unsigned { kBluePlace = 0, kGreenPlace = 1, kRedPlace = 2, kAlphaPlace = 3 };

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

std::int32_t FixedClamped(const std::uint8_t* pixel, unsigned place)
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

ColorTable ReadColorTable(Bytes file, const BitmapFormat& format)
{
    ColorTable table;
    table.colors.fill(kBadIndexColor);
    for (std::uint32_t index = 0; index < table.colors.size(); ++index) {
        const std::optional<Argb> color = TableColor(file, format, index);
        if (!color)
            break;
        table.colors[index] = *color;
        table.entries = index + 1;
    }
    return table;
}

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
Argb MissingColor(std::uint64_t targetColumn, std::uint64_t targetRow)
{
    return ((targetColumn / 8 + targetRow / 8) & 1) != 0 ? kMissingDark : kMissingLight;
}

class Canvas {
public:
    Canvas(const PictureRegion& region, std::uint32_t width, std::uint32_t height)
        : columns(Samples(width, region.x, region.width)), rows(Samples(height, region.y, region.height))
    {
        picture.width = width;
        picture.height = height;
        picture.pixels.assign(std::uint64_t{width} * height, kSkippedColor);
    }

    Argb* Row(std::uint64_t targetRow) { return picture.pixels.data() + targetRow * picture.width; }

    Argb Missing(std::uint64_t targetColumn, std::uint64_t targetRow)
    {
        drewMissing = true;
        return MissingColor(targetColumn, targetRow);
    }

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
    bool drewMissing = false;
    bool drewBadIndex = false;
    // Whether the whole picture uses its alpha, when known; else what the drawn pixels show.
    std::optional<bool> alphaUsed;
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
                                                                              : canvas.Missing(targetColumn, targetRow);
        }
    }
    canvas.drewBadIndex = reader.SawBadIndex();
    if (reader.HasAlpha() && !canvas.alphaUsed.value_or(reader.SawAlpha()))
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

    // Moves on to stored row y: the rows passed keep what was drawn, the rest of them skipped.
    void MoveTo(std::uint64_t y)
    {
        if (y == m_streamRow)
            return;
        Emit();
        if (m_dirty)
            std::fill(m_row.begin(), m_row.end(), kSkippedColor);
        m_dirty = false;
        m_cursor = 0;
        m_streamRow = y;
    }

    // count pixels from column x on, inside the row; colorAt(k) is the k-th one's colour.
    template <typename ColorAt>
    void Put(std::uint64_t x, std::uint64_t count, const ColorAt& colorAt)
    {
        const std::uint64_t end = x + count;
        const auto& columns = m_canvas.columns;
        while (m_cursor < columns.size() && columns[m_cursor] < x)
            ++m_cursor;
        for (; m_cursor < columns.size() && columns[m_cursor] < end; ++m_cursor) {
            m_row[m_cursor] = colorAt(columns[m_cursor] - x);
            m_dirty = true;
        }
    }

    // End of bitmap: every pixel not drawn stays skipped.
    void EndBitmap()
    {
        Emit();
        m_nextTarget = m_canvas.rows.size();
    }

    // The file ended at column x of the current row: what follows is missing.
    void EndCut(std::uint64_t x)
    {
        m_missingFrom = x;
        Emit();
        for (; m_nextTarget < m_canvas.rows.size(); ++m_nextTarget) {
            const std::uint64_t targetRow = TargetRowAt(m_nextTarget);
            Argb* target = m_canvas.Row(targetRow);
            for (std::uint64_t targetColumn = 0; targetColumn < m_row.size(); ++targetColumn)
                target[targetColumn] = m_canvas.Missing(targetColumn, targetRow);
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

    // Copies the current row into the target rows showing it; target rows of stored rows the
    // stream passed over stay skipped.
    void Emit()
    {
        for (; m_nextTarget < m_canvas.rows.size(); ++m_nextTarget) {
            const std::uint64_t targetRow = TargetRowAt(m_nextTarget);
            const std::uint64_t streamRow = StreamRowOf(targetRow);
            if (streamRow > m_streamRow)
                break;
            if (streamRow < m_streamRow)
                continue;
            Argb* target = m_canvas.Row(targetRow);
            for (std::uint64_t targetColumn = 0; targetColumn < m_row.size(); ++targetColumn)
                target[targetColumn] = m_canvas.columns[targetColumn] < m_missingFrom
                                           ? m_row[targetColumn]
                                           : m_canvas.Missing(targetColumn, targetRow);
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

void DrawRle(Bytes file, const BitmapFormat& format, Canvas& canvas)
{
    const ColorTable table = ReadColorTable(file, format);
    const PixelEncoding encoding = format.encoding;
    // The stream as the layout has it: a writer's image size neither cuts it nor stretches it.
    const Bytes stream = file.first(std::min<std::uint64_t>(file.size(), format.pixels.End()));
    RleReader reader(stream, encoding, format.pixels.offset);
    RleCursor cursor(format.columns, format.rows);
    RowSink sink(format, canvas);
    RleCode code;
    while (reader.Next(code)) {
        const RleStep step = cursor.Apply(code);
        if (step.pixels != 0) {
            sink.MoveTo(step.y);
            sink.Put(step.x, step.pixels, [&](std::uint64_t k) {
                const std::uint32_t value = RlePixel(encoding, code, k);
                return encoding == PixelEncoding::Rle24 ? OpaqueRgb(value) : table.Color(value, canvas.drewBadIndex);
            });
        }
        if (code.op == RleOp::EndOfBitmap)
            return sink.EndBitmap();
        if (code.op == RleOp::CutShort) {
            sink.MoveTo(cursor.Y());
            return sink.EndCut(cursor.X());
        }
        if (cursor.Y() >= format.rows)
            return sink.EndBitmap();  // nothing further lands in the picture
    }
}

// White runs are colour index 0, black runs index 1. Pixels a faulty row leaves unwritten stay
// skipped; rows the stream does not reach are missing.
void DrawHuffman(Bytes file, const BitmapFormat& format, Canvas& canvas)
{
    const ColorTable table = ReadColorTable(file, format);
    const Bytes stream = file.first(std::min<std::uint64_t>(file.size(), format.pixels.End()));
    HuffmanWalker walker(stream, format.pixels.offset, format.columns, format.rows);
    RowSink sink(format, canvas);
    HuffmanStep step;
    while (walker.Next(step)) {
        if (step.pixels != 0) {
            sink.MoveTo(step.y);
            const std::uint32_t index = step.black ? 1 : 0;
            sink.Put(step.x, step.pixels, [&](std::uint64_t) { return table.Color(index, canvas.drewBadIndex); });
        }
        if (step.event == HuffmanEvent::CutShort) {
            sink.MoveTo(step.y);
            return sink.EndCut(step.x);
        }
    }
    sink.EndBitmap();
}

}  // namespace

std::uint32_t IndexInRow(const std::uint8_t* row, std::uint64_t column, unsigned bitCount)
{
    const std::uint64_t bit = column * bitCount;
    const unsigned shift = 8 - bitCount - static_cast<unsigned>(bit % 8);  // leftmost pixel in the high bits
    return (row[bit / 8] >> shift) & ((1u << bitCount) - 1);
}

std::uint64_t TableEntryOffset(const BitmapFormat& format, std::uint64_t index)
{
    return SaturatingAdd(format.colorTable.offset, SaturatingMultiply(index, format.colorEntrySize));
}

std::optional<Argb> TableColor(Bytes file, const BitmapFormat& format, std::uint64_t index)
{
    if (index >= format.colorCount)
        return std::nullopt;
    const std::uint64_t offset = TableEntryOffset(format, index);
    if (offset > file.size() || file.size() - offset < 3)
        return std::nullopt;
    return Rgb(file[offset + 2], file[offset + 1], file[offset]);
}

bool HasAlphaChannel(const BitmapFormat& format)
{
    return format.masks.alpha != 0 || format.bitCount == 64;
}

Argb PackedColor(const BitmapFormat& format, const std::uint8_t* pixel)
{
    return PackedColors(format).At(pixel);
}

bool AlphaUsed(Bytes file, const BitmapFormat& format)
{
    if (!HasAlphaChannel(format) || !IsUncompressed(format.encoding) || format.stride == 0)
        return false;
    const PackedColors colors(format);
    const Bytes data = PresentBytes(file, format.pixels);
    const unsigned pixelBytes = format.bitCount / 8u;
    for (std::uint64_t row = 0; row < format.rows; ++row) {
        const Bytes stored = StoredRow(data, row, format.stride);
        const std::uint64_t pixels = std::min<std::uint64_t>(format.columns, stored.size() / pixelBytes);
        for (std::uint64_t column = 0; column < pixels; ++column)
            if (colors.At(stored.data() + column * pixelBytes) >> 24 != 0)
                return true;
        if (stored.size() < format.stride)
            break;
    }
    return false;
}

ChannelSet ChannelsOfByte(unsigned bitCount, const ChannelMasks& masks, unsigned byteInPixel)
{
    if (bitCount == 24 || bitCount == 64) {
        const unsigned place = bitCount == 24 ? byteInPixel : byteInPixel / 2;
        return {.red = place == kRedPlace, .green = place == kGreenPlace, .blue = place == kBluePlace,
                .alpha = place == kAlphaPlace};
    }
    const auto feeds = [byteInPixel](std::uint32_t mask) { return byteInPixel < 4 && (mask >> 8 * byteInPixel & 0xFF) != 0; };
    return {.red = feeds(masks.red), .green = feeds(masks.green), .blue = feeds(masks.blue), .alpha = feeds(masks.alpha)};
}

Bytes PresentBytes(Bytes file, const FileRange& range)
{
    return range.present == 0 ? Bytes() : file.subspan(range.offset, range.present);
}

DecodeResult DecodePicture(Bytes file, const BitmapFormat& format, std::uint32_t width, std::uint32_t height)
{
    return DecodePictureRegion(file, format, {.x = 0, .y = 0, .width = format.columns, .height = format.rows}, width,
                               height, std::nullopt);
}

DecodeResult DecodePictureRegion(Bytes file, const BitmapFormat& format, PictureRegion region, std::uint32_t width,
                                 std::uint32_t height, std::optional<bool> alphaUsed)
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
    // Only the picture's own pixels: a region reaching past it is cut to it.
    region.x = std::min(region.x, format.columns);
    region.y = std::min(region.y, format.rows);
    region.width = std::min(region.width, format.columns - region.x);
    region.height = std::min(region.height, format.rows - region.y);
    if (region.width == 0 || region.height == 0) {
        result.reason = "the region holds none of the picture's pixels";
        return result;
    }
    Canvas canvas(region, width, height);
    canvas.alphaUsed = alphaUsed;
    if (IsRunLength(format.encoding))
        DrawRle(file, format, canvas);
    else if (format.encoding == PixelEncoding::Huffman1D)
        DrawHuffman(file, format, canvas);
    else
        DrawUncompressed(file, format, canvas);
    result.outcome = DecodeOutcome::Drawn;
    result.picture = std::move(canvas.picture);
    result.drewMissing = canvas.drewMissing;
    result.drewBadIndex = canvas.drewBadIndex;
    return result;
}

namespace {

// Whether uncompressed pixels draw any alpha but 0: with none, the picture is drawn opaque.
bool DrawsSomeAlpha(Bytes file, const BitmapFormat& format)
{
    const Bytes data = PresentBytes(file, format.pixels);
    PixelReader reader(file, format);
    for (std::uint64_t storedRow = 0; storedRow < format.rows; ++storedRow) {
        const Bytes row = StoredRow(data, storedRow, format.stride);
        if (row.empty())
            return false;
        for (std::uint64_t column = 0; column < format.columns && reader.BytesUpTo(column) <= row.size(); ++column)
            if (reader.At(row.data(), column) >> 24 != 0)
                return true;
    }
    return false;
}

}  // namespace

struct RowDecoder::State {
    State(Bytes bytes, const BitmapFormat& bitmap)
        : file(bytes), format(bitmap), data(PresentBytes(bytes, bitmap.pixels)), pixels(bytes, bitmap),
          opaque(HasAlphaChannel(bitmap) && !IsRunLength(bitmap.encoding) && !DrawsSomeAlpha(bytes, bitmap)),
          stream(bytes.first(std::min<std::uint64_t>(bytes.size(), bitmap.pixels.End()))),
          reader(stream, bitmap.encoding, bitmap.pixels.offset), cursor(bitmap.columns, bitmap.rows),
          walker(stream, bitmap.pixels.offset, bitmap.columns, bitmap.rows)
    {
    }

    // The stream from its first code again.
    void Restart()
    {
        reader = RleReader(stream, format.encoding, format.pixels.offset);
        cursor = RleCursor(format.columns, format.rows);
        walker = HuffmanWalker(stream, format.pixels.offset, format.columns, format.rows);
        pending = false;
        ended = false;
        cut.reset();
    }

    void UncompressedRow(std::uint64_t shownRow, std::span<Argb> row)
    {
        const Bytes stored = StoredRow(data, format.ShownRow(shownRow), format.stride);
        const Argb alpha = opaque ? kOpaque : 0;
        for (std::uint64_t column = 0; column < format.columns; ++column)
            row[column] = pixels.BytesUpTo(column) <= stored.size() ? pixels.At(stored.data(), column) | alpha
                                                                     : MissingColor(column, shownRow);
    }

    // The codes DrawRle reads, taken up to the first one whose pixels land in a later row.
    void RleRow(std::uint64_t shownRow, std::span<Argb> row)
    {
        const std::uint64_t storedRow = BeginStreamRow(shownRow, row);
        bool drewBadIndex = false;
        while (pending || (!ended && reader.Next(code))) {
            if (!pending)
                step = cursor.Apply(code);
            pending = step.pixels != 0 && step.y > storedRow;
            if (pending)
                break;
            for (std::uint64_t k = 0; step.y == storedRow && k < step.pixels; ++k) {
                const std::uint32_t value = RlePixel(format.encoding, code, k);
                row[step.x + k] =
                    format.encoding == PixelEncoding::Rle24 ? OpaqueRgb(value) : table.Color(value, drewBadIndex);
            }
            if (code.op == RleOp::CutShort)
                cut = std::pair{cursor.Y(), cursor.X()};
            ended = code.op == RleOp::EndOfBitmap || code.op == RleOp::CutShort || cursor.Y() >= format.rows;
        }
        MarkCut(shownRow, row);
    }

    // The steps DrawHuffman reads, taken up to the first one whose pixels land in a later row.
    void HuffmanRow(std::uint64_t shownRow, std::span<Argb> row)
    {
        const std::uint64_t storedRow = BeginStreamRow(shownRow, row);
        bool drewBadIndex = false;
        while (pending || walker.Next(huffmanStep)) {
            pending = huffmanStep.pixels != 0 && huffmanStep.y > storedRow;
            if (pending)
                break;
            if (huffmanStep.y == storedRow)
                std::fill_n(row.begin() + static_cast<std::ptrdiff_t>(huffmanStep.x), huffmanStep.pixels,
                            table.Color(huffmanStep.black ? 1 : 0, drewBadIndex));
            if (huffmanStep.event == HuffmanEvent::CutShort)
                cut = std::pair{huffmanStep.y, huffmanStep.x};
        }
        MarkCut(shownRow, row);
    }

    // A stream's row starts unwritten; a row stored before the last one asked for walks the
    // stream again from its start. Returns the row's stored number.
    std::uint64_t BeginStreamRow(std::uint64_t shownRow, std::span<Argb> row)
    {
        const std::uint64_t storedRow = format.ShownRow(shownRow);
        if (storedRow < nextRow)
            Restart();
        nextRow = storedRow + 1;
        std::fill(row.begin(), row.begin() + static_cast<std::ptrdiff_t>(format.columns), kSkippedColor);
        return storedRow;
    }

    // Past the place where the file ends, a row is missing.
    void MarkCut(std::uint64_t shownRow, std::span<Argb> row)
    {
        if (cut && cut->first <= format.ShownRow(shownRow))
            for (std::uint64_t column = cut->first == format.ShownRow(shownRow) ? cut->second : 0;
                 column < format.columns; ++column)
                row[column] = MissingColor(column, shownRow);
    }

    Bytes file;
    BitmapFormat format;
    // Uncompressed.
    Bytes data;
    PixelReader pixels;
    bool opaque;
    // RLE.
    ColorTable table = ReadColorTable(file, format);
    Bytes stream;
    RleReader reader;
    RleCursor cursor;
    RleCode code;
    RleStep step;
    // Huffman 1D.
    HuffmanWalker walker;
    HuffmanStep huffmanStep;
    bool pending = false;  // code or huffmanStep is read (and applied); its pixels land in a later row
    bool ended = false;
    std::uint64_t nextRow = 0;  // stored rows before it have been walked past
    std::optional<std::pair<std::uint64_t, std::uint64_t>> cut;  // stored row and column where the file ends
};

RowDecoder::RowDecoder(Bytes file, const BitmapFormat& format) : m_state(std::make_unique<State>(file, format)) {}

RowDecoder::~RowDecoder() = default;

bool RowDecoder::Sequential() const
{
    return IsRunLength(m_state->format.encoding) || m_state->format.encoding == PixelEncoding::Huffman1D;
}

bool RowDecoder::DrawsOpaque() const
{
    return m_state->opaque;
}

void RowDecoder::Row(std::uint64_t shownRow, std::span<Argb> row)
{
    if (m_state->format.encoding == PixelEncoding::Huffman1D)
        m_state->HuffmanRow(shownRow, row);
    else if (Sequential())
        m_state->RleRow(shownRow, row);
    else
        m_state->UncompressedRow(shownRow, row);
}

}  // namespace hexlume::format
