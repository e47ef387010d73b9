#include "ShownImage.h"

#include "HeaderTexts.h"
#include "format/ByteDescription.h"
#include "format/PixelFormats.h"
#include "format/NumberText.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace hexlume {

namespace {

using format::Element;
using format::ElementKind;
using format::Field;

// A file shown as the base shows it: a lone "BM" bitmap read as a 40-byte info header.
bool ShownAsBase(const format::Layout& layout)
{
    return layout.kind == format::FileKind::Bitmap && !format::IsOs2Header(layout.format.version);
}

// The header of kind `kind` whose first field is at `offset`.
const Element* HeaderAt(const format::Layout& layout, ElementKind kind, std::uint64_t offset)
{
    const auto found = std::find_if(layout.elements.begin(), layout.elements.end(), [&](const Element& element) {
        return element.kind == kind && !element.fields.empty() && element.fields.front().offset == offset;
    });
    return found != layout.elements.end() ? &*found : nullptr;
}

// Where the chosen image's own headers start: its array entry's or icon entry's header, else its file
// header, else (a headerless DIB) its info header.
std::uint64_t EntryAt(const format::Layout& layout)
{
    if (layout.kind == format::FileKind::BitmapArray)
        return layout.array.entries[layout.image];
    if (layout.kind == format::FileKind::Icon || layout.kind == format::FileKind::Cursor)
        return layout.icon.entries.empty() ? 0 : layout.icon.entries[layout.image].at;
    return layout.format.HasFileHeader() ? layout.format.base : layout.format.header.offset;
}

bool IconKind(format::FileKind kind)
{
    return kind == format::FileKind::Icon || kind == format::FileKind::Cursor;
}

// As the base writes a value: hex digits, at least two for a word and four for a longer field;
// a signature in its letters too ("0x4d42\"BM\"").
std::string ValueText(const Field& field)
{
    if (!field.present)
        return {};
    if (field.id == format::FieldId::Signature &&
        (field.value == format::kBitmapSignature || field.value == format::kArraySignature)) {
        const std::string letters{static_cast<char>(field.value & 0xFF), static_cast<char>(field.value >> 8)};
        std::string hex = format::HexDigits(field.value, 4);
        std::transform(hex.begin(), hex.end(), hex.begin(), [](char c) { return static_cast<char>(std::tolower(c)); });
        return "0x" + hex + "\"" + letters + "\"";
    }
    return format::HexDigits(field.value, field.size <= 2 ? 2 : 4);
}

void AddRows(std::vector<TableRow>& rows, const Element* header)
{
    if (header == nullptr)
        return;
    for (const Field& field : header->fields)
        rows.push_back({.name = field.name,
                        .type = std::string(format::TypeName(field.type)),
                        .value = ValueText(field),
                        .bytes = {field.offset, field.size}});
}

template <std::size_t N>
std::vector<TableRow> BaseRows(const std::array<HeaderField, N>& fields, const std::array<std::string, N>& values,
                               const std::array<ByteRange, N>& ranges, std::uint64_t headerAt)
{
    std::vector<TableRow> rows;
    for (std::size_t row = 0; row < N; ++row)
        rows.push_back({.name = std::string(fields[row].name),
                        .type = std::string(fields[row].type),
                        .value = values[row],
                        .bytes = {headerAt + ranges[row].offset, ranges[row].size}});
    return rows;
}

std::optional<ByteSpan> Present(format::Bytes file, const format::FileRange& range)
{
    if (range.present == 0)
        return std::nullopt;
    return file.subspan(static_cast<std::size_t>(range.offset), static_cast<std::size_t>(range.present));
}

// As the header stores it; an icon's image as its picture is (its stored height counts the mask too).
std::string SizeText(const format::BitmapFormat& format)
{
    if (format.container == format::DibContainer::IconImage || format.pngImage)
        return std::to_string(format.columns) + "×" + std::to_string(format.rows);
    return std::to_string(format.width) + "×" + std::to_string(format.height);
}

// The pixels' encoding where it is not plain RGB: "RLE8"; empty for RGB.
std::string_view EncodingWord(const format::BitmapFormat& format)
{
    return format.encoding == format::PixelEncoding::Rgb ? std::string_view() : format::EncodingName(format.encoding);
}

// "OS/2 2.x" and then "OS/2 2.x RLE8" for an encoded image.
Message WithEncoding(Message kind, const format::BitmapFormat& format)
{
    const std::string_view encoding = EncodingWord(format);
    if (encoding.empty())
        return kind;
    return Message(HX_TR("Status", "%1 %2")).Arg(std::move(kind)).Arg(encoding);
}

}  // namespace

