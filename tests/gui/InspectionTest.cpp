#include "WindowTestSupport.h"
#include "mainform/PictureView.h"
#include "texts/FindingsTexts.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QTextBlock>
#include <QTreeWidget>
#include <QUrl>

namespace hexlume {
namespace {

class InspectionTest : public MainFormTest {
protected:
    QTableWidget* Grid(const char* name) { return Child<QTableWidget>(name); }
    // The text under the memo's tinted extra selections (marks, not the highlight).
    QStringList Tinted(const char* memo)
    {
        QStringList texts;
        const QColor highlight = Memo(memo)->palette().color(QPalette::Active, QPalette::Highlight);
        for (const QTextEdit::ExtraSelection& selection : Memo(memo)->extraSelections())
            if (selection.format.hasProperty(QTextFormat::BackgroundBrush) && selection.format.background().color() != highlight)
                texts << selection.cursor.selectedText();
        return texts;
    }
    QPoint ByteCentre(const char* memo, int byte)
    {
        const int charWidth = Memo(memo)->fontMetrics().horizontalAdvance(QLatin1Char('0'));
        return QPoint((byte % 16 * 4 + 1) * charWidth, byte / 16 * kLine + kLine / 2);
    }
    void Drop(const QList<QUrl>& urls)
    {
        QMimeData mime;
        mime.setUrls(urls);
        QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&form, &enter);
        QDropEvent drop(QPointF(300, 300), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&form, &drop);
    }
};

TEST_F(InspectionTest, HeaderRowsAndTheirBytesSelectEachOther)
{
    Open(WritePicture("small.bmp", SmallBitmap()));
    Grid("sgdInfoHeader")->selectRow(1);  // biWidth: info-header bytes 4–7
    const QList<QTextEdit::ExtraSelection> lit = Memo("mmoInfoHeader")->extraSelections();
    ASSERT_EQ(lit.size(), 1);
    EXPECT_EQ(lit[0].cursor.selectionStart(), 4 * 4);
    EXPECT_EQ(lit[0].cursor.selectionEnd(), 7 * 4 + 2);
    EXPECT_EQ(lit[0].cursor.selectedText(), QStringLiteral("02  00  00  00"));

    QTest::mouseClick(Memo("mmoFileHeader")->viewport(), Qt::LeftButton, {}, ByteCentre("mmoFileHeader", 11));
    EXPECT_EQ(Grid("sgdFileHeader")->currentRow(), 4);  // bfOffBits: bytes 10–13
    QTest::mouseClick(Memo("mmoInfoHeader")->viewport(), Qt::LeftButton, {}, ByteCentre("mmoInfoHeader", 33));
    EXPECT_EQ(Grid("sgdInfoHeader")->currentRow(), 9);  // biClrUsed: bytes 32–35
}

TEST_F(InspectionTest, FindingsMarkTheirCellAndBytes)
{
    // bfSize claims more than the file has, and the pixel data is cut short.
    std::vector<std::uint8_t> bytes = Pal8Bitmap(16, 16, CountingBytes(256));
    const QString claimed = QString::number(bytes.size(), 16).toUpper().rightJustified(4, QLatin1Char('0'));
    bytes.resize(bytes.size() - 100);
    Open(WritePicture("cut.bmp", bytes));
    QTableWidgetItem* size = Grid("sgdFileHeader")->item(1, 2);
    ASSERT_NE(size, nullptr);
    EXPECT_NE(size->background(), Grid("sgdFileHeader")->item(0, 2)->background()) << "only the bad field is tinted";
    EXPECT_TRUE(size->icon().isNull()) << "an icon would push the value out of the cell";
    EXPECT_TRUE(size->toolTip().startsWith(QStringLiteral("Bitmap File Header 位图文件头信息\n"))) << size->toolTip().toStdString();
    EXPECT_EQ(size->text(), claimed) << "the cell keeps its text";
    EXPECT_FALSE(Tinted("mmoData").isEmpty());
    EXPECT_TRUE(Grid("sgdInfoHeader")->item(0, 2)->toolTip().contains(QStringLiteral("BITMAPINFOHEADER, 40 bytes.")));
}

TEST_F(InspectionTest, TheBadgeCountsAndTheListLeadsToEveryBadIndex)
{
    // 64 rows of 16 indices and a 4-entry table: three bytes past it, on lines below the first screen.
    BitmapFields fields;
    fields.width = 16;
    fields.height = 64;
    fields.bitCount = 8;
    fields.sizeImage = 1024;
    fields.clrUsed = 4;
    fields.palette = CountingBytes(16);
    fields.pixels.assign(1024, 0);
    fields.pixels[50 * 16 + 3] = 0x11;
    fields.pixels[50 * 16 + 9] = 0x22;
    fields.pixels[51 * 16] = 0x33;
    Open(WritePicture("bad.bmp", BuildBitmap(fields)));
    EXPECT_EQ(Child<QWidget>("lblFindings")->accessibleName(), QStringLiteral("1 error · 1 note"));

    const QStringList tinted = Tinted("mmoData");
    EXPECT_EQ(QSet<QString>(tinted.begin(), tinted.end()), (QSet<QString>{"11", "22", "33"})) << "every bad index";

    QTest::keyClick(&form, Qt::Key_F8);  // opens the list on its first row, the error
    auto* list = form.findChild<QWidget*>(QStringLiteral("FindingsWindow"));
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->isVisible());
    EXPECT_TRUE(list->windowTitle().contains(QStringLiteral("Findings"))) << list->windowTitle().toStdString();
    EXPECT_TRUE(list->windowTitle().contains(QStringLiteral("bad.bmp")));
    const QPlainTextEdit* data = Memo("mmoData");
    const QList<QTextEdit::ExtraSelection> lit = data->extraSelections();
    ASSERT_FALSE(lit.isEmpty());
    EXPECT_EQ(lit.last().cursor.selectedText(), QStringLiteral("11")) << "the highlight comes last";
    const int lineTop = data->mapTo(Child<QWidget>("sbxFileContents"), QPoint(0, 50 * kLine)).y();
    const auto* pane = Child<QScrollArea>("sbxFile");
    const int scrolled = pane->verticalScrollBar()->value();
    EXPECT_GE(lineTop, scrolled);
    EXPECT_LE(lineTop + kLine, scrolled + pane->viewport()->height()) << "the bytes are in view";

