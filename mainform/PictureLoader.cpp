#include "PictureLoader.h"

#include <QImageReader>

namespace hexlume {

namespace {

// Qt refuses images above 256 MB decoded by default; a 500 MB 24-bit bitmap needs about 700 MB.
constexpr int kAllocationLimitMegabytes = 4096;

}  // namespace

LoadedPicture LoadPicture(const QString& path)
{
    QImageReader::setAllocationLimit(kAllocationLimitMegabytes);
    QImageReader reader(path, "bmp");
    reader.setAutoDetectImageFormat(false);
    LoadedPicture picture;
    if (!reader.read(&picture.image)) {
        picture.image = QImage();
        picture.error = reader.errorString();
    }
    return picture;
}

}  // namespace hexlume
