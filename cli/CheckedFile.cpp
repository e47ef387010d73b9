#include "CheckedFile.h"

#include "format/NumberText.h"

namespace hexlume {

namespace {

std::uint64_t OffsetIn(ByteSpan whole, ByteSpan part)
{
    return part.empty() ? 0 : static_cast<std::uint64_t>(part.data() - whole.data());
}

std::string_view EncodingName(format::PixelEncoding encoding)
{
    switch (encoding) {
    case format::PixelEncoding::Rle8: return "RLE8";
    case format::PixelEncoding::Rle4: return "RLE4";
    case format::PixelEncoding::Rle24: return "RLE24";
    case format::PixelEncoding::BitFields: return "bit fields";
    case format::PixelEncoding::Jpeg: return "JPEG";
    case format::PixelEncoding::Png: return "PNG";
    case format::PixelEncoding::Huffman1D: return "Huffman 1D";
    default: return {};
    }
}

}  // namespace

format::DumpRegions DumpRegionsOf(const CDib& dib)
{
    const ByteSpan file = dib.FileBytes();
    return {.paletteOffset = OffsetIn(file, dib.PaletteBytes()),
            .paletteSize = dib.PaletteBytes().size(),
            .dataOffset = OffsetIn(file, dib.DataBytes()),
            .dataSize = dib.DataBytes().size()};
}

CheckedFile CheckLoadedFile(const CDib& dib)
{
    const format::Bytes bytes = dib.FileBytes();
    CheckedFile checked{.layout = format::ReadLayout(bytes), .findings = {}};
    checked.findings = format::CheckBitmap(checked.layout, bytes);
    for (format::Finding& note : format::DumpRelationNotes(checked.layout, DumpRegionsOf(dib)))
        checked.findings.push_back(std::move(note));
    return checked;
}

std::string Summary(const format::Layout& layout)
{
    const format::BitmapFormat& format = layout.format;
    std::string text = std::to_string(format.columns) + "x" + std::to_string(format.rows) + ", " +
                       std::to_string(format.bitCount) + (format.bitCount == 1 ? " bit" : " bits");
    if (format.bitCount <= 8 && format.colorCount != 0)
        text += ", " + format::GroupedNumber(format.colorCount) + (format.colorCount == 1 ? " colour" : " colours");
    const std::string_view encoding = EncodingName(format.encoding);
    if (!encoding.empty())
        text += ", " + std::string(encoding);
    return text + ", " + std::string(format::HeaderVersionName(format.version));
}

}  // namespace hexlume
