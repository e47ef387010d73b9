#include "pane/PaneLayout.h"
#include "texts/DumpPane.h"
#include "texts/FindingsTexts.h"
#include "texts/InspectionTexts.h"
#include "texts/RegionText.h"
#include "testsupport/BmpBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace hexlume {
namespace {

struct LayoutCase {
    const char* name;
    std::uint64_t paletteLines;  // 1 for the notice of an absent region
    std::uint64_t dataLines;
    int lineHeight;
    std::array<std::int64_t, 4> heights;
    bool cut;
    std::uint64_t paletteLinesShown;
    std::uint64_t dataLinesShown;
    std::int64_t numbersHeight;
    std::uint64_t numberCount;
};

void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.name; }

class PaneLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(PaneLayoutTest, HeightsTopsAndNumbers)
{
    const LayoutCase& c = GetParam();
    const PaneLayout layout = LayoutPane({1, 3, c.paletteLines, c.dataLines}, c.lineHeight);
    std::int64_t top = 0;
    for (std::size_t memo = 0; memo < kMemoCount; ++memo) {
        EXPECT_EQ(layout.memos[memo].height, c.heights[memo]) << "memo " << memo;
        EXPECT_EQ(layout.memos[memo].top, top) << "memo " << memo;
        top += layout.memos[memo].height;
    }
    EXPECT_EQ(layout.memos[kFileHeaderMemo].linesShown, 1u);
    EXPECT_EQ(layout.memos[kInfoHeaderMemo].linesShown, 3u);
    EXPECT_EQ(layout.memos[kPaletteMemo].linesShown, c.paletteLinesShown);
    EXPECT_EQ(layout.memos[kDataMemo].linesShown, c.dataLinesShown);
    EXPECT_EQ(layout.cut, c.cut);
    EXPECT_EQ(layout.numbersHeight, c.numbersHeight);
    EXPECT_EQ(layout.numberCount, c.numberCount);
    // The pane holds no number beyond the stack's limit.
    EXPECT_LE(layout.numbersShown, c.numberCount);
    EXPECT_LT((static_cast<std::int64_t>(layout.numbersShown) - 1) * c.lineHeight, kMaxStackHeight);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PaneLayoutTest,
    ::testing::Values(
        LayoutCase{"OneLineEach", 1, 1, 16, {16, 48, 16, 16}, false, 1, 1, 96, 6},
        LayoutCase{"TallDataCut", 64, 2500, 16, {16, 48, 1024, 31679}, true, 64, 1980, 32767, 2047},
        // A one-pixel line lets the stack land exactly on the limit.
        LayoutCase{"ExactlyAtLimit", 1, 32762, 1, {1, 3, 1, 32762}, false, 1, 32762, 32767, 32767},
        LayoutCase{"OneLineOver", 1, 32763, 1, {1, 3, 1, 32762}, true, 1, 32762, 32767, 32767},
        LayoutCase{"CutMidLine", 1, 3300, 10, {10, 30, 10, 32717}, true, 1, 3272, 32767, 3276},
        LayoutCase{"PaletteAloneTooTall", 32768, 7, 16, {16, 48, 524288, 0}, true, 2044, 0, 524352, 32772}),
    [](const auto& info) { return std::string(info.param.name); });

class DumpPaneTest : public ::testing::Test {
protected:
    DumpPaneView Describe(const testing::BitmapFields& bitmap, std::uint64_t dataWindow = 0)
    {
        EXPECT_TRUE(dib.LoadFile(dir.Write("p.bmp", testing::BuildBitmap(bitmap)))) << dib.LastError();
        return DescribeDumpPane(dib, 16, dataWindow);
    }

    testing::TempDir dir;
    CDib dib;
};

TEST_F(DumpPaneTest, TwoByTwoRgb24)
{
    const DumpPaneView view = Describe({.width = 2, .height = 2, .sizeImage = 16, .xPelsPerMeter = 2834,
                                        .yPelsPerMeter = 2834,
                                        .pixels = {0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0}});
    const std::array<std::string, 4> texts{
        "42  4D  46  00  00  00  00  00  00  00  36  00  00  00  ",
        "28  00  00  00  02  00  00  00  02  00  00  00  01  00  18  00\r\n"
        "00  00  00  00  10  00  00  00  12  0B  00  00  12  0B  00  00\r\n"
        "00  00  00  00  00  00  00  00  ",
        "Bitmap File dosn't has palette!",
        "FF  00  00  00  FF  00  00  00  00  00  FF  FF  FF  FF  00  00\r\n"};
    const std::array<std::int64_t, 4> tops{0, 16, 64, 80}, heights{16, 48, 16, 16};
    for (std::size_t memo = 0; memo < kMemoCount; ++memo) {
        EXPECT_EQ(MemoText(view.memos[memo]), texts[memo]) << "memo " << memo;
        EXPECT_EQ(MemoShownText(view.memos[memo]), texts[memo]) << "memo " << memo;
        EXPECT_EQ(view.memos[memo].placement.top, tops[memo]) << "memo " << memo;
        EXPECT_EQ(view.memos[memo].placement.height, heights[memo]) << "memo " << memo;
    }
    EXPECT_FALSE(view.memos[kPaletteMemo].bytes.has_value());
    EXPECT_FALSE(view.prompt);
    EXPECT_EQ(view.numbersHeight, 96);
    EXPECT_EQ(LineNumbersText(0, view.numberCount), "0\r\n1\r\n2\r\n3\r\n4\r\n5\r\n");
}

