#include "format/Decoder.h"
#include "tests/support/BmpBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace hexlume::format {
namespace {

using testing::BitmapFields;
using testing::BuildBitmap;
using testing::BmpSuiteDir;
using testing::ReadFileBytes;

struct Drawn {
    DecodeResult result;
    Argb At(std::uint32_t x, std::uint32_t y) const { return result.picture.pixels.at(y * result.picture.width + x); }
};

Drawn Draw(const std::vector<std::uint8_t>& bytes, std::uint32_t width, std::uint32_t height)
{
    return {DecodePicture(Bytes(bytes), ReadBitmapFormat(Bytes(bytes)), width, height)};
}

Drawn DrawFullSize(const std::vector<std::uint8_t>& bytes)
{
    const BitmapFormat format = ReadBitmapFormat(Bytes(bytes));
    return {DecodePicture(Bytes(bytes), format, static_cast<std::uint32_t>(format.columns),
                          static_cast<std::uint32_t>(format.rows))};
}

bool IsMissing(Argb pixel)
{
    return pixel == kMissingLight || pixel == kMissingDark;
}

// Two 4-byte colour-table entries: blue, then red.
const std::vector<std::uint8_t> kBlueRed = {0xFF, 0, 0, 0, 0, 0, 0xFF, 0};

TEST(Decoder, IndexedRowsFollowTheHeightsSignAndBadIndicesDrawTheMarker)
{
    const std::vector<std::uint8_t> indices = {1, 7, 0, 0, 0, 1, 0, 0};  // two rows of two 8-bit indices
    for (const std::int32_t height : {2, -2}) {
        const Drawn drawn = DrawFullSize(BuildBitmap({.width = 2, .height = height, .bitCount = 8, .clrUsed = 2,
                                                      .palette = kBlueRed, .pixels = indices}));
        ASSERT_EQ(drawn.result.outcome, DecodeOutcome::Drawn);
        const std::uint32_t first = height < 0 ? 0 : 1;  // the picture row the first stored row draws
        EXPECT_EQ(drawn.At(0, first), 0xFFFF0000u);
        EXPECT_EQ(drawn.At(1, first), kBadIndexColor);
        EXPECT_EQ(drawn.At(0, 1 - first), 0xFF0000FFu);
        EXPECT_EQ(drawn.At(1, 1 - first), 0xFFFF0000u);
    }
}

TEST(Decoder, SamplesTheCentreOfEachTargetPixel)
{
    // 4 x 1 grey ramp at 8 bits through an identity-like table: indices 0..3 are greys 0, 1, 2, 3.
    const std::vector<std::uint8_t> table = {0, 0, 0, 0, 1, 1, 1, 0, 2, 2, 2, 0, 3, 3, 3, 0};
    const Drawn drawn = Draw(BuildBitmap({.width = 4, .height = 1, .bitCount = 8, .clrUsed = 4, .palette = table,
                                          .pixels = {0, 1, 2, 3}}),
                             2, 3);
    EXPECT_EQ(drawn.At(0, 0), 0xFF010101u);
    EXPECT_EQ(drawn.At(1, 2), 0xFF030303u);
}

TEST(Decoder, TruncatedDataDrawsWhatIsThereAndACheckerForTheRest)
{
    // 2 x 3 at 24 bits, bottom-up: the bottom row and half of the next are present.
    std::vector<std::uint8_t> pixels = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9};
    const Drawn drawn = DrawFullSize(BuildBitmap({.width = 2, .height = 3, .pixels = pixels}));
    EXPECT_EQ(drawn.At(0, 2), 0xFF030201u);
    EXPECT_EQ(drawn.At(1, 2), 0xFF060504u);
    EXPECT_EQ(drawn.At(0, 1), 0xFF090807u);
    EXPECT_TRUE(IsMissing(drawn.At(1, 1)));
    EXPECT_TRUE(IsMissing(drawn.At(0, 0)) && IsMissing(drawn.At(1, 0)));
}

