#include "WindowTestSupport.h"

#include <QMimeData>
#include <QTextBlock>
#include <QUrl>

namespace hexlume {
namespace {

class InspectionTest : public MainFormTest {
protected:
    QTableWidget* Grid(const char* name) { return Child<QTableWidget>(name); }
    // The text under the memo's extra selections of the given underline style.
    QStringList Selected(const char* memo, QTextCharFormat::UnderlineStyle style)
    {
        QStringList texts;
        for (const QTextEdit::ExtraSelection& selection : Memo(memo)->extraSelections())
            if (selection.format.underlineStyle() == style)
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
    EXPECT_FALSE(size->icon().isNull());
    EXPECT_TRUE(size->toolTip().startsWith(QStringLiteral("Bitmap File Header 位图文件头信息\n"))) << size->toolTip().toStdString();
    EXPECT_EQ(size->text(), claimed) << "the cell keeps its text";
    EXPECT_TRUE(Grid("sgdFileHeader")->item(0, 2)->icon().isNull());
    EXPECT_FALSE(Selected("mmoData", QTextCharFormat::WaveUnderline).isEmpty());
    EXPECT_TRUE(Grid("sgdInfoHeader")->item(0, 2)->toolTip().contains(QStringLiteral("BITMAPINFOHEADER, 40 bytes.")));
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
