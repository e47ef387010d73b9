#include "BitmapHeaders.h"

namespace hexlume {

using format::FieldId;

BitmapFileHeader BitmapFileHeader::FromBytes(const FileHeaderBytes& bytes)
{
    const auto field = [&bytes](FieldId id) { return format::ReadField(bytes, 0, kFileHeaderTable, id); };
    return {
        .bfType = static_cast<std::uint16_t>(field(FieldId::Signature)),
        .bfSize = static_cast<std::uint32_t>(field(FieldId::FileSize)),
        .bfReserved1 = static_cast<std::uint16_t>(field(FieldId::Reserved1)),
        .bfReserved2 = static_cast<std::uint16_t>(field(FieldId::Reserved2)),
        .bfOffBits = static_cast<std::uint32_t>(field(FieldId::PixelOffset)),
    };
}

BitmapInfoHeader BitmapInfoHeader::FromBytes(const InfoHeaderBytes& bytes)
{
    const auto field = [&bytes](FieldId id) { return format::ReadField(bytes, 0, kInfoHeaderTable, id); };
    const auto signedField = [&field](FieldId id) { return static_cast<std::int32_t>(field(id)); };
    return {
        .biSize = static_cast<std::uint32_t>(field(FieldId::HeaderSize)),
        .biWidth = signedField(FieldId::Width),
        .biHeight = signedField(FieldId::Height),
        .biPlanes = static_cast<std::uint16_t>(field(FieldId::Planes)),
        .biBitCount = static_cast<std::uint16_t>(field(FieldId::BitCount)),
        .biCompression = static_cast<std::uint32_t>(field(FieldId::Compression)),
        .biSizeImage = static_cast<std::uint32_t>(field(FieldId::ImageSize)),
        .biXPelsPerMeter = signedField(FieldId::XDensity),
        .biYPelsPerMeter = signedField(FieldId::YDensity),
        .biClrUsed = static_cast<std::uint32_t>(field(FieldId::ColorsUsed)),
        .biClrImportant = static_cast<std::uint32_t>(field(FieldId::ColorsImportant)),
    };
}

}  // namespace hexlume
