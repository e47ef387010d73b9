#include "PaneLayout.h"

#include <algorithm>
#include <limits>

namespace hexlume {

namespace {

// Large enough for any file, small enough that four of them still add up without overflow.
constexpr std::int64_t kHeightCeiling = std::numeric_limits<std::int64_t>::max() / 8;

std::int64_t HeightOf(std::uint64_t lines, int lineHeight)
{
    const auto perLine = static_cast<std::uint64_t>(lineHeight);
    if (lines > static_cast<std::uint64_t>(kHeightCeiling) / perLine)
        return kHeightCeiling;
    return static_cast<std::int64_t>(lines * perLine);
}

// Lines that start within the given room, at least partly visible.
std::uint64_t LinesWithin(std::int64_t room, int lineHeight)
{
    return room <= 0 ? 0 : static_cast<std::uint64_t>((room + lineHeight - 1) / lineHeight);
}

}  // namespace

PaneLayout LayoutPane(const std::array<std::uint64_t, kMemoCount>& lines, int lineHeight)
{
    lineHeight = std::max(lineHeight, 1);
    PaneLayout layout;
    for (std::size_t memo = 0; memo < kMemoCount; ++memo)
        layout.memos[memo] = {.top = 0, .height = HeightOf(lines[memo], lineHeight), .linesShown = lines[memo]};

    std::int64_t above = 0;
    for (std::size_t memo = 0; memo < kDataMemo; ++memo)
        above += layout.memos[memo].height;
    MemoPlacement& data = layout.memos[kDataMemo];
    if (above + data.height > kMaxStackHeight) {
        layout.cut = true;
        // With an over-long palette the other three alone pass the limit: the data memo gets
        // no room at all rather than a negative height.
        data.height = std::max<std::int64_t>(0, kMaxStackHeight - above);
    }

    std::int64_t top = 0;
    for (MemoPlacement& memo : layout.memos) {
        memo.top = top;
        top += memo.height;
        // A memo holds only the lines that stand within the stack's limit, even partly: the
        // cut data memo, and every memo below an over-long palette of a damaged file.
        memo.linesShown = std::min(memo.linesShown, LinesWithin(kMaxStackHeight - memo.top, lineHeight));
    }
    layout.numbersHeight = top;
    layout.numberCount = static_cast<std::uint64_t>(top / lineHeight);
    layout.numbersShown = std::min(layout.numberCount, LinesWithin(kMaxStackHeight, lineHeight));
    return layout;
}

std::uint64_t WindowStart(std::uint64_t line, std::uint64_t linesShown, std::uint64_t lineCount)
{
    if (linesShown >= lineCount)
        return 0;
    const std::uint64_t above = linesShown / 3;
    return std::min(line > above ? line - above : 0, lineCount - linesShown);
}

}  // namespace hexlume
