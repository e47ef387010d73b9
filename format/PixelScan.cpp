#include "PixelScan.h"

#include <algorithm>
#include <array>

namespace hexlume::format {

namespace {

// The largest byte of a run: a plain loop the compiler turns into vector code.
std::uint8_t MaxByte(const std::uint8_t* bytes, std::uint64_t count)
{
    std::uint8_t largest = 0;
    for (std::uint64_t i = 0; i < count; ++i)
        largest = std::max(largest, bytes[i]);
    return largest;
}

unsigned IndexAt(std::uint8_t byte, unsigned pixel, unsigned bits)
{
    return (byte >> (8 - bits * (pixel + 1))) & ((1u << bits) - 1);
}

// For packed pixels (1, 2, 4 bits): the largest index each byte value holds.
std::array<std::uint8_t, 256> LargestIndexTable(unsigned bits)
{
    std::array<std::uint8_t, 256> table{};
    for (unsigned byte = 0; byte < 256; ++byte)
        for (unsigned pixel = 0; pixel < 8 / bits; ++pixel)
            table[byte] = static_cast<std::uint8_t>(std::max<unsigned>(table[byte], IndexAt(byte, pixel, bits)));
    return table;
}

// The largest index among the first `pixels` pixels of a row.
unsigned LargestIndexInRow(const std::uint8_t* row, std::uint64_t pixels, unsigned bits,
                           const std::array<std::uint8_t, 256>& table)
{
    if (bits == 8)
        return MaxByte(row, pixels);
    const unsigned perByte = 8 / bits;
    const std::uint64_t wholeBytes = pixels / perByte;
    unsigned largest = 0;
    for (std::uint64_t i = 0; i < wholeBytes; ++i)
        largest = std::max<unsigned>(largest, table[row[i]]);
    for (unsigned pixel = 0; pixel < pixels % perByte; ++pixel)
        largest = std::max(largest, IndexAt(row[wholeBytes], pixel, bits));
    return largest;
}

// Records the first pixel of a row whose index is past the table.
void NoteBadRow(IndexScan& scan, const std::uint8_t* row, std::uint64_t rowOffset, std::uint64_t storedRow,
                std::uint64_t pixels, unsigned bits, std::uint64_t limit)
{
    ++scan.rowsWithBadIndex;
    if (scan.offset != kNowhere)
        return;
    const unsigned perByte = 8 / bits;
    for (std::uint64_t column = 0; column < pixels; ++column) {
        const unsigned index = IndexAt(row[column / perByte], static_cast<unsigned>(column % perByte), bits);
        if (index >= limit) {
            scan = {.offset = rowOffset + column / perByte, .index = index, .row = storedRow, .column = column,
                    .rowsWithBadIndex = scan.rowsWithBadIndex};
            return;
        }
    }
}

class RleWalker {
public:
    RleWalker(Bytes file, const BitmapFormat& format, std::uint64_t start, std::uint64_t stop)
        : m_file(file), m_width(format.columns), m_rows(format.rows),
          m_bits(format.encoding == PixelEncoding::Rle4 ? 4u : format.encoding == PixelEncoding::Rle8 ? 8u : 24u),
          m_checkIndices(m_bits != 24 && !TableCoversEveryIndex(format)), m_limit(format.colorCount),
          m_stop(std::min<std::uint64_t>(stop, file.size())), m_at(std::min(start, m_stop))
    {
    }

    RleScan Walk()
    {
        while (m_scan.fault == RleFault::None && !m_ended) {
            if (m_stop - m_at < 2) {
                Fail(RleFault::MissingEnd, 0);
                m_scan.cut = m_at != m_stop;
            } else if (m_file[m_at] != 0) {
                Run(m_file[m_at]);
            } else {
                Escape(m_file[m_at + 1]);
            }
        }
        m_scan.end = m_at;
        return m_scan;
    }

private:
    void Fail(RleFault fault, std::uint64_t pixels)
    {
        m_scan.fault = fault;
        m_scan.faultOffset = m_at;
        m_scan.column = m_x;
        m_scan.row = m_y;
        m_scan.faultPixels = pixels;
    }

    bool Available(std::uint64_t bytes)
    {
        if (m_stop - m_at >= bytes)
            return true;
        Fail(RleFault::MissingEnd, 0);
        m_scan.cut = true;
        return false;
    }

    // Pixels may go only into the picture's rows, and only up to the end of the row.
    bool Fits(std::uint64_t pixels)
    {
        if (m_y >= m_rows)
            Fail(RleFault::PastLastRow, pixels);
        else if (pixels > m_width - m_x)
            Fail(RleFault::RunPastRow, pixels);
        return m_scan.fault == RleFault::None;
    }

    void Run(std::uint8_t count)
    {
        const std::uint64_t codeBytes = m_bits == 24 ? 4 : 2;  // RLE24 repeats a 3-byte colour
        if (!Available(codeBytes) || !Fits(count))
            return;
        if (m_checkIndices) {
            const std::uint8_t value = m_file[m_at + 1];
            const unsigned index = m_bits == 8 ? value : count == 1 ? value >> 4 : std::max(value >> 4, value & 15);
            CheckIndex(index, m_at + 1, m_x);
        }
        m_x += count;
        m_at += codeBytes;
    }

