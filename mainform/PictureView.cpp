#include "PictureView.h"

#include "format/Decoder.h"
#include "format/DecoderParts.h"
#include "picture/PreviewPicture.h"
#include "widgets/Translation.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace hexlume {

namespace {

constexpr double kGridFromScale = 8;
constexpr double kEmbeddedSide = 2048;

QBrush BackdropBrush()
{
    QImage tile(2 * kBackdropCell, 2 * kBackdropCell, QImage::Format_RGB32);
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x)
            tile.setPixel(x, y, ((x / kBackdropCell + y / kBackdropCell) & 1) != 0 ? kBackdropDark : kBackdropLight);
    return QBrush(tile);
}

// Where each target pixel of `length` takes its picture pixel from, `count` of them from `first`
// on: its centre's, as the decoder samples.
std::vector<std::uint64_t> Samples(std::uint64_t first, std::uint64_t count, int length)
{
    std::vector<std::uint64_t> samples(static_cast<std::size_t>(length));
    const auto targets = static_cast<std::uint64_t>(length);
    for (std::uint64_t target = 0; target < targets; ++target)
        samples[target] = first + std::min(count - 1, (2 * target + 1) * count / (2 * targets));
    return samples;
}

}  // namespace

std::vector<PictureLook> LooksOf(const format::BitmapFormat& format)
{
    std::vector<PictureLook> looks{PictureLook{}};
    for (const format::StoredChannel& stored : format::StoredChannels(format)) {
        looks.push_back({.channel = stored.channel, .bit = std::nullopt});
        for (unsigned bit = 0; bit < stored.bits; ++bit)
            looks.push_back({.channel = stored.channel, .bit = bit});
    }
    return looks;
}

PictureView::PictureView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picPicture"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(160, 120);
    setCursor(Qt::CrossCursor);
}

void PictureView::SetFile(format::Bytes file)
{
    SetFile(file, format::ReadBitmapFormat(file));
}

void PictureView::SetFile(format::Bytes file, const format::BitmapFormat& format)
{
    Clear();
    m_file = file;
    m_format = format;
    const std::vector<PictureLook> looks = LooksOf(m_format);
    if (std::find(looks.begin(), looks.end(), m_look) == looks.end())
        m_look = {};
    m_reason = Say(format::WhyNoPicture(m_format));
    if (!m_reason.isEmpty()) {
        update();
        return;
    }
    if (format::IsEmbeddedStream(m_format.encoding)) {
        // A JPEG or PNG stream has no parts to read: it is read once, at most kEmbeddedSide on
        // its long side, and zoomed from there.
        const double shrink = std::min(1.0, kEmbeddedSide / static_cast<double>(std::max(m_format.columns, m_format.rows)));
        const QSize size(std::max(1, static_cast<int>(std::lround(static_cast<double>(m_format.columns) * shrink))),
                         std::max(1, static_cast<int>(std::lround(static_cast<double>(m_format.rows) * shrink))));
        const DrawnPicture drawn = DrawPreview(file, m_format, size);
        m_embedded = drawn.image;
        m_reason = Say(drawn.reason);
        if (m_embedded.isNull()) {
            update();
            return;
        }
    }
    m_alphaUsed = format::AlphaUsed(file, m_format);
    m_drawable = true;
    Fit();
}

std::optional<format::Argb> PictureView::EmbeddedColor(PixelPosition pixel) const
{
    if (m_embedded.isNull() || pixel.x >= m_format.columns || pixel.y >= m_format.rows)
        return std::nullopt;
    // The image may be read smaller than the picture: the pixel it draws there.
    const auto x = static_cast<int>(pixel.x * static_cast<std::uint64_t>(m_embedded.width()) / m_format.columns);
    const auto y = static_cast<int>(pixel.y * static_cast<std::uint64_t>(m_embedded.height()) / m_format.rows);
    return m_embedded.pixel(x, y);
}

void PictureView::SetLook(PictureLook look)
{
    m_look = look;
    update();
}

unsigned PictureView::LookBits() const
{
    if (m_look.channel)
        for (const format::StoredChannel& stored : format::StoredChannels(m_format))
            if (stored.channel == *m_look.channel)
                return stored.bits;
    return 0;
}

