#include "BitmapHeaders.h"

namespace hexlume {

BitmapFileHeader BitmapFileHeader::FromBytes(const FileHeaderBytes& bytes)
{
    return {
        .bfType = Le16At(bytes, 0),
        .bfSize = Le32At(bytes, 2),
        .bfReserved1 = Le16At(bytes, 6),
        .bfReserved2 = Le16At(bytes, 8),
        .bfOffBits = Le32At(bytes, 10),
    };
}

BitmapInfoHeader BitmapInfoHeader::FromBytes(const InfoHeaderBytes& bytes)
{
    return {
        .biSize = Le32At(bytes, 0),
        .biWidth = static_cast<std::int32_t>(Le32At(bytes, 4)),
        .biHeight = static_cast<std::int32_t>(Le32At(bytes, 8)),
        .biPlanes = Le16At(bytes, 12),
        .biBitCount = Le16At(bytes, 14),
        .biCompression = Le32At(bytes, 16),
        .biSizeImage = Le32At(bytes, kSizeImageOffset),
        .biXPelsPerMeter = static_cast<std::int32_t>(Le32At(bytes, 24)),
        .biYPelsPerMeter = static_cast<std::int32_t>(Le32At(bytes, 28)),
        .biClrUsed = Le32At(bytes, kClrUsedOffset),
        .biClrImportant = Le32At(bytes, 36),
    };
}

}  // namespace hexlume
