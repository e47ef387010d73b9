#include "format/BitmapFormat.h"
#include "testsupport/BmpBuilder.h"

#include <gtest/gtest.h>

namespace hexlume::format {
namespace {

using testing::BitmapFields;
using testing::BuildBitmap;

BitmapFormat Read(const std::vector<std::uint8_t>& bytes)
{
    return ReadBitmapFormat(Bytes(bytes));
}

TEST(BitmapFormat, ReadsAnInfoHeaderWithMasksAfterIt)
{
    std::vector<std::uint8_t> masks = {0x00, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0};
    masks.resize(12 + 4 * 2);  // the masks, then two 16-bit pixels with padding
    const auto bytes = BuildBitmap({.width = 2, .height = -1, .bitCount = 16, .compression = kBiBitfields,
                                    .palette = masks});
    const BitmapFormat format = Read(bytes);
    EXPECT_EQ(format.version, HeaderVersion::Info);
    EXPECT_EQ(format.encoding, PixelEncoding::BitFields);
    EXPECT_EQ(format.maskSource, MaskSource::AfterHeader);
    EXPECT_EQ(format.maskBytes.offset, 54u);
    EXPECT_EQ(format.masks.red, 0xF800u);
    EXPECT_EQ(format.masks.green, 0x07E0u);
    EXPECT_EQ(format.masks.blue, 0x001Fu);
    EXPECT_TRUE(format.topDown);
    EXPECT_EQ(format.rows, 1u);
    EXPECT_EQ(format.stride, 4u);
    EXPECT_EQ(format.colorTable.claimed, 0u);
    EXPECT_EQ(format.colorTable.offset, 66u);
}

TEST(BitmapFormat, CoreHeaderTakesItsTableLengthFromTheOffset)
{
    // 12-byte header, 8 bits, three 3-byte entries before bfOffBits.
    std::vector<std::uint8_t> bytes = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 35, 0, 0, 0,
                                       12, 0, 0, 0, 2, 0, 1, 0, 1, 0, 8, 0};
    bytes.resize(35 + 4, 0x01);
    const BitmapFormat format = Read(bytes);
    EXPECT_EQ(format.version, HeaderVersion::Core);
    EXPECT_EQ(format.width, 2);
    EXPECT_EQ(format.bitCount, 8u);
    EXPECT_EQ(format.colorEntrySize, 3u);
    EXPECT_EQ(format.colorCount, 3u);
    EXPECT_EQ(format.pixels.offset, 35u);
    EXPECT_TRUE(format.pixels.Complete());
}

TEST(BitmapFormat, ClaimsPastTheEndAreBoundedAndNothingOverflows)
{
    auto bytes = BuildBitmap({.offBits = 0xFFFFFFF0, .width = INT32_MIN, .height = INT32_MIN, .bitCount = 0xFFFF});
    const BitmapFormat format = Read(bytes);
    EXPECT_EQ(format.pixels.present, 0u);
    EXPECT_EQ(format.columns, 0x80000000u);
    EXPECT_EQ(format.rowBytes, UINT64_MAX);
    bytes.resize(20);
    const BitmapFormat cut = Read(bytes);
    EXPECT_FALSE(cut.HeaderReadable());
    EXPECT_EQ(cut.header.present, 6u);
    EXPECT_EQ(cut.width, 0);
}

}  // namespace
}  // namespace hexlume::format
