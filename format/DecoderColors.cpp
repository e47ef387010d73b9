#include "DecoderParts.h"

#include <cmath>

// One pixel's colour: table entries, packed pixels and the bytes that feed each channel.
namespace hexlume::format {

namespace decoding {

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

}  // namespace decoding

using namespace decoding;

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

}  // namespace hexlume::format
