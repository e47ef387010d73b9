#include "format/Decoder.h"
#include "testsupport/BmpBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace hexlume::format {
namespace {

using testing::BuildBitmap;
using testing::CountingBytes;
using testing::BmpSuiteDir;
using testing::ReadFileBytes;
using Pixels = std::vector<Argb>;

constexpr Argb kBlue = 0xFF0000FF;
constexpr Argb kRed = 0xFFFF0000;
constexpr Argb kGap = kMissingLight;  // the checker's cell at the top left of a small picture
constexpr Argb kSkip = kSkippedColor;
// Two 4-byte colour-table entries: blue, then red.
const std::vector<std::uint8_t> kBlueRed = {0xFF, 0, 0, 0, 0, 0, 0xFF, 0};

DecodeResult Draw(const std::vector<std::uint8_t>& bytes, std::uint32_t width = 0, std::uint32_t height = 0)
{
    const BitmapFormat format = ReadBitmapFormat(Bytes(bytes));
    return DecodePicture(Bytes(bytes), format, width != 0 ? width : static_cast<std::uint32_t>(format.columns),
                         height != 0 ? height : static_cast<std::uint32_t>(format.rows));
}

Pixels Drawn(const std::vector<std::uint8_t>& bytes, std::uint32_t width = 0, std::uint32_t height = 0)
{
    return Draw(bytes, width, height).picture.pixels;
}

std::vector<std::uint8_t> Rle8(std::int32_t width, std::int32_t height, std::vector<std::uint8_t> stream)
{
    return BuildBitmap({.width = width, .height = height, .bitCount = 8, .compression = kBiRle8,
                        .sizeImage = static_cast<std::uint32_t>(stream.size()), .clrUsed = 2, .palette = kBlueRed,
                        .pixels = std::move(stream)});
}

TEST(Decoder, IndexedRowsFollowTheHeightsSignAndBadIndicesDrawTheMarker)
{
    const std::vector<std::uint8_t> indices = {1, 7, 0, 0, 0, 1, 0, 0};  // two rows of two 8-bit indices
    const auto bitmap = [&](std::int32_t height) {
        return BuildBitmap({.width = 2, .height = height, .bitCount = 8, .clrUsed = 2, .palette = kBlueRed,
                            .pixels = indices});
    };
    EXPECT_EQ(Drawn(bitmap(2)), (Pixels{kBlue, kRed, kRed, kBadIndexColor}));
    EXPECT_EQ(Drawn(bitmap(-2)), (Pixels{kRed, kBadIndexColor, kBlue, kRed}));
}

TEST(Decoder, SamplesTheCentreOfEachTargetPixel)
{
    const std::vector<std::uint8_t> greys = {0, 0, 0, 0, 1, 1, 1, 0, 2, 2, 2, 0, 3, 3, 3, 0};
    const auto ramp = BuildBitmap({.width = 4, .height = 1, .bitCount = 8, .clrUsed = 4, .palette = greys,
                                   .pixels = {0, 1, 2, 3}});
    EXPECT_EQ(Drawn(ramp, 2, 2), (Pixels{0xFF010101, 0xFF030303, 0xFF010101, 0xFF030303}));
}

TEST(Decoder, TruncatedDataDrawsWhatIsThereAndACheckerForTheRest)
{
    // 2 x 3 at 24 bits, bottom-up: the bottom row and half of the next are present.
    const auto cut = BuildBitmap({.width = 2, .height = 3, .pixels = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9}});
    EXPECT_EQ(Drawn(cut), (Pixels{kGap, kGap, 0xFF090807, kGap, 0xFF030201, 0xFF060504}));
    // An RLE stream that stops inside an absolute run, top-down.
    EXPECT_EQ(Drawn(Rle8(2, -2, {1, 1, 0, 4, 0})), (Pixels{kRed, kBlue, kGap, kGap}));
}

