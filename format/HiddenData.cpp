#include "HiddenData.h"

#include "PixelScan.h"

#include <algorithm>

namespace hexlume::format {

namespace {

// The complete rows an uncompressed bitmap's file holds; 0 for other encodings.
std::uint64_t RowsToScan(const BitmapFormat& format)
{
    return IsUncompressed(format.encoding) ? format.WholeRowsPresent() : 0;
}

// Where a row's padding starts: the bits of its last, partial byte, then whole bytes.
struct RowPadding {
    std::uint64_t partialByte = 0;
    unsigned usedInPartial = 0;
    std::uint8_t partialMask = 0;
    std::uint64_t firstPadByte = 0;
};

RowPadding PaddingOf(const BitmapFormat& format)
{
    const std::uint64_t usedBits = format.columns * format.bitCount;
    const unsigned usedInPartial = static_cast<unsigned>(usedBits % 8);
    return {.partialByte = usedBits / 8,
            .usedInPartial = usedInPartial,
            .partialMask = static_cast<std::uint8_t>(0xFFu >> usedInPartial),
            .firstPadByte = usedBits / 8 + (usedInPartial != 0 ? 1 : 0)};
}

// The bits of a 16- or 32-bit pixel no mask uses; 0 for every other format.
std::uint32_t UnusedPixelBits(const BitmapFormat& format)
{
    const unsigned bits = format.bitCount;
    if (format.maskSource == MaskSource::None || (bits != 16 && bits != 32))
        return 0;
    const std::uint32_t pixelBits = bits == 32 ? 0xFFFFFFFFu : 0xFFFFu;
    return pixelBits & ~ChannelBits(format.masks);
}

}  // namespace

HiddenBits ScanRowPadding(Bytes file, const BitmapFormat& format)
{
    const std::uint64_t rows = RowsToScan(format);
    HiddenBits hidden;
    if (rows == 0 || format.columns * format.bitCount >= format.stride * 8)
        return hidden;
    const auto [partialByte, usedInPartial, partialMask, firstPadByte] = PaddingOf(format);
    for (std::uint64_t row = 0; row < rows; ++row) {
        const std::uint64_t rowStart = format.pixels.offset + row * format.stride;
        std::uint64_t setAt = kNowhere;
        if (usedInPartial != 0 && (file[rowStart + partialByte] & partialMask) != 0)
            setAt = rowStart + partialByte;
        for (std::uint64_t i = firstPadByte; i < format.stride && setAt == kNowhere; ++i)
            if (file[rowStart + i] != 0)
                setAt = rowStart + i;
        if (setAt == kNowhere)
            continue;
        if (hidden.count++ == 0)
            hidden.firstOffset = setAt;
    }
    return hidden;
}

std::uint32_t ChannelBits(const ChannelMasks& masks)
{
    return masks.red | masks.green | masks.blue | masks.alpha;
}

HiddenBits ScanBitsOutsideMasks(Bytes file, const BitmapFormat& format)
{
    HiddenBits hidden;
    const std::uint32_t unused = UnusedPixelBits(format);
    if (unused == 0)
        return hidden;
    const std::uint64_t rows = RowsToScan(format);
    const unsigned bytesPerPixel = format.bitCount / 8u;
    // Little-endian, so each byte of the pixel is tested against its byte of the mask.
    std::uint8_t unusedBytes[4];
    for (unsigned i = 0; i < 4; ++i)
        unusedBytes[i] = static_cast<std::uint8_t>(unused >> (8 * i));
    // Whole rows lie inside the file, so the pixels are read without a check each.
    for (std::uint64_t row = 0; row < rows; ++row) {
        const std::uint8_t* pixel = file.data() + format.pixels.offset + row * format.stride;
        for (std::uint64_t x = 0; x < format.columns; ++x, pixel += bytesPerPixel) {
            bool set = false;
            for (unsigned i = 0; i < bytesPerPixel; ++i)
                set |= (pixel[i] & unusedBytes[i]) != 0;
            if (!set)
                continue;
            const std::uint64_t at = static_cast<std::uint64_t>(pixel - file.data());
            if (hidden.count++ == 0)
                hidden.firstOffset = at;
        }
    }
    return hidden;
}

void ClearHiddenBits(std::span<std::uint8_t> rows, const BitmapFormat& format)
{
    const std::uint64_t count = format.stride == 0 ? 0 : std::min<std::uint64_t>(RowsToScan(format), rows.size() / format.stride);
    const RowPadding padding = PaddingOf(format);
    const bool padded = format.columns * format.bitCount < format.stride * 8;
    const std::uint32_t unused = UnusedPixelBits(format);
    const unsigned bytesPerPixel = format.bitCount / 8u;
    for (std::uint64_t row = 0; row < count; ++row) {
        std::uint8_t* start = rows.data() + row * format.stride;
        if (padded) {
            if (padding.usedInPartial != 0)
                start[padding.partialByte] &= static_cast<std::uint8_t>(~padding.partialMask);
            std::fill(start + padding.firstPadByte, start + format.stride, std::uint8_t{0});
        }
        for (std::uint64_t x = 0; unused != 0 && x < format.columns; ++x)
            for (unsigned i = 0; i < bytesPerPixel; ++i)
                start[x * bytesPerPixel + i] &= static_cast<std::uint8_t>(~(unused >> (8 * i)));
    }
}

}  // namespace hexlume::format
