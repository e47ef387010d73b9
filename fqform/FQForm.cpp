#include "FQForm.h"

#include "HelpTexts.h"
#include "platform/Platform.h"
#include "widgets/Colors.h"
#include "widgets/Contrast.h"
#include "widgets/FramePainter.h"
#include "widgets/ImageButtons.h"
#include "widgets/LayoutFonts.h"
#include "widgets/QtText.h"
#include "ui_Fqunit.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>

namespace hexlume {

namespace {
constexpr std::uint32_t kLinkColor = 0xFF0000u;  // blue
}  // namespace

TFQForm::TFQForm(Platform& platform, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      ui(std::make_unique<Ui::TFQForm>()),
      m_platform(platform)
{
    ui->setupUi(this);
    ApplyLayoutPixelSizes(this);
    setModal(true);
}

TFQForm::TFQForm(Platform& platform, QWidget* owner, const QColor& color) : TFQForm(platform, owner)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::Base, color);
    const QColor text = ToQColor(WindowTextOn(FromQColor(color)));
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    setPalette(palette);
    FormCreate();
}

TFQForm::~TFQForm() = default;

void TFQForm::FormCreate()
{
    // Both literals end in their NUL.
    ui->Memo1->setPlainText(QCoreApplication::translate("TFQForm", kUsageParagraph1.data()) + QLatin1Char('\n') +
                            QCoreApplication::translate("TFQForm", kUsageParagraph2.data()));
    ui->StaticText1->setText(FromUtf8(kWebAddress));
    // The link is blue wherever blue reads on the window's colour.
    QPalette linkPalette = ui->StaticText1->palette();
    linkPalette.setColor(QPalette::WindowText,
                         ToQColor(ReadableTextColor(kLinkColor, FromQColor(palette().color(QPalette::Window)))));
    ui->StaticText1->setPalette(linkPalette);
    CreateGuide(linkPalette);
    ShowOKNormal();

    setMouseTracking(true);
    for (QWidget* image : {ui->imgOK1, ui->imgOK2}) {
        image->setMouseTracking(true);
        image->installEventFilter(this);
    }
    ui->StaticText1->installEventFilter(this);
    m_guideLink->installEventFilter(this);
    connect(ui->Button1, &QPushButton::clicked, this, &TFQForm::Button1Click);
}

