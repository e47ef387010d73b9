// The preview as the window shows it: transparency over its own checker, and the decoder's
// stand-ins reported so the tooltip can explain them.

#include "format/Decoder.h"
#include "picture/PreviewPicture.h"
#include "testsupport/BmpBuilder.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

namespace hexlume {
namespace {

using testing::BuildBitmap;

const QSize kSize(16, 8);

// 2 × 1 at 32 bits with an alpha mask: see-through, then red at half alpha.
std::vector<std::uint8_t> AlphaBitmap()
{
    const std::vector<std::uint8_t> masks = {0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0, 0, 0, 0, 0xFF};
    return BuildBitmap({.width = 2, .height = 1, .bitCount = 32, .compression = format::kBiAlphaBitfields,
                        .palette = masks, .pixels = {0, 0, 0, 0, 0, 0, 0xFF, 0x80}});
}

// The same picture as a PNG a BI_PNG bitmap embeds, already at the drawn size.
std::vector<std::uint8_t> EmbeddedPngBitmap()
{
    QImage image(kSize, QImage::Format_ARGB32);
    image.fill(0);
    for (int y = 0; y < kSize.height(); ++y)
        for (int x = kSize.width() / 2; x < kSize.width(); ++x)
            image.setPixel(x, y, 0x80FF0000);
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    image.save(&png, "PNG");
    const QByteArray bytes = png.data();
    return BuildBitmap({.width = kSize.width(), .height = kSize.height(), .bitCount = 0,
                        .compression = format::kBiPng, .sizeImage = static_cast<std::uint32_t>(bytes.size()),
                        .pixels = std::vector<std::uint8_t>(bytes.begin(), bytes.end())});
}

TEST(Preview, TransparencyLiesOverItsOwnLightCheckerInThePreviewOnly)
{
    for (const auto& [name, bitmap] : {std::pair{"alpha mask", AlphaBitmap()}, {"embedded PNG", EmbeddedPngBitmap()}}) {
        SCOPED_TRACE(name);
        const format::Bytes bytes(bitmap);
        const DrawnPicture drawn = DrawPicture(bytes, kSize);
        EXPECT_EQ(qAlpha(drawn.image.pixel(0, 0)), 0);  // a written picture keeps its alpha
        EXPECT_TRUE(drawn.marks.transparent);
        EXPECT_FALSE(drawn.marks.missing || drawn.marks.badIndex);

        const DrawnPicture preview = DrawPreview(bytes, kSize);
        ASSERT_EQ(preview.image.size(), kSize);
        EXPECT_TRUE(preview.marks.transparent);
        EXPECT_EQ(preview.image.pixel(0, 0), kBackdropLight);
        EXPECT_EQ(preview.image.pixel(kBackdropCell, 0), kBackdropDark);
        EXPECT_EQ(preview.image.pixel(kBackdropCell, kBackdropCell), kBackdropLight);
        // Half-transparent red: opaque, red in full, lighter over the light cell than the dark.
        const QRgb overLight = preview.image.pixel(8, 0);
        const QRgb overDark = preview.image.pixel(12, 0);
        EXPECT_EQ(qAlpha(overLight), 255);
        EXPECT_EQ(qRed(overLight), 255);
        EXPECT_GT(qGreen(overLight), qGreen(overDark));
        EXPECT_GT(qGreen(overDark), 0);
    }
}

TEST(Preview, MissingBytesAndBadIndicesAreReportedWhenDrawnAndTheFilesOwnColoursAreNot)
{
    // 2 × 2 at 8 bits with two colours, the very magenta and grey the decoder's marks use: the
    // bottom row holds a good and a bad index, the top row is cut off.
    const std::vector<std::uint8_t> colours = {0xFF, 0, 0xFF, 0, 0xC0, 0xC0, 0xC0, 0};
    const auto pal8 = [&](std::vector<std::uint8_t> pixels) {
        return BuildBitmap({.width = 2, .height = 2, .bitCount = 8, .clrUsed = 2, .palette = colours,
                            .pixels = std::move(pixels)});
    };
    const std::vector<std::uint8_t> damaged = pal8({0, 7, 0, 0});
    const DrawnPicture drawn = DrawPreview(format::Bytes(damaged), QSize(200, 116));
    EXPECT_TRUE(drawn.marks.missing);
    EXPECT_TRUE(drawn.marks.badIndex);
    EXPECT_FALSE(drawn.marks.transparent);
    EXPECT_EQ(MarkNotes(drawn.marks).size(), 2);

    const std::vector<std::uint8_t> whole = pal8({0, 1, 0, 0, 1, 0, 0, 0});
    const DrawnPicture plain = DrawPreview(format::Bytes(whole), QSize(200, 116));
    EXPECT_FALSE(plain.marks.missing || plain.marks.badIndex || plain.marks.transparent);
    EXPECT_TRUE(MarkNotes(plain.marks).isEmpty());
}

// The open dialog's preview: the window's drawing, fitted with the picture's proportions.
TEST(Preview, FittedDrawingKeepsProportionsStandInsAndReasons)
{
    const std::vector<std::uint8_t> wide = BuildBitmap({.width = 4, .height = 1, .bitCount = 8, .clrUsed = 2,
                                                        .palette = {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0},
                                                        .pixels = {0, 1, 9}});  // a bad index, a byte short
    const DrawnPicture fitted = DrawFitted(format::Bytes(wide), QSize(160, 160));
    EXPECT_EQ(fitted.image.size(), QSize(160, 40));
    EXPECT_TRUE(fitted.marks.badIndex);
    EXPECT_TRUE(fitted.marks.missing);

    const std::vector<std::uint8_t> tall = BuildBitmap({.width = 1, .height = 1000, .pixels = {}});
    EXPECT_EQ(DrawFitted(format::Bytes(tall), QSize(160, 160)).image.size(), QSize(1, 160));

    std::vector<std::uint8_t> noPixelFormat = wide;
    noPixelFormat[28] = 7;  // biBitCount: no such depth
    const DrawnPicture reasoned = DrawFitted(format::Bytes(noPixelFormat), QSize(160, 160));
    EXPECT_TRUE(reasoned.image.isNull());
    EXPECT_EQ(reasoned.reason, DrawPreview(format::Bytes(noPixelFormat), QSize(160, 160)).reason);
    EXPECT_FALSE(reasoned.reason.Empty());
}

}  // namespace
}  // namespace hexlume
