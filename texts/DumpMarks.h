#pragma once

#include "InspectionTexts.h"

#include <cstdint>
#include <span>
#include <vector>

// Which bytes of the dump's memos carry a mark: findings, faults counted once, changed bytes.
namespace hexlume {

// The bytes of a memo (as indices into its region) that a finding on a byte range covers.
struct MemoMark {
    std::size_t memo = 0;
    std::uint64_t first = 0;
    std::uint64_t end = 0;  // one past the last
    Mark mark = Mark::None;
};
// Every finding's bytes, notes included, but only those the memos hold.
std::vector<MemoMark> MarksInDump(std::span<const format::Finding> findings, const DumpFileMap& map);
// The bytes the memos hold of a file range, in memo order.
std::vector<MemoMark> MarksOver(std::uint64_t offset, std::uint64_t length, Mark mark, const DumpFileMap& map);
// Every byte the memos hold whose pixels use a colour index past the table, where the checker
// reports only the first.
std::vector<MemoMark> BadIndexMarks(const format::BitmapFormat& format, format::Bytes file, const DumpFileMap& map);
// Every byte the memos hold of a fault the checker reports once with a count of the rest, when
// `findings` report it: the colour indices past the table (BadIndexMarks), the RLE codes that
// leave the picture and the Huffman faults.
std::vector<MemoMark> CountedFaultMarks(std::span<const format::Finding> findings, const format::BitmapFormat& format,
                                        format::Bytes file, const DumpFileMap& map);

// The bytes the memos hold that differ from the version of the file read before (model/VersionDiff.h).
std::vector<MemoMark> ChangedMarks(std::span<const std::uint8_t> before, std::span<const std::uint8_t> after,
                                   const DumpFileMap& map);

}  // namespace hexlume