std::optional<std::uint32_t> PictureView::LookValue(PixelPosition pixel) const
{
    if (!m_drawable || !m_look.channel || pixel.x >= m_format.columns || pixel.y >= m_format.rows)
        return std::nullopt;
    std::vector<std::uint32_t> values(pixel.x + 1);
    if (format::ChannelReader(m_file, m_format).Row(pixel.y, *m_look.channel, values) <= pixel.x)
        return std::nullopt;
    return values[pixel.x];
}

void PictureView::Clear()
{
    m_file = {};
    m_format = {};
    m_drawable = false;
    m_embedded = {};
    m_reason = tr("No bitmap is open.");
    m_mark.reset();
    m_pressedAt.reset();
    update();
    Hover(m_pointer);
}

double PictureView::FitScale() const
{
    if (!m_drawable)
        return 1;
    return std::min(width() / static_cast<double>(m_format.columns), height() / static_cast<double>(m_format.rows));
}

void PictureView::Fit()
{
    m_fitted = true;
    m_scale = std::min(FitScale(), kMaxScale);
    emit ScaleChanged(m_scale);
    Moved();
}

void PictureView::ActualSize()
{
    SetScale(1, rect().center());
}

void PictureView::ZoomStep(int steps, QPointF around)
{
    if (!m_drawable || steps == 0)
        return;
    // Powers of two, so every pixel is the same number of screen pixels; never smaller than the
    // fitted picture, unless that is larger than 1:1.
    double scale = steps > 0 ? std::exp2(std::floor(std::log2(m_scale) + 1e-9) + steps)
                             : std::exp2(std::ceil(std::log2(m_scale) - 1e-9) + steps);
    scale = std::min(scale, kMaxScale);
    const double smallest = std::min(FitScale(), 1.0);
    if (scale <= smallest) {
        Fit();
        return;
    }
    SetScale(scale, around);
}

void PictureView::SetScale(double scale, QPointF around)
{
    if (!m_drawable)
        return;
    const QPointF fixed = m_origin + around / m_scale;  // the picture point under `around`
    m_scale = scale;
    m_fitted = false;
    m_origin = fixed - around / m_scale;
    emit ScaleChanged(m_scale);
    Moved();
}

void PictureView::ClampOrigin()
{
    if (!m_drawable)
        return;
    const auto clamp = [](double origin, double viewLength, double pictureLength) {
        if (pictureLength <= viewLength)
            return -(viewLength - pictureLength) / 2;
        return std::clamp(origin, 0.0, pictureLength - viewLength);
    };
    m_origin = {clamp(m_origin.x(), width() / m_scale, static_cast<double>(m_format.columns)),
                clamp(m_origin.y(), height() / m_scale, static_cast<double>(m_format.rows))};
}

void PictureView::Pan(double right, double down)
{
    if (!m_drawable)
        return;
    const QPointF before = m_origin;
    m_origin += QPointF(right * width(), down * height()) / m_scale;
    ClampOrigin();
    if (m_origin != before) {
        m_fitted = false;
        Moved();
    }
}

void PictureView::Moved()
{
    ClampOrigin();
    update();
    Hover(m_pointer);
}

void PictureView::Hover(std::optional<QPointF> point)
{
    m_pointer = point;
    const std::optional<PixelPosition> pixel = point ? PixelAt(*point) : std::nullopt;
    if (pixel == m_hovered)
        return;
    m_hovered = pixel;
    emit PixelHovered(pixel);
}

std::optional<PixelPosition> PictureView::PixelAt(QPointF point) const
{
    if (!m_drawable)
        return std::nullopt;
    const QPointF at = m_origin + point / m_scale;
    if (at.x() < 0 || at.y() < 0 || at.x() >= static_cast<double>(m_format.columns) ||
        at.y() >= static_cast<double>(m_format.rows))
        return std::nullopt;
    return PixelPosition{static_cast<std::uint64_t>(at.x()), static_cast<std::uint64_t>(at.y())};
}

