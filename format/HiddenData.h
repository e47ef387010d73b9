#pragma once

#include "format/BitmapFormat.h"

#include <cstdint>
#include <span>

// Bits of uncompressed pixel data that no reader shows: row padding and, for packed colours,
// the bits outside every channel mask. A careful writer leaves them zero; set, they leak the
// writer's memory or hide data.
namespace hexlume::format {

struct HiddenBits {
    std::uint64_t count = 0;        // rows (padding) or pixels (mask bits) with a bit set
    std::uint64_t firstOffset = 0;  // file offset of the first byte holding one; valid when count > 0
};

// The complete rows of uncompressed data present in the file whose padding (the bits after the
// last pixel, up to the row's 32-bit end) is not zero.
HiddenBits ScanRowPadding(Bytes file, const BitmapFormat& format);

// The pixels of 16- and 32-bit packed colours with bits set outside the red, green, blue and
// alpha masks. 0 for every other format.
HiddenBits ScanBitsOutsideMasks(Bytes file, const BitmapFormat& format);

// Zeroes the padding and the bits outside the masks of the rows of uncompressed pixel data
// `rows` holds, which start at the pixel data's offset: what no reader shows is gone, the picture
// stays.
void ClearHiddenBits(std::span<std::uint8_t> rows, const BitmapFormat& format);

// The mask of the bits some channel uses.
std::uint32_t ChannelBits(const ChannelMasks& masks);

}  // namespace hexlume::format
