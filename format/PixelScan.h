#pragma once

#include "format/BitmapFormat.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

// The colour indices uncompressed pixel data uses, in one pass over its rows, for the checks.
namespace hexlume::format {

inline constexpr std::uint64_t kNowhere = std::numeric_limits<std::uint64_t>::max();

// The first colour index at or past the table's end, and how many rows hold one.
struct IndexScan {
    std::uint64_t offset = kNowhere;  // file offset of the byte holding it; kNowhere: none
    std::uint64_t index = 0;
    std::uint64_t row = 0;            // stored row (0 = first in the file)
    std::uint64_t column = 0;
    std::uint64_t rowsWithBadIndex = 0;
};

// Whether the table covers every index the bit count can store: then no scan is needed.
bool TableCoversEveryIndex(const BitmapFormat& format);

// The largest colour index among `pixels` indices of `bits` bits (1, 2, 4 or 8) packed from the
// high bits of bytes on, as rows and RLE literals store them.
unsigned LargestPackedIndex(const std::uint8_t* bytes, std::uint64_t pixels, unsigned bits);
inline unsigned LargestIndex(const std::uint8_t* bytes, std::uint64_t pixels, unsigned bits)
{
    if (bits != 8)
        return LargestPackedIndex(bytes, pixels, bits);
    // A plain loop the compiler turns into vector code.
    std::uint8_t largest = 0;
    for (std::uint64_t i = 0; i < pixels; ++i)
        largest = std::max(largest, bytes[i]);
    return largest;
}

// Scans the complete rows of uncompressed indexed pixel data (1 to 8 bits) present in the file.
IndexScan ScanIndices(Bytes file, const BitmapFormat& format);

// The bytes within `range` that hold a colour index past the table, as runs of adjacent bytes,
// for a view that marks every one it shows. Uncompressed data is read only inside the range; an
// RLE stream is walked from its start to the range's end, since only the walk knows which bytes
// are pixels.
std::vector<ByteRange> BadIndexBytes(Bytes file, const BitmapFormat& format, ByteRange range);

}  // namespace hexlume::format