void PictureView::MarkPixels(PixelPosition first, std::uint64_t count)
{
    if (!m_drawable || count == 0)
        return;
    m_mark = Mark{first, count};
    // Brought into view: centred on the span when any of it lies outside, unless the pointer is
    // on it (a clicked pixel at the view's edge): moved, it would leave the pointer on another.
    const double viewWidth = width() / m_scale;
    const double viewHeight = height() / m_scale;
    const auto x = static_cast<double>(first.x);
    const auto y = static_cast<double>(first.y);
    const bool pointedAt =
        m_hovered && m_hovered->y == first.y && m_hovered->x >= first.x && m_hovered->x - first.x < count;
    const bool outside = x < m_origin.x() || x + static_cast<double>(count) > m_origin.x() + viewWidth ||
                         y < m_origin.y() || y + 1 > m_origin.y() + viewHeight;
    if (outside && !pointedAt) {
        m_origin = {x + static_cast<double>(count) / 2 - viewWidth / 2, y + 0.5 - viewHeight / 2};
        m_fitted = false;
    }
    Moved();
}

void PictureView::ClearMark()
{
    m_mark.reset();
    update();
}

void PictureView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));
    if (!m_drawable) {
        painter.setPen(palette().color(QPalette::BrightText));
        painter.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, m_reason);
        return;
    }
    PaintPicture(painter);
    PaintMark(painter);
}

void PictureView::PaintPicture(QPainter& painter)
{
    // The picture's pixels in view, whole ones at the edges.
    const double x0 = std::max(0.0, std::floor(m_origin.x()));
    const double y0 = std::max(0.0, std::floor(m_origin.y()));
    const double x1 = std::min(static_cast<double>(m_format.columns), std::ceil(m_origin.x() + width() / m_scale));
    const double y1 = std::min(static_cast<double>(m_format.rows), std::ceil(m_origin.y() + height() / m_scale));
    if (x1 <= x0 || y1 <= y0)
        return;
    const QRectF shown((x0 - m_origin.x()) * m_scale, (y0 - m_origin.y()) * m_scale, (x1 - x0) * m_scale,
                       (y1 - y0) * m_scale);
    if (!m_embedded.isNull()) {
        const double sx = m_embedded.width() / static_cast<double>(m_format.columns);
        const double sy = m_embedded.height() / static_cast<double>(m_format.rows);
        painter.drawImage(shown, m_embedded, QRectF(x0 * sx, y0 * sy, (x1 - x0) * sx, (y1 - y0) * sy));
    } else {
        const QSize size(std::max(1, static_cast<int>(std::lround(shown.width()))),
                         std::max(1, static_cast<int>(std::lround(shown.height()))));
        const format::PictureRegion region{.x = static_cast<std::uint64_t>(x0),
                                           .y = static_cast<std::uint64_t>(y0),
                                           .width = static_cast<std::uint64_t>(x1 - x0),
                                           .height = static_cast<std::uint64_t>(y1 - y0)};
        const DrawnPicture drawn = m_look.channel
                                       ? DrawnPicture{.image = DrawLook(region, size), .reason = {}, .marks = {}}
                                       : DrawRegion(m_file, m_format, region, size, m_alphaUsed);
        if (drawn.image.isNull())
            painter.fillRect(shown, BackdropBrush());
        else
            painter.drawImage(shown.topLeft(), drawn.image);
    }
    if (m_scale >= kGridFromScale)
        PaintGrid(painter, shown, x0, y0, x1, y1);
}

QImage PictureView::DrawLook(format::PictureRegion region, QSize size) const
{
    // Sampled as the decoder samples the colours, so a look lies exactly over them, and where the
    // file holds no bytes for a pixel the decoder's own grey checker stands in.
    QImage image(size, QImage::Format_RGB32);
    const format::ChannelReader reader(m_file, m_format);
    const unsigned bits = LookBits();
    const double largest = std::exp2(bits) - 1;
    std::vector<std::uint32_t> values(region.x + region.width);
    const std::vector<std::uint64_t> columns = Samples(region.x, region.width, size.width());
    const std::vector<std::uint64_t> rows = Samples(region.y, region.height, size.height());
    std::optional<std::uint64_t> rowRead;
    std::uint64_t present = 0;
    for (int target = 0; target < size.height(); ++target) {
        const std::uint64_t y = rows[static_cast<std::size_t>(target)];
        if (rowRead != y) {
            present = reader.Row(y, *m_look.channel, values);
            rowRead = y;
        }
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(target));
        for (int column = 0; column < size.width(); ++column) {
            const std::uint64_t x = columns[static_cast<std::size_t>(column)];
            if (x >= present) {
                line[column] = format::decoding::MissingColor(static_cast<std::uint64_t>(column),
                                                              static_cast<std::uint64_t>(target));
                continue;
            }
            const std::uint32_t value = values[x];
            const int grey = m_look.bit ? ((value >> *m_look.bit & 1) != 0 ? 255 : 0)
                                        : static_cast<int>(std::lround(value * 255.0 / largest));
            line[column] = qRgb(grey, grey, grey);
        }
    }
    return image;
}

