#include "model/ByteSearch.h"
#include "texts/DumpQuery.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace hexlume {
namespace {

BytePattern Hex(const char* text)
{
    const PatternAnswer answer = ParsePattern(text, PatternKind::HexBytes);
    EXPECT_EQ(answer.error, "") << text;
    return answer.pattern;
}

TEST(ByteSearch, FindsWithWildcardsBothWaysAndGoesRound)
{
    //                                  0     1     2     3     4     5     6     7     8     9
    const std::vector<std::uint8_t> bytes{0x42, 0x4D, 0x01, 0x00, 0x42, 0x4D, 0x02, 0x00, 0x42, 0x4D};
    const BytePattern bm = Hex("42 4D ?? 00");
    EXPECT_EQ(FindForward(bytes, bm, 0)->offset, 0u);
    EXPECT_EQ(FindForward(bytes, bm, 1)->offset, 4u);
    const auto round = FindForward(bytes, bm, 5);  // 8 has no room for the whole pattern
    ASSERT_TRUE(round);
    EXPECT_EQ(round->offset, 0u);
    EXPECT_TRUE(round->wrapped);
    EXPECT_FALSE(FindForward(bytes, bm, 4)->wrapped);

    EXPECT_EQ(FindBackward(bytes, bm, 4)->offset, 0u);
    const auto back = FindBackward(bytes, bm, 0);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->offset, 4u);
    EXPECT_TRUE(back->wrapped);

    // A leading wildcard: the search keys on the first fixed byte, not the first byte.
    EXPECT_EQ(FindForward(bytes, Hex("?? 02"), 0)->offset, 5u);
    EXPECT_EQ(FindBackward(bytes, Hex("?? 4D"), 10)->offset, 8u);
    EXPECT_EQ(FindForward(bytes, Hex("????"), 3)->offset, 3u);
    EXPECT_FALSE(FindForward(bytes, Hex("4D 03"), 0));
    EXPECT_FALSE(FindForward(bytes, Hex("42 4D 01 00 42 4D 02 00 42 4D 00"), 0));  // longer than the bytes
    EXPECT_FALSE(FindForward({}, bm, 0));
}

TEST(DumpQuery, PatternsAndWhatIsWrongWithThem)
{
    EXPECT_EQ(PatternText(Hex("424d??00")), "42 4D ?? 00");
    EXPECT_EQ(PatternText(Hex(" 42 4D ?? 00 ")), "42 4D ?? 00");
    const PatternAnswer text = ParsePattern("BM 6", PatternKind::Text);
    EXPECT_EQ(text.pattern.bytes, (std::vector<std::uint8_t>{'B', 'M', ' ', '6'}));
    EXPECT_EQ(text.error, "");

    EXPECT_EQ(ParsePattern("42 4G", PatternKind::HexBytes).error,
              "not hex bytes: 4G (two hex digits a byte, ?? for any byte)");
    EXPECT_EQ(ParsePattern("424", PatternKind::HexBytes).error,
              "not hex bytes: 424 (an odd number of digits; two make a byte)");
    EXPECT_EQ(ParsePattern("4?", PatternKind::HexBytes).error.English().substr(0, 16), "not hex bytes: 4");
    EXPECT_NE(ParsePattern("  ", PatternKind::HexBytes).error, "");
    EXPECT_NE(ParsePattern("", PatternKind::Text).error, "");
}

TEST(DumpQuery, OffsetsAbsoluteAndFromTheCaret)
{
    const auto offset = [](const char* text, std::uint64_t caret = 100) {
        const OffsetAnswer answer = ParseOffset(text, caret, 2000);
        return answer.offset ? std::to_string(*answer.offset) : answer.error.English();
    };
    EXPECT_EQ(offset("1086"), "1086");
    EXPECT_EQ(offset("1 086"), "1086");
    EXPECT_EQ(offset("0x43E"), "1086");
    EXPECT_EQ(offset("0X43e"), "1086");
    EXPECT_EQ(offset("+16"), "116");
    EXPECT_EQ(offset("-0x10"), "84");
    EXPECT_EQ(offset("0"), "0");
    EXPECT_EQ(offset("1999"), "1999");

    EXPECT_EQ(offset("2000"), "past the end of the file (2 000 bytes)");
    EXPECT_EQ(offset("+99999999999999999999"), "not an offset: +99999999999999999999");
    EXPECT_EQ(offset("+0xFFFFFFFFFFFFFFFF"), "past the end of the file (2 000 bytes)");
    EXPECT_EQ(offset("-101"), "before the start of the file");
    EXPECT_EQ(offset("12abc"), "not an offset: 12abc");
    EXPECT_EQ(offset("0x"), "not an offset: 0x");
    EXPECT_EQ(offset("--5"), "not an offset: --5");
    EXPECT_NE(offset(""), "");
}

}  // namespace
}  // namespace hexlume
