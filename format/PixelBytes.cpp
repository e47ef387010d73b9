#include "PixelBytes.h"

#include "primitives/Arithmetic.h"

#include <algorithm>

namespace hexlume::format {

namespace {

PixelValue IndexValue(Bytes file, const BitmapFormat& format, std::uint32_t index, std::uint64_t x)
{
    return {.x = x, .index = index, .color = TableColor(file, format, index), .pastTable = index >= format.colorCount};
}

// Pixel k of an RLE code, which the stream puts at column x.
PixelValue RleValue(Bytes file, const BitmapFormat& format, const RleCode& code, std::uint64_t k, std::uint64_t x)
{
    const std::uint32_t value = RlePixel(format.encoding, code, k);
    if (format.encoding == PixelEncoding::Rle24)
        return {.x = x, .index = std::nullopt, .color = OpaqueRgb(value)};
    return IndexValue(file, format, value, x);
}

void RunValues(Bytes file, const BitmapFormat& format, RleByte& found)
{
    const RleCode& code = found.code;
    const bool alternates = format.encoding == PixelEncoding::Rle4 && code.count >= 2 &&
                            RlePixel(format.encoding, code, 0) != RlePixel(format.encoding, code, 1);
    found.runValueCount = alternates ? 2 : 1;
    for (std::size_t k = 0; k < found.runValueCount; ++k)
        found.runValues[k] = RleValue(file, format, code, k, found.step.x + k);
}

// The pixels a literal (maybe cut short) stores in the byte at offset, if it is one of its pixel
// bytes.
void LiteralPixels(Bytes file, const BitmapFormat& format, std::uint64_t offset, RleByte& found)
{
    const RleCode& code = found.code;
    const std::uint64_t pixelsStart = RlePixelOffset(format.encoding, code, 0);
    if (offset < pixelsStart)
        return;
    const unsigned bits = RleBitsPerPixel(format.encoding);
    const std::uint64_t inPixels = offset - pixelsStart;
    const std::uint64_t first = inPixels * 8 / bits;
    if (first >= code.count) {
        // A cut literal's bytes past its whole pixels are part of a pixel the file cuts off.
        found.literalPadding = code.op == RleOp::Literal;
        return;
    }
    BytePixels& held = found.held;
    const std::uint64_t end = std::min<std::uint64_t>(first + (bits < 8 ? 8 / bits : 1), code.count);
    for (std::uint64_t k = first; k < end; ++k)
        held.pixels[held.count++] = RleValue(file, format, code, k, found.step.x + k);
    if (bits > 8) {
        held.pixelBytes = bits / 8;
        held.byteInPixel = static_cast<unsigned>(inPixels % held.pixelBytes);
        held.channels = ChannelsOfByte(bits, {}, held.byteInPixel);
    }
}

// Pixels drawn as stored: uncompressed rows padded to 32 bits, or an RLE stream.
bool LocatesPixels(const BitmapFormat& format)
{
    return format.HeaderReadable() && (IsUncompressed(format.encoding) || IsRunLength(format.encoding)) &&
           DrawsBitCount(format.encoding, format.bitCount);
}

// The colour the decoder draws for a colour index: the marker where the table has no entry.
Argb DrawnIndexColor(Bytes file, const BitmapFormat& format, std::uint32_t index)
{
    return TableColor(file, format, index).value_or(kBadIndexColor);
}

PixelLocation LocateUncompressed(Bytes file, const BitmapFormat& format, std::uint64_t x, std::uint64_t storedRow)
{
    const unsigned bits = format.bitCount;
    const std::uint64_t bit = x * bits;  // x < columns, whose width field holds at most 32 bits
    PixelLocation where;
    where.length = bits < 8 ? 1u : bits / 8u;
    where.bitOffset = static_cast<unsigned>(bit % 8);
    where.bits = bits;
    where.storedRow = storedRow;
    // Saturated: a huge picture's far rows lie past any file.
    const std::uint64_t rowStart = SaturatingMultiply(storedRow, format.stride);
    const std::uint64_t inData = SaturatingAdd(rowStart, bit / 8);
    where.offset = SaturatingAdd(format.pixels.offset, inData);
    if (where.length > format.pixels.present || inData > format.pixels.present - where.length)
        return where;  // the file ends first: the decoder draws its checker
    const std::uint8_t* row = file.data() + format.pixels.offset + rowStart;
    if (IsIndexed(format.bitCount)) {
        where.index = IndexInRow(row, x, bits);
        where.color = DrawnIndexColor(file, format, *where.index);
    } else {
        where.color = PackedColor(format, file.data() + where.offset);
    }
    return where;
}

// Walks the stream as the decoder does, up to the code that draws the pixel or passes over it.
// Positions are ordered as the stream moves: row by row, a column past the row standing for the
// row's end.
PixelLocation LocateInStream(Bytes file, const BitmapFormat& format, std::uint64_t x, std::uint64_t storedRow)
{
    const std::uint64_t columns = format.columns;
    const auto place = [columns](std::uint64_t column, std::uint64_t row) {
        return row * columns + std::min(column, columns);  // rows < the picture's: no overflow
    };
    const std::uint64_t target = place(x, storedRow);
    const PixelEncoding encoding = format.encoding;
    RleReader reader(file.first(std::min<std::uint64_t>(file.size(), format.pixels.End())), encoding,
                     format.pixels.offset);
    RleCursor cursor(columns, format.rows);
    PixelLocation where;
    where.storedRow = storedRow;
    RleCode code;
    while (reader.Next(code)) {
        const RleStep step = cursor.Apply(code);
        // The decoder draws nothing after these: every later pixel is the code's.
        const bool last = code.op == RleOp::EndOfBitmap || code.op == RleOp::CutShort || cursor.Y() >= format.rows;
        if (!last && target >= place(cursor.X(), cursor.Y()))
            continue;
        where.code = code;
        where.offset = code.offset;
        const std::uint64_t start = place(step.x, step.y);
        if (target - start >= step.pixels) {
            where.skipped = code.op != RleOp::CutShort;  // past a cut the file has no bytes
            if (where.skipped)
                where.color = kSkippedColor;
            return where;
        }
        const std::uint64_t k = x - step.x;
        const unsigned bits = RleBitsPerPixel(encoding);
        where.offset = RlePixelOffset(encoding, code, k);
        where.length = bits < 8 ? 1u : bits / 8u;
        where.bitOffset = bits == 4 ? static_cast<unsigned>(k % 2) * 4 : 0;
        where.bits = bits;
        const std::uint32_t value = RlePixel(encoding, code, k);
        if (encoding == PixelEncoding::Rle24) {
            where.color = OpaqueRgb(value);
        } else {
            where.index = value;
            where.color = DrawnIndexColor(file, format, value);
        }
        return where;
    }
    return where;  // not reached: a stream always ends in a code that passes over the rest
}

}  // namespace

BytePixels PixelsOfByte(Bytes file, const BitmapFormat& format, const ByteDescription& what, std::uint64_t offset)
{
    BytePixels held;
    if (!what.pixelColumn || !DrawsBitCount(format.encoding, format.bitCount) || offset >= file.size())
        return held;
    const unsigned bits = format.bitCount;
    const std::uint64_t rowStart = format.pixels.offset + what.storedRow * format.stride;
    const std::uint64_t first = *what.pixelColumn;
    if (IsIndexed(format.bitCount)) {
        // Only the byte at offset is read: every pixel it holds lies in it.
        const std::uint8_t* row = file.data() + rowStart;
        const std::uint64_t end = std::min<std::uint64_t>(first + 8 / bits, format.columns);
        for (std::uint64_t x = first; x < end; ++x)
            held.pixels[held.count++] = IndexValue(file, format, IndexInRow(row, x, bits), x);
        return held;
    }
    held.pixelBytes = bits / 8;
    const std::uint64_t pixelStart = rowStart + first * held.pixelBytes;
    held.byteInPixel = static_cast<unsigned>(offset - pixelStart);
    held.channels = ChannelsOfByte(bits, format.masks, held.byteInPixel);
    PixelValue& pixel = held.pixels[held.count++];
    pixel.x = first;
    if (file.size() - pixelStart >= held.pixelBytes)
        pixel.color = PackedColor(format, file.data() + pixelStart);
    return held;
}

std::optional<RleByte> RleCodeOf(Bytes file, const BitmapFormat& format, std::uint64_t offset)
{
    const FileRange& pixels = format.pixels;
    if (!IsRunLength(format.encoding) || offset < pixels.offset || offset - pixels.offset >= pixels.present)
        return std::nullopt;
    // The stream as the layout bounds it, walked as the decoder walks it.
    RleReader reader(file.first(pixels.offset + pixels.present), format.encoding, pixels.offset);
    RleCursor cursor(format.columns, format.rows);
    RleByte found;
    while (reader.Next(found.code)) {
        found.step = cursor.Apply(found.code);
        if (offset - found.code.offset >= found.code.length)
            continue;
        found.nextX = cursor.X();
        found.nextY = cursor.Y();
        if (found.code.op == RleOp::Run)
            RunValues(file, format, found);
        else if (found.code.data != nullptr)  // a literal, maybe cut short
            LiteralPixels(file, format, offset, found);
        return found;
    }
    return std::nullopt;
}

PixelSpan PixelsInByte(Bytes file, const BitmapFormat& format, const ByteDescription& what, std::uint64_t offset)
{
    if (!LocatesPixels(format))
        return {};
    if (what.pixelColumn) {
        const std::uint64_t perByte = format.bitCount < 8 ? 8u / format.bitCount : 1u;
        return {.x = *what.pixelColumn,
                .count = std::min(perByte, format.columns - *what.pixelColumn),
                .storedRow = what.storedRow};
    }
    const std::optional<RleByte> rle = RleCodeOf(file, format, offset);
    if (!rle || rle->step.pixels == 0)
        return {};
    const RleStep& step = rle->step;
    if (rle->code.op == RleOp::Run)  // its colour bytes hold every pixel it draws, its count byte none
        return offset < RlePixelOffset(format.encoding, rle->code, 0)
                   ? PixelSpan{}
                   : PixelSpan{.x = step.x, .count = step.pixels, .storedRow = step.y};
    const BytePixels& held = rle->held;
    const std::uint64_t drawnEnd = step.x + step.pixels;
    if (held.count == 0 || held.pixels[0].x >= drawnEnd)
        return {};
    const std::uint64_t first = held.pixels[0].x;
    return {.x = first, .count = std::min<std::uint64_t>(held.count, drawnEnd - first), .storedRow = step.y};
}

std::optional<PixelLocation> LocatePixel(Bytes file, const BitmapFormat& format, std::uint64_t x, std::uint64_t y)
{
    if (x >= format.columns || y >= format.rows || !LocatesPixels(format))
        return std::nullopt;
    const std::uint64_t storedRow = format.ShownRow(y);  // the same flip both ways
    if (IsRunLength(format.encoding))
        return LocateInStream(file, format, x, storedRow);
    return LocateUncompressed(file, format, x, storedRow);
}

PixelSpan PixelsDrawnByByte(Bytes file, const Layout& layout, std::uint64_t offset)
{
    if (const std::optional<RleByte> rle = RleCodeOf(file, layout.format, offset))
        return {.x = rle->step.x, .count = rle->step.pixels, .storedRow = rle->step.y};
    return PixelsInByte(file, layout.format, DescribeByte(layout, offset), offset);
}

std::optional<std::uint64_t> PixelOffset(Bytes file, const BitmapFormat& format, std::uint64_t x,
                                         std::uint64_t shownRow)
{
    const std::optional<PixelLocation> at = LocatePixel(file, format, x, shownRow);
    if (!at || at->length == 0 || at->offset >= file.size() || file.size() - at->offset < at->length)
        return std::nullopt;
    return at->offset;
}

}  // namespace hexlume::format