ShownImage ShowImage(const CDib& dib, std::size_t index)
{
    const format::Bytes file = dib.FileBytes();
    const format::Layout layout = format::ReadImageLayout(file, index);
    ShownImage image;
    image.count = format::ImageCount(layout);
    image.index = std::min(layout.image, image.count - 1);
    image.format = layout.format;
    image.kind = layout.kind;
    image.ownFields = !ShownAsBase(layout);
    if (!image.ownFields) {
        image.tables[kFileHeaderGrid] = BaseRows(kFileHeaderFields, FileHeaderValueTexts(dib.GetFileHeader()),
                                                 kFileHeaderRanges, 0);
        image.tables[kInfoHeaderGrid] = BaseRows(kInfoHeaderFields, InfoHeaderValueTexts(dib.GetInfoHeader()),
                                                 kInfoHeaderRanges, kFileHeaderBytes);
        image.dump = BaseDumpSource(dib);
        return image;
    }
    const format::BitmapFormat& bitmap = image.format;
    const std::uint64_t entry = EntryAt(layout);
    std::vector<TableRow>& fileTable = image.tables[kFileHeaderGrid];
    AddRows(fileTable, HeaderAt(layout, ElementKind::ArrayHeader, entry));
    AddRows(fileTable, HeaderAt(layout, ElementKind::IconDirectory, 0));
    AddRows(fileTable, HeaderAt(layout, ElementKind::IconEntry, entry));
    if (bitmap.HasFileHeader())
        AddRows(fileTable, HeaderAt(layout, ElementKind::FileHeader, bitmap.base));
    AddRows(image.tables[kInfoHeaderGrid], HeaderAt(layout, ElementKind::InfoHeader, bitmap.header.offset));

    // The file-header memo: the headers before the info header that lead to the image (an icon's
    // whole directory); the pixel-data memo: the pixels and an icon image's AND mask after them.
    format::FileRange headers{};
    if (IconKind(layout.kind))
        headers = layout.icon.directory;
    else if (bitmap.HasFileHeader())
        headers = format::RangeIn(file.size(), entry, bitmap.base + kFileHeaderBytes - entry);
    format::FileRange pixels = bitmap.pixels;
    if (bitmap.andMask.claimed != 0 && bitmap.andMask.offset == pixels.End() && pixels.Complete())
        pixels = format::RangeIn(file.size(), pixels.offset, pixels.claimed + bitmap.andMask.claimed);
    image.dump.bytes = {Present(file, headers), Present(file, bitmap.header), Present(file, bitmap.colorTable),
                        Present(file, pixels)};
    image.dump.fileOffset = {headers.offset, bitmap.header.offset, bitmap.colorTable.offset, pixels.offset};
    return image;
}

format::Layout ImageLayout(const format::Layout& layout, const ShownImage& image)
{
    if (format::ImageCount(layout) < 2)
        return layout;
    const format::BitmapFormat& bitmap = image.format;
    const std::uint64_t entry = layout.kind == format::FileKind::BitmapArray ? layout.array.entries[image.index]
                                : IconKind(layout.kind) && image.index < layout.icon.entries.size()
                                    ? layout.icon.entries[image.index].at
                                    : 0;
    const std::uint64_t headerStart = bitmap.HasFileHeader() ? bitmap.base : bitmap.header.offset;
    const ByteRange headers{headerStart, std::max(bitmap.header.End(), bitmap.maskBytes.End()) - headerStart};
    const auto meets = [](const Element& element, const format::FileRange& range) {
        return !ByteRange{element.offset, element.size}.Meet({range.offset, range.claimed}).Empty();
    };
    format::Layout own = layout;
    own.format = bitmap;
    own.elements.clear();
    std::copy_if(layout.elements.begin(), layout.elements.end(), std::back_inserter(own.elements),
                 [&](const Element& element) {
                     switch (element.kind) {
                     case ElementKind::ArrayHeader:
                     case ElementKind::IconEntry: return element.offset == entry;
                     case ElementKind::IconDirectory: return true;
                     case ElementKind::FileHeader:
                     case ElementKind::InfoHeader:
                     case ElementKind::BitMasks: return headers.Contains(element.offset);
                     case ElementKind::ColorTable: return meets(element, bitmap.colorTable);
                     case ElementKind::PixelData:
                     case ElementKind::PngStream: return meets(element, bitmap.pixels);
                     case ElementKind::AndMask: return meets(element, bitmap.andMask);
                     default: return false;
                     }
                 });
    return own;
}

