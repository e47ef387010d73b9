#include "DecoderParts.h"

namespace hexlume::format::decoding {

namespace {

Bytes StreamBytes(Bytes file, const BitmapFormat& format)
{
    return file.first(std::min<std::uint64_t>(file.size(), format.pixels.End()));
}

}  // namespace

StreamWalk::StreamWalk(Bytes file, const BitmapFormat& format)
    : m_table(ReadColorTable(file, format)), m_encoding(format.encoding),
      m_huffman(format.encoding == PixelEncoding::Huffman1D), m_rows(format.rows),
      m_reader(StreamBytes(file, format), format.encoding, format.pixels.offset), m_cursor(format.columns, format.rows),
      m_walker(StreamBytes(file, format), format.pixels.offset, format.columns, format.rows)
{
}

bool StreamWalk::Next(StreamSpan& span)
{
    if (m_done)
        return false;
    if (m_after) {
        span = *m_after;
        m_done = true;
        return true;
    }
    return m_huffman ? NextHuffman(span) : NextRle(span);
}

bool StreamWalk::NextRle(StreamSpan& span)
{
    while (m_reader.Next(m_code)) {
        const RleStep step = m_cursor.Apply(m_code);
        std::optional<StreamSpan> end;
        if (m_code.op == RleOp::EndOfBitmap || (m_code.op != RleOp::CutShort && m_cursor.Y() >= m_rows))
            end = StreamSpan{.kind = StreamSpan::Kind::End};
        else if (m_code.op == RleOp::CutShort)
            end = StreamSpan{.kind = StreamSpan::Kind::Cut, .y = m_cursor.Y(), .x = m_cursor.X()};
        if (step.pixels != 0 || end)
            return Give(span, {.kind = StreamSpan::Kind::Pixels, .y = step.y, .x = step.x, .count = step.pixels}, end);
    }
    // The reader ends every stream with its end-of-bitmap code or a cut.
    return Give(span, {}, StreamSpan{.kind = StreamSpan::Kind::End});
}

bool StreamWalk::NextHuffman(StreamSpan& span)
{
    while (m_walker.Next(m_step)) {
        std::optional<StreamSpan> end;
        if (m_step.event == HuffmanEvent::CutShort)
            end = StreamSpan{.kind = StreamSpan::Kind::Cut, .y = m_step.y, .x = m_step.x};
        if (m_step.pixels != 0 || end)
            return Give(span, {.kind = StreamSpan::Kind::Pixels, .y = m_step.y, .x = m_step.x, .count = m_step.pixels},
                        end);
    }
    return Give(span, {}, StreamSpan{.kind = StreamSpan::Kind::End});
}

bool StreamWalk::Give(StreamSpan& span, const StreamSpan& pixels, std::optional<StreamSpan> end)
{
    if (pixels.kind == StreamSpan::Kind::Pixels && pixels.count != 0) {
        span = pixels;
        m_after = end;
        return true;
    }
    span = *end;
    m_done = true;
    return true;
}

}  // namespace hexlume::format::decoding
