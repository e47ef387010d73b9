#include "WindowTestSupport.h"
#include "fqform/HelpTexts.h"
#include "widgets/Colors.h"
#include "widgets/QtText.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <exception>
#include <functional>

namespace hexlume {
namespace {

const QColor kDark(10, 10, 10);
const QColor kLight(0xDF, 0xE0, 0xE1);
const QColor kHelpShadow(0x14, 0x14, 0x14);

// The first pixel of a run of the grabbed image that is not in the colour; empty when none is.
std::string Mismatch(const QImage& image, const QRect& run, const QColor& color)
{
    for (int y = run.top(); y <= run.bottom(); ++y)
        for (int x = run.left(); x <= run.right(); ++x)
            if (image.pixelColor(x, y).rgb() != color.rgb())
                return std::to_string(x) + ',' + std::to_string(y) + " is " + image.pixelColor(x, y).name().toStdString();
    return {};
}

// The whole painted frame of a grabbed window. Children standing on the top-left `covered` area
// (from row 1 down) hide the frame there, so those pixels are left out.
void ExpectFrame(const QImage& image, const QColor& shadow, const QColor& background, QSize covered = QSize(0, 0))
{
    const int w = image.width();
    const int h = image.height();
    const int left = std::max(1, covered.width());  // row 1's first pixel outside the children
    const int top = 1 + covered.height();           // columns 0 and 1: first row outside the children
    EXPECT_EQ(Mismatch(image, QRect(0, 0, w, 1), kDark), "") << "top edge";
    EXPECT_EQ(Mismatch(image, QRect(0, top, 1, h - top), kDark), "") << "left edge";
    EXPECT_EQ(Mismatch(image, QRect(left, 1, w - 1 - left, 1), kLight), "") << "inner top line";
    EXPECT_EQ(Mismatch(image, QRect(1, top, 1, h - 1 - top), kLight), "") << "inner left line";
    EXPECT_EQ(Mismatch(image, QRect(w - 1, 1, 1, h - 2), shadow), "") << "right edge";
    EXPECT_EQ(Mismatch(image, QRect(1, h - 1, w - 2, 1), shadow), "") << "bottom edge";
    EXPECT_EQ(Mismatch(image, QRect(w - 1, h - 1, 1, 1), background), "") << "bottom-right corner";
}

// A pointer move without buttons, sent straight to the widget so that the case does not depend
// on how the platform turns pointer motion into tracking moves.
void MoveOver(QWidget* widget, QPoint at = QPoint(2, 2))
{
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(widget->mapToGlobal(at)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

template <typename T = QWidget>
T* Part(const QWidget& root, const char* name)
{
    T* part = root.findChild<T*>(QString::fromLatin1(name));
    if (part == nullptr)
        throw std::runtime_error(std::string("no ") + name);
    return part;
}

// Which image of a normal/hover pair shows; "broken" when both or neither do.
std::string Pair(const QWidget& root, const char* normal, const char* hover)
{
    const bool one = !Part(root, normal)->isHidden();
    const bool two = !Part(root, hover)->isHidden();
    return one == two ? "broken" : one ? "normal" : "hover";
}

using ChromeTest = MainFormTest;

TEST_F(ChromeTest, MainWindowFrame)
{
    const QImage image = form.grab().toImage();
    ASSERT_EQ(image.size(), QSize(782, 496));
    // pnlButtons stands on (0,1)-(73,19).
    ExpectFrame(image, kDark, form.palette().color(QPalette::Window), QSize(74, 19));
    // Where its images leave it bare, the panel shows the window's colour, not the frame.
    for (const QPoint bare : {QPoint(0, 19), QPoint(1, 19), QPoint(73, 1)})
        EXPECT_EQ(image.pixelColor(bare), form.palette().color(QPalette::Window)) << bare.x() << ',' << bare.y();
}

TEST_F(ChromeTest, HoverSwapsOnlyFromTheNormalImages)
{
    const auto close = [this] { return Pair(form, "imgClose1", "imgClose2"); };
    const auto help = [this] { return Pair(form, "imgFQ1", "imgFQ2"); };
    EXPECT_EQ(close(), "normal");
    EXPECT_EQ(help(), "normal");

    const struct {
        const char* over;  // nullptr: the window's bare surface
        const char* close;
        const char* help;
    } steps[] = {
        {"imgClose1", "hover", "normal"},     {"imgClose2", "hover", "normal"},
        {nullptr, "hover", "normal"},         {"sgdFileHeader", "hover", "normal"},
        {"imgFQ1", "normal", "hover"},        {"imgFQ2", "normal", "hover"},
        {"sgdInfoHeader", "normal", "hover"}, {"imgRevView", "normal", "normal"},
        {"imgClose1", "hover", "normal"},     {"pnlButtons", "normal", "normal"},
        {"imgFQ1", "normal", "hover"},        {"pnlButtons", "normal", "normal"},
    };
    for (const auto& step : steps) {
        QWidget* target = step.over == nullptr ? &form : Child<QWidget>(step.over);
        if (auto* grid = qobject_cast<QTableWidget*>(target))
            target = grid->viewport();
        MoveOver(target, step.over == nullptr ? QPoint(100, 10) : QPoint(2, 2));
        const char* where = step.over == nullptr ? "surface" : step.over;
        EXPECT_EQ(close(), step.close) << "over " << where;
        EXPECT_EQ(help(), step.help) << "over " << where;
    }
}

TEST_F(ChromeTest, ChangeColorsLeavesTheLoadedDumpAlone)
{
    Open(WritePicture("two.bmp", SmallBitmap()));
    ASSERT_EQ(platform.errors, QStringList());
    QList<QColor> texts;
    for (const char* name : kMemoNames)
        texts << Memo(name)->palette().color(QPalette::Text);
    const QColor before = form.palette().color(QPalette::Window);

    Child<QAction>("pmiChangeColors")->trigger();
    EXPECT_NE(form.palette().color(QPalette::Window), before);
    for (int memo = 0; memo < 4; ++memo) {
        EXPECT_EQ(Memo(kMemoNames[memo])->palette().color(QPalette::Base), QColor(Qt::white)) << kMemoNames[memo];
        EXPECT_EQ(Memo(kMemoNames[memo])->palette().color(QPalette::Text), texts[memo]) << kMemoNames[memo];
    }
}

TEST_F(ChromeTest, CloseButtonQuitsOnACompletedLeftClickOnly)
{
    auto* close = Child<QLabel>("imgClose1");
    // quit() only ends the application's own loop, so each gesture runs inside exec(); exec()
    // returns 0 on a quit and 1 from the guard posted behind the gesture.
    const auto quits = [](const std::function<void()>& gesture) {
        QObject context;  // drops the guard once exec() is over
        QTimer::singleShot(0, &context, [&] {
            gesture();
            QTimer::singleShot(0, &context, [] { QCoreApplication::exit(1); });
        });
        return QApplication::exec() == 0;
    };
    EXPECT_FALSE(quits([close] { QTest::mouseClick(close, Qt::RightButton); }));
    EXPECT_FALSE(quits([close] {
        QTest::mousePress(close, Qt::LeftButton);
        QTest::mouseRelease(close, Qt::LeftButton, {}, QPoint(300, 200));  // let go off the button
    }));
    MoveOver(Child<QWidget>("pnlButtons"));
    EXPECT_TRUE(quits([close] { QTest::mouseClick(close, Qt::LeftButton); }));
}

TEST_F(ChromeTest, PressesLeaveTheWindowInPlace)
{
    // Offscreen the system move is refused; what remains to see is that nothing else moves it.
    const QPoint place = form.pos();
    QTest::mousePress(&form, Qt::LeftButton, {}, QPoint(100, 10));
    QTest::mouseMove(&form, QPoint(300, 200));
    QTest::mouseRelease(&form, Qt::LeftButton, {}, QPoint(300, 200));
    QTest::mouseClick(Child<QLabel>("lblNumbers"), Qt::LeftButton);
    EXPECT_EQ(form.pos(), place);
    EXPECT_TRUE(form.isVisible());
}

// ---- The help window -------------------------------------------------------------------------

class HelpWindowTest : public MainFormTest {
protected:
    // Runs `inside` while the help window that `open` brings up is on screen, closing it if
    // `inside` did not. The dialog must be gone once `open` returns.
    void WhileOpen(const std::function<void()>& open, const std::function<void(QDialog&)>& inside)
    {
        QPointer<QDialog> seen;
        QObject context;  // a window that never opened leaves no timer behind
        QTimer::singleShot(0, &context, [&] {
            seen = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (seen == nullptr) {
                ADD_FAILURE() << "no modal dialog";
                return;
            }
            EXPECT_EQ(seen->objectName(), "FQForm");
            try {
                inside(*seen);
            } catch (const std::exception& error) {
                ADD_FAILURE() << error.what();
            }
            if (seen != nullptr && seen->isVisible()) {
                ADD_FAILURE() << "the help window is still open";
                seen->reject();
            }
        });
        open();
        EXPECT_TRUE(seen.isNull()) << "the closed help window lives on";
    }
    void ClickHelpButton() { QTest::mouseClick(Child<QLabel>("imgFQ1"), Qt::LeftButton); }
};

TEST_F(HelpWindowTest, ShowsColourFrameTextAndLink)
{
    const QColor background = form.palette().color(QPalette::Window);
    WhileOpen([this] { ClickHelpButton(); }, [&](QDialog& help) {
        EXPECT_EQ(help.palette().color(QPalette::Window), background);
        const QImage image = help.grab().toImage();
        ASSERT_EQ(image.size(), QSize(368, 241));
        ExpectFrame(image, kHelpShadow, background);

        EXPECT_EQ(Part<QPlainTextEdit>(help, "Memo1")->toPlainText(),
                  FromUtf8(kUsageParagraph1) + '\n' + FromUtf8(kUsageParagraph2));
        EXPECT_TRUE(Part(help, "Button1")->isHidden());
        EXPECT_EQ(Part(help, "Memo1")->palette().color(QPalette::Text), ToQColor(WindowTextOn(FromQColor(background))));

        // The guide lies over the panel on request and goes again; the window keeps its size.
        auto* guide = Part<QPlainTextEdit>(help, "mmoGuide");
        EXPECT_TRUE(guide->isHidden());
        QTest::mouseClick(Part(help, "lblGuide"), Qt::LeftButton);
        EXPECT_TRUE(guide->isVisible());
        EXPECT_EQ(guide->geometry(), Part(help, "pnlMain")->geometry());
        EXPECT_EQ(help.size(), QSize(368, 241));
        for (const char* key : {"F8", "Ctrl+Shift+P", "Ctrl+Shift+F", "Ctrl+G", "Ctrl+F", "Shift+F3", "hexlume-dump --help"})
            EXPECT_TRUE(guide->toPlainText().contains(QLatin1String(key))) << key;
        QTest::mouseClick(Part(help, "lblGuide"), Qt::LeftButton);
        EXPECT_TRUE(guide->isHidden());

        auto* link = Part(help, "StaticText1");
        QTest::mouseClick(link, Qt::RightButton);
        EXPECT_EQ(platform.urls, QStringList());
        QTest::mouseClick(link, Qt::LeftButton);
        EXPECT_EQ(platform.urls, QStringList{FromUtf8(kWebAddress)});
        EXPECT_TRUE(help.isVisible());

        // Let go of OK off the image: not a click.
        QTest::mousePress(Part(help, "imgOK1"), Qt::LeftButton);
        QTest::mouseRelease(Part(help, "imgOK1"), Qt::LeftButton, {}, QPoint(-100, -100));
        EXPECT_TRUE(help.isVisible());

        QTest::mouseClick(Part(help, "imgOK1"), Qt::LeftButton);
        EXPECT_FALSE(help.isVisible());
    });
}

TEST_F(HelpWindowTest, OkHoverAndEveryOpeningIsFresh)
{
    WhileOpen([this] { Child<QAction>("Contact")->trigger(); }, [](QDialog& help) {
        const auto ok = [&help] { return Pair(help, "imgOK1", "imgOK2"); };
        EXPECT_EQ(ok(), "normal");
        MoveOver(Part(help, "imgOK2"));
        EXPECT_EQ(ok(), "normal");
        MoveOver(Part(help, "imgOK1"));
        EXPECT_EQ(ok(), "hover");
        MoveOver(Part(help, "imgOK2"));
        EXPECT_EQ(ok(), "hover");
        MoveOver(&help, QPoint(10, 225));  // bare surface left of OK
        EXPECT_EQ(ok(), "normal");
        MoveOver(Part(help, "imgOK1"));
        QTest::mouseClick(Part(help, "imgOK2"), Qt::LeftButton);  // closes in the hover state
    });

    // The second opening starts over: normal OK, the window's new colour.
    Child<QAction>("pmiChangeColors")->trigger();
    const QColor background = form.palette().color(QPalette::Window);
    WhileOpen([this] { ClickHelpButton(); }, [&](QDialog& help) {
        EXPECT_EQ(help.palette().color(QPalette::Window), background);
        EXPECT_EQ(Pair(help, "imgOK1", "imgOK2"), "normal");
        QTest::mouseClick(Part(help, "imgOK1"), Qt::LeftButton);
    });
}

}  // namespace
}  // namespace hexlume
