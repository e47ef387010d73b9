#include "PictureWindow.h"

#include "format/NumberText.h"
#include "texts/PictureTexts.h"
#include "widgets/QtText.h"
#include "widgets/Translation.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QShortcut>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <cmath>

namespace hexlume {

namespace {

// The count a plural is chosen by; no file has more rows than an int holds.
int RowCount(std::uint64_t rows)
{
    return static_cast<int>(std::min<std::uint64_t>(rows, INT_MAX));
}

}  // namespace

PictureWindow::PictureWindow(QWidget* owner)
    : QWidget(owner, Qt::Window), m_view(new PictureView(this)), m_pixel(new QLabel(this)), m_link(new QLabel(this)),
      m_scale(new QLabel(this)), m_looks(new QComboBox(this)), m_allRows(new QToolButton(this))
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
    tools->addSpacing(12);

    // What to draw of each pixel. Never focused: the arrow keys go on panning the picture.
    m_looks->setObjectName(QStringLiteral("cmbLook"));
    m_looks->setFocusPolicy(Qt::NoFocus);
    m_looks->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_looks->setMaxVisibleItems(20);
    m_looks->setToolTip(tr("What to draw of each pixel: its colour, a channel's stored value as grey, or one bit "
                           "of it, white where the bit is 1 ([ and ] step through them, { and } from channel to "
                           "channel)"));
    connect(m_looks, &QComboBox::activated, this, &PictureWindow::ChooseLook);
    tools->addWidget(m_looks);
    const auto addKey = [this](Qt::Key key, auto action) {
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this, action);
    };
    addKey(Qt::Key_BracketRight, [this] { StepLook(1); });
    addKey(Qt::Key_BracketLeft, [this] { StepLook(-1); });
    addKey(Qt::Key_BraceRight, [this] { StepChannel(1); });
    addKey(Qt::Key_BraceLeft, [this] { StepChannel(-1); });

    m_allRows->setObjectName(QStringLiteral("btnAllRows"));
    m_allRows->setText(tr("All rows"));
    m_allRows->setCheckable(true);
    m_allRows->setAutoRaise(true);
    connect(m_allRows, &QToolButton::toggled, this, &PictureWindow::ShowAllRows);
    tools->addWidget(m_allRows);
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
    m_fileFormat = format;
    m_chosen.reset();
    // The rows past the picture, when the layout's picture is the one shown.
    const format::Layout layout = format::ReadLayout(file);
    const format::BitmapFormat& read = layout.format;
    m_rows.reset();
    if (read.pixels.offset == m_fileFormat.pixels.offset && read.columns == m_fileFormat.columns &&
        read.rows == m_fileFormat.rows && read.stride == m_fileFormat.stride)
        m_rows = format::FindRowsPastPicture(layout);
    {
        // Asked for again after a file without them: off by default.
        const QSignalBlocker quiet(m_allRows);
        m_allRows->setChecked(m_allRows->isChecked() && m_rows);
    }
    m_allRows->setEnabled(m_rows.has_value());
    m_allRows->setToolTip(
        !m_rows ? tr("Rows past the picture: the file holds no whole rows of it beside the pixel data")
        : m_rows->shownOnTop
            ? tr("Show the %n whole row(s) stored past the picture, which its height leaves out: %1 at its top",
                 nullptr, RowCount(m_rows->rows))
                  .arg(tr("%1x%2").arg(m_fileFormat.columns).arg(m_fileFormat.rows + m_rows->rows))
            : tr("Show the %n whole row(s) stored past the picture, which its height leaves out: %1 at its bottom",
                 nullptr, RowCount(m_rows->rows))
                  .arg(tr("%1x%2").arg(m_fileFormat.columns).arg(m_fileFormat.rows + m_rows->rows)));
    ShowPicture();
    m_link->clear();
    ShowPixelLine();
    ReserveStatusLines();
}

void PictureWindow::ShowPicture()
{
    if (m_allRows->isChecked() && m_rows)
        m_view->SetFile(m_file, format::WithRowsPastPicture(m_fileFormat, *m_rows));
    else
        m_view->SetFile(m_file, m_fileFormat);
    ListLooks();
}

format::Layout PictureWindow::ShownLayout(const format::Layout& layout) const
{
    if (!m_allRows->isChecked() || !m_rows)
        return layout;
    const std::optional<format::RowsPastPicture> rows = format::FindRowsPastPicture(layout);
    if (!rows || rows->offset != m_rows->offset || rows->size != m_rows->size)
        return layout;
    return format::WithRowsPastPicture(layout, *rows);
}

bool PictureWindow::PastPicture(PixelPosition pixel) const
{
    if (!m_allRows->isChecked() || !m_rows)
        return false;
    return m_rows->shownOnTop ? pixel.y < m_rows->rows : pixel.y >= m_fileFormat.rows;
}