void PictureView::PaintGrid(QPainter& painter, QRectF shown, double x0, double y0, double x1, double y1)
{
    painter.setPen(QPen(QColor(128, 128, 128, 120), 0));
    for (double x = x0; x <= x1; ++x) {
        const double at = (x - m_origin.x()) * m_scale;
        painter.drawLine(QPointF(at, shown.top()), QPointF(at, shown.bottom()));
    }
    for (double y = y0; y <= y1; ++y) {
        const double at = (y - m_origin.y()) * m_scale;
        painter.drawLine(QPointF(shown.left(), at), QPointF(shown.right(), at));
    }
}

void PictureView::PaintMark(QPainter& painter)
{
    if (!m_mark)
        return;
    QRectF span((static_cast<double>(m_mark->first.x) - m_origin.x()) * m_scale,
                (static_cast<double>(m_mark->first.y) - m_origin.y()) * m_scale,
                static_cast<double>(m_mark->count) * m_scale, m_scale);
    // At least a few screen pixels, however far out the zoom: the mark must be seen.
    span = span.adjusted(-2, -2, 2, 2);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 3));
    painter.drawRect(span);
    painter.setPen(QPen(QColor(255, 230, 0), 1));
    painter.drawRect(span);
}

void PictureView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_fitted)
        Fit();
    else
        Moved();
}

void PictureView::wheelEvent(QWheelEvent* event)
{
    if (!m_drawable)
        return;
    const QPoint delta = event->angleDelta();
    if ((event->modifiers() & Qt::ControlModifier) != 0) {
        if (delta.y() != 0)
            ZoomStep(delta.y() > 0 ? 1 : -1, event->position());
    } else {
        // A notch moves a tenth of the view.
        Pan(-delta.x() / 120.0 / 10, -delta.y() / 120.0 / 10);
    }
    event->accept();
}

void PictureView::keyPressEvent(QKeyEvent* event)
{
    // A tenth of the view a press, as a wheel notch; with Shift or Ctrl half of it.
    const double step = (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) != 0 ? 0.5 : 0.1;
    switch (event->key()) {
    case Qt::Key_Left: Pan(-step, 0); break;
    case Qt::Key_Right: Pan(step, 0); break;
    case Qt::Key_Up: Pan(0, -step); break;
    case Qt::Key_Down: Pan(0, step); break;
    default: return QWidget::keyPressEvent(event);
    }
    event->accept();
}

void PictureView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_pressedAt = event->position();
    m_originAtPress = m_origin;
    m_dragged = false;
}

void PictureView::mouseMoveEvent(QMouseEvent* event)
{
    if (m_pressedAt) {
        const QPointF moved = event->position() - *m_pressedAt;
        m_dragged = m_dragged || moved.manhattanLength() >= QApplication::startDragDistance();
        if (m_dragged) {
            m_origin = m_originAtPress - moved / m_scale;
            m_fitted = false;
            ClampOrigin();
            update();
        }
    }
    Hover(event->position());
}

void PictureView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressedAt)
        return QWidget::mouseReleaseEvent(event);
    m_pressedAt.reset();
    if (!m_dragged)
        if (const std::optional<PixelPosition> pixel = PixelAt(event->position()))
            emit PixelClicked(*pixel);
}

void PictureView::leaveEvent(QEvent* event)
{
    Hover(std::nullopt);
    QWidget::leaveEvent(event);
}

}  // namespace hexlume
