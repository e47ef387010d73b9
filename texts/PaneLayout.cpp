#include "PaneLayout.h"

#include "RegionText.h"
#include "model/BitmapHeaders.h"

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

// A region memo: as many lines as the region has, or one line for the absent-region notice.
MemoPlacement RegionMemo(std::optional<std::uint64_t> byteCount, int lineHeight)
{
    const std::uint64_t lines = byteCount ? LineCount(*byteCount) : 1;
    return {.top = 0, .height = HeightOf(lines, lineHeight), .linesShown = lines};
}

// Lines that start within the given room, at least partly visible.
std::uint64_t LinesWithin(std::int64_t room, int lineHeight)
{
    return room <= 0 ? 0 : static_cast<std::uint64_t>((room + lineHeight - 1) / lineHeight);
}

}  // namespace

PaneLayout LayoutPane(std::optional<std::uint64_t> paletteBytes, std::optional<std::uint64_t> dataBytes,
                      int lineHeight)
{
    lineHeight = std::max(lineHeight, 1);
    PaneLayout layout;
    layout.memos[kFileHeaderMemo] = RegionMemo(kFileHeaderBytes, lineHeight);
    layout.memos[kInfoHeaderMemo] = RegionMemo(kInfoHeaderSize, lineHeight);
    layout.memos[kPaletteMemo] = RegionMemo(paletteBytes, lineHeight);
    layout.memos[kDataMemo] = RegionMemo(dataBytes, lineHeight);

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

}  // namespace hexlume
