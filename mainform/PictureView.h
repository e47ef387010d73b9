#pragma once

#include "format/BitPlanes.h"
#include "format/BitmapFormat.h"
#include "format/Decoder.h"

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <optional>
#include <vector>

namespace hexlume {

// A pixel of the picture: x from the left, y from the top as shown.
struct PixelPosition {
    std::uint64_t x = 0;
    std::uint64_t y = 0;
    bool operator==(const PixelPosition&) const = default;
};

// What the view draws of each pixel: its colour as the decoder draws it, or the value one
// channel stores as grey, black for 0 and white for the most it holds, or one bit of that value,
// white where it is 1 and black where it is 0.
struct PictureLook {
    std::optional<format::PixelChannel> channel;  // none: the colours as drawn
    std::optional<unsigned> bit;                  // none: the channel's whole value
    bool operator==(const PictureLook&) const = default;
};

// The looks a picture offers, in the order the keys step through them: the colours, then for
// each channel it stores the channel as grey and its bits from bit 0, the least significant,
// up. Pixels the format library does not read as stored values (RLE, JPEG, PNG) offer the
// colours only.
std::vector<PictureLook> LooksOf(const format::BitmapFormat& format);

// The picture of a bitmap, sharp at any zoom: fit to the view, 1:1, or zoomed in steps up to
// 64 times around a point, panned by dragging, the wheel or the arrow keys. Each paint draws
// only the part in view, straight from the file's bytes, so the picture's size does not matter;
// from 8 times on a grid parts the pixels. It can mark a span of pixels of one row and bring it into view.
class PictureView : public QWidget {
    Q_OBJECT

public:
    static constexpr double kMaxScale = 64;

    explicit PictureView(QWidget* parent);

    // The file's bytes stay the caller's and must live until the next SetFile or Clear.
    // format: the headers of the DIB shown (an OS/2 array's bitmap, an icon's image); the file's own by default.
    void SetFile(format::Bytes file);
    void SetFile(format::Bytes file, const format::BitmapFormat& format);
    void Clear();
    bool HasPicture() const { return m_drawable; }
    const format::BitmapFormat& Format() const { return m_format; }
    bool AlphaUsed() const { return m_alphaUsed; }
    // The colour drawn at a pixel of an embedded JPEG or PNG, which only the toolkit decodes;
    // nullopt for other pixel data.
    std::optional<format::Argb> EmbeddedColor(PixelPosition pixel) const;

    // The look stays through SetFile while the new picture offers it; else the colours.
    void SetLook(PictureLook look);
    PictureLook Look() const { return m_look; }
    // The value the look's channel stores at a pixel; none in the colours, outside the picture,
    // or where the file holds no bytes for it.
    std::optional<std::uint32_t> LookValue(PixelPosition pixel) const;
    // The bits the look's channel stores; 0 in the colours.
    unsigned LookBits() const;

    void Fit();
    void ActualSize();
    // Doubles the scale (steps > 0) or halves it, keeping the pixel under `around` in place.
    void ZoomStep(int steps, QPointF around);
    void ZoomStep(int steps) { ZoomStep(steps, rect().center()); }
    double Scale() const { return m_scale; }
    // Moves the view over the picture by a part of its own size (0.1 = a tenth) along each axis;
    // an axis the picture fits in stays centred.
    void Pan(double right, double down);

    // The view's point at the centre of a pixel.
    QPointF CentreOf(PixelPosition pixel) const
    {
        return (QPointF(static_cast<double>(pixel.x) + 0.5, static_cast<double>(pixel.y) + 0.5) - m_origin) * m_scale;
    }

    // Marks `count` pixels from (x, y) on along row y, and brings them into view.
    void MarkPixels(PixelPosition first, std::uint64_t count);
    void ClearMark();

signals:
    // The pixel under the pointer, also when the picture moves under a still pointer; nullopt
    // when the pointer leaves the picture.
    void PixelHovered(std::optional<PixelPosition> pixel);
    void PixelClicked(PixelPosition pixel);
    void ScaleChanged(double scale);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    double FitScale() const;
    void SetScale(double scale, QPointF around);
    // Keeps the picture in view: centred along an axis it does not fill, else within its edges.
    void ClampOrigin();
    // After the origin or scale changed: kept in view, repainted, and the pixel under a still
    // pointer said again, so the status line never names a pixel of an earlier layout.
    void Moved();
    void Hover(std::optional<QPointF> point);
    std::optional<PixelPosition> PixelAt(QPointF point) const;
    void PaintPicture(QPainter& painter);
    // The look's values of the pixels in region, drawn at size.
    QImage DrawLook(format::PictureRegion region, QSize size) const;
    void PaintGrid(QPainter& painter, QRectF shown, double x0, double y0, double x1, double y1);
    void PaintMark(QPainter& painter);

    format::Bytes m_file;
    format::BitmapFormat m_format;
    bool m_drawable = false;
    bool m_alphaUsed = false;
    QString m_reason;   // why nothing is drawn
    QImage m_embedded;  // an embedded JPEG or PNG, which has no parts to draw: drawn whole once
    PictureLook m_look;
    double m_scale = 1;
    QPointF m_origin;   // the picture point at the view's top left corner
    bool m_fitted = true;
    std::optional<QPointF> m_pressedAt;
    QPointF m_originAtPress;
    bool m_dragged = false;
    std::optional<QPointF> m_pointer;  // where the pointer stands over the view
    std::optional<PixelPosition> m_hovered;
    struct Mark {
        PixelPosition first;
        std::uint64_t count = 0;
    };
    std::optional<Mark> m_mark;
};

}  // namespace hexlume
