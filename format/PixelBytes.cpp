#include "PixelBytes.h"

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

std::optional<std::uint64_t> PixelOffset(Bytes file, const BitmapFormat& format, std::uint64_t x,
                                         std::uint64_t shownRow)
{
    const std::uint64_t storedRow = format.ShownRow(shownRow);
    if (IsRunLength(format.encoding)) {
        const Bytes stream = file.first(std::min<std::uint64_t>(file.size(), format.pixels.End()));
        RleReader reader(stream, format.encoding, format.pixels.offset);
        RleCursor cursor(format.columns, format.rows);
        RleCode code;
        // The position only moves on, so the first code over the pixel is the one that draws it.
        while (reader.Next(code) && cursor.Y() <= storedRow) {
            const RleStep step = cursor.Apply(code);
            if (step.y == storedRow && x >= step.x && x - step.x < step.pixels)
                return RlePixelOffset(format.encoding, code, x - step.x);
        }
        return std::nullopt;
    }
    if (!IsUncompressed(format.encoding) || format.stride == 0 || storedRow > format.pixels.present / format.stride)
        return std::nullopt;
    const std::uint64_t inData = storedRow * format.stride + x * format.bitCount / 8;
    const std::uint64_t pixelBytes = (format.bitCount + 7) / 8;
    if (inData >= format.pixels.present || format.pixels.present - inData < pixelBytes)
        return std::nullopt;
    return format.pixels.offset + inData;
}

}  // namespace hexlume::format
