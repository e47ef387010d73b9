#include "BitmapHeaders.h"

namespace hexlume {

std::uint16_t ReadLe16(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

std::uint32_t ReadLe32(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return static_cast<std::uint32_t>(bytes[offset]) | (static_cast<std::uint32_t>(bytes[offset + 1]) << 8)
        | (static_cast<std::uint32_t>(bytes[offset + 2]) << 16) | (static_cast<std::uint32_t>(bytes[offset + 3]) << 24);
}

void WriteLe32(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

BitmapFileHeader BitmapFileHeader::FromBytes(const FileHeaderBytes& bytes)
{
    return {
        .bfType = ReadLe16(bytes, 0),
        .bfSize = ReadLe32(bytes, 2),
        .bfReserved1 = ReadLe16(bytes, 6),
        .bfReserved2 = ReadLe16(bytes, 8),
        .bfOffBits = ReadLe32(bytes, 10),
    };
}

BitmapInfoHeader BitmapInfoHeader::FromBytes(const InfoHeaderBytes& bytes)
{
    return {
        .biSize = ReadLe32(bytes, 0),
        .biWidth = static_cast<std::int32_t>(ReadLe32(bytes, 4)),
        .biHeight = static_cast<std::int32_t>(ReadLe32(bytes, 8)),
        .biPlanes = ReadLe16(bytes, 12),
        .biBitCount = ReadLe16(bytes, 14),
        .biCompression = ReadLe32(bytes, 16),
        .biSizeImage = ReadLe32(bytes, kSizeImageOffset),
        .biXPelsPerMeter = static_cast<std::int32_t>(ReadLe32(bytes, 24)),
        .biYPelsPerMeter = static_cast<std::int32_t>(ReadLe32(bytes, 28)),
        .biClrUsed = ReadLe32(bytes, kClrUsedOffset),
        .biClrImportant = ReadLe32(bytes, 36),
    };
}

}  // namespace hexlume
