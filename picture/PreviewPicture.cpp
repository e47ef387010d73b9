#include "PreviewPicture.h"

#include "format/Decoder.h"
#include "format/Layout.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace hexlume {

namespace {

bool SeeThrough(QRgb pixel)
{
    return qAlpha(pixel) != 255;
}

// Stops at the first see-through pixel: an opaque picture costs one read of what was drawn.
bool AnySeeThrough(const QImage& image)
{
    for (int row = 0; row < image.height(); ++row) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(row));
        if (std::any_of(line, line + image.width(), SeeThrough))
            return true;
    }
    return false;
}

DrawnPicture ToImage(const format::DecodeResult& result)
{
    const format::Picture& picture = result.picture;
    QImage image(static_cast<int>(picture.width), static_cast<int>(picture.height), QImage::Format_ARGB32);
    const std::size_t rowBytes = picture.width * sizeof(format::Argb);
    for (std::uint32_t row = 0; row < picture.height; ++row)
        std::memcpy(image.scanLine(static_cast<int>(row)), picture.pixels.data() + std::size_t{row} * picture.width,
                    rowBytes);
    const PictureMarks marks{.missing = result.drewMissing,
                             .badIndex = result.drewBadIndex,
                             .transparent = AnySeeThrough(image)};
    return {.image = std::move(image), .reason = {}, .marks = marks};
}

DrawnPicture ReadEmbedded(format::Bytes stream, format::PixelEncoding encoding, QSize size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(stream.data()),
                                                     static_cast<qsizetype>(stream.size()));
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, encoding == format::PixelEncoding::Jpeg ? "jpeg" : "png");
    reader.setAutoDetectImageFormat(false);
    reader.setScaledSize(size);
    DrawnPicture drawn;
    QImage image;
    if (!reader.read(&image)) {
        drawn.reason = Message(HX_TR("Decoder", "the embedded %1 stream: %2"))
                           .Arg(encoding == format::PixelEncoding::Jpeg ? "JPEG" : "PNG")
                           .Arg(reader.errorString().toStdString());
        return drawn;
    }
    drawn.image = image.convertToFormat(QImage::Format_ARGB32);
    drawn.marks.transparent = image.hasAlphaChannel() && AnySeeThrough(drawn.image);
    return drawn;
}

QRgb Over(QRgb pixel, QRgb backdrop)
{
    const int alpha = qAlpha(pixel);
    const auto mix = [alpha](int front, int back) { return (front * alpha + back * (255 - alpha) + 127) / 255; };
    return qRgb(mix(qRed(pixel), qRed(backdrop)), mix(qGreen(pixel), qGreen(backdrop)),
                mix(qBlue(pixel), qBlue(backdrop)));
}

static_assert(kBackdropLight != format::kMissingLight && kBackdropLight != format::kMissingDark &&
                  kBackdropDark != format::kMissingLight && kBackdropDark != format::kMissingDark,
              "see-through must not look like missing bytes");

void PutOverBackdrop(QImage& image)
{
    for (int row = 0; row < image.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int column = 0; column < image.width(); ++column) {
            const bool dark = ((column / kBackdropCell + row / kBackdropCell) & 1) != 0;
            line[column] = Over(line[column], dark ? kBackdropDark : kBackdropLight);
        }
    }
}

}  // namespace

DrawnPicture DrawPicture(format::Bytes file, QSize size)
{
    return DrawPicture(file, format::ReadBitmapFormat(file), size);
}

DrawnPicture DrawPicture(format::Bytes file, const format::BitmapFormat& layout, QSize size)
{
    const format::DecodeResult result = format::DecodePicture(file, layout, static_cast<std::uint32_t>(size.width()),
                                                              static_cast<std::uint32_t>(size.height()));
    switch (result.outcome) {
    case format::DecodeOutcome::Drawn: return ToImage(result);
    case format::DecodeOutcome::Embedded:
        return ReadEmbedded(format::PresentBytes(file, result.embedded), result.embeddedEncoding, size);
    case format::DecodeOutcome::NoPicture: break;
    }
    return {.image = {}, .reason = result.reason, .marks = {}};
}

DrawnPicture DrawPreview(format::Bytes file, QSize size)
{
    return DrawPreview(file, format::ReadBitmapFormat(file), size);
}

DrawnPicture DrawPreview(format::Bytes file, const format::BitmapFormat& format, QSize size)
{
    DrawnPicture drawn = DrawPicture(file, format, size);
    if (drawn.marks.transparent)
        PutOverBackdrop(drawn.image);
    return drawn;
}

DrawnPicture DrawFitted(format::Bytes file, QSize box)
{
    // A file of several images (an OS/2 bitmap array, an icon) shows its first, as the window opens it.
    const format::BitmapFormat layout = format::ReadImageLayout(file, 0).format;
    const double columns = static_cast<double>(std::max<std::uint64_t>(layout.columns, 1));
    const double rows = static_cast<double>(std::max<std::uint64_t>(layout.rows, 1));
    const double scale = std::min(box.width() / columns, box.height() / rows);
    const auto side = [scale](double pixels) { return std::max(1, static_cast<int>(std::lround(pixels * scale))); };
    return DrawPreview(file, layout, QSize(side(columns), side(rows)));
}

DrawnPicture DrawRegion(format::Bytes file, const format::BitmapFormat& format, format::PictureRegion region,
                        QSize size, bool alphaUsed)
{
    const format::DecodeResult result =
        format::DecodePictureRegion(file, format, region, static_cast<std::uint32_t>(size.width()),
                                    static_cast<std::uint32_t>(size.height()), alphaUsed);
    if (result.outcome != format::DecodeOutcome::Drawn)
        return {.image = {}, .reason = result.reason, .marks = {}};
    DrawnPicture drawn = ToImage(result);
    if (drawn.marks.transparent)
        PutOverBackdrop(drawn.image);
    return drawn;
}

QStringList MarkNotes(const PictureMarks& marks)
{
    QStringList notes;
    if (marks.missing)
        notes << QStringLiteral("Grey checker: the file has no bytes for these pixels (cut short).");
    if (marks.badIndex)
        notes << QStringLiteral("Magenta: a colour index past the end of the colour table.");
    if (marks.transparent)
        notes << QStringLiteral("Light checker: transparent pixels (alpha below 255, or skipped by the RLE stream).");
    return notes;
}

}  // namespace hexlume