    auto* rows = list->findChild<QWidget*>(QStringLiteral("lstFindings"));
    ASSERT_NE(rows, nullptr);
    QTest::keyClick(rows, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("  error    index-past-table  ")))
        << QGuiApplication::clipboard()->text().toStdString();
    form.close();
    EXPECT_FALSE(list->isVisible()) << "the list closes with the window";
}

// The window's dump starts on the masks and is cut; neither is a fault of the file.
TEST_F(InspectionTest, TheBadgeCountsTheFileAsTheCheckerDoesAndTheListSaysTheDumpsLimitsApart)
{
    BitmapFields fields{.width = 64, .height = 256, .bitCount = 32, .compression = 3, .sizeImage = 65536,
                        .palette = {0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0}};
    fields.pixels.assign(65536, 0x5A);
    for (std::size_t alpha = 3; alpha < fields.pixels.size(); alpha += 4)
        fields.pixels[alpha] = 0;  // no bits outside the masks
    const std::vector<std::uint8_t> bytes = BuildBitmap(fields);
    const std::string checked = FindingCountsText(CountFindings(format::Inspect(bytes).findings)).English();
    ASSERT_EQ(checked, "No findings") << "the file this test needs";
    Open(WritePicture("clean.bmp", bytes));
    EXPECT_EQ(Child<QWidget>("lblFindings")->accessibleName(), QString::fromStdString(checked));

    QTest::keyClick(&form, Qt::Key_F8);
    EXPECT_EQ(Child<QTreeWidget>("lstFindings")->topLevelItemCount(), 0);
    const QLabel* limits = Child<QLabel>("lblDumpLimits");
    EXPECT_FALSE(limits->isHidden());
    EXPECT_TRUE(limits->text().contains(QStringLiteral("the bit-field masks"))) << limits->text().toStdString();
    EXPECT_TRUE(limits->text().contains(QStringLiteral("past the cut"))) << limits->text().toStdString();
}

