#include "WindowTestSupport.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QTextBlock>
#include <QWheelEvent>

namespace hexlume {
namespace {

class PaneScrollTest : public MainFormTest {
protected:
    void SetUp() override
    {
        MainFormTest::SetUp();
        // 64 palette lines and 40 data lines: the stack is far taller than the pane.
        Open(WritePicture("tall.bmp", Pal8Bitmap(16, 40, CountingBytes(16 * 40))));
    }
    QScrollBar* PaneBar() { return Child<QScrollArea>("sbxFile")->verticalScrollBar(); }
    // The memo's own scroll offset: 0 while its first line stands at its top.
    static int OwnScroll(QPlainTextEdit* memo)
    {
        return memo->verticalScrollBar()->value() + memo->horizontalScrollBar()->value();
    }
    void Wheel(QWidget* target, int notches)
    {
        const QPointF at(10, 8);
        QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, -120 * notches), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &wheel);
    }
};

TEST_F(PaneScrollTest, WheelOverAnyMemoScrollsThePaneNeverTheMemo)
{
    for (const char* name : {"mmoFileHeader", "mmoInfoHeader", "mmoPalette", "mmoData", "mmoNumbers"}) {
        PaneBar()->setValue(0);
        Wheel(Memo(name)->viewport(), 1);
        EXPECT_GT(PaneBar()->value(), 0) << name;
        for (const char* memo : {"mmoFileHeader", "mmoInfoHeader", "mmoPalette", "mmoData", "mmoNumbers"})
            EXPECT_EQ(OwnScroll(Memo(memo)), 0) << memo << " after the wheel over " << name;
    }
}

TEST_F(PaneScrollTest, KeyboardInAFocusedMemoLeavesItUnscrolled)
{
    QPlainTextEdit* palette = Memo("mmoPalette");
    palette->setFocus();
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Down), QKeySequence(Qt::Key_PageDown),
                                     QKeySequence(Qt::CTRL | Qt::Key_End), QKeySequence(Qt::Key_End)}) {
        QTest::keySequence(palette, keys);
        EXPECT_EQ(OwnScroll(palette), 0) << keys.toString().toStdString();
    }
    EXPECT_EQ(palette->cursorForPosition(QPoint(1, 1)).blockNumber(), 0);
}

TEST_F(MainFormTest, StatusPanelsStand190PixelsApart)
{
    for (int panel = 0; panel < 3; ++panel)
        EXPECT_EQ(Panel(panel)->x() - Panel(0)->x(), 190 * panel) << panel;
}

}  // namespace
}  // namespace hexlume
