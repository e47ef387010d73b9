#include "DumpPane.h"

#include "RegionText.h"

#include <algorithm>
#include <charconv>

namespace hexlume {

namespace {

// The lines of a memo's text: one for the notice of an absent region.
std::uint64_t MemoLines(const MemoView& memo)
{
    return memo.bytes ? LineCount(memo.bytes->size()) : 1;
}

std::optional<ByteSpan> Region(const std::uint8_t* start, ByteSpan bytes)
{
    return start != nullptr ? std::optional<ByteSpan>(bytes) : std::nullopt;
}

// The data memo's lines that have a line number beside them: a cut memo's last line may stand
// only partly within the stack, past the last number.
std::uint64_t NumberedDataLines(const DumpPaneView& view)
{
    std::uint64_t above = 0;
    for (std::size_t memo = 0; memo < kDataMemo; ++memo)
        above += MemoLines(view.memos[memo]);
    const std::uint64_t numbered = view.numbersShown > above ? view.numbersShown - above : 0;
    return std::min(numbered, view.memos[kDataMemo].placement.linesShown);
}

}  // namespace

DumpSource BaseDumpSource(const CDib& dib)
{
    const auto offsetOf = [&dib](const std::uint8_t* start) {
        return start != nullptr ? static_cast<std::uint64_t>(start - dib.FileBytes().data()) : 0;
    };
    return {.bytes = {ByteSpan(dib.GetFileHeaderBytes()), ByteSpan(dib.GetInfoHeaderBytes()),
                      Region(dib.GetPalette(), dib.PaletteBytes()), Region(dib.GetData(), dib.DataBytes())},
            .fileOffset = {0, kFileHeaderBytes, offsetOf(dib.GetPalette()), offsetOf(dib.GetData())}};
}

DumpPaneView DescribeDumpPane(const CDib& dib, int lineHeight, std::uint64_t dataWindow)
{
    return DescribeDumpPane(BaseDumpSource(dib), lineHeight, dataWindow);
}

DumpPaneView DescribeDumpPane(const DumpSource& source, int lineHeight, std::uint64_t dataWindow)
{
    DumpPaneView view;
    // name, text colour, placement (set below), bytes, notice when absent
    view.memos = {{
        {"mmoFileHeader", 0x0000FF, {}, source.bytes[kFileHeaderMemo], {}},
        {"mmoInfoHeader", 0x00FF00, {}, source.bytes[kInfoHeaderMemo], {}},
        {"mmoPalette", 0xFF0000, {}, source.bytes[kPaletteMemo], kNoPaletteText},
        {"mmoData", 0x000000, {}, source.bytes[kDataMemo], kNoDataText},
    }};
    std::array<std::uint64_t, kMemoCount> lines{};
    for (std::size_t memo = 0; memo < kMemoCount; ++memo)
        lines[memo] = MemoLines(view.memos[memo]);
    const PaneLayout layout = LayoutPane(lines, lineHeight);
    for (std::size_t memo = 0; memo < kMemoCount; ++memo)
        view.memos[memo].placement = layout.memos[memo];
    view.prompt = layout.cut;
    view.numbersHeight = layout.numbersHeight;
    view.numberCount = layout.numberCount;
    view.numbersShown = layout.numbersShown;
    MemoView& data = view.memos[kDataMemo];
    // Only a cut memo with room for some lines has lines further down to show instead; the
    // last window ends on the data's last line with a number beside it.
    if (layout.cut && data.bytes && data.placement.linesShown > 0)
        data.firstLine = std::min(dataWindow, lines[kDataMemo] - std::min(lines[kDataMemo], NumberedDataLines(view)));
    return view;
}

std::string MemoText(const MemoView& memo)
{
    return memo.bytes ? RegionText(*memo.bytes) : memo.absentText.English();
}

std::string MemoShownText(const MemoView& memo)
{
    return memo.bytes ? RegionLinesText(*memo.bytes, memo.firstLine, memo.placement.linesShown)
                      : memo.absentText.English();
}

std::uint64_t DataWindowFor(const DumpPaneView& pane, std::uint64_t byte)
{
    const MemoView& data = pane.memos[kDataMemo];
    if (!pane.prompt || !data.bytes)
        return 0;
    return WindowStart(byte / kBytesPerLine, NumberedDataLines(pane), MemoLines(data));
}

std::uint64_t DataFirstDumpLine(const DumpPaneView& pane)
{
    std::uint64_t line = 0;
    for (std::size_t memo = 0; memo < kDataMemo; ++memo)
        line += MemoLines(pane.memos[memo]);
    return line + pane.memos[kDataMemo].firstLine;
}

std::string PaneNumbersText(const DumpPaneView& pane)
{
    const std::uint64_t window = pane.memos[kDataMemo].firstLine;
    if (window == 0)
        return LineNumbersText(0, pane.numbersShown);
    // A window means the memos above the data stand whole: their lines come first, unmoved.
    const std::uint64_t above = DataFirstDumpLine(pane) - window;
    return LineNumbersText(0, above) + LineNumbersText(above + window, pane.numbersShown - above);
}

std::string LineNumbersText(std::uint64_t first, std::uint64_t count)
{
    std::string text;
    text.reserve(static_cast<std::size_t>(count) * 6);
    char digits[24];
    for (std::uint64_t number = first; number < first + count; ++number) {
        const auto [end, error] = std::to_chars(digits, digits + sizeof digits, number);
        text.append(digits, end);
        text.append(kMemoLineEnd);
    }
    return text;
}

}  // namespace hexlume
