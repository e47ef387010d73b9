#include "ByteDescription.h"

namespace hexlume::format {

namespace {

void DescribeField(const Element& element, std::uint64_t offset, ByteDescription& description)
{
    for (const Field& field : element.fields) {
        if (offset >= field.offset && offset - field.offset < field.size) {
            description.field = &field;
            description.byteInField = offset - field.offset;
            return;
        }
    }
}

void DescribeColorEntry(const BitmapFormat& format, std::uint64_t inTable, ByteDescription& description)
{
    description.paletteEntry = inTable / format.colorEntrySize;
    description.channel = kColorEntryChannels[inTable % format.colorEntrySize];
}

// Rows count from where the headers put the pixels: a broken file may place the data over an
// earlier part, and then the data's element starts later than the data.
void DescribePixel(const BitmapFormat& format, std::uint64_t offset, ByteDescription& description)
{
    if (!IsUncompressed(format.encoding) || format.stride == 0 || format.bitCount == 0 || offset < format.pixels.offset)
        return;
    const std::uint64_t inData = offset - format.pixels.offset;
    const std::uint64_t storedRow = inData / format.stride;
    if (storedRow >= format.rows)
        return;
    description.storedRow = storedRow;
    description.pixelRow = format.ShownRow(storedRow);
    const std::uint64_t column = inData % format.stride * 8 / format.bitCount;
    if (column < format.columns)
        description.pixelColumn = column;
    else
        description.rowPadding = true;
}

}  // namespace

ByteDescription DescribeByte(const Layout& layout, std::uint64_t offset)
{
    ByteDescription description;
    for (const Element& element : layout.elements) {
        if (offset < element.offset || offset - element.offset >= element.size)
            continue;
        description.element = &element;
        if (element.kind == ElementKind::ColorTable)
            DescribeColorEntry(layout.format, offset - element.offset, description);
        else if (element.kind == ElementKind::PixelData)
            DescribePixel(layout.format, offset, description);
        else
            DescribeField(element, offset, description);
        break;
    }
    return description;
}

}  // namespace hexlume::format