TEST_F(DumpPaneTest, TallDataIsCutAndPrompts)
{
    const auto pixels = testing::CountingBytes(40000, 7);
    const DumpPaneView view = Describe({.width = 200, .height = 200, .bitCount = 8,
                                        .palette = testing::CountingBytes(1024), .pixels = pixels});
    EXPECT_TRUE(view.prompt);
    EXPECT_EQ(view.memos[kDataMemo].placement.height, 31679);
    EXPECT_EQ(view.numbersHeight, 32767);
    EXPECT_EQ(view.numberCount, 2047u);
    const std::string shown = MemoShownText(view.memos[kDataMemo]);
    EXPECT_EQ(shown.size(), 1980u * 64);
    EXPECT_TRUE(shown == RegionLinesText(pixels, 0, 1980));
    EXPECT_EQ(MemoText(view.memos[kDataMemo]).size(), 2500u * 64);  // the whole text stays available
}

// 2500 data lines of which the cut memo holds 1980 (1979 beside a line number), under 68 lines
// of headers and palette.
TEST_F(DumpPaneTest, WindowOfCutDataKeepsTextNumbersAndMapInStep)
{
    const auto pixels = testing::CountingBytes(40000, 7);
    const DumpPaneView view = Describe({.width = 200, .height = 200, .bitCount = 8,
                                        .palette = testing::CountingBytes(1024), .pixels = pixels},
                                       1000);
    const std::uint64_t window = 2500 - 1979;  // asked for 1000: the last line numbered is the data's last
    EXPECT_EQ(view.memos[kDataMemo].firstLine, window);
    EXPECT_TRUE(MemoShownText(view.memos[kDataMemo]) == RegionLinesText(pixels, window, 1980));
    EXPECT_EQ(view.memos[kDataMemo].placement.height, 31679);  // the place stays; only the lines move
    EXPECT_EQ(DataFirstDumpLine(view), 68 + window);
    EXPECT_EQ(PaneNumbersText(view), LineNumbersText(0, 68) + LineNumbersText(68 + window, 2047 - 68));

    const DumpFileMap map = MapDumpToFile(dib, view);
    const std::uint64_t dataOffset = 54 + 1024;
    EXPECT_EQ(FileOffsetOf(map, kDataMemo, 0), dataOffset + window * 16);
    EXPECT_EQ(PlaceOfBytes(dataOffset + 39999, 1, map).line, 68 + 2499u);
    EXPECT_EQ(PlaceOfBytes(dataOffset + 16, 1, map).where, "past the cut");  // above the window
    EXPECT_TRUE(MarksOver(dataOffset, window * 16, Mark::None, map).empty());

    // The window that brings a byte into view holds it with a third of the memo above it.
    EXPECT_EQ(DataWindowFor(view, 800 * 16), 800 - 1979 / 3);
    EXPECT_EQ(DataWindowFor(view, 100 * 16), 0u);
    EXPECT_EQ(DataWindowFor(view, 39999), window);
    // A whole stack never moves.
    EXPECT_EQ(Describe({.width = 2, .height = 2, .bitCount = 8, .pixels = testing::CountingBytes(8)}, 5)
                  .memos[kDataMemo].firstLine,
              0u);
}

TEST_F(DumpPaneTest, AbsentDataShowsNotice)
{
    const DumpPaneView view = Describe({.width = 2, .height = 2, .bitCount = 8,
                                        .palette = testing::CountingBytes(1024)});
    EXPECT_FALSE(view.memos[kDataMemo].bytes.has_value());
    EXPECT_EQ(MemoText(view.memos[kDataMemo]), "Bitmap File dosn't has data!");
    EXPECT_EQ(view.memos[kDataMemo].placement.height, 16);
    EXPECT_EQ(view.memos[kPaletteMemo].placement.height, 1024);
    EXPECT_EQ(MemoText(view.memos[kPaletteMemo]), RegionText(testing::CountingBytes(1024)));
}

TEST(LineNumbers, CountsFromFirst)
{
    EXPECT_EQ(LineNumbersText(0, 0), "");
    EXPECT_EQ(LineNumbersText(9, 3), "9\r\n10\r\n11\r\n");
}

}  // namespace
}  // namespace hexlume
