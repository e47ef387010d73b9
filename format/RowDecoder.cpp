#include "Decoder.h"

#include "DecoderParts.h"

namespace hexlume::format {

using namespace decoding;

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

bool IsStream(PixelEncoding encoding)
{
    return IsRunLength(encoding) || encoding == PixelEncoding::Huffman1D;
}

}  // namespace

struct RowDecoder::State {
    State(Bytes bytes, const BitmapFormat& bitmap)
        : file(bytes), format(bitmap), data(PresentBytes(bytes, bitmap.pixels)), pixels(bytes, bitmap),
          opaque(HasAlphaChannel(bitmap) && !IsRunLength(bitmap.encoding) && !DrawsSomeAlpha(bytes, bitmap))
    {
        if (IsStream(bitmap.encoding))
            walk.emplace(bytes, bitmap);
    }

    void UncompressedRow(std::uint64_t shownRow, std::span<Argb> row)
    {
        const Bytes stored = StoredRow(data, format.ShownRow(shownRow), format.stride);
        const Argb alpha = opaque ? kOpaque : 0;
        for (std::uint64_t column = 0; column < format.columns; ++column)
            row[column] = pixels.BytesUpTo(column) <= stored.size() ? pixels.At(stored.data(), column) | alpha
                                                                     : MissingColor(column, shownRow);
    }

    // The spans the drawing reads, taken up to the first one whose pixels land in a later row. A
    // row stored before the last one asked for walks the stream again from its start.
    void StreamRow(std::uint64_t shownRow, std::span<Argb> row)
    {
        const std::uint64_t storedRow = format.ShownRow(shownRow);
        if (storedRow < nextRow) {
            walk.emplace(file, format);
            pending = false;
            cut.reset();
        }
        nextRow = storedRow + 1;
        std::fill(row.begin(), row.begin() + static_cast<std::ptrdiff_t>(format.columns), kSkippedColor);
        bool drewBadIndex = false;
        while (pending || walk->Next(span)) {
            pending = span.kind == StreamSpan::Kind::Pixels && span.y > storedRow;
            if (pending)
                break;
            if (span.kind == StreamSpan::Kind::Pixels && span.y == storedRow)
                for (std::uint64_t k = 0; k < span.count; ++k)
                    row[span.x + k] = walk->Color(k, drewBadIndex);
            if (span.kind == StreamSpan::Kind::Cut)
                cut = std::pair{span.y, span.x};
        }
        // Past the place where the file ends, a row is missing.
        if (cut && cut->first <= storedRow)
            for (std::uint64_t column = cut->first == storedRow ? cut->second : 0; column < format.columns; ++column)
                row[column] = MissingColor(column, shownRow);
    }

    Bytes file;
    BitmapFormat format;
    // Uncompressed.
    Bytes data;
    PixelReader pixels;
    bool opaque;
    // RLE and Huffman 1D.
    std::optional<StreamWalk> walk;
    StreamSpan span;
    bool pending = false;  // span is read; its pixels land in a later row
    std::uint64_t nextRow = 0;  // stored rows before it have been walked past
    std::optional<std::pair<std::uint64_t, std::uint64_t>> cut;  // stored row and column where the file ends
};

RowDecoder::RowDecoder(Bytes file, const BitmapFormat& format) : m_state(std::make_unique<State>(file, format)) {}

RowDecoder::~RowDecoder() = default;

bool RowDecoder::Sequential() const
{
    return IsStream(m_state->format.encoding);
}

bool RowDecoder::DrawsOpaque() const
{
    return m_state->opaque;
}

void RowDecoder::Row(std::uint64_t shownRow, std::span<Argb> row)
{
    if (Sequential())
        m_state->StreamRow(shownRow, row);
    else
        m_state->UncompressedRow(shownRow, row);
}

}  // namespace hexlume::format
