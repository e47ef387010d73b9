#include "WindowTestSupport.h"

#include "mainform/FieldsWindow.h"
#include "mainform/FileDocument.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QMenu>
#include <QTreeView>
#include <QTreeWidget>

namespace hexlume {
namespace {

class EditingTest : public MainFormTest {
protected:
    void OpenEdited(const std::vector<std::uint8_t>& bytes) { Open(WritePicture("edited.bmp", bytes)); }
    FileDocument& Document() { return *form.Document(); }
    // The document's bytes, which every view shows.
    std::vector<std::uint8_t> Bytes(std::uint64_t offset, std::uint64_t count)
    {
        std::vector<std::uint8_t> bytes(count);
        bytes.resize(Document().Bytes().Read(offset, bytes));
        return bytes;
    }
    // The open value editor of a view; null when none is open.
    static QLineEdit* Editor(QAbstractItemView* view)
    {
        for (QLineEdit* editor : view->findChildren<QLineEdit*>(QStringLiteral("edtValue")))
            if (editor->isVisible())
                return editor;
        return nullptr;
    }
    static QString Problem(QAbstractItemView* view)
    {
        const auto* line = view->viewport()->findChild<QLabel*>(QStringLiteral("lblValueProblem"));
        return line != nullptr && line->isVisible() ? line->text() : QString();
    }
};

TEST_F(EditingTest, ATableCellWritesItsFieldOnceRefusesWhatDoesNotFitAndEscapeWritesNothing)
{
    OpenEdited(SmallBitmap());
    auto* grid = Child<QTableWidget>("sgdInfoHeader");
    grid->setCurrentCell(3, 0);  // biPlanes, from its name: the editor takes the value cell
    QTest::keyClick(grid, Qt::Key_F2);
    QLineEdit* editor = Editor(grid);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), QStringLiteral("0001")) << "what the cell shows";
    QTest::keyClicks(editor, QStringLiteral("70000."));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(Problem(grid), QStringLiteral("biPlanes is a WORD: 0 to 65 535"));
    EXPECT_EQ(Editor(grid), editor) << "stays open to be mended";
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_EQ(Editor(grid), nullptr);
    EXPECT_FALSE(Document().CanUndo()) << "Escape writes nothing";

    QTest::keyClick(grid, Qt::Key_Return);
    ASSERT_NE(Editor(grid), nullptr);
    QTest::keyClicks(Editor(grid), QStringLiteral("2"));
    QTest::keyClick(Editor(grid), Qt::Key_Return);
    EXPECT_EQ(Editor(grid), nullptr);
    EXPECT_EQ(Bytes(26, 2), (std::vector<std::uint8_t>{0x02, 0x00}));
    EXPECT_EQ(grid->item(3, 2)->text(), QStringLiteral("02")) << "the table shows the edit";
    EXPECT_TRUE(Document().Undo());
    EXPECT_FALSE(Document().CanUndo()) << "one step";
    EXPECT_EQ(Bytes(26, 2), (std::vector<std::uint8_t>{0x01, 0x00}));
}

TEST_F(EditingTest, AnOs2TableRowEditsItsOwnFieldByItsNameAndType)
{
    // A 12-byte core header: the table's rows are its own WORDs, not the LONGs of a 40-byte header.
    std::vector<std::uint8_t> core = {'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 26, 0, 0, 0,  // file header
                                      12,  0,   0,  0, 1, 0, 8, 0, 1, 0, 24, 0};       // core header
    core.resize(58, 0x80);
    OpenEdited(core);
    ASSERT_TRUE(platform.errors.isEmpty()) << platform.errors.join(u'|').toStdString();
    auto* grid = Child<QTableWidget>("sgdInfoHeader");
    grid->setCurrentCell(1, 2);
    QTest::keyClick(grid, Qt::Key_F2);
    ASSERT_NE(Editor(grid), nullptr);
    QTest::keyClicks(Editor(grid), QStringLiteral("+70000"));
    QTest::keyClick(Editor(grid), Qt::Key_Return);
    EXPECT_EQ(Problem(grid), QStringLiteral("bcWidth is a WORD: 0 to 65 535"));
    Editor(grid)->clear();
    QTest::keyClicks(Editor(grid), QStringLiteral("3"));
    QTest::keyClick(Editor(grid), Qt::Key_Return);
    EXPECT_EQ(Bytes(18, 4), (std::vector<std::uint8_t>{0x03, 0x00, 0x08, 0x00})) << "bcHeight untouched";
    EXPECT_EQ(grid->item(1, 0)->text(), QStringLiteral("bcWidth"));
    EXPECT_EQ(grid->item(1, 2)->text(), QStringLiteral("03")) << "the table shows the edit";
    EXPECT_EQ(Status(1), QStringLiteral("图像大小:3×8"));
}