TEST(Decoder, PackedChannelsScaleExactlyAndAlphaComesOnlyFromAMask)
{
    // 16 bits, masks 2-3-1 plus a 2-bit alpha: 0x73 is alpha 1, red 3, green 1, blue 1.
    const std::vector<std::uint8_t> masks = {0x30, 0, 0, 0, 0x0E, 0, 0, 0, 0x01, 0, 0, 0, 0xC0, 0, 0, 0};
    const auto packed = [&](std::uint8_t pixel) {
        return BuildBitmap({.width = 1, .height = 1, .bitCount = 16, .compression = kBiAlphaBitfields,
                            .palette = masks, .pixels = {pixel, 0, 0, 0}});
    };
    EXPECT_EQ(Drawn(packed(0x73)), Pixels{0x55FF24FF});
    EXPECT_EQ(Drawn(packed(0x33)), Pixels{0xFFFF24FF});  // alpha 0 everywhere: opaque
    // Default 32 bits: the spare byte is not alpha.
    EXPECT_EQ(Drawn(BuildBitmap({.width = 1, .height = 1, .bitCount = 32, .pixels = {1, 2, 3, 0x80}})),
              Pixels{0xFF030201});
    // 64 bits: blue 1.0, green 0.5 linear (sRGB 188), red below 0, alpha above 1.0.
    EXPECT_EQ(Drawn(BuildBitmap({.width = 1, .height = 1, .bitCount = 64,
                                 .pixels = {0x00, 0x20, 0x00, 0x10, 0x00, 0xF0, 0xFF, 0x7F}})),
              Pixels{0xFF00BCFF});
}

TEST(Decoder, RleRunsAreClippedAtTheRowAndSkippedPixelsAreTransparent)
{
    // Bottom row: a run of 9 red in a 3-wide row, end of line. Middle: absolute blue, red, blue,
    // end of line. Top: delta one right, one blue, end of bitmap.
    const auto rle = Rle8(3, 3, {9, 1, 0, 0, 0, 3, 0, 1, 0, 0, 0, 0, 0, 2, 1, 0, 1, 0, 0, 1});
    EXPECT_EQ(Drawn(rle), (Pixels{kSkip, kBlue, kSkip, kBlue, kRed, kBlue, kRed, kRed, kRed}));
}

TEST(Decoder, AbsurdSizesWithFewBytesDrawQuicklyAtTheTargetSize)
{
    for (const std::uint8_t compression : {kBiRgb, kBiRle8}) {
        auto bytes = Rle8(INT32_MAX, INT32_MIN + 1, {255, 1, 255, 0});
        bytes[30] = compression;
        const Pixels pixels = Drawn(bytes, 200, 116);
        EXPECT_EQ(pixels.size(), 200u * 116);
        EXPECT_TRUE(std::all_of(pixels.begin(), pixels.end(),
                                [](Argb pixel) { return pixel == kMissingLight || pixel == kMissingDark; }));
    }
}

TEST(Decoder, ARegionDrawsExactlyThosePixelsOfTheWholePicture)
{
    // 4 × 3, bottom-up, index = 4 × stored row + column; and an RLE stream of the same rows.
    std::vector<std::uint8_t> palette(16 * 4);
    for (std::size_t entry = 0; entry < 16; ++entry)
        palette[entry * 4] = static_cast<std::uint8_t>(entry * 16);
    const std::vector<std::uint8_t> rows = CountingBytes(12);
    const std::vector<std::uint8_t> stream = {0, 4, 0, 1, 2,  3,  0, 0, 0, 4, 4, 5, 6, 7,
                                              0, 0, 0, 4, 8, 9, 10, 11, 0, 0, 0, 1};
    const auto plain = BuildBitmap({.width = 4, .height = 3, .bitCount = 8, .clrUsed = 16, .palette = palette, .pixels = rows});
    const auto rle = BuildBitmap({.width = 4, .height = 3, .bitCount = 8, .compression = kBiRle8, .clrUsed = 16,
                                  .palette = palette, .pixels = stream});
    for (const auto& bytes : {plain, rle}) {
        const BitmapFormat format = ReadBitmapFormat(Bytes(bytes));
        const Pixels whole = Drawn(bytes);
        // Columns 1–2 of rows 1–2 (from the top), each pixel drawn 3 × 2.
        const Pixels part = DecodePictureRegion(Bytes(bytes), format, {.x = 1, .y = 1, .width = 2, .height = 2}, 6, 4,
                                                std::nullopt).picture.pixels;
        ASSERT_EQ(part.size(), 24u);
        for (std::size_t y = 0; y < 4; ++y)
            for (std::size_t x = 0; x < 6; ++x)
                EXPECT_EQ(part[y * 6 + x], whole[(1 + y / 2) * 4 + 1 + x / 3]) << x << ", " << y;
    }

    // A region of pixels whose alpha is 0 is transparent when the picture uses alpha elsewhere.
    const auto alpha = BuildBitmap({.width = 2, .height = 1, .bitCount = 32, .compression = kBiAlphaBitfields,
                                    .palette = {0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0, 0, 0, 0, 0xFF},
                                    .pixels = {1, 2, 3, 0, 1, 2, 3, 9}});
    const BitmapFormat format = ReadBitmapFormat(Bytes(alpha));
    ASSERT_TRUE(AlphaUsed(Bytes(alpha), format));
    const auto first = [&](std::optional<bool> used) {
        return DecodePictureRegion(Bytes(alpha), format, {.x = 0, .y = 0, .width = 1, .height = 1}, 1, 1, used)
                   .picture.pixels.at(0) >> 24;
    };
    EXPECT_EQ(first(true), 0u);
    EXPECT_EQ(first(std::nullopt), 0xFFu) << "judged by the region alone, an alpha of 0 means opaque";
}

