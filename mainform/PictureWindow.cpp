#include "PictureWindow.h"

#include "texts/PictureTexts.h"
#include "widgets/QtText.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace hexlume {

PictureWindow::PictureWindow(QWidget* owner)
    : QWidget(owner, Qt::Window), m_view(new PictureView(this)), m_pixel(new QLabel(this)), m_link(new QLabel(this)),
      m_scale(new QLabel(this))
{
    setObjectName(QStringLiteral("PictureWindow"));
    setWindowTitle(tr("Picture"));
    resize(640, 520);
    m_pixel->setObjectName(QStringLiteral("lblPixel"));
    m_link->setObjectName(QStringLiteral("lblPixelBytes"));
    m_pixel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_link->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pixel->setWordWrap(true);
    m_link->setWordWrap(true);

    auto* tools = new QHBoxLayout;
    const auto addButton = [this, tools](const QString& text, const QString& tip, QKeySequence keys, auto action) {
        auto* button = new QToolButton(this);
        button->setText(text);
        button->setToolTip(QStringLiteral("%1 (%2)").arg(tip, keys.toString(QKeySequence::NativeText)));
        button->setAutoRaise(true);
        connect(button, &QToolButton::clicked, this, action);
        connect(new QShortcut(keys, this), &QShortcut::activated, this, action);
        tools->addWidget(button);
        return button;
    };
    addButton(tr("Fit"), tr("Fit the picture to the window"), QKeySequence(Qt::CTRL | Qt::Key_0), [this] { m_view->Fit(); });
    addButton(tr("1:1"), tr("One screen pixel a pixel"), QKeySequence(Qt::CTRL | Qt::Key_1), [this] { m_view->ActualSize(); });
    addButton(tr("−"), tr("Zoom out"), QKeySequence::ZoomOut, [this] { m_view->ZoomStep(-1); });
    addButton(tr("+"), tr("Zoom in, up to 64 times"), QKeySequence::ZoomIn, [this] { m_view->ZoomStep(1); });
    // Plain + and − too, as image viewers take them.
    connect(new QShortcut(QKeySequence(Qt::Key_Plus), this), &QShortcut::activated, this, [this] { m_view->ZoomStep(1); });
    connect(new QShortcut(QKeySequence(Qt::Key_Equal), this), &QShortcut::activated, this, [this] { m_view->ZoomStep(1); });
    connect(new QShortcut(QKeySequence(Qt::Key_Minus), this), &QShortcut::activated, this, [this] { m_view->ZoomStep(-1); });
    tools->addWidget(m_scale);
    tools->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(tools);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_pixel);
    layout->addWidget(m_link);

    connect(m_view, &PictureView::PixelHovered, this, &PictureWindow::ShowHovered);
    connect(m_view, &PictureView::ScaleChanged, this, &PictureWindow::ShowScale);
    connect(m_view, &PictureView::PixelClicked, this, &PictureWindow::PixelChosen);
    Clear();
}

void PictureWindow::ShowFile(const QString& fileName, format::Bytes file)
{
    setWindowTitle(tr("Picture — %1").arg(fileName));
    m_file = file;
    m_view->SetFile(file);
    m_pixel->setText(m_view->HasPicture() ? tr("Point at a pixel to see its value; click it to light its bytes in the dump.")
                                          : QString());
    m_link->clear();
}

void PictureWindow::Clear()
{
    setWindowTitle(tr("Picture"));
    m_file = {};
    m_view->Clear();
    m_pixel->clear();
    m_link->clear();
    m_scale->clear();
}

void PictureWindow::SetLinkText(const QString& text)
{
    m_link->setText(text);
}

void PictureWindow::ShowHovered(std::optional<PixelPosition> pixel)
{
    if (pixel && m_view->HasPicture())
        m_pixel->setText(FromUtf8(PixelStatusText(m_file, m_view->Format(), pixel->x, pixel->y, m_view->AlphaUsed(),
                                                  m_view->EmbeddedColor(*pixel))));
}

void PictureWindow::ShowScale(double scale)
{
    // Zoom steps are whole; a fitted picture's scale is said as it is, not rounded to a step.
    m_scale->setText(scale >= 1 ? tr("%1×").arg(QString::number(scale, 'g', scale < 10 ? 2 : 3))
                                : tr("%1 %").arg(QString::number(scale * 100, 'g', 3)));
}

}  // namespace hexlume
