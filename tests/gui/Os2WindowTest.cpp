#include "WindowTestSupport.h"
#include "format/FieldDictionary.h"
#include "testsupport/IconBuilder.h"

#include <QAction>
#include <QMenu>

namespace hexlume {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Append(Bytes& bytes, std::initializer_list<std::uint64_t> values, std::size_t width)
{
    for (const std::uint64_t value : values)
        for (std::size_t byte = 0; byte < width; ++byte)
            bytes.push_back(static_cast<std::uint8_t>(value >> (8 * byte)));
}

Bytes FileHeader(std::uint32_t size, std::uint32_t offset)
{
    Bytes bytes{'B', 'M'};
    Append(bytes, {size}, 4);
    Append(bytes, {0, 0}, 2);
    Append(bytes, {offset}, 4);
    return bytes;
}

// An OS/2 bitmap array's entry header: "BA", its size, the next entry's offset, display size 0.
Bytes ArrayHeader(std::uint32_t size, std::uint32_t next)
{
    Bytes bytes{'B', 'A'};
    Append(bytes, {size, next}, 4);
    Append(bytes, {0, 0}, 2);
    return bytes;
}

Bytes CoreHeader(std::uint16_t width, std::uint16_t height, std::uint16_t bitCount)
{
    Bytes bytes;
    Append(bytes, {12}, 4);
    Append(bytes, {width, height, 1, bitCount}, 2);
    return bytes;
}

Bytes Joined(std::initializer_list<Bytes> parts)
{
    Bytes bytes;
    for (const Bytes& part : parts)
        bytes.insert(bytes.end(), part.begin(), part.end());
    return bytes;
}

// Two bitmaps chained in an OS/2 bitmap array: 2 × 2 at 24 bits (blue, white over red, green),
// then 8 × 3 at 1 bit with a black and white table; the pixel data after all the headers.
Bytes TwoImageArray()
{
    const Bytes pixels0{0, 0, 0xFF, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0};
    const Bytes pixels1{0xAA, 0, 0, 0, 0x55, 0, 0, 0, 0xF0, 0, 0, 0};
    const std::uint32_t second = 14 + 14 + 12;
    const std::uint32_t data0 = second + 14 + 14 + 12 + 6;
    const std::uint32_t data1 = data0 + static_cast<std::uint32_t>(pixels0.size());
    return Joined({ArrayHeader(40, second), FileHeader(40, data0), CoreHeader(2, 2, 24),
                   ArrayHeader(46, 0), FileHeader(46, data1), CoreHeader(8, 3, 1),
                   {0, 0, 0, 0xFF, 0xFF, 0xFF}, pixels0, pixels1});
}

// An icon of two images: 2 × 2 at 32 bits (opaque blue, white over red, green), then 8 × 2 at
// 1 bit whose mask leaves its left half transparent.
Bytes TwoImageIcon()
{
    const Bytes first = testing::IconDib(
        2, 2, 32, {}, {0, 0, 0xFF, 0xFF, 0, 0xFF, 0, 0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, Bytes(8, 0));
    const Bytes second = testing::IconDib(8, 2, 1, {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0}, {0xF0, 0, 0, 0, 0x0F, 0, 0, 0},
                                          {0xF0, 0, 0, 0, 0xF0, 0, 0, 0});
    return testing::BuildIconFile(format::kIconType, {{.image = first, .width = 2, .height = 2, .bitCount = 32},
                                                      {.image = second, .width = 8, .height = 2, .bitCount = 1}});
}

class Os2WindowTest : public MainFormTest {
protected:
    QStringList Names(const char* grid) { return Column(Child<QTableWidget>(grid), 0); }
    QStringList Values(const char* grid) { return Column(Child<QTableWidget>(grid), 2); }
    QColor PreviewTopLeft() { return Child<QLabel>("imgRevView")->pixmap().toImage().pixelColor(0, 0); }
};

TEST_F(Os2WindowTest, Os2HeadersShowTheirOwnFieldsPartsAndSizeAndABaseFileItsOwnAgain)
{
    // OS/2 1.x, 36 bytes: 2 × 1 at 1 bit, a 3-byte-entry table of two colours.
    Open(WritePicture("core.bmp", Joined({FileHeader(36, 32), CoreHeader(2, 1, 1), {0, 0, 0xFF, 0, 0xFF, 0},
                                          {0x40, 0, 0, 0}})));
    ASSERT_TRUE(platform.errors.isEmpty()) << platform.errors.join(u'|').toStdString();
    EXPECT_EQ(Names("sgdFileHeader"), QStringList({"usType", "cbSize", "xHotspot", "yHotspot", "offBits"}));
    EXPECT_EQ(Values("sgdFileHeader"), QStringList({"0x4d42\"BM\"", "0024", "00", "00", "0020"}));
    EXPECT_EQ(Names("sgdInfoHeader"), QStringList({"bcSize", "bcWidth", "bcHeight", "bcPlanes", "bcBitCount"}));
    EXPECT_EQ(Column(Child<QTableWidget>("sgdInfoHeader"), 1), QStringList({"DWORD", "WORD", "WORD", "WORD", "WORD"}));
    EXPECT_EQ(Values("sgdInfoHeader"), QStringList({"000C", "02", "01", "01", "01"}));
    EXPECT_EQ(Memo("mmoInfoHeader")->toPlainText(), "0C  00  00  00  02  00  01  00  01  00  01  00  ");
    EXPECT_EQ(Memo("mmoPalette")->toPlainText(), "00  00  FF  00  FF  00  ");
    EXPECT_EQ(Memo("mmoData")->toPlainText(), "40  00  00  00  ");
    EXPECT_EQ(Status(1), "图像大小:2×1");
    EXPECT_EQ(Status(2), "图像类型:OS/2 1.x");
    EXPECT_EQ(PreviewTopLeft(), QColor(0xFF, 0, 0)) << "0x40's first bit: entry 0, red";

    // OS/2 2.x, a 16-byte header: 2 × 1 at 24 bits.
    Bytes v2 = FileHeader(38, 30);
    Append(v2, {16, 2, 1}, 4);
    Append(v2, {1, 24}, 2);
    Open(WritePicture("os2v2.bmp", Joined({v2, {0xFF, 0, 0, 0, 0, 0xFF, 0, 0}})));
    ASSERT_TRUE(platform.errors.isEmpty()) << platform.errors.join(u'|').toStdString();
    EXPECT_EQ(Names("sgdInfoHeader"), QStringList({"cbFix", "cx", "cy", "cPlanes", "cBitCount"}));
    EXPECT_EQ(Values("sgdInfoHeader"), QStringList({"0010", "0002", "0001", "01", "18"}));
    EXPECT_EQ(Status(1), "图像大小:2×1");
    EXPECT_EQ(Status(2), "图像类型:OS/2 2.x");
    EXPECT_EQ(PreviewTopLeft(), QColor(0, 0, 0xFF));

    // A base bitmap afterwards has the base's eleven rows and texts again.
    Open(WritePicture("two.bmp", SmallBitmap()));
    EXPECT_EQ(Names("sgdInfoHeader").size(), 11);
    EXPECT_EQ(Names("sgdInfoHeader").front(), "biSize");
    EXPECT_EQ(Names("sgdFileHeader").front(), "bfType");
    EXPECT_EQ(Values("sgdInfoHeader").front(), "0028");
    EXPECT_EQ(Status(2), "图像类型:Bmp");
    EXPECT_TRUE(Memo("mmoInfoHeader")->toPlainText().startsWith("28  00  00  00  02  00  00  00  02  00"));
}

TEST_F(Os2WindowTest, AnArrayStepsBetweenItsImagesWithCtrlPageDownAndItsMenu)
{
    Open(WritePicture("array.bmp", TwoImageArray()));
    ASSERT_TRUE(platform.errors.isEmpty()) << platform.errors.join(u'|').toStdString();
    EXPECT_EQ(Status(1), "图像大小:2×2");
    EXPECT_EQ(Status(2), "图像类型:OS/2 array 1/2");
    EXPECT_EQ(Names("sgdFileHeader"), QStringList({"usType", "cbSize", "offNext", "cxDisplay", "cyDisplay", "usType",
                                                   "cbSize", "xHotspot", "yHotspot", "offBits"}));
    EXPECT_EQ(Values("sgdFileHeader").front(), "0x4142\"BA\"");
    EXPECT_EQ(Memo("mmoPalette")->toPlainText(), "Bitmap File dosn't has palette!");
    EXPECT_EQ(PreviewTopLeft(), QColor(0, 0, 0xFF));

    QTest::keyClick(&form, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(Status(1), "图像大小:8×3");
    EXPECT_EQ(Status(2), "图像类型:OS/2 array 2/2");
    EXPECT_EQ(Values("sgdInfoHeader"), QStringList({"000C", "08", "03", "01", "01"}));
    EXPECT_EQ(Values("sgdFileHeader")[2], "0000") << "the second entry's offNext";
    EXPECT_EQ(Memo("mmoPalette")->toPlainText(), "00  00  00  FF  FF  FF  ");
    EXPECT_EQ(Memo("mmoData")->toPlainText(), "AA  00  00  00  55  00  00  00  F0  00  00  00  ");
    EXPECT_EQ(PreviewTopLeft(), QColor(0xFF, 0xFF, 0xFF)) << "0xF0's first bit: entry 1";

    // The menu lists both with size and bit count, the shown one checked; choosing goes there.
    auto* images = Child<QMenu>("pmiImages");
    emit images->aboutToShow();
    QStringList lines;
    for (QAction* action : images->actions())
        if (action->isCheckable())
            lines << action->text() + (action->isChecked() ? "*" : "");
    EXPECT_EQ(lines, QStringList({"1: 2×2, 24 bits", "2: 8×3, 1 bit*"}));
    Child<QAction>("pmiImage1")->trigger();
    EXPECT_EQ(Status(2), "图像类型:OS/2 array 1/2");
    QTest::keyClick(&form, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(Status(2), "图像类型:OS/2 array 2/2") << "Ctrl+PgUp goes round to the last";

    // A plain bitmap has one image: nothing to step to.
    Open(WritePicture("two.bmp", SmallBitmap()));
    EXPECT_FALSE(Child<QAction>("actNextImage")->isEnabled());
    QTest::keyClick(&form, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(Status(1), "图像大小:2×2");
}

TEST_F(Os2WindowTest, AnIconShowsItsDirectoryAndEntryAndStepsAndAHeaderlessDibOpens)
{
    Open(WritePicture("two.ico", TwoImageIcon()));
    ASSERT_TRUE(platform.errors.isEmpty()) << platform.errors.join(u'|').toStdString();
    EXPECT_EQ(Names("sgdFileHeader"), QStringList({"idReserved", "idType", "idCount", "bWidth", "bHeight",
                                                   "bColorCount", "bReserved", "wPlanes", "wBitCount",
                                                   "dwBytesInRes", "dwImageOffset"}));
    EXPECT_EQ(Values("sgdInfoHeader")[2], "0004") << "biHeight counts the mask's rows too";
    EXPECT_EQ(Status(1), "图像大小:2×2");
    EXPECT_EQ(Status(2), "图像类型:icon 1/2");
    EXPECT_EQ(PreviewTopLeft(), QColor(0, 0, 0xFF));

    QTest::keyClick(&form, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(Status(1), "图像大小:8×2");
    EXPECT_EQ(Status(2), "图像类型:icon 2/2");
    EXPECT_EQ(Values("sgdFileHeader")[3], "08") << "the chosen entry's bWidth";
    EXPECT_EQ(Memo("mmoData")->toPlainText().trimmed(), "F0  00  00  00  0F  00  00  00  F0  00  00  00  F0  00  00  00")
        << "the pixels, then the AND mask";
    EXPECT_NE(PreviewTopLeft(), QColor(0, 0, 0)) << "masked out: the backdrop, not the black pixel";

    // An info header first, no file header: 2 × 1 at 24 bits.
    Bytes clip = BuildBitmap({.width = 2, .height = 1, .pixels = {0xFF, 0, 0, 0, 0, 0xFF, 0, 0}});
    clip.erase(clip.begin(), clip.begin() + 14);
    Open(WritePicture("clip.dib", clip));
    ASSERT_TRUE(platform.errors.isEmpty()) << platform.errors.join(u'|').toStdString();
    EXPECT_EQ(Names("sgdInfoHeader").front(), "biSize");
    EXPECT_EQ(Names("sgdFileHeader"), QStringList());
    EXPECT_EQ(Status(1), "图像大小:2×1");
    EXPECT_EQ(Status(2), "图像类型:headerless DIB");
    EXPECT_EQ(PreviewTopLeft(), QColor(0, 0, 0xFF));
}

}  // namespace
}  // namespace hexlume
