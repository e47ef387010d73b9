#include "DumpMarks.h"

#include "format/Huffman1D.h"
#include "format/PixelScan.h"
#include "format/RleStream.h"
#include "model/VersionDiff.h"
#include "primitives/Arithmetic.h"

#include <algorithm>
#include <initializer_list>

namespace hexlume {

using format::Finding;

std::vector<MemoMark> MarksOver(std::uint64_t offset, std::uint64_t length, Mark mark, const DumpFileMap& map)
{
    std::vector<MemoMark> marks;
    const std::uint64_t end = SaturatingAdd(offset, std::max<std::uint64_t>(length, 1));
    for (std::size_t memo = 0; memo < kMemoCount; ++memo) {
        const std::uint64_t first = std::max(offset, map[memo].fileOffset);
        const std::uint64_t last = std::min(end, map[memo].fileOffset + map[memo].shown);
        if (first < last)
            marks.push_back({memo, first - map[memo].fileOffset, last - map[memo].fileOffset, mark});
    }
    return marks;
}

std::vector<MemoMark> MarksInDump(std::span<const Finding> findings, const DumpFileMap& map)
{
    std::vector<MemoMark> marks;
    for (const Finding& finding : findings)
        for (const MemoMark& mark : MarksOver(finding.offset, finding.length, MarkOf(finding.severity), map))
            marks.push_back(mark);
    return marks;
}

namespace {

// Marks over the bytes `find` gives for the part of the file each memo shows.
template <typename Find>
void AddMarks(std::vector<MemoMark>& marks, const DumpFileMap& map, Mark mark, Find find)
{
    for (std::size_t memo = 0; memo < kMemoCount; ++memo) {
        const ByteRange shown{map[memo].fileOffset, map[memo].shown};
        if (shown.Empty())
            continue;
        for (const ByteRange& run : find(shown))
            marks.push_back({memo, run.offset - shown.offset, run.End() - shown.offset, mark});
    }
}

}  // namespace

std::vector<MemoMark> BadIndexMarks(const format::BitmapFormat& format, format::Bytes file, const DumpFileMap& map)
{
    std::vector<MemoMark> marks;
    AddMarks(marks, map, Mark::Error, [&](const ByteRange& shown) { return format::BadIndexBytes(file, format, shown); });
    return marks;
}

std::vector<MemoMark> CountedFaultMarks(std::span<const Finding> findings, const format::BitmapFormat& format,
                                        format::Bytes file, const DumpFileMap& map)
{
    const auto reported = [&](std::initializer_list<format::FindingCode> codes) {
        return std::any_of(findings.begin(), findings.end(), [&](const Finding& finding) {
            return std::find(codes.begin(), codes.end(), finding.code) != codes.end();
        });
    };
    std::vector<MemoMark> marks;
    if (reported({format::FindingCode::IndexPastTable}))
        marks = BadIndexMarks(format, file, map);
    using enum format::FindingCode;
    if (reported({RleRunPastRow, RlePastLastRow, RleDeltaOutside}))
        AddMarks(marks, map, Mark::Error, [&](const ByteRange& shown) { return format::RleExitBytes(file, format, shown); });
    if (reported({HuffmanRowTooLong, HuffmanRowTooShort, HuffmanBadCode, HuffmanMissingEol}))
        AddMarks(marks, map, Mark::Error, [&](const ByteRange& shown) {
            std::vector<ByteRange> bytes;
            for (const format::HuffmanStep& step : format::HuffmanFaultsIn(file, format, shown))
                bytes.push_back({step.bit / 8, 1});
            return bytes;
        });
    return marks;
}

std::vector<MemoMark> ChangedMarks(std::span<const std::uint8_t> before, std::span<const std::uint8_t> after,
                                   const DumpFileMap& map)
{
    std::vector<MemoMark> marks;
    AddMarks(marks, map, Mark::Changed, [&](const ByteRange& shown) { return ChangedRuns(before, after, shown); });
    return marks;
}

}  // namespace hexlume
