#include "PixelScan.h"

#include "Decoder.h"
#include "RleStream.h"

#include <algorithm>
#include <array>

namespace hexlume::format {

namespace {

// For packed pixels (1, 2, 4 bits): the largest index each byte value holds.
std::array<std::uint8_t, 256> LargestIndexTable(unsigned bits)
{
    std::array<std::uint8_t, 256> table{};
    for (unsigned value = 0; value < 256; ++value) {
        const auto byte = static_cast<std::uint8_t>(value);
        for (unsigned pixel = 0; pixel < 8 / bits; ++pixel)
            table[byte] = static_cast<std::uint8_t>(std::max<unsigned>(table[byte], IndexInRow(&byte, pixel, bits)));
    }
    return table;
}

// The largest index among the first `pixels` pixels of a row.
unsigned LargestIndexInRow(const std::uint8_t* row, std::uint64_t pixels, unsigned bits,
                           const std::array<std::uint8_t, 256>& table)
{
    if (bits == 8)
        return LargestIndex(row, pixels, 8);
    const unsigned perByte = 8 / bits;
    const std::uint64_t wholeBytes = pixels / perByte;
    unsigned largest = 0;
    for (std::uint64_t i = 0; i < wholeBytes; ++i)
        largest = std::max<unsigned>(largest, table[row[i]]);
    for (unsigned pixel = 0; pixel < pixels % perByte; ++pixel)
        largest = std::max(largest, IndexInRow(row + wholeBytes, pixel, bits));
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
        const unsigned index = IndexInRow(row, column, bits);
        if (index >= limit) {
            scan = {.offset = rowOffset + column / perByte, .index = index, .row = storedRow, .column = column,
                    .rowsWithBadIndex = scan.rowsWithBadIndex};
            return;
        }
    }
}

}  // namespace

unsigned LargestPackedIndex(const std::uint8_t* bytes, std::uint64_t pixels, unsigned bits)
{
    static const std::array<std::array<std::uint8_t, 256>, 3> kTables{LargestIndexTable(1), LargestIndexTable(2),
                                                                     LargestIndexTable(4)};
    const unsigned which = bits == 1 ? 0 : bits == 2 ? 1 : 2;
    return LargestIndexInRow(bytes, pixels, bits, kTables[which]);
}

bool TableCoversEveryIndex(const BitmapFormat& format)
{
    if (!IsIndexed(format.bitCount))
        return true;
    return format.colorCount >= FullTableEntries(format.bitCount);
}

IndexScan ScanIndices(Bytes file, const BitmapFormat& format)
{
    IndexScan scan;
    const unsigned bits = format.bitCount;
    if (TableCoversEveryIndex(format) || format.stride == 0 || format.columns == 0)
        return scan;
    const std::array<std::uint8_t, 256> table = LargestIndexTable(bits == 8 ? 1 : bits);
    const std::uint64_t rows = format.WholeRowsPresent();
    for (std::uint64_t row = 0; row < rows; ++row) {
        const std::uint64_t rowOffset = format.pixels.offset + row * format.stride;
        const std::uint8_t* bytes = file.data() + rowOffset;
        if (LargestIndexInRow(bytes, format.columns, bits, table) >= format.colorCount)
            NoteBadRow(scan, bytes, rowOffset, row, format.columns, bits, format.colorCount);
    }
    return scan;
}

namespace {

// Adds a byte to the runs, joining it to the last run when adjacent.
void AddBadByte(std::vector<ByteRange>& runs, std::uint64_t offset, const ByteRange& range)
{
    if (!range.Contains(offset))
        return;
    if (!runs.empty() && runs.back().End() == offset)
        ++runs.back().size;
    else if (runs.empty() || !runs.back().Contains(offset))
        runs.push_back({offset, 1});
}

void FindBadRowBytes(Bytes file, const BitmapFormat& format, const ByteRange& range, std::vector<ByteRange>& runs)
{
    const unsigned bits = format.bitCount;
    const unsigned perByte = 8 / bits;
    const ByteRange inData = range.Meet(format.pixels.Present());
    for (std::uint64_t offset = inData.offset; offset < inData.End(); ++offset) {
        const std::uint64_t inRows = offset - format.pixels.offset;
        if (inRows / format.stride >= format.rows)
            break;
        const std::uint64_t firstColumn = inRows % format.stride * perByte;
        for (unsigned pixel = 0; pixel < perByte && firstColumn + pixel < format.columns; ++pixel) {
            if (IndexInRow(file.data() + offset, pixel, bits) >= format.colorCount) {
                AddBadByte(runs, offset, range);
                break;
            }
        }
    }
}

void FindBadRleBytes(Bytes file, const BitmapFormat& format, const ByteRange& range, std::vector<ByteRange>& runs)
{
    const FileRange& pixels = format.pixels;
    RleReader reader(file.first(pixels.offset + pixels.present), format.encoding, pixels.offset);
    RleCursor cursor(format.columns, format.rows);
    RleCode code;
    while (reader.Next(code) && code.offset < range.End()) {
        const RleStep step = cursor.Apply(code);
        // A run repeats its first two pixels, both held by its one colour byte.
        const std::uint64_t distinct = code.op == RleOp::Run ? std::min<std::uint64_t>(step.pixels, 2) : step.pixels;
        for (std::uint64_t k = 0; k < distinct; ++k)
            if (RlePixel(format.encoding, code, k) >= format.colorCount)
                AddBadByte(runs, RlePixelOffset(format.encoding, code, k), range);
    }
}

}  // namespace

std::vector<ByteRange> BadIndexBytes(Bytes file, const BitmapFormat& format, ByteRange range)
{
    std::vector<ByteRange> runs;
    if (TableCoversEveryIndex(format) || range.Meet(format.pixels.Present()).Empty())
        return runs;
    if (IsUncompressed(format.encoding) && format.stride != 0)
        FindBadRowBytes(file, format, range, runs);
    else if (IsRunLength(format.encoding))
        FindBadRleBytes(file, format, range, runs);
    return runs;
}

}  // namespace hexlume::format
