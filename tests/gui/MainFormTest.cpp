#include "WindowTestSupport.h"
#include "mainform/Application.h"
#include "format/Decoder.h"
#include "texts/RegionText.h"
#include "model/Dib.h"
#include "widgets/Colors.h"
#include "widgets/Translation.h"

#include <QAction>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHeaderView>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>

namespace hexlume {
namespace {

// ---- Start-up -------------------------------------------------------------------------------

TEST_F(MainFormTest, StartupTablesHoldTitlesAndKeysOnly)
{
    const QStringList titles{"KeyName", "Type", "Value"};
    for (const char* name : {"sgdFileHeader", "sgdInfoHeader"}) {
        auto* grid = Child<QTableWidget>(name);
        ASSERT_EQ(grid->columnCount(), 3);
        for (int column = 0; column < 3; ++column)
            EXPECT_EQ(grid->horizontalHeaderItem(column)->text(), titles[column]) << name;
        EXPECT_EQ(Column(grid, 2), QStringList(grid->rowCount(), QString())) << name;
    }
    auto* file = Child<QTableWidget>("sgdFileHeader");
    EXPECT_EQ(Column(file, 0), QStringList({"bfType", "bfSize", "bfReserved1", "bfReserved2", "bfOffBits"}));
    EXPECT_EQ(Column(file, 1), QStringList({" WORD", "DWORD", " WORD", " WORD", "DWORD"}));
    auto* info = Child<QTableWidget>("sgdInfoHeader");
    EXPECT_EQ(Column(info, 0), QStringList({"biSize", "biWidth", "biHeight", "biPlanes", "biBitCount", "biCompression",
                                            "biSizeImage", "biXPelsPerMeter", "biYPersPerMeter", "biClrUsed",
                                            "biClrImportant"}));
    EXPECT_EQ(Column(info, 1), QStringList({"DWORD", " LONG", " LONG", " WORD", " WORD", "DWORD", "DWORD", " LONG",
                                            " LONG", "DWORD", "DWORD"}));
}

TEST_F(MainFormTest, StartupPaneWindowAndStatus)
{
    const QStringList captions{"Bitmap File Header", "Bitmap Info Header", "Bitmap palette", "Bitmap data"};
    for (int memo = 0; memo < 4; ++memo) {
        EXPECT_EQ(Memo(kMemoNames[memo])->toPlainText(), captions[memo]);
        EXPECT_EQ(Memo(kMemoNames[memo])->y(), memo * kLine) << kMemoNames[memo];
        EXPECT_EQ(Memo(kMemoNames[memo])->height(), kLine) << kMemoNames[memo];
    }
    EXPECT_EQ(Memo("mmoNumbers")->toPlainText(), QString());
    EXPECT_EQ(Child<QLabel>("lblNumbers")->text(),
              " 0   1   2   3   4   5   6   7   8   9   A   B   C   D   E   F(l=m-n+1)");
    EXPECT_EQ(form.LineHeight(), kLine);

    EXPECT_EQ(form.size(), QSize(782, 496));
    EXPECT_EQ(form.minimumSize(), QSize(782, 496));
    EXPECT_EQ(form.maximumSize(), QSize(782, 496));

    const QStringList status{"图像名称", "图像大小", "图像类型"};
    for (int panel = 0; panel < 3; ++panel) {
        EXPECT_EQ(Status(panel), status[panel]);
        EXPECT_EQ(Panel(panel)->width(), 190);
    }
}

// ---- Opening ---------------------------------------------------------------------------------

TEST_F(MainFormTest, OpenFillsEveryView)
{
    const QString startFolder = QDir::currentPath();
    const QString path = WritePicture("two.bmp", SmallBitmap());
    ASSERT_EQ(QFileInfo(path).size(), 70);
    Open(path);
    EXPECT_EQ(platform.errors, QStringList());
    EXPECT_EQ(platform.openFolders, QStringList{startFolder});
    EXPECT_EQ(Canonical(QDir::currentPath()), Canonical(Q(dir.path() / "pics")));

    const struct {
        const char* name;
        QString text;
        QColor color;
        int top;
        int height;
    } memos[] = {
        {"mmoFileHeader", "42  4D  46  00  00  00  00  00  00  00  36  00  00  00  ", QColor(255, 0, 0), 0, 16},
        {"mmoInfoHeader",
         "28  00  00  00  02  00  00  00  02  00  00  00  01  00  18  00\n"
         "00  00  00  00  10  00  00  00  12  0B  00  00  12  0B  00  00\n"
         "00  00  00  00  00  00  00  00  ",
         QColor(0, 255, 0), 16, 48},
        {"mmoPalette", "Bitmap File dosn't has palette!", QColor(0, 0, 255), 64, 16},
        {"mmoData", "FF  00  00  00  FF  00  00  00  00  00  FF  FF  FF  FF  00  00\n", QColor(0, 0, 0), 80, 16},
    };
    for (const auto& memo : memos) {
        const QPlainTextEdit* widget = Memo(memo.name);
        EXPECT_EQ(widget->toPlainText(), memo.text) << memo.name;
        EXPECT_EQ(widget->palette().color(QPalette::Text), memo.color) << memo.name;
        EXPECT_EQ(widget->palette().color(QPalette::Base), QColor(Qt::white)) << memo.name;
        EXPECT_EQ(widget->y(), memo.top) << memo.name;
        EXPECT_EQ(widget->height(), memo.height) << memo.name;
    }
    EXPECT_EQ(Memo("mmoNumbers")->toPlainText(), "0\n1\n2\n3\n4\n5\n");
    EXPECT_EQ(Memo("mmoNumbers")->y(), 0);
    EXPECT_EQ(Memo("mmoNumbers")->height(), 96);

    EXPECT_EQ(Column(Child<QTableWidget>("sgdFileHeader"), 2), QStringList({"0x4d42\"BM\"", "0046", "00", "00", "0036"}));
    EXPECT_EQ(Column(Child<QTableWidget>("sgdInfoHeader"), 2),
              QStringList({"0028", "0002", "0002", "01", "18", "0000", "0010", "0B12", "0B12", "0000", "0000"}));
    EXPECT_EQ(Status(0), "图像名称:two.bmp");
    EXPECT_EQ(Status(1), "图像大小:2×2");
    EXPECT_EQ(Status(2), "图像类型:Bmp");

    // The stretched picture itself: red at the top left, blue at the bottom left.
    const QImage preview = Child<QLabel>("imgRevView")->pixmap().toImage();
    ASSERT_EQ(preview.size(), QSize(200, 116));
    EXPECT_EQ(preview.pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(preview.pixelColor(0, 115), QColor(0, 0, 255));
}

TEST_F(MainFormTest, CancelledOpenChangesNothing)
{
    Open(WritePicture("two.bmp", SmallBitmap()));
    const QString folder = QDir::currentPath();
    const Views before = Snapshot();
    Open(QString());
    EXPECT_EQ(platform.openFolders.size(), 2);
    EXPECT_EQ(QDir::currentPath(), folder);
    EXPECT_EQ(platform.errors, QStringList());
    ExpectSameViews(before);
}

TEST_F(MainFormTest, RefusedFilesShowOneErrorAndKeepThePreviousViews)
{
    Open(WritePicture("two.bmp", SmallBitmap()));
    const Views before = Snapshot();

    // Not a bitmap at all: the model refuses it, and the message gives the model's reason.
    const QString text = QString::fromStdString(dir.Write("notes.bmp", {'h', 'e', 'l', 'l', 'o', '\n'}));
    CDib model;
    ASSERT_FALSE(model.LoadFile(text.toStdString()));
    Open(text);
    ASSERT_EQ(platform.errors.size(), 1);
    EXPECT_EQ(platform.errors[0], text + "\n" + Say(model.LastError()));
    ExpectSameViews(before);

    // An OS/2 1.x header cut short: a bitmap, but not one whose headers can be read.
    const std::vector<std::uint8_t> os2{'B', 'M', 22, 0, 0, 0, 0, 0, 0, 0, 26, 0, 0, 0, 12, 0,
                                        0,   0,   1,  0, 1, 0};
    const QString shortFile = WritePicture("os2.bmp", os2);
    Open(shortFile);
    ASSERT_EQ(platform.errors.size(), 2);
    EXPECT_TRUE(platform.errors[1].startsWith(shortFile)) << platform.errors[1].toStdString();
    ExpectSameViews(before);
}

TEST_F(MainFormTest, DamagedFilesOpenWithEveryViewAndThePreviewExplainsItsMarks)
{
    // 2 x 2 at 24 bits with only the bottom row present.
    std::vector<std::uint8_t> bitmap = SmallBitmap();
    bitmap.resize(bitmap.size() - 8);
    Open(WritePicture("cut.bmp", bitmap));
    EXPECT_EQ(platform.errors, QStringList());
    EXPECT_EQ(Status(1), "图像大小:2×2");
    EXPECT_FALSE(Memo("mmoData")->toPlainText().isEmpty());
    const QImage preview = Child<QLabel>("imgRevView")->pixmap().toImage();
    ASSERT_EQ(preview.size(), QSize(200, 116));
    EXPECT_EQ(preview.pixelColor(0, 115), QColor(0, 0, 255));
    EXPECT_EQ(preview.pixelColor(0, 0), QColor(format::kMissingLight));

    // The tooltip explains the marks this picture shows, and only those, after the stored text.
    const QString stored = QStringLiteral("从这里开始--您可以尝试你的鼠标左右键哦！");
    QLabel* label = Child<QLabel>("imgRevView");
    QStringList lines = label->toolTip().split(u'\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], stored);
    EXPECT_TRUE(lines[1].startsWith("Grey checker")) << lines[1].toStdString();

    // 1 × 1 at 8 bits, index 5 of a two-colour table.
    Open(WritePicture("index.bmp", BuildBitmap({.width = 1, .height = 1, .bitCount = 8, .clrUsed = 2,
                                                .palette = CountingBytes(8), .pixels = {5, 0, 0, 0}})));
    EXPECT_EQ(label->pixmap().toImage().pixelColor(0, 0), QColor(format::kBadIndexColor));
    lines = label->toolTip().split(u'\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], stored);
    EXPECT_TRUE(lines[1].startsWith("Magenta")) << lines[1].toStdString();

    // No picture at all: the stored text alone.
    std::vector<std::uint8_t> noFormat = SmallBitmap();
    noFormat[28] = 0x23;
    Open(WritePicture("bits.bmp", noFormat));
    ASSERT_TRUE(label->pixmap().isNull());
    EXPECT_EQ(label->toolTip(), stored);
}

TEST_F(MainFormTest, FileWithoutAPixelFormatShowsWhyInThePreview)
{
    Open(WritePicture("two.bmp", SmallBitmap()));
    std::vector<std::uint8_t> bitmap = SmallBitmap();
    bitmap[28] = 0x23;  // biBitCount 0x0D23
    bitmap[29] = 0x0D;
    Open(WritePicture("bits.bmp", bitmap));
    EXPECT_EQ(platform.errors, QStringList());
    QLabel* preview = Child<QLabel>("imgRevView");
    EXPECT_EQ(preview->text(), "biBitCount 3 363 is not a pixel format");
    EXPECT_TRUE(preview->pixmap().isNull());
    EXPECT_EQ(Status(0), "图像名称:bits.bmp");
    EXPECT_EQ(Column(Child<QTableWidget>("sgdInfoHeader"), 2)[4], "D23");

    Open(WritePicture("two.bmp", SmallBitmap()));
    EXPECT_FALSE(preview->pixmap().isNull());
}

TEST_F(MainFormTest, SecondOpenReplacesEverythingAndScrollsToTheTop)
{
    Open(WritePicture("first.bmp", Pal8Bitmap(200, 200, CountingBytes(40000))));
    auto* bar = Child<QScrollArea>("sbxFile")->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum() / 2);
    ASSERT_NE(Child<QWidget>("sbxFileContents")->y(), 0);

    Open(WritePicture("second.bmp", Pal8Bitmap(400, 100, CountingBytes(40000, 0x10))));
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(Child<QWidget>("sbxFileContents")->pos(), QPoint(0, 0));
    EXPECT_EQ(Column(Child<QTableWidget>("sgdInfoHeader"), 2)[1], "0190");
    EXPECT_EQ(Column(Child<QTableWidget>("sgdInfoHeader"), 2)[2], "0064");
    EXPECT_EQ(Status(0), "图像名称:second.bmp");
    EXPECT_EQ(Status(1), "图像大小:400×100");
    EXPECT_TRUE(Memo("mmoData")->toPlainText().startsWith("10  11  12  13  "));
    EXPECT_TRUE(Memo("mmoInfoHeader")->toPlainText().startsWith("28  00  00  00  90  01  00  00  64  00  "));
}

// ---- A stack taller than the pane allows -----------------------------------------------------

class TallStackTest : public MainFormTest {
protected:
    // 1024 palette bytes and 40000 pixel bytes: 2568 dump lines, more than 32767 pixels.
    void OpenTall()
    {
        pixels = CountingBytes(40000);
        Open(WritePicture("tall.bmp", Pal8Bitmap(200, 200, pixels)));
        ASSERT_EQ(platform.errors, QStringList());
    }
    std::filesystem::path ExportPath() const { return dir.path() / "pics" / "tall.bmp.txt"; }

    std::vector<std::uint8_t> pixels;
};

TEST_F(TallStackTest, DataMemoIsCutAndTheExportOffered)
{
    OpenTall();
    EXPECT_EQ(platform.questions,
              QStringList{"提示\n图像数据Data段太长，程序不能完整显示。\r\n是否使用文件完整导出？"});
    EXPECT_EQ(Memo("mmoData")->y(), 1088);
    EXPECT_EQ(Memo("mmoData")->height(), 31679);
    EXPECT_EQ(Memo("mmoNumbers")->height(), 32767);

    // Only the lines that stand at least partly within the pane: 1980 of 2500.
    const QString data = Memo("mmoData")->toPlainText();
    EXPECT_EQ(data.count('\n'), 1980);
    EXPECT_TRUE(data.startsWith("00  01  02  03  04  05  06  07  08  09  0A  0B  0C  0D  0E  0F\n"));
    EXPECT_TRUE(data.endsWith("\nB0  B1  B2  B3  B4  B5  B6  B7  B8  B9  BA  BB  BC  BD  BE  BF\n"));

    const QString numbers = Memo("mmoNumbers")->toPlainText();
    EXPECT_EQ(numbers.count('\n'), 2047);
    EXPECT_TRUE(numbers.startsWith("0\n1\n2\n"));
    EXPECT_TRUE(numbers.endsWith("\n2045\n2046\n"));

    // Nothing is written unless the user says Yes.
    EXPECT_FALSE(std::filesystem::exists(ExportPath()));
    EXPECT_EQ(platform.editorFiles, QStringList());
    EXPECT_EQ(platform.messages, QStringList());
}

TEST_F(TallStackTest, YesExportsTheWholeDataAndOpensIt)
{
    platform.yesNoAnswers = {true};
    OpenTall();
    EXPECT_EQ(platform.questions.size(), 1);
    const auto written = testing::ReadFileBytes(ExportPath());
    EXPECT_EQ(std::string(written.begin(), written.end()), RegionText(ByteSpan(pixels), kExportLineEnd));
    ASSERT_EQ(platform.editorFiles.size(), 1);
    EXPECT_TRUE(QFileInfo(platform.editorFiles[0]).isAbsolute()) << platform.editorFiles[0].toStdString();
    EXPECT_EQ(Canonical(platform.editorFiles[0]), Canonical(Q(ExportPath())));
    EXPECT_EQ(platform.messages, QStringList());
}

TEST_F(TallStackTest, EditorThatDoesNotStartNamesTheFile)
{
    platform.yesNoAnswers = {true};
    platform.editorStarts = false;
    OpenTall();
    EXPECT_TRUE(std::filesystem::is_regular_file(ExportPath()));
    EXPECT_EQ(platform.editorFiles.size(), 1);
    EXPECT_EQ(platform.messages, QStringList{"文件导出到文件:tall.bmp.txt"});
}

TEST_F(TallStackTest, UnwritableExportIsReportedAndNotOpened)
{
    // A folder in the export file's place: the export cannot be written even by root.
    std::filesystem::create_directory(ExportPath());
    platform.yesNoAnswers = {true};
    OpenTall();
    EXPECT_EQ(platform.messages, QStringList{"文件导出失败！"});
    EXPECT_EQ(platform.editorFiles, QStringList());
}

// ---- Commands --------------------------------------------------------------------------------

TEST_F(MainFormTest, PopupMenusHoldTheirItems)
{
    const QList<QAction*> open = Child<QMenu>("ppmOpenPic")->actions();
    ASSERT_EQ(open.size(), 8);
    EXPECT_EQ(open[0]->text(), "&Open...");
    EXPECT_EQ(open[1]->text(), "&Picture...");
    EXPECT_EQ(open[2]->text(), "&Fields...");

    const QList<QAction*> global = Child<QMenu>("ppmGlobal")->actions();
    ASSERT_EQ(global.size(), 8);
    EXPECT_EQ(global[0]->text(), "ChangeColors");
    EXPECT_TRUE(global[1]->isSeparator());
    EXPECT_EQ(global[2]->text(), "Contact..");
    // Both list a file's images (none to choose before one is open), then end with the edit
    // commands, which nothing can undo or redo before a file is edited.
    for (const QList<QAction*>& menu : {open, global}) {
        EXPECT_EQ(menu[3]->text(), "&Images");
        EXPECT_FALSE(menu[3]->isEnabled());
        EXPECT_TRUE(menu[4]->isSeparator());
        EXPECT_EQ(menu[5]->text(), "&Undo");
        EXPECT_FALSE(menu[5]->isEnabled());
        EXPECT_EQ(menu[6]->shortcuts(), (QList<QKeySequence>{QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
        EXPECT_EQ(menu[7]->shortcut(), QKeySequence("Ctrl+Shift+S"));
    }

    // New colours: the ruler and the line numbers take the background's inverse where it reads,
    // the other texts on the background the layout's black where it reads.
    global[0]->trigger();
    const QColor background = form.palette().color(QPalette::Window);
    const QColor numbers = ToQColor(ReadableTextColor(FromQColor(background) ^ 0xFFFFFF, FromQColor(background)));
    const QColor text = ToQColor(WindowTextOn(FromQColor(background)));
    EXPECT_EQ(Child<QLabel>("lblNumbers")->palette().color(QPalette::WindowText), numbers);
    EXPECT_EQ(Memo("mmoNumbers")->palette().color(QPalette::Text), numbers);
    EXPECT_EQ(Memo("mmoNumbers")->palette().color(QPalette::Base), background);
    EXPECT_EQ(Child<QTableWidget>("sgdInfoHeader")->palette().color(QPalette::Text), text);
    EXPECT_EQ(Child<QLabel>("stbMainPanel0")->palette().color(QPalette::WindowText), text);
    EXPECT_EQ(Child<QLabel>("pnlBmpCaption")->palette().color(QPalette::WindowText), text);
}

TEST_F(MainFormTest, OpenItemAndLeftClickOnThePreviewBothOpen)
{
    const QString first = WritePicture("first.bmp", SmallBitmap());
    const QString second = WritePicture("second.bmp", SmallBitmap());
    platform.openAnswers << first << second;

    Child<QMenu>("ppmOpenPic")->actions().value(0)->trigger();
    EXPECT_EQ(platform.openFolders.size(), 1);
    EXPECT_EQ(Status(0), "图像名称:first.bmp");

    auto* preview = Child<QLabel>("imgRevView");
    QTest::mouseClick(preview, Qt::RightButton);
    EXPECT_EQ(platform.openFolders.size(), 1);
    QTest::mouseClick(preview, Qt::LeftButton);
    EXPECT_EQ(platform.openFolders.size(), 2);
    EXPECT_EQ(Status(0), "图像名称:second.bmp");
    EXPECT_TRUE(platform.openAnswers.isEmpty());
}

// ---- Rendering -------------------------------------------------------------------------------

TEST_F(MainFormTest, LineAndItsNumberArePaintedInTheSameBand)
{
    // 1 + 3 + 64 + 4 lines: enough that a line pitch off by a pixel drifts out of its band. A
    // file with nothing to note: a finding's mark would draw in the bands.
    BitmapFields fields;
    fields.width = 16;
    fields.height = 4;
    fields.bitCount = 8;
    fields.sizeImage = 64;
    fields.palette = CountingBytes(1024);
    fields.pixels = CountingBytes(64, 0x40);
    Open(WritePicture("pal8.bmp", BuildBitmap(fields)));
    ASSERT_EQ(Memo("mmoNumbers")->toPlainText().count('\n'), 72);
    const QImage pane = Child<QWidget>("sbxFileContents")->grab().toImage();
    ASSERT_GE(pane.height(), 72 * kLine);
    const QRgb white = qRgb(255, 255, 255);
    const QRgb numbersBackground = pane.pixel(pane.width() - 1, 0);  // right of every number

    for (int line = 0; line < 72; ++line) {
        const int top = line * kLine;
        const auto text = InkRows(pane, QRect(0, top, 500, kLine), white);
        // Clear of the band's outer rows, where a neighbour's glyphs would show.
        EXPECT_GT(text.first, top) << "line " << line;
        EXPECT_LT(text.second, top + kLine - 1) << "line " << line;
        // Digits of both have the same height: a number level with its line inks the same rows.
        EXPECT_EQ(InkRows(pane, QRect(500, top, 48, kLine), numbersBackground), text) << "number " << line;
    }
    // The info header's last line holds 8 bytes: the right half of its band stays empty.
    EXPECT_TRUE(HasInk(pane, QRect(256, 2 * kLine, 244, kLine), white));
    EXPECT_FALSE(HasInk(pane, QRect(256, 3 * kLine, 244, kLine), white));
}

TEST_F(MainFormTest, RulerLabelsStandAboveTheirByteColumns)
{
    auto* ruler = Child<QLabel>("lblNumbers");
    for (const QFont& font : {ruler->font(), Memo("mmoInfoHeader")->font()}) {
        ASSERT_EQ(QFontInfo(font).family(), "AR PL UMing CN");
        for (char glyph : {'0', '8', 'A', 'F', ' '})
            ASSERT_EQ(QFontMetrics(font).horizontalAdvance(QLatin1Char(glyph)), 8) << glyph;
    }
    Open(WritePicture("two.bmp", SmallBitmap()));
    const QImage window = form.grab().toImage();

    // The ruler's glyph rows: from its top to where the dump pane covers it.
    const int rulerTop = ruler->y();
    const int rulerHeight = Child<QScrollArea>("sbxFile")->y() - rulerTop;
    ASSERT_GT(rulerHeight, 8);
    const QRgb rulerBackground = window.pixel(kDumpLeft, rulerTop);
    // The info header's first line, a full one of 16 bytes.
    const int lineTop = Child<QScrollArea>("sbxFile")->y() + Memo("mmoInfoHeader")->y();
    const QRgb white = qRgb(255, 255, 255);

    for (int column = 0; column < 16; ++column) {
        // Ruler characters 4j … 4j+3 are " j  " and the dump's 4j … 4j+3 "XX  ": a glyph one pixel off
        // its cell inks a blank.
        const int left = kDumpLeft + 32 * column;
        EXPECT_FALSE(HasInk(window, QRect(left, rulerTop, 8, rulerHeight), rulerBackground)) << column;
        EXPECT_TRUE(HasInk(window, QRect(left + 8, rulerTop, 8, rulerHeight), rulerBackground)) << column;
        EXPECT_TRUE(HasInk(window, QRect(left, lineTop, 16, kLine), white)) << column;
        // Right of the last column come the ruler's legend and the line numbers.
        if (column < 15) {
            EXPECT_FALSE(HasInk(window, QRect(left + 16, rulerTop, 16, rulerHeight), rulerBackground)) << column;
            EXPECT_FALSE(HasInk(window, QRect(left + 16, lineTop, 16, kLine), white)) << column;
        }
    }
}

// ---- Errors escaping event handlers ----------------------------------------------------------

class ThrowingObject : public QObject {
public:
    int handled = 0;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::User)
            throw std::runtime_error("handler failed");
        if (event->type() == QEvent::Type(QEvent::User + 1)) {
            ++handled;
            return true;
        }
        return QObject::event(event);
    }
};

TEST(ApplicationTest, EscapedErrorIsShownOnceAndTheProgramGoesOn)
{
    auto* app = dynamic_cast<Application*>(QCoreApplication::instance());
    ASSERT_NE(app, nullptr);
    ScriptedPlatform platform;
    app->SetErrorDisplay(&platform);

    ThrowingObject target;
    QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&target, new QEvent(QEvent::Type(QEvent::User + 1)));
    QCoreApplication::sendPostedEvents(&target);
    EXPECT_EQ(platform.errors, QStringList{"handler failed"});
    EXPECT_EQ(target.handled, 1);

    QCoreApplication::postEvent(&target, new QEvent(QEvent::Type(QEvent::User + 1)));
    QCoreApplication::processEvents();
    EXPECT_EQ(target.handled, 2);
    EXPECT_EQ(platform.errors.size(), 1);
    app->SetErrorDisplay(nullptr);
}

}  // namespace
}  // namespace hexlume
