#include "HiddenData.h"

#include <algorithm>

namespace hexlume::format {

namespace {

constexpr std::uint64_t kNotSet = ~std::uint64_t{0};

// Rows the file holds whole, and the bits of each that pixels use.
struct RowGeometry {
    std::uint64_t rows = 0;
    std::uint64_t usedBits = 0;
};

RowGeometry Geometry(Bytes file, const BitmapFormat& format)
{
    if (!IsUncompressed(format.encoding) || format.stride == 0 || format.pixels.present == 0)
        return {};
    const std::uint64_t present = std::min<std::uint64_t>(format.pixels.present, file.size() - format.pixels.offset);
    return {std::min(format.rows, present / format.stride), format.columns * format.bitCount};
}

}  // namespace

HiddenBits ScanRowPadding(Bytes file, const BitmapFormat& format)
{
    const RowGeometry geometry = Geometry(file, format);
    HiddenBits hidden;
    if (geometry.rows == 0 || geometry.usedBits >= format.stride * 8)
        return hidden;
    const std::uint64_t partialByte = geometry.usedBits / 8;
    const unsigned usedInPartial = static_cast<unsigned>(geometry.usedBits % 8);
    const std::uint8_t partialMask = static_cast<std::uint8_t>(0xFFu >> usedInPartial);
    const std::uint64_t firstPadByte = partialByte + (usedInPartial != 0 ? 1 : 0);
    for (std::uint64_t row = 0; row < geometry.rows; ++row) {
        const std::uint64_t rowStart = format.pixels.offset + row * format.stride;
        std::uint64_t setAt = kNotSet;
        if (usedInPartial != 0 && (file[rowStart + partialByte] & partialMask) != 0)
            setAt = rowStart + partialByte;
        for (std::uint64_t i = firstPadByte; i < format.stride && setAt == kNotSet; ++i)
            if (file[rowStart + i] != 0)
                setAt = rowStart + i;
        if (setAt == kNotSet)
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
    const RowGeometry geometry = Geometry(file, format);
    const std::uint32_t pixelBits = bits == 32 ? 0xFFFFFFFFu : 0xFFFFu;
    const std::uint32_t unused = pixelBits & ~ChannelBits(format.masks);
    if (unused == 0)
        return hidden;
    const unsigned bytesPerPixel = bits / 8;
    // Little-endian, so each byte of the pixel is tested against its byte of the mask.
    std::uint8_t unusedBytes[4];
    for (unsigned i = 0; i < 4; ++i)
        unusedBytes[i] = static_cast<std::uint8_t>(unused >> (8 * i));
    // Whole rows lie inside the file (Geometry), so the pixels are read without a check each.
    for (std::uint64_t row = 0; row < geometry.rows; ++row) {
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
