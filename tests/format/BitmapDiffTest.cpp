#include "format/BitmapDiff.h"
#include "testsupport/BmpBuilder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace hexlume::format {
namespace {

using testing::BitmapFields;
using testing::BmpSuiteDir;
using testing::BuildBitmap;
using testing::ReadFileBytes;
using File = std::vector<std::uint8_t>;

const std::vector<std::uint8_t> kBlueRed = {0xFF, 0, 0, 0, 0, 0, 0xFF, 0};

File Rle8(std::int32_t width, std::int32_t height, std::vector<std::uint8_t> stream)
{
    return BuildBitmap({.width = width, .height = height, .bitCount = 8, .compression = kBiRle8,
                        .sizeImage = static_cast<std::uint32_t>(stream.size()), .clrUsed = 2, .palette = kBlueRed,
                        .pixels = std::move(stream)});
}

// Every row the row decoder gives, asked for from the top and then from the bottom (an RLE
// stream walked again), is the full-size drawing's.
void ExpectRowsAsDrawn(const File& bytes, const std::string& name)
{
    const BitmapFormat format = ReadBitmapFormat(Bytes(bytes));
    if (!UncomparableReason(format).empty() || format.columns * format.rows > 1'000'000)
        return;
    const DecodeResult drawn = DecodePicture(Bytes(bytes), format, static_cast<std::uint32_t>(format.columns),
                                             static_cast<std::uint32_t>(format.rows));
    ASSERT_EQ(drawn.outcome, DecodeOutcome::Drawn) << name;
    RowDecoder decoder(Bytes(bytes), format);
    std::vector<Argb> row(format.columns);
    for (const bool fromTop : {true, false})
        for (std::uint64_t walked = 0; walked < format.rows; ++walked) {
            const std::uint64_t y = fromTop ? walked : format.rows - 1 - walked;
            decoder.Row(y, row);
            const auto first = drawn.picture.pixels.begin() + static_cast<std::ptrdiff_t>(y * format.columns);
            ASSERT_TRUE(std::equal(row.begin(), row.end(), first)) << name << " row " << y;
        }
}

TEST(RowDecoder, RowsAreTheFullSizeDrawingsInEitherOrder)
{
    // RLE: a run past the row, a delta, an early end of bitmap; a stream cut inside a literal;
    // a top-down stream. Uncompressed: data cut mid-row; alpha 0 everywhere (drawn opaque) and
    // alpha in one pixel.
    ExpectRowsAsDrawn(Rle8(3, 3, {9, 1, 0, 0, 0, 3, 0, 1, 0, 0, 0, 0, 0, 2, 1, 0, 1, 0, 0, 1}), "rle");
    ExpectRowsAsDrawn(Rle8(4, 3, {4, 1, 0, 0, 0, 4, 1, 0}), "cut rle");
    ExpectRowsAsDrawn(Rle8(2, -2, {2, 1, 0, 0, 1, 0, 0, 1}), "top-down rle");
    ExpectRowsAsDrawn(BuildBitmap({.width = 3, .height = 3, .pixels = testing::CountingBytes(20)}), "cut rows");
    std::vector<std::uint8_t> masks = {0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0, 0, 0, 0, 0xFF};
    BitmapFields alpha{.width = 2, .height = 2, .bitCount = 32, .compression = 6, .palette = masks,
                       .pixels = testing::CountingBytes(16)};
    for (const std::uint8_t pixelAlpha : {0, 7}) {
        for (std::size_t at = 3; at < alpha.pixels.size(); at += 4)
            alpha.pixels[at] = 0;
        alpha.pixels[7] = pixelAlpha;
        ExpectRowsAsDrawn(BuildBitmap(alpha), "alpha " + std::to_string(pixelAlpha));
    }
    // Huffman 1D, 8 x 2 under a 64-byte OS/2 header: a bad code in stored row 0, then a white
    // run of 3 and the end of the file in stored row 1.
    std::vector<std::uint8_t> os2 = std::vector<std::uint8_t>(24, 0);
    os2.insert(os2.end(), kBlueRed.begin(), kBlueRed.end());
    ExpectRowsAsDrawn(BuildBitmap({.infoSize = 64, .width = 8, .height = 2, .bitCount = 1, .compression = 3,
                                   .palette = os2, .pixels = {0x00, 0x10, 0x0C, 0x00, 0x60}}),
                      "cut huffman");
    const std::filesystem::path suite = BmpSuiteDir();
    if (suite.empty())
        return;
    for (const char* folder : {"g", "q", "x"})
        for (const auto& entry : std::filesystem::directory_iterator(suite / folder))
            ExpectRowsAsDrawn(ReadFileBytes(entry.path()), entry.path().filename().string());
}

BitmapDiff Compare(const File& a, const File& b)
{
    return DiffBitmaps(Bytes(a), Inspect(Bytes(a)), Bytes(b), Inspect(Bytes(b)));
}

TEST(BitmapDiff, TableEntriesPaddingAndTrailingBytesAreTold)
{
    // 8-bit, 3x2, index 1 in one pixel; b's table has another red and a padding byte set, and
    // trailing bytes.
    const BitmapFields fields{.width = 3, .height = 2, .bitCount = 8, .clrUsed = 2, .palette = kBlueRed,
                              .pixels = {0, 1, 0, 0, 0, 0, 0, 0}};
    BitmapFields other = fields;
    other.palette[6] = 0x80;
    other.pixels[7] = 9;
    File b = BuildBitmap(other);
    b.insert(b.end(), {1, 2});

    const BitmapDiff diff = Compare(BuildBitmap(fields), b);
    EXPECT_EQ(diff.differingPixels, 1u);
    ASSERT_EQ(diff.pixels.size(), 1u);
    EXPECT_EQ(diff.pixels[0].x, 1u);
    EXPECT_EQ(diff.pixels[0].y, 1u);  // the first stored row is the bottom one
    EXPECT_EQ(diff.pixels[0].offsetA, 54u + 8 + 1);
    ASSERT_EQ(diff.differingEntries, 1u);
    EXPECT_EQ(diff.entries[0].index, 1u);
    EXPECT_EQ(diff.entries[0].b, 0xFF800000u);
    ASSERT_EQ(diff.hidden.size(), 2u);
    EXPECT_EQ(diff.hidden[0].part, hexlume::format::HiddenPart::RowPadding);
    EXPECT_EQ(diff.hidden[0].differing, 1u);
    EXPECT_EQ(diff.hidden[0].firstB, 54u + 8 + 7);
    EXPECT_EQ(diff.hidden[1].part, hexlume::format::HiddenPart::TrailingBytes);
    EXPECT_EQ(diff.hidden[1].sizeB, 2u);
    EXPECT_TRUE(diff.findingsOnlyA.empty());
    EXPECT_FALSE(diff.findingsOnlyB.empty());
}

TEST(BitmapDiff, SkippedRowsOfEqualBytesStillCountDifferencesFromTheAlphaRule)
{
    // Equal pixel bytes with alpha 0 but for one pixel of b: a is drawn opaque, b's other
    // three pixels transparent, in both rows.
    std::vector<std::uint8_t> masks = {0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0, 0, 0, 0, 0xFF};
    BitmapFields fields{.width = 2, .height = 2, .bitCount = 32, .compression = 6, .palette = masks,
                        .pixels = std::vector<std::uint8_t>(16, 0x40)};
    for (std::size_t at = 3; at < 16; at += 4)
        fields.pixels[at] = 0;
    BitmapFields other = fields;
    other.pixels[3] = 0xFF;
    EXPECT_EQ(Compare(BuildBitmap(fields), BuildBitmap(other)).differingPixels, 3u);
}

}  // namespace
}  // namespace hexlume::format