// The guide to what the window does beyond the usage notes. It lies over the panel when asked
// for, so the window keeps its size and the notes and contacts their places.
void TFQForm::CreateGuide(const QPalette& linkPalette)
{
    m_guide = new QPlainTextEdit(this);
    m_guide->setObjectName(QStringLiteral("mmoGuide"));
    m_guide->setGeometry(ui->pnlMain->geometry());
    m_guide->setFrameShape(QFrame::Panel);
    m_guide->setFrameShadow(QFrame::Sunken);
    m_guide->setReadOnly(true);
    m_guide->setFocusPolicy(Qt::NoFocus);
    m_guide->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont font = this->font();
    font.setPixelSize(13);  // a little smaller than the notes: the guide is longer
    m_guide->setFont(font);
    m_guide->setPlainText(
        tr("Findings: the dark badge beside the × and ? buttons counts what is wrong with the file. "
           "Click it or press F8 for the Findings window; F8 and Shift+F8 step to the next and previous "
           "finding, and choosing one lights its bytes in the dump.\n\n"
           "Picture: Ctrl+Shift+P, or the preview's right-click menu, opens the Picture window, drawn from "
           "the file's own bytes. Ctrl+wheel or +/− zooms, Ctrl+0 fits, the arrow keys pan; the line under the picture "
           "names the pixel under the pointer, and a click lights its bytes in the dump. "
           "The list beside the zoom shows a channel as grey or one bit plane of it, white where the bit is 1: "
           "[ and ] step through the planes, { and } from channel to channel. \"All rows\" adds the whole rows "
           "stored past the picture, which a lowered height hides.\n\n"
           "Fields: Ctrl+Shift+F, or the preview's right-click menu, opens the Fields window: every field of "
           "the file's own header version, each colour-table entry and every other part, with its offset, "
           "type, value and meaning. Choosing a row lights its bytes in the dump; a finding marks its row.\n\n"
           "Editing: double-click a value in a table or the Fields window (or press F2 or Enter) and type "
           "hex digits as shown, 0x and hex, or decimal with a sign or a trailing dot (64.); a colour entry "
           "takes #RRGGBB. In the dump, hex digits typed at the lit byte overwrite it; \"Set file size...\" "
           "in the dump's menu cuts the file or extends it with zero bytes. The opened file is never written.\n\n"
           "Following the file: when another program rewrites the open file, the window reads it again, "
           "tints the bytes that changed and says so over the preview.\n\n"
           "In the dump: Ctrl+G goes to an offset (decimal, 0x hex, or +/− from the caret); Ctrl+F "
           "finds hex bytes (?? for any byte) or text, F3 and Shift+F3 the next and previous. Rest the "
           "pointer on a byte or a table cell to learn what it is.\n\n"
           "hexlume-dump reads bitmaps without a window:\n"
           "  hexlume-dump FILE: tables, dump and findings\n"
           "  --check [-v] FILE|FOLDER...: OK, WARN or ERROR\n"
           "  --at OFFSET FILE: what one byte is\n"
           "  --pixel X,Y FILE: where one pixel lives\n"
           "  --picture FILE -o OUT.png, --export FILE\n"
           "  --json FILE, --diff A B\n"
           "hexlume-dump --help lists every option."));
    m_guide->hide();

    // Right of OK: the strip left of it stays the window's bare surface.
    m_guideLink = new QLabel(this);
    m_guideLink->setObjectName(QStringLiteral("lblGuide"));
    const QRect ok = ui->imgOK1->geometry();
    m_guideLink->setGeometry(ok.right() + 8, ok.top(), width() - ok.right() - 16, ok.height());
    m_guideLink->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont linkFont = QApplication::font();
    linkFont.setUnderline(true);
    m_guideLink->setFont(linkFont);
    m_guideLink->setPalette(linkPalette);
    m_guideLink->setCursor(Qt::PointingHandCursor);
    ShowGuide(false);
}

void TFQForm::ShowGuide(bool shown)
{
    m_guide->setVisible(shown);
    if (shown)
        m_guide->raise();
    m_guideLink->setText(shown ? tr("◂ Back") : tr("Keys and windows ▸"));
}

void TFQForm::showEvent(QShowEvent* event)
{
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

void TFQForm::paintEvent(QPaintEvent*)
{
    PaintWindowFrame(this, kHelpFrameShadow);
}

// FQFormMouseOn: the window's own surface puts the OK button back to normal.
void TFQForm::mouseMoveEvent(QMouseEvent*)
{
    ShowOKNormal();
}

bool TFQForm::eventFilter(QObject* watched, QEvent* event)
{
    const bool onOk = watched == ui->imgOK1 || watched == ui->imgOK2;
    if (onOk && event->type() == QEvent::MouseMove) {
        if (watched == ui->imgOK1)
            ShowOKHover();  // OkMouseOn
        return true;        // the hover image leaves the pair as it is
    }
    if (IsLeftClick(watched, event)) {
        if (onOk) {
            Button1Click();
            return true;
        }
        if (watched == ui->StaticText1) {
            StaticText1Click();
            return true;
        }
        if (watched == m_guideLink) {
            ShowGuide(!m_guide->isVisible());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFQForm::ShowOKNormal()
{
    ShowHoverPair(ui->imgOK1, ui->imgOK2, false);
}

void TFQForm::ShowOKHover()
{
    ShowHoverPair(ui->imgOK1, ui->imgOK2, true);
}

void TFQForm::Button1Click()
{
    accept();
}

void TFQForm::StaticText1Click()
{
    m_platform.OpenUrl(FromUtf8(kWebAddress));  // the result is not examined: the window stays open
}

}  // namespace hexlume