TEST_F(EditingTest, TheFieldsWindowTakesDecimalAndAColourAndKeepsTheReservedByte)
{
    OpenEdited(Pal8Bitmap(4, 4, CountingBytes(16)));
    QTest::keyClick(&form, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    auto* window = Child<FieldsWindow>("FieldsWindow");
    auto* view = window->findChild<QTreeView*>(QStringLiteral("tvwFields"));
    const QAbstractItemModel* model = view->model();

    view->setCurrentIndex(model->index(2, 0, model->index(1, 0)));  // biHeight
    QTest::keyClick(view, Qt::Key_Return);
    ASSERT_NE(Editor(view), nullptr);
    QTest::keyClicks(Editor(view), QStringLiteral("-4"));
    QTest::keyClick(Editor(view), Qt::Key_Return);
    EXPECT_EQ(Bytes(22, 4), (std::vector<std::uint8_t>{0xFC, 0xFF, 0xFF, 0xFF}));

    // Entry 2 holds 08 09 0A 0B: its colour is #0A0908.
    view->setCurrentIndex(model->index(2, 0, model->index(2, 0)));
    QTest::keyClick(view, Qt::Key_F2);
    ASSERT_NE(Editor(view), nullptr);
    EXPECT_EQ(Editor(view)->text(), QStringLiteral("#0A0908"));
    QTest::keyClicks(Editor(view), QStringLiteral("#FF80"));
    QTest::keyClick(Editor(view), Qt::Key_Return);
    EXPECT_TRUE(Problem(view).startsWith(QStringLiteral("entry 2 takes a colour as #RRGGBB")));
    QTest::keyClicks(Editor(view), QStringLiteral("00"));
    QTest::keyClick(Editor(view), Qt::Key_Return);
    EXPECT_EQ(Bytes(54 + 8, 4), (std::vector<std::uint8_t>{0x00, 0x80, 0xFF, 0x0B}));

    // A part's bytes are the dump's to change.
    view->setCurrentIndex(model->index(3, 0));
    QTest::keyClick(view, Qt::Key_F2);
    EXPECT_EQ(Editor(view), nullptr);
    EXPECT_EQ(Problem(view), QStringLiteral("The pixel data is changed byte by byte in the dump"));
}

TEST_F(EditingTest, HexTypedInTheDumpOverwritesBytesAsOneStepPerRun)
{
    OpenEdited(SmallBitmap());
    auto* data = Memo("mmoData");
    const int charWidth = data->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const auto clickByte = [&](int byte) {
        QTest::mouseClick(data->viewport(), Qt::LeftButton, {}, QPoint((byte * 4 + 1) * charWidth, kLine / 2));
    };
    clickByte(1);  // file offset 55
    QTest::keyClicks(data, QStringLiteral("ab1"));
    EXPECT_EQ(Bytes(55, 2), (std::vector<std::uint8_t>{0xAB, 0x10}));
    QTest::keyClicks(data, QStringLiteral("2"));
    EXPECT_EQ(Bytes(54, 4), (std::vector<std::uint8_t>{0xFF, 0xAB, 0x12, 0x00}));
    EXPECT_TRUE(data->toPlainText().startsWith(QStringLiteral("FF  AB  12  00"))) << "the dump shows the edit";
    QTest::keyClick(data, Qt::Key_Escape);
    QTest::keyClicks(data, QStringLiteral("c"));  // a new run, at the byte after the last typed
    EXPECT_EQ(Bytes(57, 1), (std::vector<std::uint8_t>{0xC0}));
    ASSERT_TRUE(Document().Undo());
    EXPECT_EQ(Bytes(57, 1), (std::vector<std::uint8_t>{0x00}));
    ASSERT_TRUE(Document().Undo());
    EXPECT_FALSE(Document().CanUndo()) << "the first run was one step";
    EXPECT_EQ(Bytes(54, 4), (std::vector<std::uint8_t>{0xFF, 0x00, 0x00, 0x00}));

    // The caret moved elsewhere ends a run, even half way through a byte.
    clickByte(0);
    QTest::keyClicks(data, QStringLiteral("7"));
    clickByte(3);
    QTest::keyClicks(data, QStringLiteral("22"));
    EXPECT_EQ(Bytes(54, 4), (std::vector<std::uint8_t>{0x7F, 0x00, 0x00, 0x22}));

    // At the file's last byte the typing stops: the size stays.
    clickByte(15);
    QTest::keyClicks(data, QStringLiteral("123456"));
    EXPECT_EQ(Document().Bytes().Size(), 70U);
    EXPECT_EQ(Bytes(69, 1), (std::vector<std::uint8_t>{0x12}));

    // The arrow keys move the caret a byte or a line, Home and End to its line's ends, as hex
    // editors do, stopping at the file's end; the next digits go there.
    clickByte(5);  // file offset 59
    QTest::keyClick(data, Qt::Key_Left);
    QTest::keyClicks(data, QStringLiteral("e1"));  // 58; the caret goes on to 59
    QTest::keyClick(data, Qt::Key_Up);
    QTest::keyClicks(data, QStringLiteral("ab"));  // 43, in the info header
    QTest::keyClick(data, Qt::Key_Down);
    QTest::keyClick(data, Qt::Key_Home);
    QTest::keyClicks(data, QStringLiteral("d0"));  // 54, the pixel data's line start
    QTest::keyClick(data, Qt::Key_End);
    QTest::keyClick(data, Qt::Key_Right);
    QTest::keyClicks(data, QStringLiteral("f9"));  // 69, the last byte
    EXPECT_EQ(Bytes(43, 1), (std::vector<std::uint8_t>{0xAB}));
    EXPECT_EQ(Bytes(54, 5), (std::vector<std::uint8_t>{0xD0, 0x00, 0x00, 0x22, 0xE1}));
    EXPECT_EQ(Bytes(69, 1), (std::vector<std::uint8_t>{0xF9}));
}

TEST_F(EditingTest, SetFileSizeCutsAndExtendsWithZerosAndRefusesNonsense)
{
    const std::vector<std::uint8_t> small = SmallBitmap();
    OpenEdited(small);
    Child<QAction>("actSetFileSize")->trigger();
    auto* dialog = Child<QDialog>("dlgFileSize");
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("lblFileSizeNow"))->text(),
              QStringLiteral("The file has 70 bytes (0x46). New size:"));
    auto* size = dialog->findChild<QLineEdit*>(QStringLiteral("edtFileSize"));
    QPushButton* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    const auto ask = [&](const QString& text) {
        size->setText(text);
        ok->click();
    };
    ask(QStringLiteral("-3"));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("lblFileSizeProblem"))->text(),
              QStringLiteral("type a size in bytes: 1086, or 0x43E"));
    ask(QStringLiteral("0x40"));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(Document().Bytes().Copy(), std::vector<std::uint8_t>(small.begin(), small.begin() + 64));

    Child<QAction>("actSetFileSize")->trigger();
    ask(QStringLiteral("0"));
    EXPECT_TRUE(dialog->isVisible()) << "no file of no bytes";
    ask(QStringLiteral("72"));
    std::vector<std::uint8_t> extended(small.begin(), small.begin() + 64);
    extended.resize(72, 0);
    EXPECT_EQ(Document().Bytes().Copy(), extended);
}

