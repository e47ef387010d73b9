#include "texts/HeaderTexts.h"
#include "texts/HexText.h"
#include "format/NumberText.h"
#include "model/Dib.h"
#include "testsupport/BmpBuilder.h"

#include <gtest/gtest.h>

namespace hexlume {
namespace {

using Strings5 = std::array<std::string, 5>;
using Strings11 = std::array<std::string, 11>;

TEST(HeaderTexts, HundredByHundredRgb24)
{
    EXPECT_EQ(FileHeaderValueTexts({.bfType = 0x4D42, .bfSize = 30054, .bfOffBits = 54}),
              (Strings5{"0x4d42\"BM\"", "7566", "00", "00", "0036"}));
    EXPECT_EQ(InfoHeaderValueTexts({.biSize = 40, .biWidth = 100, .biHeight = 100, .biPlanes = 1,
                                    .biBitCount = 24, .biSizeImage = 30000, .biXPelsPerMeter = 2835,
                                    .biYPelsPerMeter = 2835}),
              (Strings11{"0028", "0064", "0064", "01", "18", "0000", "7530", "0B13", "0B13", "0000", "0000"}));
}

TEST(HeaderTexts, OtherTypeIsPlainHexAndWordsPadToTwoDigits)
{
    EXPECT_EQ(FileHeaderValueTexts({.bfType = 0x4142, .bfSize = 0xFFFFFFFF, .bfReserved1 = 5,
                                    .bfReserved2 = 0xFFFF, .bfOffBits = 0x12345}),
              (Strings5{"4142", "FFFFFFFF", "05", "FFFF", "12345"}));
    EXPECT_EQ(FileHeaderValueTexts({.bfType = 0})[0], "00");
    EXPECT_EQ(FileHeaderValueTexts({.bfType = 0x424D})[0], "424D");  // "MB": bytes the wrong way round
}

TEST(HeaderTexts, SignedFieldsShownBitForBit)
{
    const auto texts = InfoHeaderValueTexts({.biWidth = -1, .biHeight = -100, .biPlanes = 0xFFFF,
                                             .biXPelsPerMeter = std::numeric_limits<std::int32_t>::min(),
                                             .biYPelsPerMeter = -2835, .biClrImportant = 0x12345});
    EXPECT_EQ(texts[1], "FFFFFFFF");
    EXPECT_EQ(texts[2], "FFFFFF9C");
    EXPECT_EQ(texts[3], "FFFF");
    EXPECT_EQ(texts[7], "80000000");
    EXPECT_EQ(texts[8], "FFFFF4ED");
    EXPECT_EQ(texts[10], "12345");
}

TEST(HeaderTexts, HexDigitsPaddedNeverCut)
{
    const struct {
        std::uint32_t value;
        int digits;
        const char* text;
    } table[] = {{0, 2, "00"},         {5, 2, "05"},          {0xFF, 2, "FF"},      {0xFFFF, 2, "FFFF"},
                 {0x12345, 2, "12345"}, {0, 4, "0000"},        {0xABC, 4, "0ABC"},   {0xABCDEF, 4, "ABCDEF"},
                 {0xFFFFFFFF, 4, "FFFFFFFF"}, {0x10, 1, "10"}, {0x7, 8, "00000007"}};
    for (const auto& row : table)
        EXPECT_EQ(format::HexDigits(row.value, row.digits), row.text) << row.value << " / " << row.digits;
    EXPECT_EQ(ByteToHex(0x00), "00");
    EXPECT_EQ(ByteToHex(0x9F), "9F");
    EXPECT_EQ(ByteToHex(0xFF), "FF");
    EXPECT_EQ(NibbleToHexDigit(9), '9');
    EXPECT_EQ(NibbleToHexDigit(10), 'A');
    EXPECT_EQ(NibbleToHexDigit(15), 'F');
}

TEST(HeaderTexts, LoadedPal8ShowsFilledInColourCount)
{
    testing::TempDir dir;
    CDib dib;
    ASSERT_TRUE(dib.LoadFile(dir.Write("p.bmp", testing::BuildBitmap({.width = 4, .height = 1, .bitCount = 8,
                                                                        .palette = testing::CountingBytes(1024),
                                                                        .pixels = testing::CountingBytes(4)}))));
    const auto texts = InfoHeaderValueTexts(dib.GetInfoHeader());
    EXPECT_EQ(texts[9], "0100");
    EXPECT_EQ(texts[6], "0004");  // biSizeImage filled in as well
}

}  // namespace
}  // namespace hexlume
