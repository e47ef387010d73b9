#include "WindowTestSupport.h"
#include "mainform/DumpInspector.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QToolButton>
#include <QDialog>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>

namespace hexlume {
namespace {

// 24-bit, 64 × 512: 6 144 data lines, three times what the cut pane holds, with a marker far
// past the cut and another further on.
constexpr std::size_t kDataStart = 54;
constexpr std::size_t kFirstMarker = 80000;  // data line 5 000, dump line 5 005
constexpr std::size_t kSecondMarker = 90003;

class NavigationTest : public MainFormTest {
protected:
    void OpenTall()
    {
        BitmapFields fields;
        fields.width = 64;
        fields.height = 512;
        fields.pixels = CountingBytes(64 * 3 * 512);
        for (const std::size_t at : {kFirstMarker, kSecondMarker})
            std::copy_n(std::begin({0xDE, 0xAD, 0x00, 0xEF}), 4, fields.pixels.begin() + static_cast<std::ptrdiff_t>(at));
        fields.pixels[kSecondMarker + 2] = 0x77;
        Open(WritePicture("tall.bmp", BuildBitmap(fields)));
    }
    QScrollArea* Pane() { return Child<QScrollArea>("sbxFile"); }

    // Every lit range of the dump, as "memo:text".
    QStringList Lit()
    {
        QStringList lit;
        for (const char* name : kMemoNames) {
            const QColor highlight = Memo(name)->palette().color(QPalette::Active, QPalette::Highlight);
            for (const QTextEdit::ExtraSelection& selection : Memo(name)->extraSelections())
                if (selection.format.background().color() == highlight)
                    lit << QStringLiteral("%1:%2").arg(QLatin1String(name), selection.cursor.selectedText());
        }
        return lit;
    }
    // The line number beside the data memo's line holding the lit byte, and whether that byte
    // stands inside the pane's viewport.
    QString NumberBesideLit()
    {
        for (const QTextEdit::ExtraSelection& selection : Memo("mmoData")->extraSelections()) {
            if (selection.format.background().color() != Memo("mmoData")->palette().color(QPalette::Active, QPalette::Highlight))
                continue;
            const QRect byte = Memo("mmoData")->cursorRect(selection.cursor);
            const QPoint inPane = Memo("mmoData")->viewport()->mapTo(Pane()->viewport(), byte.center());
            EXPECT_TRUE(Pane()->viewport()->rect().contains(inPane)) << "the lit byte is out of view";
            const int line = (Memo("mmoData")->y() + byte.center().y()) / kLine;
            return Memo("mmoNumbers")->document()->findBlockByNumber(line).text();
        }
        return {};
    }
    QDialog* Ask(const char* dialog, QKeyCombination keys, const QString& typed)
    {
        QTest::keyClick(&form, keys.key(), keys.keyboardModifiers());
        auto* asked = Child<QDialog>(dialog);
        EXPECT_TRUE(asked->isVisible()) << dialog;
        auto* line = asked->findChild<QLineEdit*>(QStringLiteral("edtQuery"));
        line->setText(typed);
        QTest::keyClick(line, Qt::Key_Return);
        return asked;
    }
    QString Said(QDialog* dialog) { return dialog->findChild<QLabel*>(QStringLiteral("lblQueryMessage"))->text(); }
};

TEST_F(NavigationTest, GoToPastTheCutShowsTheByteLitAmongItsOwnLineNumbers)
{
    OpenTall();
    QDialog* goTo = Ask("dlgGoTo", Qt::CTRL | Qt::Key_G, QStringLiteral("twelve"));
    EXPECT_EQ(Said(goTo), QStringLiteral("not an offset: twelve"));
    Ask("dlgGoTo", Qt::CTRL | Qt::Key_G, QStringLiteral("999999"));
    EXPECT_EQ(Said(goTo), QStringLiteral("past the end of the file (98 358 bytes)"));
    EXPECT_TRUE(goTo->isVisible()) << "a mistake is mended in place";

    Ask("dlgGoTo", Qt::CTRL | Qt::Key_G, QStringLiteral("0x%1").arg(kDataStart + kFirstMarker, 0, 16));
    EXPECT_FALSE(goTo->isVisible());
    EXPECT_EQ(Lit(), QStringList{QStringLiteral("mmoData:DE")});
    EXPECT_EQ(NumberBesideLit(), QStringLiteral("5005"));
    EXPECT_TRUE(Child<QWidget>("pnlDataWindow")->isVisible());
    EXPECT_TRUE(Child<QLabel>("lblDataWindow")->text().contains(QStringLiteral("of 6 149"))) << Child<QLabel>("lblDataWindow")->text().toStdString();

    // Relative to the lit byte: the next line's byte, then back.
    Ask("dlgGoTo", Qt::CTRL | Qt::Key_G, QStringLiteral("+16"));
    EXPECT_EQ(NumberBesideLit(), QStringLiteral("5006"));
    Ask("dlgGoTo", Qt::CTRL | Qt::Key_G, QStringLiteral("- 0x10"));
    EXPECT_EQ(Lit(), QStringList{QStringLiteral("mmoData:DE")});

    // The dump's popup menu offers the same, and the note under the pane the way back to the top.
    QContextMenuEvent menuAsked(QContextMenuEvent::Mouse, QPoint(5, 5), Memo("mmoData")->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(Memo("mmoData")->viewport(), &menuAsked);
    auto* menu = Memo("mmoData")->findChild<QMenu*>(QStringLiteral("ppmDump"));
    ASSERT_NE(menu, nullptr);
    QStringList offered;
    for (const QAction* action : menu->actions())
        offered << action->objectName();
    menu->close();
    EXPECT_TRUE(offered.contains(QStringLiteral("actGoTo")) && offered.contains(QStringLiteral("actFind")) &&
                offered.contains(QStringLiteral("actBackToTop")))
        << offered.join(u' ').toStdString();
    QTest::mouseClick(Child<QToolButton>("btnBackToTop"), Qt::LeftButton);
    EXPECT_FALSE(Child<QWidget>("pnlDataWindow")->isVisible());
    EXPECT_EQ(Pane()->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(Memo("mmoData")->toPlainText().startsWith(QStringLiteral("00  01  02  03")));
    EXPECT_EQ(Memo("mmoNumbers")->document()->findBlockByNumber(5).text(), QStringLiteral("5"));
}

TEST_F(NavigationTest, FindReachesPastTheCutWithWildcardsAndGoesRound)
{
    OpenTall();
    QDialog* find = Ask("dlgFind", Qt::CTRL | Qt::Key_F, QStringLiteral("DE AD ?? EF"));
    EXPECT_EQ(Lit(), QStringList{QStringLiteral("mmoData:DE  AD  00  EF")});
    const QString hex = QString::number(kDataStart + kFirstMarker, 16).toUpper();
    EXPECT_TRUE(Said(find).startsWith(QStringLiteral("Found at offset 0x%1.").arg(hex))) << Said(find).toStdString();
    QTest::keyClick(find->findChild<QLineEdit*>(QStringLiteral("edtQuery")), Qt::Key_Return);
    EXPECT_EQ(Lit(), QStringList{QStringLiteral("mmoData:DE  AD  77  EF")});
    EXPECT_EQ(NumberBesideLit(), QStringLiteral("5630"));  // data line 90003 / 16 = 5625
    QTest::keyClick(find->findChild<QLineEdit*>(QStringLiteral("edtQuery")), Qt::Key_Return);
    EXPECT_TRUE(Said(find).startsWith(QStringLiteral("Went round past the end"))) << Said(find).toStdString();
    EXPECT_EQ(NumberBesideLit(), QStringLiteral("5005"));

    // Closed with Escape, the keys go on: Shift+F3 goes back round to the second marker.
    QTest::keyClick(find, Qt::Key_Escape);
    EXPECT_FALSE(find->isVisible());
    QTest::keyClick(&form, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(Lit(), QStringList{QStringLiteral("mmoData:DE  AD  77  EF")});

    find->findChild<QComboBox*>(QStringLiteral("cmbQueryKind"))->setCurrentIndex(1);
    Ask("dlgFind", Qt::CTRL | Qt::Key_F, QStringLiteral("BM"));
    EXPECT_EQ(Lit(), QStringList{QStringLiteral("mmoFileHeader:42  4D")});
    Ask("dlgFind", Qt::CTRL | Qt::Key_F, QStringLiteral("no such text"));
    EXPECT_EQ(Said(find), QStringLiteral("Not in the file: no such text"));
    find->findChild<QComboBox*>(QStringLiteral("cmbQueryKind"))->setCurrentIndex(0);
    Ask("dlgFind", Qt::CTRL | Qt::Key_F, QStringLiteral("4D 4"));
    EXPECT_TRUE(Said(find).startsWith(QStringLiteral("not hex bytes")));
}

TEST_F(NavigationTest, OneLitRangeAcrossTheMemosAndOnePlaceToFollowIt)
{
    Open(WritePicture("pal8.bmp", Pal8Bitmap(16, 4, CountingBytes(64))));
    auto* inspector = form.findChild<DumpInspector*>();
    ASSERT_NE(inspector, nullptr);
    QSignalSpy selected(inspector, &DumpInspector::Selected);
    const auto clickByte = [this](const char* memo, int byte) {
        const int charWidth = Memo(memo)->fontMetrics().horizontalAdvance(QLatin1Char('0'));
        QTest::mouseClick(Memo(memo)->viewport(), Qt::LeftButton, {},
                          QPoint((byte % 16 * 4 + 1) * charWidth, byte / 16 * kLine + kLine / 2));
    };

    Child<QTableWidget>("sgdInfoHeader")->selectRow(1);  // biWidth
    EXPECT_EQ(Lit(), QStringList{QStringLiteral("mmoInfoHeader:10  00  00  00")});
    clickByte("mmoData", 17);
    EXPECT_EQ(Lit(), QStringList{QStringLiteral("mmoData:11")});
    EXPECT_TRUE(Child<QTableWidget>("sgdInfoHeader")->selectedRanges().isEmpty());
    ASSERT_FALSE(selected.isEmpty());
    EXPECT_EQ(selected.last(), (QList<QVariant>{QVariant::fromValue<std::uint64_t>(54 + 1024 + 17),
                                                QVariant::fromValue<std::uint64_t>(1)}));
    clickByte("mmoPalette", 3);
    EXPECT_EQ(Lit(), QStringList{QStringLiteral("mmoPalette:03")});
    // A header byte lights its field, even when its row was already chosen before.
    clickByte("mmoInfoHeader", 5);
    clickByte("mmoData", 0);
    clickByte("mmoInfoHeader", 6);
    EXPECT_EQ(Lit(), QStringList{QStringLiteral("mmoInfoHeader:10  00  00  00")});
    Ask("dlgGoTo", Qt::CTRL | Qt::Key_G, QStringLiteral("+0x30"));  // from biWidth at 18 into the palette
    EXPECT_EQ(Lit(), QStringList{QStringLiteral("mmoPalette:0C")});
    EXPECT_EQ(selected.last().first().value<std::uint64_t>(), 18u + 0x30);
}

TEST_F(NavigationTest, TabLeavesTheTablesAndPagingKeysMoveTheDump)
{
    OpenTall();
    QTableWidget* info = Child<QTableWidget>("sgdInfoHeader");
    info->setFocus();
    info->setCurrentCell(1, 0);
    QTest::keyClick(info, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), info);
    EXPECT_EQ(info->horizontalScrollBar()->value(), 0);

    QScrollBar* bar = Pane()->verticalScrollBar();
    QTest::keyClick(&form, Qt::Key_PageDown);
    EXPECT_EQ(bar->value(), bar->pageStep());
    QTest::keyClick(&form, Qt::Key_PageUp);
    EXPECT_EQ(bar->value(), 0);

    // Ctrl+End reaches the file's last line, past the cut, from a table too.
    info->setFocus();
    QTest::keyClick(info, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(bar->value(), bar->maximum());
    const QString numbers = Memo("mmoNumbers")->toPlainText().trimmed();
    EXPECT_TRUE(numbers.endsWith(QStringLiteral("\n6148"))) << numbers.right(20).toStdString();
    EXPECT_TRUE(Memo("mmoData")->toPlainText().trimmed().endsWith(QStringLiteral("F9  FA  FB  FC  FD  FE  FF")));
    EXPECT_TRUE(Child<QWidget>("pnlDataWindow")->isVisible());
    // PageUp at the window's top moves the window back a page.
    bar->setValue(0);
    const QString before = Memo("mmoData")->document()->firstBlock().text();
    QTest::keyClick(&form, Qt::Key_PageUp);
    EXPECT_NE(Memo("mmoData")->document()->firstBlock().text(), before);
}

}  // namespace
}  // namespace hexlume