std::vector<format::Finding> ImageFindings(const format::Layout& imageLayout, std::span<const format::Finding> findings)
{
    std::vector<format::Finding> own;
    std::copy_if(findings.begin(), findings.end(), std::back_inserter(own), [&](const format::Finding& finding) {
        const ByteRange bytes{finding.offset, std::max<std::uint64_t>(finding.length, 1)};
        return std::any_of(imageLayout.elements.begin(), imageLayout.elements.end(), [&](const Element& element) {
            return !bytes.Meet({element.offset, element.size}).Empty();
        });
    });
    return own;
}

StatusLine ImageStatusTexts(std::string_view fileName, const CDib& dib,
                                                            const ShownImage& image)
{
    if (!image.ownFields) {
        const BitmapInfoHeader info = dib.GetInfoHeader();
        return StatusTexts(fileName, dib.GetFileHeader().bfType, info.biWidth, info.biHeight);
    }
    const format::BitmapFormat& bitmap = image.format;
    const format::FileKind kind = image.kind;
    Message word;
    switch (kind) {
    case format::FileKind::BitmapArray: word = HX_TR("Status", "OS/2 array"); break;
    case format::FileKind::Icon: word = HX_TR("Status", "icon"); break;
    case format::FileKind::Cursor: word = HX_TR("Status", "cursor"); break;
    case format::FileKind::Headerless: word = HX_TR("Status", "headerless DIB"); break;
    case format::FileKind::Bitmap:
        word = Message::Verbatim(bitmap.version == format::HeaderVersion::Core ? "OS/2 1.x" : "OS/2 2.x");
        break;
    }
    if (image.count > 1 || kind == format::FileKind::BitmapArray || IconKind(kind))
        word = Message(HX_TR("Status", "%1 %2/%3"))
                   .Arg(std::move(word))
                   .Arg(std::to_string(image.index + 1))
                   .Arg(std::to_string(image.count));
    return StatusTexts(fileName, SizeText(bitmap), WithEncoding(std::move(word), bitmap));
}

std::vector<Message> ImageListLines(format::Bytes file, std::size_t count)
{
    std::vector<Message> lines;
    for (std::size_t index = 0; index < count; ++index) {
        const format::BitmapFormat bitmap = format::ReadImageLayout(file, index).format;
        lines.push_back(WithEncoding(Message(HX_TR_N("Status", "%1: %2, %n bit(s)"))
                                         .Arg(std::to_string(index + 1))
                                         .Arg(SizeText(bitmap))
                                         .Count(bitmap.bitCount),
                                     bitmap));
    }
    return lines;
}

std::optional<std::size_t> TableRowAt(std::span<const TableRow> rows, std::uint64_t offset)
{
    for (std::size_t row = 0; row < rows.size(); ++row)
        if (rows[row].bytes.Contains(offset))
            return row;
    return std::nullopt;
}

CellFindings OwnCellFindings(std::span<const format::Finding> findings, const TableRow& row)
{
    CellFindings cell;
    for (const format::Finding& finding : findings)
        if (!ByteRange{finding.offset, std::max<std::uint64_t>(finding.length, 1)}.Meet(row.bytes).Empty() &&
            !finding.field.empty()) {
            cell.mark = std::max(cell.mark, MarkOf(finding.severity));
            cell.lines.push_back(FindingTipLine(finding));
        }
    return cell;
}

Message OwnCellText(const format::Layout& layout, const CellFindings& findings, const TableRow& row)
{
    TipLines lines;
    lines.Add(OffsetLine(row.bytes.offset));
    const format::ByteDescription what = format::DescribeByte(layout, row.bytes.offset);
    if (what.element != nullptr && what.field != nullptr)
        lines.Add(FieldLine(*what.element, *what.field));
    for (const Message& line : findings.lines)
        lines.Add(line);
    return lines.Take();
}

}  // namespace hexlume
