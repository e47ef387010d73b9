#include "WindowTestSupport.h"
#include "mainform/PictureView.h"
#include "mainform/WindowPlacement.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpression>

namespace hexlume {
namespace {

class PictureWindowTest : public MainFormTest {
protected:
    // A 127 × 64 8-bit bitmap, as wide as a common sample: rows of 128 bytes from offset 0x436.
    void OpenPictureWindow()
    {
        Open(WritePicture("pal8.bmp", Pal8Bitmap(127, 64, CountingBytes(128 * 64))));
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
