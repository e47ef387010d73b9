#pragma once

#include <QImage>
#include <QString>

class QIODevice;

namespace hexlume {

struct LoadedPicture {
    QImage image;   // null when the file was refused
    QString error;  // Qt's reason when it was
};

// The preview's bitmap loader: Qt's reader, told the file is a Windows bitmap (no guessing
// from the content), with the allocation limit raised so that large valid bitmaps decode.
LoadedPicture LoadPicture(const QString& path);
// The same on a file the caller opened, e.g. one whose name is not valid UTF-8.
LoadedPicture LoadPicture(QIODevice& device);

}  // namespace hexlume