TEST(Decoder, PackedChannelsScaleExactlyAndAlphaComesOnlyFromAMask)
{
    // 16 bits, masks 2-3-1 plus a 2-bit alpha: red 0b11, green 0b001, blue 1, alpha 0b01.
    const std::vector<std::uint8_t> masks = {0x30, 0, 0, 0, 0x0E, 0, 0, 0, 0x01, 0, 0, 0, 0xC0, 0, 0, 0};
    const Drawn alpha = DrawFullSize(BuildBitmap({.width = 1, .height = 1, .bitCount = 16,
                                                  .compression = kBiAlphaBitfields, .palette = masks,
                                                  .pixels = {0x73, 0, 0, 0}}));
    EXPECT_EQ(alpha.At(0, 0), 0x55FF24FFu);

    // The same pixel with alpha 0 everywhere: taken as opaque.
    const Drawn clear = DrawFullSize(BuildBitmap({.width = 1, .height = 1, .bitCount = 16,
                                                  .compression = kBiAlphaBitfields, .palette = masks,
                                                  .pixels = {0x33, 0, 0, 0}}));
    EXPECT_EQ(clear.At(0, 0), 0xFFFF24FFu);

    // Default 32 bits: the spare byte is not alpha.
    const Drawn plain = DrawFullSize(BuildBitmap({.width = 1, .height = 1, .bitCount = 32, .pixels = {1, 2, 3, 0x80}}));
    EXPECT_EQ(plain.At(0, 0), 0xFF030201u);
}

TEST(Decoder, SixtyFourBitsAreLinearFixedPoint)
{
    // Blue 1.0, green 0.5 (linear), red below 0, alpha 1.0 + more: clamped.
    const Drawn drawn = DrawFullSize(BuildBitmap({.width = 1, .height = 1, .bitCount = 64,
                                                  .pixels = {0x00, 0x20, 0x00, 0x10, 0x00, 0xF0, 0xFF, 0x7F}}));
    EXPECT_EQ(drawn.At(0, 0), 0xFF00BCFFu);
}

std::vector<std::uint8_t> Rle8(std::int32_t width, std::int32_t height, std::vector<std::uint8_t> stream)
{
    return BuildBitmap({.width = width, .height = height, .bitCount = 8, .compression = kBiRle8,
                        .sizeImage = static_cast<std::uint32_t>(stream.size()), .clrUsed = 2, .palette = kBlueRed,
                        .pixels = std::move(stream)});
}

TEST(Decoder, RleRunsAreClippedAtTheRowAndSkippedPixelsAreTransparent)
{
    // Row 0 (the bottom): a run of 9 red in a 3-wide row, end of line. Row 1: absolute blue, red,
    // blue; end of line. Row 2: delta one right, then one blue, end of bitmap.
    const Drawn drawn = DrawFullSize(Rle8(3, 3, {9, 1, 0, 0, 0, 3, 0, 1, 0, 0, 0, 0, 0, 2, 1, 0, 1, 0, 0, 1}));
    ASSERT_EQ(drawn.result.outcome, DecodeOutcome::Drawn);
    for (std::uint32_t x = 0; x < 3; ++x)
        EXPECT_EQ(drawn.At(x, 2), 0xFFFF0000u);
    EXPECT_EQ(drawn.At(0, 1), 0xFF0000FFu);
    EXPECT_EQ(drawn.At(1, 1), 0xFFFF0000u);
    EXPECT_EQ(drawn.At(0, 0), kSkippedColor);
    EXPECT_EQ(drawn.At(1, 0), 0xFF0000FFu);
    EXPECT_EQ(drawn.At(2, 0), kSkippedColor);
}

TEST(Decoder, RleStreamThatStopsShortEndsInTheChecker)
{
    // Top-down, 2 x 2: one red, then the stream ends in the middle of an absolute run.
    const Drawn drawn = DrawFullSize(Rle8(2, -2, {1, 1, 0, 4, 0}));
    EXPECT_EQ(drawn.At(0, 0), 0xFFFF0000u);
    EXPECT_EQ(drawn.At(1, 0), 0xFF0000FFu);
    EXPECT_TRUE(IsMissing(drawn.At(0, 1)) && IsMissing(drawn.At(1, 1)));
}

