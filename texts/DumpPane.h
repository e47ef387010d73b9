#pragma once

#include "model/Dib.h"
#include "pane/PaneLayout.h"
#include "primitives/Message.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hexlume {

// Colours are 0x00BBGGRR.
inline constexpr std::uint32_t kDumpBackgroundColor = 0xFFFFFF;

// Captions the memos show before the first load, and the notices for absent regions.
inline const std::array<Message, kMemoCount> kMemoCaptions{
    Message(HX_TR("Dump", "Bitmap File Header")), Message(HX_TR("Dump", "Bitmap Info Header")),
    Message(HX_TR("Dump", "Bitmap palette")), Message(HX_TR("Dump", "Bitmap data"))};
inline const Message kNoPaletteText = HX_TR("Dump", "Bitmap File dosn't has palette!");
inline const Message kNoDataText = HX_TR("Dump", "Bitmap File dosn't has data!");

// The column ruler above the dump: labels 0 … F at character columns 1, 5, …, 61.
inline constexpr std::string_view kColumnRuler =
    " 0   1   2   3   4   5   6   7   8   9   A   B   C   D   E   F(l=m-n+1)";

// Two sentences with CR LF between them, each its own template (a CR inside one would not survive
// the translation files).
inline const Message kTallStackPromptText =
    Message::Joined({Message(HX_TR("Dump", "图像数据Data段太长，程序不能完整显示。")), Message::Verbatim("\r\n"),
                     Message(HX_TR("Dump", "是否使用文件完整导出？"))});
inline const Message kTallStackPromptCaption = HX_TR("Dump", "提示");
// What the window says after the export the prompt offers.
inline const Message kExportFailedMessage = HX_TR("Dump", "文件导出失败！");
// %1: the export file's name, when the text editor cannot be started.
inline const Message kExportedToFile = HX_TR("Dump", "文件导出到文件:%1");

struct MemoView {
    std::string_view name;       // the memo's object name
    std::uint32_t textColor = 0;
    MemoPlacement placement;
    std::optional<ByteSpan> bytes;  // nullopt: the region is absent and absentText is shown
    Message absentText;
    // The first line of the region's text the memo holds: past 0 only for a cut pixel-data memo
    // showing a window of the data further down.
    std::uint64_t firstLine = 0;
};

struct DumpPaneView {
    std::array<MemoView, kMemoCount> memos;
    bool prompt = false;  // the stack was cut: ask about exporting the pixel data
    std::int64_t numbersHeight = 0;
    std::uint64_t numberCount = 0;
    std::uint64_t numbersShown = 0;
};

// The bytes each memo dumps (nullopt: its region is absent) and the file offset of the first.
struct DumpSource {
    std::array<std::optional<ByteSpan>, kMemoCount> bytes;
    std::array<std::uint64_t, kMemoCount> fileOffset{};
};

// The base dump of a loaded model: the copies of its 14-byte file header and 40-byte info header
// (two fields filled in), then its palette and pixel-data regions.
DumpSource BaseDumpSource(const CDib& dib);

// What the dump pane shows of those bytes, with memos lineHeight pixels to a line. A cut
// pixel-data memo holds its lines from dataWindow on (as far as its region's end allows; nothing
// moves when the stack is whole).
DumpPaneView DescribeDumpPane(const DumpSource& source, int lineHeight, std::uint64_t dataWindow = 0);
DumpPaneView DescribeDumpPane(const CDib& dib, int lineHeight, std::uint64_t dataWindow = 0);

// The line of the pixel-data region's text at which the pane's data memo starts a window that
// brings the region's byte `byte` into view.
std::uint64_t DataWindowFor(const DumpPaneView& pane, std::uint64_t byte);
// The dump line (as the line numbers count) on which the data memo's first held line stands in
// the whole, uncut dump.
std::uint64_t DataFirstDumpLine(const DumpPaneView& pane);

// The memo's whole text, and the part of it the memo holds on screen (linesShown lines from its
// firstLine).
std::string MemoText(const MemoView& memo);
std::string MemoShownText(const MemoView& memo);

// "first\r\n" … "(first + count − 1)\r\n": the line-number column.
std::string LineNumbersText(std::uint64_t first, std::uint64_t count);
// The pane's line-number column: the lines the memos hold, by their place in the whole dump
// (those of a window of the pixel data continue from its first line).
std::string PaneNumbersText(const DumpPaneView& pane);

}  // namespace hexlume
