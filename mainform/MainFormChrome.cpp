// The main window's painted chrome: the frame, the caption surface that moves the window, the
// hover buttons and the rolled colours.
#include "MainForm.h"

#include "fqform/FQForm.h"
#include "widgets/Colors.h"
#include "widgets/FramePainter.h"
#include "widgets/ImageButtons.h"
#include "ui_Mainformunit.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWindow>

namespace hexlume {

void TMainForm::paintEvent(QPaintEvent*)
{
    PaintWindowFrame(this, kFrameDark);  // mainFormOnPaint
}

void TMainForm::mousePressEvent(QMouseEvent* event)
{
    // The bare surface acts as the caption bar; widgets standing on it keep their own presses.
    if (event->button() == Qt::LeftButton && childAt(event->position().toPoint()) == nullptr && windowHandle() != nullptr)
        windowHandle()->startSystemMove();
    QWidget::mousePressEvent(event);
}

void TMainForm::PicMouseOn()
{
    ShowCloseNormal();
    ShowFQNormal();
}

void TMainForm::CloseMouseOn()
{
    ShowCloseHover();
    ShowFQNormal();
}

void TMainForm::OnFQMouseOn()
{
    ShowFQHover();
    ShowCloseNormal();
}

void TMainForm::OnCloseClick()
{
    // By the window's own close, which asks about unsaved edits first.
    if (close())
        QCoreApplication::quit();
}

void TMainForm::OnFQClick()
{
    // A fresh help window at each opening, in the colour the window has now.
    TFQForm help(m_platform, nullptr, palette().color(QPalette::Window));
    help.exec();
}

void TMainForm::SetRandomColors()
{
    const ColorScheme scheme = RollColorScheme(m_random);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ToQColor(scheme.background));
    palette.setColor(QPalette::Base, ToQColor(scheme.background));
    // Every text standing on the background: the tables, the preview's caption, the follow sign.
    palette.setColor(QPalette::WindowText, ToQColor(scheme.text));
    palette.setColor(QPalette::Text, ToQColor(scheme.text));
    setPalette(palette);
    SetColor(ui->stbMain, QPalette::WindowText, scheme.text);  // the bar keeps a colour of its own
    SetColor(ui->lblNumbers, QPalette::WindowText, scheme.numbers);
    SetColor(ui->mmoNumbers, QPalette::Text, scheme.numbers);
}

void TMainForm::ShowCloseNormal()
{
    ShowHoverPair(ui->imgClose1, ui->imgClose2, false);
}

void TMainForm::ShowCloseHover()
{
    ShowHoverPair(ui->imgClose1, ui->imgClose2, true);
}

void TMainForm::ShowFQNormal()
{
    ShowHoverPair(ui->imgFQ1, ui->imgFQ2, false);
}

void TMainForm::ShowFQHover()
{
    ShowHoverPair(ui->imgFQ1, ui->imgFQ2, true);
}

}  // namespace hexlume
