#pragma once

#include "format/BitmapFormat.h"

#include <cstdint>
#include <limits>

// One pass over the pixel data: the colour indices it uses and, for run-length data, whether
// the stream keeps to the picture. Used by the layout (where an RLE stream ends) and the checks.
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

// Scans the complete rows of uncompressed indexed pixel data (1 to 8 bits) present in the file.
IndexScan ScanIndices(Bytes file, const BitmapFormat& format);

enum class RleFault {
    None,
    RunPastRow,     // a run or literal goes past the row's last pixel
    PastLastRow,    // pixels after the last row
    DeltaOutside,   // a delta moves out of the picture
    MissingEnd,     // the stream ends without its end-of-bitmap code
};

struct RleScan {
    RleFault fault = RleFault::None;
    std::uint64_t faultOffset = kNowhere;  // file offset of the code at fault
    std::uint64_t column = 0;              // where the code starts in the picture
    std::uint64_t row = 0;                 // stored row (0 = bottom)
    std::uint64_t faultPixels = 0;         // pixels of the run, or the delta's move, at fault
    bool cut = false;                      // MissingEnd: the last code itself is incomplete
    std::uint64_t end = 0;                 // file offset just past the last code read
    std::uint64_t firstSkipOffset = kNowhere;  // first code that leaves pixels unwritten (delta, early end)
    IndexScan badIndex;
};

// Walks an RLE4, RLE8 or RLE24 stream over file[start, stop) for a picture of the format's size.
RleScan ScanRle(Bytes file, const BitmapFormat& format, std::uint64_t start, std::uint64_t stop);

}  // namespace hexlume::format