TEST(Decoder, NoPixelFormatSaysWhyAndEmbeddedStreamsAreHandedOn)
{
    EXPECT_EQ(Draw(BuildBitmap({.bitCount = 0x0D23})).reason, "biBitCount 3 363 is not a pixel format");
    EXPECT_EQ(Draw(BuildBitmap({.compression = 7})).reason, "biCompression 7 is not a compression");
    const DecodeResult png = Draw(BuildBitmap({.bitCount = 0, .compression = kBiPng, .pixels = {0x89, 'P', 'N', 'G'}}));
    EXPECT_EQ(png.outcome, DecodeOutcome::Embedded);
    EXPECT_EQ(png.embeddedEncoding, PixelEncoding::Png);
    EXPECT_EQ(png.embedded.offset, 54u);
    EXPECT_EQ(png.embedded.present, 4u);
}

// The questionable suite files, drawn as the suite's notes describe them.
class QuestionableFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (BmpSuiteDir().empty())
            GTEST_SKIP() << "no bitmap suite";
    }
    static Pixels Suite(const char* name) { return Drawn(ReadFileBytes(BmpSuiteDir() / name)); }
};

TEST_F(QuestionableFiles, OddChannelWidthsScaleToTheFullRange)
{
    std::set<Argb> reds;
    for (const Argb pixel : Suite("q/rgb16-231.bmp"))
        reds.insert(pixel >> 16 & 0xFF);
    EXPECT_EQ(reds, (std::set<Argb>{0, 85, 170, 255}));
}

TEST_F(QuestionableFiles, VariantsOfOnePictureDrawTheSame)
{
    EXPECT_EQ(Suite("q/pal8offs.bmp"), Suite("g/pal8.bmp"));
    EXPECT_EQ(Suite("q/pal8os2v2-16.bmp"), Suite("g/pal8.bmp"));
    const Pixels alpha = Suite("q/rgba32abf.bmp");
    EXPECT_EQ(alpha, Suite("q/rgba32-1.bmp"));
    EXPECT_TRUE(std::any_of(alpha.begin(), alpha.end(), [](Argb pixel) { return pixel >> 24 != 0xFF; }));
}

TEST_F(QuestionableFiles, CutRleStreamsEndCleanly)
{
    const Pixels whole = Suite("g/pal8rle.bmp");
    Pixels cut = Suite("q/pal8rlecut.bmp");
    ASSERT_EQ(cut.size(), whole.size());
    EXPECT_GT(std::count(cut.begin(), cut.end(), kSkippedColor), 0);
    // Every pixel drawn is the whole picture's.
    for (std::size_t index = 0; index < cut.size(); ++index)
        cut[index] = cut[index] == kSkippedColor ? whole[index] : cut[index];
    EXPECT_EQ(cut, whole);
}

}  // namespace
}  // namespace hexlume::format
