#include "WindowTestSupport.h"
#include "mainform/PictureView.h"
#include "mainform/WindowPlacement.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QToolButton>

namespace hexlume {
namespace {

class PictureWindowTest : public MainFormTest {
protected:
    // A 127 × 64 8-bit bitmap, as wide as a common sample: rows of 128 bytes from offset 0x436.
    void OpenPictureWindow(const std::vector<std::uint8_t>& bytes = Pal8Bitmap(127, 64, CountingBytes(128 * 64)))
    {
        Open(WritePicture("pal8.bmp", bytes));
        Child<QAction>("pmiPicture")->trigger();
        window = Child<QWidget>("PictureWindow");
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        view = window->findChild<PictureView*>();
        pixelLine = window->findChild<QLabel*>(QStringLiteral("lblPixel"));
        chosenLine = window->findChild<QLabel*>(QStringLiteral("lblPixelBytes"));
        ASSERT_TRUE(view != nullptr && pixelLine != nullptr && chosenLine != nullptr);
    }
    // The first "offset 0x…" a line names, whatever its case.
    static QString OffsetIn(const QString& line)
    {
        return QRegularExpression(QStringLiteral("(?i)offset (0x[0-9A-F]+)")).match(line).captured(1);
    }

    // The pointer moved onto a pixel, as the window system says it.
    void Hover(PixelPosition pixel)
    {
        const QPoint at = view->CentreOf(pixel).toPoint();
        QMouseEvent move(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view, &move);
    }
    QRgb Drawn(PixelPosition pixel) const
    {
        return view->grab().toImage().pixel(view->CentreOf(pixel).toPoint()) | 0xFF000000;
    }

