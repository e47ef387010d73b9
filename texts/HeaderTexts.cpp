#include "HeaderTexts.h"

#include "format/NumberText.h"

namespace hexlume {

std::optional<std::size_t> FieldRowAt(std::span<const ByteRange> fields, std::uint64_t offset)
{
    for (std::size_t row = 0; row < fields.size(); ++row)
        if (fields[row].Contains(offset))
            return row;
    return std::nullopt;
}

std::array<std::string, 5> FileHeaderValueTexts(const BitmapFileHeader& header)
{
    const std::array<std::uint32_t, 5> values{header.bfType, header.bfSize, header.bfReserved1,
                                              header.bfReserved2, header.bfOffBits};
    std::array<std::string, 5> texts;
    for (std::size_t row = 0; row < texts.size(); ++row)
        texts[row] = format::HexDigits(values[row], kFileHeaderFields[row].digits);
    if (header.bfType == kBitmapSignature)
        texts[0] = kBitmapTypeText;
    return texts;
}

std::array<std::string, 11> InfoHeaderValueTexts(const BitmapInfoHeader& header)
{
    // Signed fields are shown bit for bit: a negative height reads FFFFFF9C, not -64.
    const std::array<std::uint32_t, 11> values{
        header.biSize,
        static_cast<std::uint32_t>(header.biWidth),
        static_cast<std::uint32_t>(header.biHeight),
        header.biPlanes,
        header.biBitCount,
        header.biCompression,
        header.biSizeImage,
        static_cast<std::uint32_t>(header.biXPelsPerMeter),
        static_cast<std::uint32_t>(header.biYPelsPerMeter),
        header.biClrUsed,
        header.biClrImportant,
    };
    std::array<std::string, 11> texts;
    for (std::size_t row = 0; row < texts.size(); ++row)
        texts[row] = format::HexDigits(values[row], kInfoHeaderFields[row].digits);
    return texts;
}

}  // namespace hexlume
