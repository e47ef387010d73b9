#pragma once

#include <array>
#include <cstdint>

// Where the dump pane's memos stand, in pixels: shared by the window, which places its memos so,
// and hexlume-dump, which reports the same places. Knows lines and pixels, not what the lines say.
namespace hexlume {

// The tallest the stack of dump memos may be; a taller stack has its pixel-data memo cut.
inline constexpr std::int64_t kMaxStackHeight = 32767;

enum MemoIndex : std::size_t { kFileHeaderMemo, kInfoHeaderMemo, kPaletteMemo, kDataMemo, kMemoCount };

struct MemoPlacement {
    std::int64_t top = 0;
    std::int64_t height = 0;
    // Lines of the memo's text that the pane holds: those standing within kMaxStackHeight
    // (all of them unless the stack was cut).
    std::uint64_t linesShown = 0;
};

struct PaneLayout {
    std::array<MemoPlacement, kMemoCount> memos;
    // The stack was taller than kMaxStackHeight: the data memo is cut and the user is asked
    // whether to export the whole pixel-data dump.
    bool cut = false;
    std::int64_t numbersHeight = 0;  // the line-number memo's top is always 0
    std::uint64_t numberCount = 0;   // line numbers 0 … numberCount − 1
    std::uint64_t numbersShown = 0;  // those of them the pane holds
};

// Places the four dump memos, stacked in memo order, from the lines of text each holds;
// lineHeight pixels to a line (a smaller one counts as 1).
PaneLayout LayoutPane(const std::array<std::uint64_t, kMemoCount>& lines, int lineHeight);

// A cut memo holds a window of its region's lines: `linesShown` of `lineCount`. The first line of
// the window that brings `line` into it with a third of the window above it, as far as the
// region's ends allow.
std::uint64_t WindowStart(std::uint64_t line, std::uint64_t linesShown, std::uint64_t lineCount);

}  // namespace hexlume
