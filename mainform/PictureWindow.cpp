#include "PictureWindow.h"

#include "texts/PictureTexts.h"
#include "widgets/QtText.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
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
    m_pixel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_link->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusProxy(m_view);  // the arrow keys pan it

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

void PictureWindow::ShowFile(const QString& fileName, format::Bytes file, const format::BitmapFormat& format)
{
    setWindowTitle(tr("Picture — %1").arg(fileName));
    m_file = file;
    m_chosen.reset();
    m_view->SetFile(file, format);
    m_link->clear();
    ShowPixelLine();
    ReserveStatusLines();
}

void PictureWindow::Clear()
{
    setWindowTitle(tr("Picture"));
    m_file = {};
    m_chosen.reset();
    m_view->Clear();
    m_pixel->clear();
    m_link->clear();
    m_scale->clear();
    ReserveStatusLines();
}

void PictureWindow::ReserveStatusLines()
{
    // The status lines keep the height of the most they say: were they to grow with their text,
    // the fitted picture would move under the pointer as soon as it said anything. A pixel's
    // value and bytes at least three lines, the choice two, or what the file's last pixel takes.
    const int line = m_pixel->fontMetrics().lineSpacing();
    m_pixel->setMinimumHeight(3 * line);
    m_link->setMinimumHeight(2 * line);
    if (m_view->HasPicture()) {
        const format::BitmapFormat& format = m_view->Format();
        KeepRoomFor(m_pixel, FromUtf8(PixelStatusText(m_file, format, format.columns - 1, format.rows - 1,
                                                      m_view->AlphaUsed())));
    }
    KeepRoomFor(m_pixel, m_pixel->text());
    KeepRoomFor(m_link, m_link->text());
}

void PictureWindow::KeepRoomFor(QLabel* label, const QString& text)
{
    // Only ever more, until the width or the file changes; measured at the window's width, as a
    // window not shown yet has not laid out its labels. Never while the pointer is on a pixel,
    // which would then move from under it: the text is cut short until the pointer leaves.
    const QMargins margins = layout()->contentsMargins();
    const int width = contentsRect().width() - margins.left() - margins.right();
    if (width <= 0)
        return;
    const int height = label->fontMetrics().boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap, text).height();
    if (height <= label->minimumHeight())
        return;
    if (m_hovered)
        m_roomWanted = true;
    else
        label->setMinimumHeight(height);
}

void PictureWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (event->size().width() != event->oldSize().width())
        ReserveStatusLines();
}

void PictureWindow::keyPressEvent(QKeyEvent* event)
{
    // Arrow keys that reach the window from a status line pan the picture too.
    if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right || event->key() == Qt::Key_Up ||
        event->key() == Qt::Key_Down)
        QCoreApplication::sendEvent(m_view, event);
    else
        QWidget::keyPressEvent(event);
}

void PictureWindow::ShowChosen(std::optional<PixelPosition> first, std::uint64_t count, const QString& text)
{
    m_chosen = count != 0 ? first : std::nullopt;
    if (m_chosen)
        m_view->MarkPixels(*m_chosen, count);
    else
        m_view->ClearMark();
    m_link->setText(text);
    KeepRoomFor(m_link, text);
    ShowPixelLine();
}

void PictureWindow::ShowHovered(std::optional<PixelPosition> pixel)
{
    m_hovered = pixel;
    ShowPixelLine();
    if (!m_hovered && m_roomWanted) {
        m_roomWanted = false;
        KeepRoomFor(m_link, m_link->text());
    }
}

void PictureWindow::ShowPixelLine()
{
    const std::optional<PixelPosition> pixel = m_hovered ? m_hovered : m_chosen;
    if (!m_view->HasPicture())
        m_pixel->clear();
    else if (pixel)
        m_pixel->setText(FromUtf8(PixelStatusText(m_file, m_view->Format(), pixel->x, pixel->y, m_view->AlphaUsed(),
                                                  m_view->EmbeddedColor(*pixel))));
    else
        m_pixel->setText(tr("Point at a pixel to see its value; click it to light its bytes in the dump."));
    KeepRoomFor(m_pixel, m_pixel->text());
}

void PictureWindow::ShowScale(double scale)
{
    // Zoom steps are whole; a fitted picture's scale is said as it is, not rounded to a step.
    m_scale->setText(scale >= 1 ? tr("%1×").arg(QString::number(scale, 'g', scale < 10 ? 2 : 3))
                                : tr("%1 %").arg(QString::number(scale * 100, 'g', 3)));
}

}  // namespace hexlume
