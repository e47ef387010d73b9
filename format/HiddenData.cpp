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

}  // namespace

HiddenBits ScanRowPadding(Bytes file, const BitmapFormat& format)
{
    const std::uint64_t rows = RowsToScan(format);
    const std::uint64_t usedBits = format.columns * format.bitCount;
    HiddenBits hidden;
    if (rows == 0 || usedBits >= format.stride * 8)
        return hidden;
    const std::uint64_t partialByte = usedBits / 8;
    const unsigned usedInPartial = static_cast<unsigned>(usedBits % 8);
    const std::uint8_t partialMask = static_cast<std::uint8_t>(0xFFu >> usedInPartial);
    const std::uint64_t firstPadByte = partialByte + (usedInPartial != 0 ? 1 : 0);
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
    const unsigned bits = format.bitCount;
    if (format.maskSource == MaskSource::None || (bits != 16 && bits != 32))
        return hidden;
    const std::uint64_t rows = RowsToScan(format);
    const std::uint32_t pixelBits = bits == 32 ? 0xFFFFFFFFu : 0xFFFFu;
    const std::uint32_t unused = pixelBits & ~ChannelBits(format.masks);
    if (unused == 0)
        return hidden;
    const unsigned bytesPerPixel = bits / 8;
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

}  // namespace hexlume::format
