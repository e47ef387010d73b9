#pragma once

#include "format/BitmapFormat.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace hexlume {

struct DrawnPicture {
    QImage image;    // Format_ARGB32; null when no picture exists
    QString reason;  // why, when it does not
};

// The bitmap in file drawn at size by our decoder (the preview's stretch, or the picture's own
// size for full size). The one place Qt decodes: the JPEG or PNG stream a BI_JPEG/BI_PNG bitmap
// embeds, read straight at size.
DrawnPicture DrawPicture(format::Bytes file, QSize size);

}  // namespace hexlume
