#include "texts/RegionText.h"
#include "testsupport/BmpBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <limits>

namespace hexlume {
namespace {

using testing::CountingBytes;

// The dump written out byte by byte, the plainest way there is.
std::string ReferenceDump(ByteSpan bytes, std::string_view lineEnd)
{
    std::string text;
    char group[8];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(group, sizeof group, "%02X", static_cast<unsigned>(bytes[i]));
        text += group;
        text += (i % 16 == 15) ? std::string(lineEnd) : std::string("  ");
    }
    return text;
}

// Offsets where each line of a dump starts, plus the text's end.
std::vector<std::size_t> LineStarts(const std::string& text, std::string_view lineEnd)
{
    std::vector<std::size_t> starts;
    for (std::size_t at = 0; at < text.size();) {
        starts.push_back(at);
        const std::size_t end = text.find(lineEnd, at);
        at = end == std::string::npos ? text.size() : end + lineEnd.size();
    }
    starts.push_back(text.size());
    return starts;
}

TEST(RegionText, LineShapes)
{
    EXPECT_EQ(RegionText({}), "");
    const auto b16 = CountingBytes(16, 0xF0);
    const std::string line16 = "F0  F1  F2  F3  F4  F5  F6  F7  F8  F9  FA  FB  FC  FD  FE  FF\r\n";
    EXPECT_EQ(RegionText(b16), line16);
    EXPECT_EQ(line16.size(), kFullLineChars + 2);
    const auto b17 = CountingBytes(17, 0xF0);
    EXPECT_EQ(RegionText(b17), line16 + "00  ");
    const auto b14 = CountingBytes(14, 0xA0);
    EXPECT_EQ(RegionText(b14), "A0  A1  A2  A3  A4  A5  A6  A7  A8  A9  AA  AB  AC  AD  ");
    EXPECT_EQ(RegionText(b17, kExportLineEnd),
              "F0  F1  F2  F3  F4  F5  F6  F7  F8  F9  FA  FB  FC  FD  FE  FF\r\r\n00  ");
}

TEST(RegionText, MatchesByteByByteDumpForEverySize)
{
    for (const std::string_view lineEnd : {kMemoLineEnd, kExportLineEnd}) {
        for (std::size_t n : {0, 1, 2, 15, 16, 17, 31, 32, 33, 47, 48, 255, 256, 1000, 4097}) {
            const auto bytes = CountingBytes(n, static_cast<std::uint8_t>(n));
            const std::string text = RegionText(bytes, lineEnd);
            EXPECT_EQ(text, ReferenceDump(bytes, lineEnd)) << n << " bytes";
            EXPECT_EQ(RegionTextSize(n, lineEnd), text.size()) << n << " bytes";
            EXPECT_EQ(LineCount(n), LineStarts(text, lineEnd).size() - 1) << n << " bytes";
        }
    }
}

TEST(RegionText, LineRangesAreSubstringsOfTheWholeText)
{
    constexpr std::uint64_t kAll = std::numeric_limits<std::uint64_t>::max();
    for (std::size_t n : {0, 5, 16, 17, 48, 50, 200}) {
        const auto bytes = CountingBytes(n, 3);
        const std::string whole = RegionText(bytes);
        const auto starts = LineStarts(whole, kMemoLineEnd);
        const std::uint64_t lines = starts.size() - 1;
        for (std::uint64_t first = 0; first <= lines + 2; ++first) {
            for (std::uint64_t count : std::vector<std::uint64_t>{0, 1, 2, 3, lines, lines + 5, kAll}) {
                const std::size_t from = starts[std::min(first, lines)];
                const std::size_t to = starts[count >= lines ? lines : std::min(first + count, lines)];
                EXPECT_EQ(RegionLinesText(bytes, first, count), whole.substr(from, to - from))
                    << n << " bytes, lines " << first << " +" << count;
            }
        }
    }
}

TEST(RegionText, StreamedPiecesMakeTheWholeText)
{
    // Just over two pieces' worth of lines, ending in an unfinished line.
    const auto bytes = CountingBytes(16384 * 16 * 2 + 21, 9);
    std::string joined;
    int pieces = 0;
    EXPECT_TRUE(StreamRegionText(bytes, kExportLineEnd, [&](std::string_view piece) {
        ++pieces;
        joined += piece;
        return true;
    }));
    EXPECT_EQ(pieces, 3);
    EXPECT_TRUE(joined == RegionText(bytes, kExportLineEnd));

    int empty = 0;
    EXPECT_TRUE(StreamRegionText({}, kMemoLineEnd, [&](std::string_view) { return ++empty, true; }));
    EXPECT_EQ(empty, 0);
}

TEST(RegionText, StreamStopsWhenTheSinkRefuses)
{
    const auto bytes = CountingBytes(16384 * 16 * 3);
    int calls = 0;
    EXPECT_FALSE(StreamRegionText(bytes, kMemoLineEnd, [&](std::string_view) { return ++calls < 2; }));
    EXPECT_EQ(calls, 2);
}

}  // namespace
}  // namespace hexlume