    QWidget* window = nullptr;
    PictureView* view = nullptr;
    QLabel* pixelLine = nullptr;
    QLabel* chosenLine = nullptr;
};

TEST_F(PictureWindowTest, TheFirstHoverNamesThePixelThatIsThenClickedMarkedAndLit)
{
    OpenPictureWindow();
    const QRect before = view->geometry();
    const QPoint at = view->CentreOf({.x = 59, .y = 41}).toPoint();
    // Sent as the window system sends it: QTest moves the cursor instead, which the offscreen
    // platform does not turn into events.
    QMouseEvent move(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    QTest::qWait(50);  // the layout settles, as it does before a user's click
    EXPECT_EQ(view->geometry(), before) << "saying the pixel moved the picture under the pointer";
    QTest::mouseClick(view, Qt::LeftButton, {}, at);

    // Stored row 63 − 41 = 22: 0x436 + 22 × 128 + 59 = 0xF71.
    EXPECT_TRUE(pixelLine->text().startsWith(QStringLiteral("pixel (59, 41) "))) << pixelLine->text().toStdString();
    EXPECT_EQ(OffsetIn(pixelLine->text()), QStringLiteral("0xF71")) << pixelLine->text().toStdString();
    EXPECT_EQ(OffsetIn(chosenLine->text()), QStringLiteral("0xF71")) << chosenLine->text().toStdString();
    const QList<QTextEdit::ExtraSelection> lit = Memo("mmoData")->extraSelections();
    ASSERT_FALSE(lit.isEmpty());
    QTextCursor first(lit.last().cursor);
    first.setPosition(lit.last().cursor.selectionStart());
    EXPECT_EQ(first.blockNumber(), (0xF71 - 0x436) / 16);
    EXPECT_EQ(first.positionInBlock(), (0xF71 - 0x436) % 16 * 4);

    // A byte clicked in the dump next: both lines then speak of it and its pixel, not of the
    // pixel clicked before. Data byte 5 holds pixel (5, 63), the first stored row.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(view, &leave);
    const int charWidth = Memo("mmoData")->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    QTest::mouseClick(Memo("mmoData")->viewport(), Qt::LeftButton, {}, QPoint((5 * 4 + 1) * charWidth, kLine / 2));
    EXPECT_EQ(OffsetIn(chosenLine->text()), QStringLiteral("0x43B")) << chosenLine->text().toStdString();
    EXPECT_TRUE(chosenLine->text().contains(QStringLiteral("pixel (5, 63)"))) << chosenLine->text().toStdString();
    EXPECT_TRUE(pixelLine->text().startsWith(QStringLiteral("pixel (5, 63) "))) << pixelLine->text().toStdString();

    QTest::mouseClick(Memo("mmoFileHeader")->viewport(), Qt::LeftButton, {}, QPoint(charWidth, kLine / 2));
    EXPECT_EQ(OffsetIn(chosenLine->text()), QStringLiteral("0x0")) << chosenLine->text().toStdString();
    EXPECT_FALSE(pixelLine->text().startsWith(QStringLiteral("pixel"))) << "a header byte holds no pixel";
    Child<QTableWidget>("sgdInfoHeader")->selectRow(1);  // biWidth, 4 bytes into the info header
    EXPECT_EQ(OffsetIn(chosenLine->text()), QStringLiteral("0x12")) << chosenLine->text().toStdString();

    // A go-to lights its byte too: data byte 6 holds pixel (6, 63).
    Child<QAction>("actGoTo")->trigger();
    auto* offset = Child<QDialog>("dlgGoTo")->findChild<QLineEdit*>(QStringLiteral("edtQuery"));
    offset->setText(QStringLiteral("0x43C"));
    QTest::keyClick(offset, Qt::Key_Return);
    EXPECT_EQ(OffsetIn(chosenLine->text()), QStringLiteral("0x43C")) << chosenLine->text().toStdString();
    EXPECT_TRUE(chosenLine->text().contains(QStringLiteral("pixel (6, 63)"))) << chosenLine->text().toStdString();
}

TEST_F(PictureWindowTest, ArrowKeysPanOnlyAPictureLargerThanTheView)
{
    OpenPictureWindow();
    const auto corner = [this] { return view->CentreOf({.x = 0, .y = 0}); };
    const QPointF fitted = corner();
    QTest::keyClick(view, Qt::Key_Right);
    EXPECT_EQ(corner(), fitted) << "a fitted picture stays centred";

    view->ZoomStep(3);
    const QPointF zoomed = corner();
    QTest::keyClick(view, Qt::Key_Right);
    const double step = zoomed.x() - corner().x();
    EXPECT_GT(step, 0);
    QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_GT(zoomed.y() - corner().y(), 2 * step) << "Shift takes bigger steps";
    QTest::keyClick(view, Qt::Key_Left);
    EXPECT_NEAR(corner().x(), zoomed.x(), 1e-6);
}

TEST_F(PictureWindowTest, PlaneViewsShowTheStoredBitsAndTheLineNamesThem)
{
    // 4 × 2, 24 bits, bottom-up: the top row is stored second, at 0x36 + 12.
    BitmapFields fields;
    fields.width = 4;
    fields.height = 2;
    fields.pixels = {0, 0x11, 0xFE, 0, 0x11, 0xFF, 0, 0x11, 0x80, 0, 0x11, 0x7F,   // red 254 255 128 127
                     0, 0x00, 0x00, 0, 0x40, 0x01, 0, 0x80, 0x02, 0, 0xFF, 0x03};  // red 0 1 2 3
    OpenPictureWindow(BuildBitmap(fields));
    auto* looks = window->findChild<QComboBox*>(QStringLiteral("cmbLook"));
    ASSERT_NE(looks, nullptr);
    EXPECT_EQ(looks->count(), 1 + 3 * 9) << "the colours, then each of r, g, b as grey and its 8 planes";

    QTest::keyClick(window, Qt::Key_BracketRight);
    QTest::keyClick(window, Qt::Key_BracketRight);
    EXPECT_EQ(looks->currentText(), QStringLiteral("Red, bit 0"));
    EXPECT_TRUE(pixelLine->text().startsWith(QStringLiteral("red, bit 0: white where the bit is 1")))
        << pixelLine->text().toStdString();
    const QRgb white = qRgb(255, 255, 255);
    const QRgb black = qRgb(0, 0, 0);
    const QRgb top[] = {black, white, black, white};
    const QRgb bottom[] = {black, white, black, white};
    for (std::uint64_t x = 0; x < 4; ++x) {
        EXPECT_EQ(Drawn({.x = x, .y = 0}), top[x]) << x;
        EXPECT_EQ(Drawn({.x = x, .y = 1}), bottom[x]) << x;
    }
    Hover({.x = 3, .y = 0});
    EXPECT_TRUE(pixelLine->text().startsWith(
        QStringLiteral("red, bit 0: 1 (red 3 of 255, binary 00000011)\npixel (3, 0) (stored row 1)")))
        << pixelLine->text().toStdString();
    QTest::mouseClick(view, Qt::LeftButton, {}, view->CentreOf({.x = 3, .y = 0}).toPoint());
    EXPECT_EQ(OffsetIn(chosenLine->text()), QStringLiteral("0x4B")) << "a plane's pixel leads to its bytes";

    // From channel to channel: the green as grey, then back past the red to the colours.
    QTest::keyClick(window, Qt::Key_BraceRight);
    EXPECT_EQ(looks->currentText(), QStringLiteral("Green"));
    EXPECT_EQ(Drawn({.x = 1, .y = 0}), qRgb(0x40, 0x40, 0x40));
    EXPECT_EQ(Drawn({.x = 3, .y = 0}), white);
    QTest::keyClick(window, Qt::Key_BraceLeft);
    QTest::keyClick(window, Qt::Key_BraceLeft);
    EXPECT_EQ(looks->currentText(), QStringLiteral("Colours as drawn"));
    EXPECT_EQ(Drawn({.x = 1, .y = 0}), qRgb(0x01, 0x40, 0x00));

    // An RLE stream is not read as stored values: the colours alone, and the keys keep them.
    fields = {};
    fields.width = 2;
    fields.height = 1;
    fields.bitCount = 8;
    fields.compression = 1;
    fields.palette = CountingBytes(1024);
    fields.pixels = {0x02, 0x05, 0x00, 0x01};
    Open(WritePicture("rle8.bmp", BuildBitmap(fields)));
    EXPECT_EQ(looks->count(), 1);
    QTest::keyClick(window, Qt::Key_BracketRight);
    EXPECT_EQ(view->Look(), PictureLook{});
}

TEST_F(PictureWindowTest, AllRowsShowsTheRowsPastThePictureAndLeadsToTheirBytes)
{
    // 2 × 2, 24 bits, with two more rows after the pixel data: white shown, red hidden. The rows
    // stored last are a bottom-up picture's top.
    BitmapFields fields;
    fields.width = 2;
    fields.height = 2;
    const std::vector<std::uint8_t> whiteRow{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0};
    const std::vector<std::uint8_t> redRow{0, 0, 0xFF, 0, 0, 0xFF, 0, 0};
    for (const auto* row : {&whiteRow, &whiteRow, &redRow, &redRow})
        fields.pixels.insert(fields.pixels.end(), row->begin(), row->end());
    std::vector<std::uint8_t> bytes = BuildBitmap(fields);
    OpenPictureWindow(bytes);
    auto* allRows = window->findChild<QToolButton*>(QStringLiteral("btnAllRows"));
    ASSERT_NE(allRows, nullptr);
    EXPECT_TRUE(allRows->isEnabled());
    EXPECT_FALSE(allRows->isChecked()) << "off by default";
    EXPECT_EQ(view->Format().rows, 2U);

    allRows->click();
    EXPECT_EQ(view->Format().rows, 4U);
    EXPECT_EQ(Drawn({.x = 0, .y = 0}), qRgb(255, 0, 0));
    EXPECT_EQ(Drawn({.x = 1, .y = 3}), qRgb(255, 255, 255));
    // Pixel (1, 0) is the last stored row's second: 0x36 + 3 × 8 + 3.
    Hover({.x = 1, .y = 0});
    EXPECT_TRUE(pixelLine->text().startsWith(QStringLiteral("a row past the picture's height")))
        << pixelLine->text().toStdString();
    EXPECT_EQ(OffsetIn(pixelLine->text()), QStringLiteral("0x51")) << pixelLine->text().toStdString();
    QTest::mouseClick(view, Qt::LeftButton, {}, view->CentreOf({.x = 1, .y = 0}).toPoint());
    EXPECT_EQ(OffsetIn(chosenLine->text()), QStringLiteral("0x51")) << chosenLine->text().toStdString();
    // And from the dump's side: a go-to into those rows marks their pixel.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(view, &leave);
    Child<QAction>("actGoTo")->trigger();
    auto* offset = Child<QDialog>("dlgGoTo")->findChild<QLineEdit*>(QStringLiteral("edtQuery"));
    offset->setText(QStringLiteral("0x4E"));
    QTest::keyClick(offset, Qt::Key_Return);
    EXPECT_TRUE(chosenLine->text().contains(QStringLiteral("pixel (0, 0)"))) << chosenLine->text().toStdString();

    allRows->click();
    EXPECT_EQ(view->Format().rows, 2U);
    // A file without such rows turns it off and offers none.
    bytes.resize(bytes.size() - 1);
    allRows->click();
    Open(WritePicture("cut.bmp", bytes));
    EXPECT_FALSE(allRows->isEnabled());
    EXPECT_FALSE(allRows->isChecked());
    EXPECT_EQ(view->Format().rows, 2U);
}

TEST(WindowPlacementTest, BesideTheOwnerInsideTheScreen)
{
    const QRect screen(0, 0, 1600, 1000);
    const QSize smallest(300, 200);
    // Room on the right: right of it, top edges level.
    EXPECT_EQ(PlaceBeside(QRect(100, 100, 800, 500), QSize(640, 520), smallest, screen), QRect(908, 100, 640, 520));
    // Room on the left only.
    EXPECT_EQ(PlaceBeside(QRect(700, 100, 800, 500), QSize(640, 520), smallest, screen), QRect(52, 100, 640, 520));
    // Room for neither whole: narrowed to the wider side; a bottom edge past the screen's comes up.
    EXPECT_EQ(PlaceBeside(QRect(409, 600, 782, 496), QSize(640, 520), smallest, screen), QRect(1199, 480, 401, 520));
    // No room beside at all: inside the screen where it covers the least, here below the owner.
    const QRect owner(50, 0, 1500, 400);
    const QRect below = PlaceBeside(owner, QSize(640, 520), smallest, screen);
    EXPECT_TRUE(screen.contains(below));
    EXPECT_FALSE(below.intersects(owner));
    // Larger than the screen: the screen's size.
    const QRect huge = PlaceBeside(QRect(0, 0, 1600, 1000), QSize(3000, 2000), smallest, QRect(0, 30, 1600, 970));
    EXPECT_EQ(huge, QRect(0, 30, 1600, 970));
}

}  // namespace
}  // namespace hexlume