TEST(Decoder, AbsurdSizesWithFewBytesDrawQuicklyAtTheTargetSize)
{
    for (const std::uint32_t compression : {kBiRgb, kBiRle8}) {
        SCOPED_TRACE(compression);
        auto bytes = Rle8(INT32_MAX, INT32_MIN + 1, {255, 1, 255, 0});
        bytes[30] = static_cast<std::uint8_t>(compression);
        const Drawn drawn = Draw(bytes, 200, 116);
        ASSERT_EQ(drawn.result.outcome, DecodeOutcome::Drawn);
        EXPECT_EQ(drawn.result.picture.pixels.size(), 200u * 116);
        EXPECT_TRUE(IsMissing(drawn.At(199, 115)));
    }
}

TEST(Decoder, NoPixelFormatSaysWhyAndEmbeddedStreamsAreHandedOn)
{
    auto bits = BuildBitmap({.width = 1, .height = 1, .bitCount = 0x0D23});
    EXPECT_EQ(Draw(bits, 1, 1).result.reason, "biBitCount 0x0D23 is not a pixel format");
    auto compression = BuildBitmap({.width = 1, .height = 1, .compression = 7});
    EXPECT_EQ(Draw(compression, 1, 1).result.reason, "biCompression 7 is not a compression");
    EXPECT_EQ(Draw(BuildBitmap({.width = 1, .height = 1}), 0, 1).result.outcome, DecodeOutcome::NoPicture);

    const Drawn png = Draw(BuildBitmap({.width = 1, .height = 1, .bitCount = 0, .compression = kBiPng,
                                        .pixels = {0x89, 'P', 'N', 'G'}}), 9, 9);
    EXPECT_EQ(png.result.outcome, DecodeOutcome::Embedded);
    EXPECT_EQ(png.result.embeddedEncoding, PixelEncoding::Png);
    EXPECT_EQ(png.result.embedded.offset, 54u);
    EXPECT_EQ(png.result.embedded.present, 4u);
}

// The questionable suite files, drawn as the suite's notes describe them.
class QuestionableFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (BmpSuiteDir().empty())
            GTEST_SKIP() << "no bitmap suite";
    }
    static Drawn Suite(const char* name) { return DrawFullSize(ReadFileBytes(BmpSuiteDir() / name)); }
};

TEST_F(QuestionableFiles, OddChannelWidthsScaleToTheFullRange)
{
    const Drawn drawn = Suite("q/rgb16-231.bmp");
    std::set<Argb> reds;
    for (const Argb pixel : drawn.result.picture.pixels)
        reds.insert(pixel >> 16 & 0xFF);
    EXPECT_EQ(reds, (std::set<Argb>{0, 85, 170, 255}));
}

TEST_F(QuestionableFiles, VariantsOfOnePictureDrawTheSame)
{
    const auto pixels = [](const char* name) { return Suite(name).result.picture.pixels; };
    EXPECT_EQ(pixels("q/pal8offs.bmp"), pixels("g/pal8.bmp"));
    EXPECT_EQ(pixels("q/pal8os2v2-16.bmp"), pixels("g/pal8.bmp"));
    EXPECT_EQ(pixels("q/rgba32abf.bmp"), pixels("q/rgba32-1.bmp"));
    const auto alpha = pixels("q/rgba32abf.bmp");
    EXPECT_TRUE(std::any_of(alpha.begin(), alpha.end(), [](Argb pixel) { return pixel >> 24 != 0xFF; }));
}

TEST_F(QuestionableFiles, CutRleStreamsEndCleanly)
{
    const auto whole = Suite("g/pal8rle.bmp").result.picture.pixels;
    const auto cut = Suite("q/pal8rlecut.bmp").result.picture.pixels;
    ASSERT_EQ(cut.size(), whole.size());
    std::size_t skipped = 0;
    for (std::size_t index = 0; index < cut.size(); ++index) {
        if (cut[index] == kSkippedColor)
            ++skipped;
        else
            EXPECT_EQ(cut[index], whole[index]) << index;
    }
    EXPECT_GT(skipped, 0u);
}

}  // namespace
}  // namespace hexlume::format
