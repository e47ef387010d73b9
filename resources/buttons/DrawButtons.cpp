// Draws the window's button bitmaps and the program icon into the current folder:
//   hexlume_draw_buttons   (run with QT_QPA_PLATFORM=offscreen on a machine without a display)
// The bitmaps are stored as 24-bit .bmp files beside this program; rerun it only to redraw them.

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

QImage Canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(Qt::black);
    return image;
}

void FillFace(QImage& image, const QColor& top, const QColor& bottom)
{
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 0, image.height());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(image.rect(), gradient);
    // A thin lighter rim at the top and a darker one at the bottom give the face some depth.
    painter.setPen(top.lighter(125));
    painter.drawLine(0, 0, image.width() - 1, 0);
    painter.setPen(bottom.darker(130));
    painter.drawLine(0, image.height() - 1, image.width() - 1, image.height() - 1);
}

void DrawCross(QImage& image, const QColor& color)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, 1.8, Qt::SolidLine, Qt::RoundCap));
    const QPointF centre(image.width() / 2.0, image.height() / 2.0);
    const double half = 4.0;
    painter.drawLine(centre + QPointF(-half, -half), centre + QPointF(half, half));
    painter.drawLine(centre + QPointF(-half, half), centre + QPointF(half, -half));
}

void DrawText(QImage& image, const QString& text, const QString& family, int pixelSize, bool bold,
              const QColor& color)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(image.rect(), Qt::AlignCenter, text);
}

bool Save(const QImage& image, const char* name)
{
    if (image.save(QString::fromLatin1(name), "BMP"))
        return true;
    std::fprintf(stderr, "cannot write %s\n", name);
    return false;
}

QImage Icon()
{
    QImage icon(64, 64, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 0, 64);
    gradient.setColorAt(0, QColor(0x3A, 0x6E, 0xC8));
    gradient.setColorAt(1, QColor(0x1B, 0x3A, 0x78));
    QPainterPath face;
    face.addRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
    painter.fillPath(face, gradient);
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(20);
    font.setBold(true);
    painter.setFont(font);
    const QColor regions[] = {QColor(255, 80, 80), QColor(90, 230, 90), QColor(120, 170, 255), Qt::white};
    const char* rows[] = {"42 4D", "28 00", "FF 00", "00 FF"};
    for (int row = 0; row < 4; ++row) {
        painter.setPen(regions[row]);
        painter.drawText(QRectF(0, 4 + row * 14, 64, 16), Qt::AlignCenter, QString::fromLatin1(rows[row]));
    }
    return icon;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QString cjk = QStringLiteral("WenQuanYi Micro Hei");
    const QString ok = QString::fromUtf8("确定");
    const QColor dark(0x1E, 0x22, 0x2A);
    const QColor darkBottom(0x10, 0x12, 0x18);

    QImage closeNormal = Canvas(46, 18);
    FillFace(closeNormal, dark, darkBottom);
    DrawCross(closeNormal, QColor(0x8C, 0x9C, 0xB8));

    QImage closeHover = Canvas(46, 19);
    FillFace(closeHover, QColor(0xF2, 0x6B, 0x3A), QColor(0xC8, 0x1E, 0x12));
    DrawCross(closeHover, Qt::white);

    QImage helpNormal = Canvas(29, 18);
    FillFace(helpNormal, dark, darkBottom);
    DrawText(helpNormal, QStringLiteral("?"), QStringLiteral("DejaVu Sans"), 13, true, Qt::white);

    QImage helpHover = Canvas(27, 19);
    FillFace(helpHover, QColor(0x4F, 0x9B, 0xF0), QColor(0x14, 0x4E, 0xB8));
    DrawText(helpHover, QStringLiteral("?"), QStringLiteral("DejaVu Sans"), 13, true, Qt::white);

    QImage okNormal = Canvas(60, 20);
    FillFace(okNormal, QColor(0xEE, 0xEE, 0xEE), QColor(0xC8, 0xC8, 0xC8));
    DrawText(okNormal, ok, cjk, 14, false, QColor(0xD0, 0x10, 0x10));

    QImage okHover = Canvas(60, 20);
    FillFace(okHover, QColor(0xF2, 0x6B, 0x3A), QColor(0xC8, 0x1E, 0x12));
    DrawText(okHover, ok, cjk, 14, false, Qt::white);

    const bool saved = Save(closeNormal, "imgClose1.bmp") && Save(closeHover, "imgClose2.bmp") &&
                       Save(helpNormal, "imgFQ1.bmp") && Save(helpHover, "imgFQ2.bmp") &&
                       Save(okNormal, "imgOK1.bmp") && Save(okHover, "imgOK2.bmp") &&
                       Icon().save(QStringLiteral("hexlume.png"), "PNG");
    return saved ? 0 : 1;
}
