#pragma once

#include "format/Inspection.h"

#include <cstdint>
#include <functional>
#include <optional>

// Bitmaps inside any file (a disk image, a memory dump, a document): every "BM" whose headers
// the checks find plausible. "BM" alone turns up every 64 KiB of random bytes, so a candidate
// must pass cheap looks at its raw fields before its headers are read, and the checks before it
// counts; sizes that cannot hold in the file rule it out too.
namespace hexlume::format {

struct FoundBitmap {
    std::uint64_t offset = 0;  // where its file header starts
    // bfSize when the headers agree with it (the parts fit inside it and it inside the file),
    // else where its last part ends, or the file does first.
    std::uint64_t length = 0;
    Inspection inspection;  // of its `length` bytes, as a file of its own
};

// The bitmap whose file header starts at `offset`; nullopt when none plausibly does.
std::optional<FoundBitmap> BitmapAt(Bytes file, std::uint64_t offset);

// Every bitmap in file order, handed to `found`; stops early when it returns false.
void FindBitmaps(Bytes file, const std::function<bool(FoundBitmap&&)>& found);

// The same for the bitmaps whose "BM" starts in `copy`, a copy of the file's bytes from
// `copyOffset` on (a "BM" across its end is the next copy's, which starts at its last byte).
// A large mapped file is searched through a small buffer the system copies it into, as cat
// reads it, so that only the pages of candidates are touched through the mapping (faulting in
// every page cost more than the copy); each candidate is then judged from `file`. False once
// `found` has returned false.
bool FindBitmapsIn(Bytes file, std::uint64_t copyOffset, Bytes copy, const std::function<bool(FoundBitmap&&)>& found);

}  // namespace hexlume::format
