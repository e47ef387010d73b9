#pragma once

#include "format/FieldDictionary.h"

#include <cstdint>
#include <vector>

// An OS/2 bitmap array: a chain of entries, each a 14-byte array header followed by a whole
// bitmap (file header, info header, colour table) whose bfOffBits counts from the file's start.
namespace hexlume::format {

enum class ArrayFault {
    None,
    Truncated,     // an entry's headers do not fit in the file
    NotAnEntry,    // offNext points at bytes that do not start with "BA"
    NextBackward,  // offNext points at or before its own entry: the chain would loop
    NextInside,    // offNext points inside its own entry's headers
    NextPastEnd,   // offNext points past the end of the file
};

struct BitmapArray {
    std::vector<std::uint64_t> entries;  // offsets of the array headers, in chain order
    ArrayFault fault = ArrayFault::None;
    std::uint64_t faultEntry = 0;   // the entry whose header is at fault (or the offset it names)
    std::uint64_t faultTarget = 0;  // the offset offNext names

    // Where the bitmap of entry i starts: its file header, right after the array header.
    std::uint64_t BitmapAt(std::size_t i) const { return entries[i] + kArrayHeaderBytes; }

    bool operator==(const BitmapArray&) const = default;
};

// Follows the chain from offset 0; empty when the file is no bitmap array.
BitmapArray ReadBitmapArray(Bytes file);

}  // namespace hexlume::format
