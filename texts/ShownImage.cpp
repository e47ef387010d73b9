#include "ShownImage.h"

#include "HeaderTexts.h"
#include "format/ByteDescription.h"
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
    return layout.array.entries.empty() && !format::IsOs2Header(layout.format.version);
}

std::uint64_t BitmapAt(const format::Layout& layout, std::size_t index)
{
    return layout.array.entries.empty() ? 0 : layout.array.BitmapAt(index);
}

// The header of kind `kind` that starts at `offset` (where a broken file makes headers overlap,
// the layout may start it later).
const Element* HeaderAt(const format::Layout& layout, ElementKind kind, std::uint64_t offset)
{
    const auto found = std::find_if(layout.elements.begin(), layout.elements.end(), [&](const Element& element) {
        return element.kind == kind && !element.fields.empty() && element.fields.front().offset == offset;
    });
    return found != layout.elements.end() ? &*found : nullptr;
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

std::string SizeText(const format::BitmapFormat& format)
{
    return std::to_string(format.width) + "×" + std::to_string(format.height);
}

}  // namespace

std::size_t ImageCount(const format::Layout& layout)
{
    return std::max<std::size_t>(layout.array.entries.size(), 1);
}

ShownImage ShowImage(const CDib& dib, const format::Layout& layout, std::size_t index)
{
    const format::Bytes file = dib.FileBytes();
    ShownImage image;
    image.count = ImageCount(layout);
    image.index = std::min(index, image.count - 1);
    image.base = BitmapAt(layout, image.index);
    image.format = format::ReadBitmapFormat(file, image.base);
    image.ownFields = !ShownAsBase(layout);
    if (!image.ownFields) {
        image.tables[kFileHeaderGrid] = BaseRows(kFileHeaderFields, FileHeaderValueTexts(dib.GetFileHeader()),
                                                  kFileHeaderRanges, 0);
        image.tables[kInfoHeaderGrid] = BaseRows(kInfoHeaderFields, InfoHeaderValueTexts(dib.GetInfoHeader()),
                                                  kInfoHeaderRanges, kFileHeaderBytes);
        image.dump = BaseDumpSource(dib);
        return image;
    }
    const bool inArray = !layout.array.entries.empty();
    const std::uint64_t entry = inArray ? layout.array.entries[image.index] : image.base;
    if (inArray)
        AddRows(image.tables[kFileHeaderGrid], HeaderAt(layout, ElementKind::ArrayHeader, entry));
    AddRows(image.tables[kFileHeaderGrid], HeaderAt(layout, ElementKind::FileHeader, image.base));
    AddRows(image.tables[kInfoHeaderGrid], HeaderAt(layout, ElementKind::InfoHeader, image.base + kFileHeaderBytes));
    const format::BitmapFormat& bitmap = image.format;
    const format::FileRange headers{.offset = entry, .claimed = image.base + kFileHeaderBytes - entry,
                                    .present = std::min(file.size(), image.base + kFileHeaderBytes) - entry};
    image.dump.bytes = {Present(file, headers), Present(file, bitmap.header), Present(file, bitmap.colorTable),
                        Present(file, bitmap.pixels)};
    image.dump.fileOffset = {entry, bitmap.header.offset, bitmap.colorTable.offset, bitmap.pixels.offset};
    return image;
}

format::Layout ImageLayout(const format::Layout& layout, const ShownImage& image)
{
    if (layout.array.entries.empty())
        return layout;
    const format::BitmapFormat& bitmap = image.format;
    const std::uint64_t entry = layout.array.entries[image.index];
    const ByteRange headers{entry, std::max(bitmap.header.End(), bitmap.maskBytes.End()) - entry};
    const auto meets = [](const Element& element, const format::FileRange& range) {
        return !ByteRange{element.offset, element.size}.Meet({range.offset, range.claimed}).Empty();
    };
    format::Layout own{.format = bitmap, .elements = {}, .array = layout.array};
    std::copy_if(layout.elements.begin(), layout.elements.end(), std::back_inserter(own.elements),
                 [&](const Element& element) {
                     switch (element.kind) {
                     case ElementKind::ArrayHeader:
                     case ElementKind::FileHeader:
                     case ElementKind::InfoHeader:
                     case ElementKind::BitMasks: return headers.Contains(element.offset);
                     case ElementKind::ColorTable: return meets(element, bitmap.colorTable);
                     case ElementKind::PixelData: return meets(element, bitmap.pixels);
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

std::array<std::string, kStatusPanelCount> ImageStatusTexts(std::string_view fileName, const CDib& dib,
                                                            const ShownImage& image)
{
    if (!image.ownFields) {
        const BitmapInfoHeader info = dib.GetInfoHeader();
        return StatusTexts(fileName, dib.GetFileHeader().bfType, info.biWidth, info.biHeight);
    }
    const format::BitmapFormat& bitmap = image.format;
    std::string kind;
    if (image.count > 1 || dib.GetFileHeader().bfType == format::kArraySignature) {
        kind = "OS/2 array " + std::to_string(image.index + 1) + "/" + std::to_string(image.count);
    } else {
        kind = bitmap.version == format::HeaderVersion::Core ? "OS/2 1.x" : "OS/2 2.x";
        if (bitmap.encoding != format::PixelEncoding::Rgb && !format::EncodingName(bitmap.encoding).empty())
            kind += " " + std::string(format::EncodingName(bitmap.encoding));
    }
    return StatusTexts(fileName, SizeText(bitmap), kind);
}

std::vector<std::string> ImageListLines(const format::Layout& layout, format::Bytes file)
{
    std::vector<std::string> lines;
    for (std::size_t index = 0; index < ImageCount(layout); ++index) {
        const format::BitmapFormat bitmap = format::ReadBitmapFormat(file, BitmapAt(layout, index));
        std::string line = std::to_string(index + 1) + ": " + SizeText(bitmap) + ", " +
                           format::Counted(bitmap.bitCount, "bit", "bits");
        if (bitmap.encoding != format::PixelEncoding::Rgb && !format::EncodingName(bitmap.encoding).empty())
            line += ", " + std::string(format::EncodingName(bitmap.encoding));
        lines.push_back(std::move(line));
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

std::string OwnCellText(const format::Layout& layout, const CellFindings& findings, const TableRow& row)
{
    std::string text = OffsetLine(row.bytes.offset);
    const format::ByteDescription what = format::DescribeByte(layout, row.bytes.offset);
    if (what.element != nullptr && what.field != nullptr)
        text += "\n" + FieldLine(*what.element, *what.field);
    for (const std::string& line : findings.lines)
        text += "\n" + line;
    return text;
}

}  // namespace hexlume
