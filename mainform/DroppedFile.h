#pragma once

#include <QMimeData>
#include <QString>
#include <QUrl>

#include <optional>

namespace hexlume {

// The bitmap a drop from the file manager brings: the first of its files, when that is a local
// .bmp file; nothing for any other drop.
inline std::optional<QString> DroppedBitmap(const QMimeData* mime)
{
    if (mime == nullptr || !mime->hasUrls() || mime->urls().isEmpty())
        return std::nullopt;
    const QUrl first = mime->urls().first();
    if (!first.isLocalFile() || !first.toLocalFile().endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive))
        return std::nullopt;
    return first.toLocalFile();
}

}  // namespace hexlume
