#include "PreviewPicture.h"

#include "format/Decoder.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include <cstring>

namespace hexlume {

namespace {

QImage ToImage(const format::Picture& picture)
{
    QImage image(static_cast<int>(picture.width), static_cast<int>(picture.height), QImage::Format_ARGB32);
    const std::size_t rowBytes = picture.width * sizeof(format::Argb);
    for (std::uint32_t row = 0; row < picture.height; ++row)
        std::memcpy(image.scanLine(static_cast<int>(row)), picture.pixels.data() + std::size_t{row} * picture.width,
                    rowBytes);
    return image;
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
        drawn.reason = QStringLiteral("the embedded %1 stream: %2")
                           .arg(encoding == format::PixelEncoding::Jpeg ? QStringLiteral("JPEG") : QStringLiteral("PNG"),
                                reader.errorString());
        return drawn;
    }
    drawn.image = image.convertToFormat(QImage::Format_ARGB32);
    return drawn;
}

}  // namespace

DrawnPicture DrawPicture(format::Bytes file, QSize size)
{
    const format::BitmapFormat layout = format::ReadBitmapFormat(file);
    const format::DecodeResult result = format::DecodePicture(file, layout, static_cast<std::uint32_t>(size.width()),
                                                              static_cast<std::uint32_t>(size.height()));
    switch (result.outcome) {
    case format::DecodeOutcome::Drawn: return {.image = ToImage(result.picture), .reason = {}};
    case format::DecodeOutcome::Embedded:
        return ReadEmbedded(format::PresentBytes(file, result.embedded), result.embeddedEncoding, size);
    case format::DecodeOutcome::NoPicture: break;
    }
    return {.image = {}, .reason = QString::fromStdString(result.reason)};
}

}  // namespace hexlume