// The findings whose rows offer a Fix, by their code.
QStringList FixableCodes(QTreeWidget* list)
{
    QStringList codes;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        if (!list->topLevelItem(row)->text(4).isEmpty())
            codes << list->topLevelItem(row)->text(1);
    return codes;
}

TEST_F(EditingTest, FixMakesTheChosenRepairAsOneEditAndFixAllLeavesTheGuesses)
{
    BitmapFields fields;
    fields.width = 2;
    fields.height = 2;
    fields.pixels = {0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0};
    const std::vector<std::uint8_t> good = BuildBitmap(fields);
    fields.fileSize = 2'000'000;
    const std::vector<std::uint8_t> broken = BuildBitmap(fields);
    OpenEdited(broken);
    auto* list = Child<QTreeWidget>("lstFindings");
    const QStringList fixable = FixableCodes(list);
    ASSERT_EQ(fixable.size(), 1) << fixable.join(u' ').toStdString();
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        if (!list->topLevelItem(row)->text(4).isEmpty()) {
            EXPECT_TRUE(list->topLevelItem(row)->toolTip(4).contains(QStringLiteral("bfSize"))) << "its sentence";
            list->setCurrentItem(list->topLevelItem(row));
        }
    Child<QAction>("actFix")->trigger();
    EXPECT_EQ(Document().Bytes().Copy(), good);
    EXPECT_FALSE(FixableCodes(list).contains(fixable.front())) << "the finding goes with its fault";
    EXPECT_FALSE(Child<QAction>("actFixAll")->isEnabled());
    Child<QAction>("pmiUndo")->trigger();
    EXPECT_EQ(Document().Bytes().Copy(), broken);

    // Rows past the picture say the height is wrong, but only a guess could say by how much.
    fields.height = 1;
    fields.sizeImage = 8;
    const std::vector<std::uint8_t> tall = BuildBitmap(fields);
    OpenEdited(tall);
    Child<QAction>("actFixAll")->trigger();
    const std::vector<std::uint8_t> fixed = Document().Bytes().Copy();
    EXPECT_NE(fixed, tall);
    EXPECT_EQ(fixed[22], 1) << "biHeight kept";
    auto* guesses = Child<QMenu>("mnuGuesses");
    QAction* height = nullptr;
    for (QAction* guess : guesses->actions())
        if (guess->text().contains(QStringLiteral("biHeight")))
            height = guess;
    ASSERT_NE(height, nullptr) << "offered by name, with its sentence";
    height->trigger();
    EXPECT_EQ(Document().Bytes().At(22), 2) << "named, the guess is made";
    Child<QAction>("pmiUndo")->trigger();
    Child<QAction>("pmiUndo")->trigger();
    EXPECT_EQ(Document().Bytes().Copy(), tall) << "Fix all is one step too";
}

}  // namespace
}  // namespace hexlume
