#include "PictureLoader.h"

#include <QFile>
#include <QImageReader>

namespace hexlume {

namespace {

// Qt refuses images above 256 MB decoded by default; a 500 MB 24-bit bitmap needs about 700 MB.
constexpr int kAllocationLimitMegabytes = 4096;

LoadedPicture Read(QImageReader& reader)
{
    QImageReader::setAllocationLimit(kAllocationLimitMegabytes);
    reader.setAutoDetectImageFormat(false);
    LoadedPicture picture;
    if (!reader.read(&picture.image)) {
        picture.image = QImage();
        picture.error = reader.errorString();
    }
    return picture;
}

}  // namespace

LoadedPicture LoadPicture(const QString& path)
{
    QImageReader reader(path, "bmp");
    return Read(reader);
}

LoadedPicture LoadPicture(QIODevice& device)
{
    QImageReader reader(&device, "bmp");
    return Read(reader);
}

}  // namespace hexlume
