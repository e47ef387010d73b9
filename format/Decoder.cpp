#include "Decoder.h"

#include "DecoderParts.h"
#include "NumberText.h"

namespace hexlume::format {

using namespace decoding;

Message WhyNoPicture(const BitmapFormat& format)
{
    if (format.pngImage)
        return format.columns == 0 || format.rows == 0
                   ? Message(HX_TR("Decoder", "the icon's PNG stream has no IHDR with a size"))
                   : Message();
    if (format.version == HeaderVersion::Unknown)
        return Message(HX_TR("Decoder", "biSize %1 is not an info header size")).Number(format.headerSize);
    if (!format.header.Complete())
        return Message(HX_TR("Decoder", "the file ends inside the %1 (%2 of %3)"))
            .Arg(HeaderVersionName(format.version))
            .Number(format.header.present)
            .Arg(say::Bytes(format.header.claimed));
    if (format.encoding == PixelEncoding::Unknown)
        return Message(HX_TR("Decoder", "biCompression %1 is not a compression")).Number(format.compression);
    if (!DrawsBitCount(format.encoding, format.bitCount)) {
        if (format.encoding == PixelEncoding::Rgb)
            return Message(HX_TR("Decoder", "biBitCount %1 is not a pixel format")).Number(format.bitCount);
        return Message(HX_TR("Decoder", "biBitCount %1 is not a pixel format with biCompression %2"))
            .Number(format.bitCount)
            .Number(format.compression);
    }
    if (format.columns == 0)
        return Message(HX_TR("Decoder", "biWidth 0 leaves no pixels"));
    if (format.rows == 0)
        return Message(HX_TR("Decoder", "biHeight 0 leaves no pixels"));
    return {};
}

std::string NoPictureReason(const BitmapFormat& format)
{
    return WhyNoPicture(format).English();
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

// An icon's AND mask: a 1 bit leaves the screen as it is (transparent), a 0 bit shows the XOR
// pixel. Mask bits the file does not hold are missing.
void ApplyAndMask(Bytes file, const BitmapFormat& format, Canvas& canvas)
{
    const Bytes mask = PresentBytes(file, format.andMask);
    for (std::uint64_t targetRow = 0; targetRow < canvas.rows.size(); ++targetRow) {
        const std::uint64_t row = canvas.rows[targetRow];
        const Bytes stored = StoredRow(mask, format.topDown ? row : format.rows - 1 - row, format.maskStride);
        Argb* target = canvas.Row(targetRow);
        for (std::uint64_t targetColumn = 0; targetColumn < canvas.columns.size(); ++targetColumn) {
            const std::uint64_t column = canvas.columns[targetColumn];
            if (column / 8 >= stored.size())
                target[targetColumn] = canvas.Missing(targetColumn, targetRow);
            else if (IndexInRow(stored.data(), column, 1) != 0)
                target[targetColumn] &= ~kOpaque;
        }
    }
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
    const bool usesAlpha = reader.HasAlpha() && canvas.alphaUsed.value_or(reader.SawAlpha());
    if (reader.HasAlpha() && !usesAlpha)
        canvas.MakeOpaque();
    // Windows draws an icon's alpha where it has one, else the mask.
    if (format.andMask.claimed != 0 && !usesAlpha)
        ApplyAndMask(file, format, canvas);
}

// Collects one row of a stream at the sampled columns and copies it into the target rows
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

// Draws an RLE or Huffman 1D stream: pixels a faulty stream leaves unwritten stay skipped; rows
// after the place where the file ends are missing.
void DrawStream(Bytes file, const BitmapFormat& format, Canvas& canvas)
{
    StreamWalk walk(file, format);
    RowSink sink(format, canvas);
    StreamSpan span;
    while (walk.Next(span)) {
        switch (span.kind) {
        case StreamSpan::Kind::Pixels:
            sink.MoveTo(span.y);
            sink.Put(span.x, span.count, [&](std::uint64_t k) { return walk.Color(k, canvas.drewBadIndex); });
            break;
        case StreamSpan::Kind::Cut:
            sink.MoveTo(span.y);
            return sink.EndCut(span.x);
        case StreamSpan::Kind::End:
            return sink.EndBitmap();
        }
    }
}

}  // namespace

DecodeResult DecodePicture(Bytes file, const BitmapFormat& format, std::uint32_t width, std::uint32_t height)
{
    return DecodePictureRegion(file, format, {.x = 0, .y = 0, .width = format.columns, .height = format.rows}, width,
                               height, std::nullopt);
}

DecodeResult DecodePictureRegion(Bytes file, const BitmapFormat& format, PictureRegion region, std::uint32_t width,
                                 std::uint32_t height, std::optional<bool> alphaUsed)
{
    DecodeResult result;
    result.reason = WhyNoPicture(format);
    if (!result.reason.Empty())
        return result;
    if (IsEmbeddedStream(format.encoding)) {
        result.outcome = DecodeOutcome::Embedded;
        result.embeddedEncoding = format.encoding;
        result.embedded = format.pixels;
        return result;
    }
    if (width == 0 || height == 0 || std::uint64_t{width} * height > kMaxTargetPixels) {
        result.reason = Message(HX_TR("Decoder", "%1 x %2 pixels cannot be drawn"))
                            .Arg(std::to_string(width))
                            .Arg(std::to_string(height));
        return result;
    }
    // Only the picture's own pixels: a region reaching past it is cut to it.
    region.x = std::min(region.x, format.columns);
    region.y = std::min(region.y, format.rows);
    region.width = std::min(region.width, format.columns - region.x);
    region.height = std::min(region.height, format.rows - region.y);
    if (region.width == 0 || region.height == 0) {
        result.reason = Message(HX_TR("Decoder", "the region holds none of the picture's pixels"));
        return result;
    }
    Canvas canvas(region, width, height);
    canvas.alphaUsed = alphaUsed;
    if (IsRunLength(format.encoding) || format.encoding == PixelEncoding::Huffman1D)
        DrawStream(file, format, canvas);
    else
        DrawUncompressed(file, format, canvas);
    result.outcome = DecodeOutcome::Drawn;
    result.picture = std::move(canvas.picture);
    result.drewMissing = canvas.drewMissing;
    result.drewBadIndex = canvas.drewBadIndex;
    return result;
}
}  // namespace hexlume::format