TEST_F(InspectionTest, AValueCellSaysItsFieldsValueMeaningAndFindings)
{
    std::vector<std::uint8_t> bytes = SmallBitmap();
    bytes[26] = 2;  // biPlanes
    Open(WritePicture("planes.bmp", bytes));
    const QString tip = Grid("sgdInfoHeader")->item(3, 2)->toolTip();
    EXPECT_TRUE(tip.startsWith(QStringLiteral("Bitmap Info Header 位图信息头信息\n"))) << tip.toStdString();
    EXPECT_TRUE(tip.contains(QStringLiteral("biPlanes (WORD, bytes 26–27) = 2 (0x0002)"))) << tip.toStdString();
    EXPECT_TRUE(tip.contains(QStringLiteral("\nerror: biPlanes is 2"))) << tip.toStdString();
    EXPECT_TRUE(Grid("sgdInfoHeader")->item(1, 2)->toolTip().contains(QStringLiteral("biWidth (LONG, bytes 18–21) = 2")))
        << "a cell without findings says its field too";
}

TEST_F(InspectionTest, ThePictureWindowOpensFromTheMenuAndAClickedPixelLightsExactlyItsBytes)
{
    Open(WritePicture("small.bmp", SmallBitmap()));
    auto* item = form.findChild<QAction*>(QStringLiteral("pmiPicture"));
    ASSERT_NE(item, nullptr);
    item->trigger();
    auto* window = form.findChild<QWidget*>(QStringLiteral("PictureWindow"));
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_TRUE(window->windowTitle().contains(QStringLiteral("Picture — small.bmp"))) << window->windowTitle().toStdString();

    // Pixel (1, 0), white, is the second of the last stored row: bytes 11 to 13 of the data.
    auto* view = window->findChild<PictureView*>();
    ASSERT_NE(view, nullptr);
    QTest::mouseClick(view, Qt::LeftButton, {}, view->CentreOf({.x = 1, .y = 0}).toPoint());
    const QList<QTextEdit::ExtraSelection> lit = Memo("mmoData")->extraSelections();
    ASSERT_FALSE(lit.isEmpty());
    EXPECT_EQ(lit.last().cursor.selectionStart(), 11 * 4);
    EXPECT_EQ(lit.last().cursor.selectedText(), QStringLiteral("FF  FF  FF"));
}

TEST_F(InspectionTest, ADroppedBitmapOpensAndAnythingElseIsIgnored)
{
    const QString picture = WritePicture("dropped.bmp", SmallBitmap());
    const QString text = QString::fromStdString(dir.Write("pics/notes.txt", {'h', 'i'}));
    Drop({QUrl::fromLocalFile(picture), QUrl::fromLocalFile(text)});
    EXPECT_EQ(Status(0), QStringLiteral("图像名称:dropped.bmp"));
    EXPECT_EQ(Canonical(QDir::currentPath()), Canonical(Q(dir.path() / "pics")));

    const Views before = Snapshot();
    Drop({QUrl::fromLocalFile(text), QUrl::fromLocalFile(picture)});
    Drop({QUrl(QStringLiteral("https://example.org/a.bmp"))});
    ExpectSameViews(before);
    EXPECT_TRUE(platform.errors.isEmpty());
}

}  // namespace
}  // namespace hexlume