void PictureWindow::ShowAllRows(bool shown)
{
    // What was chosen stays chosen: the rows on top move the picture's own down.
    if (m_chosen && m_rows) {
        const std::uint64_t added = m_rows->shownOnTop ? m_rows->rows : 0;
        if (shown)
            m_chosen->y += added;
        else if (m_chosen->y < added || m_chosen->y - added >= m_fileFormat.rows)
            m_chosen.reset();
        else
            m_chosen->y -= added;
    }
    ShowPicture();
    if (m_chosen)
        m_view->MarkPixels(*m_chosen, m_chosenCount);
    else
        m_link->clear();
    ShowPixelLine();
    ReserveStatusLines();
}

void PictureWindow::ListLooks()
{
    m_lookList = LooksOf(m_view->Format());
    m_looks->clear();
    for (const PictureLook& look : m_lookList) {
        QString name = Say(format::LookName(look.channel, look.bit));
        name[0] = name[0].toUpper();
        m_looks->addItem(name);
    }
    const auto chosen = std::find(m_lookList.begin(), m_lookList.end(), m_view->Look());
    m_looks->setCurrentIndex(static_cast<int>(chosen - m_lookList.begin()));
    // Pictures whose pixels are not stored values offer the colours alone.
    m_looks->setEnabled(m_lookList.size() > 1);
}

void PictureWindow::ChooseLook(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_lookList.size())
        return;
    m_looks->setCurrentIndex(index);
    m_view->SetLook(m_lookList[static_cast<std::size_t>(index)]);
    ShowPixelLine();
    ReserveStatusLines();
}

void PictureWindow::StepLook(int steps)
{
    const int count = static_cast<int>(m_lookList.size());
    if (count > 1)
        ChooseLook(((m_looks->currentIndex() + steps) % count + count) % count);
}

void PictureWindow::StepChannel(int steps)
{
    // The looks of a channel start with the channel as grey, the only one without a bit.
    const int count = static_cast<int>(m_lookList.size());
    if (count <= 1)
        return;
    int index = m_looks->currentIndex();
    for (int stepped = 0; stepped != steps;) {
        index = ((index + (steps > 0 ? 1 : -1)) % count + count) % count;
        if (!m_lookList[static_cast<std::size_t>(index)].bit)
            stepped += steps > 0 ? 1 : -1;
    }
    ChooseLook(index);
}

void PictureWindow::Clear()
{
    setWindowTitle(tr("Picture"));
    m_file = {};
    m_fileFormat = {};
    m_rows.reset();
    m_chosen.reset();
    m_view->Clear();
    m_lookList.clear();
    m_looks->clear();
    m_looks->setEnabled(false);
    m_allRows->setEnabled(false);
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
        // And what a row past the picture adds, and a look's largest value.
        const format::BitmapFormat& format = m_view->Format();
        KeepRoomFor(m_pixel, PixelLineText(PixelPosition{.x = format.columns - 1, .y = format.rows - 1}, true));
        if (m_allRows->isChecked() && m_rows)
            KeepRoomFor(m_pixel, PixelLineText(PixelPosition{.x = format.columns - 1, .y = 0}, true));
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
    m_chosenCount = count;
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
    m_pixel->setText(PixelLineText(m_hovered ? m_hovered : m_chosen));
    KeepRoomFor(m_pixel, m_pixel->text());
}

QString PictureWindow::PixelLineText(std::optional<PixelPosition> pixel, bool widest) const
{
    if (!m_view->HasPicture())
        return {};
    // A line on what the view shows first, while it shows more than the colours.
    QStringList about;
    const PictureLook look = m_view->Look();
    if (look.channel) {
        const unsigned bits = m_view->LookBits();
        if (!pixel)
            about << Say(format::LookLegend(*look.channel, bits, look.bit));
        else
            about << Say(format::LookValueText(*look.channel, bits, look.bit,
                                            widest ? static_cast<std::uint32_t>(std::exp2(bits) - 1)
                                                   : m_view->LookValue(*pixel)));
    }
    if (pixel && PastPicture(*pixel))
        about << tr("a row past the picture's height");
    else if (!pixel && m_allRows->isChecked() && m_rows)
        about << (m_rows->shownOnTop
                      ? tr("the top %n row(s) (lies|lie) past the picture's height", nullptr, RowCount(m_rows->rows))
                      : tr("the bottom %n row(s) (lies|lie) past the picture's height", nullptr, RowCount(m_rows->rows)));
    QString text = about.join(QStringLiteral("; "));
    if (!text.isEmpty())
        text += pixel ? QStringLiteral("\n") : QStringLiteral(".\n");
    if (pixel)
        return text + Say(PixelStatusText(m_file, m_view->Format(), pixel->x, pixel->y, m_view->AlphaUsed(),
                                          m_view->EmbeddedColor(*pixel)));
    return text + tr("Point at a pixel to see its value; click it to light its bytes in the dump.");
}

void PictureWindow::ShowScale(double scale)
{
    // Zoom steps are whole; a fitted picture's scale is said as it is, not rounded to a step.
    m_scale->setText(scale >= 1 ? tr("%1×").arg(QString::number(scale, 'g', scale < 10 ? 2 : 3))
                                : tr("%1 %").arg(QString::number(scale * 100, 'g', 3)));
}

}  // namespace hexlume