    void Escape(std::uint8_t code)
    {
        switch (code) {
        case 0: EndOfLine(); break;
        case 1: EndOfBitmap(); break;
        case 2: Delta(); break;
        default: Literal(code); break;
        }
    }

    void EndOfLine()
    {
        if (m_y >= m_rows) {
            Fail(RleFault::PastLastRow, 0);
            return;
        }
        if (m_x < m_width)
            NoteSkip();
        m_x = 0;
        ++m_y;
        m_at += 2;
    }

    void EndOfBitmap()
    {
        const bool complete = m_y >= m_rows || (m_y + 1 == m_rows && m_x == m_width);
        if (!complete)
            NoteSkip();
        m_at += 2;
        m_ended = true;
    }

    void Delta()
    {
        if (!Available(4))
            return;
        const std::uint64_t right = m_file[m_at + 2];
        const std::uint64_t up = m_file[m_at + 3];
        if (right > m_width - std::min(m_x, m_width) || up > m_rows - std::min(m_y, m_rows)) {
            Fail(RleFault::DeltaOutside, right);
            return;
        }
        if (right != 0 || up != 0)
            NoteSkip();
        m_x += right;
        m_y += up;
        m_at += 4;
    }

    void Literal(std::uint8_t count)
    {
        const std::uint64_t bytes = m_bits == 8 ? count : m_bits == 4 ? (count + 1u) / 2 : 3u * count;
        const std::uint64_t padded = bytes + (bytes & 1);  // literals end on a 16-bit boundary
        if (!Available(2 + padded) || !Fits(count))
            return;
        if (m_checkIndices) {
            const std::uint8_t* first = m_file.data() + m_at + 2;
            const std::uint8_t* last = first + bytes;
            if (m_bits == 8) {
                const std::uint8_t* bad =
                    MaxByte(first, bytes) < m_limit
                        ? last
                        : std::find_if(first, last, [this](std::uint8_t index) { return index >= m_limit; });
                const auto column = static_cast<std::uint64_t>(bad - first);
                if (bad != last)
                    CheckIndex(*bad, m_at + 2 + column, m_x + column);
            } else {
                for (std::uint64_t pixel = 0; pixel < count; ++pixel)
                    CheckIndex(IndexAt(first[pixel / 2], static_cast<unsigned>(pixel % 2), 4), m_at + 2 + pixel / 2,
                               m_x + pixel);
            }
        }
        m_x += count;
        m_at += 2 + padded;
    }

    void CheckIndex(unsigned index, std::uint64_t offset, std::uint64_t column)
    {
        if (index < m_limit)
            return;
        IndexScan& bad = m_scan.badIndex;
        if (bad.offset == kNowhere) {
            bad.offset = offset;
            bad.index = index;
            bad.row = m_y;
            bad.column = column;
        }
        if (m_lastBadRow != m_y) {
            ++bad.rowsWithBadIndex;
            m_lastBadRow = m_y;
        }
    }

    void NoteSkip()
    {
        if (m_scan.firstSkipOffset == kNowhere)
            m_scan.firstSkipOffset = m_at;
    }

    Bytes m_file;
    std::uint64_t m_width;
    std::uint64_t m_rows;
    unsigned m_bits;
    bool m_checkIndices;
    std::uint64_t m_limit;
    std::uint64_t m_stop;
    std::uint64_t m_at;
    std::uint64_t m_x = 0;
    std::uint64_t m_y = 0;
    std::uint64_t m_lastBadRow = kNowhere;
    bool m_ended = false;
    RleScan m_scan;
};

}  // namespace

bool TableCoversEveryIndex(const BitmapFormat& format)
{
    if (format.bitCount < 1 || format.bitCount > 8)
        return true;
    return format.colorCount >= (std::uint64_t{1} << format.bitCount);
}

IndexScan ScanIndices(Bytes file, const BitmapFormat& format)
{
    IndexScan scan;
    const unsigned bits = format.bitCount;
    const bool packedIndices = bits == 1 || bits == 2 || bits == 4 || bits == 8;
    if (!packedIndices || TableCoversEveryIndex(format) || format.stride == 0 || format.columns == 0)
        return scan;
    const std::array<std::uint8_t, 256> table = LargestIndexTable(bits == 8 ? 1 : bits);
    const std::uint64_t rows = std::min(format.rows, format.pixels.present / format.stride);
    for (std::uint64_t row = 0; row < rows; ++row) {
        const std::uint64_t rowOffset = format.pixels.offset + row * format.stride;
        const std::uint8_t* bytes = file.data() + rowOffset;
        if (LargestIndexInRow(bytes, format.columns, bits, table) >= format.colorCount)
            NoteBadRow(scan, bytes, rowOffset, row, format.columns, bits, format.colorCount);
    }
    return scan;
}

RleScan ScanRle(Bytes file, const BitmapFormat& format, std::uint64_t start, std::uint64_t stop)
{
    return RleWalker(file, format, start, stop).Walk();
}

}  // namespace hexlume::format
