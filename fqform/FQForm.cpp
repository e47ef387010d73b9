#include "FQForm.h"

#include "HelpTexts.h"
#include "platform/Platform.h"
#include "widgets/FramePainter.h"
#include "widgets/ImageButtons.h"
#include "widgets/LayoutFonts.h"
#include "widgets/QtText.h"
#include "ui_Fqunit.h"

#include <QMouseEvent>
#include <QScreen>

namespace hexlume {

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
    setPalette(palette);
    FormCreate();
}

TFQForm::~TFQForm() = default;

void TFQForm::FormCreate()
{
    ui->Memo1->setPlainText(MemoDisplayText(std::string() + std::string(kUsageParagraph1) + "\r\n" +
                                            std::string(kUsageParagraph2)));
    ui->StaticText1->setText(FromUtf8(kWebAddress));
    // The link is blue whatever the window's colours.
    QPalette linkPalette = ui->StaticText1->palette();
    linkPalette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    ui->StaticText1->setPalette(linkPalette);
    ShowOKNormal();

    setMouseTracking(true);
    for (QWidget* image : {ui->imgOK1, ui->imgOK2}) {
        image->setMouseTracking(true);
        image->installEventFilter(this);
    }
    ui->StaticText1->installEventFilter(this);
    connect(ui->Button1, &QPushButton::clicked, this, &TFQForm::Button1Click);
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
