#include "InspectionTexts.h"

#include "DumpRelation.h"
#include "HeaderTexts.h"
#include "HexText.h"
#include "RegionText.h"
#include "format/ByteDescription.h"
#include "format/FieldValue.h"
#include "format/Huffman1D.h"
#include "format/NumberText.h"
#include "format/PixelBytes.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace hexlume {

namespace {

using format::Counted;
using format::Element;
using format::ElementKind;
using format::Field;
using format::Finding;
using format::GroupedNumber;
using format::HexNumber;
using format::Severity;

constexpr std::uint64_t kInfoHeaderStart = kFileHeaderBytes;

// The real part each memo stands for, and what the window calls it.
constexpr std::array<ElementKind, kMemoCount> kMemoElements{ElementKind::FileHeader, ElementKind::InfoHeader,
                                                            ElementKind::ColorTable, ElementKind::PixelData};
constexpr std::array<std::string_view, kMemoCount> kMemoRegionNames{"file header", "info header", "palette",
                                                                    "pixel data"};

std::string ValueText(const Field& field)
{
    if (field.size > 8 || !format::HoldsOneNumber(field.type))
        return {};
    return " = " + FieldDecimalText(field) + " (" + HexNumber(field.value, static_cast<int>(field.size) * 2) + ")";
}

}  // namespace

std::string FieldDecimalText(const Field& field)
{
    // LONG and SHORT fields are signed: a top-down height reads -64, not 4 294 967 232.
    if (format::TypeSigned(field.type) && field.size == 4)
        return std::to_string(static_cast<std::int32_t>(field.value));
    if (format::TypeSigned(field.type) && field.size == 2)
        return std::to_string(static_cast<std::int16_t>(field.value));
    return GroupedNumber(field.value);
}

std::string FieldLine(const Element& element, const Field& field, std::optional<std::uint64_t> byteInField)
{
    std::string line = element.name + ", " + field.name + " (" + std::string(format::TypeName(field.type)) +
                       ", bytes " + std::to_string(field.offset) + "–" + std::to_string(field.offset + field.size - 1) +
                       (byteInField ? "; byte " + std::to_string(*byteInField + 1) + " of " + std::to_string(field.size)
                                    : std::string()) +
                       ")";
    if (!field.present)
        return line + ": cut off by the end of the file";
    line += ValueText(field);
    if (!field.meaning.Empty())
        line += ": " + field.meaning.English();
    return line;
}

Mark MarkOf(Severity severity)
{
    return severity == Severity::Error ? Mark::Error : severity == Severity::Warning ? Mark::Warning : Mark::Note;
}

std::string FindingTipLine(const Finding& finding)
{
    return std::string(format::SeverityName(finding.severity)) + ": " + finding.message.English();
}

std::string OffsetLine(std::uint64_t offset)
{
    return "Offset " + HexNumber(offset, 8) + " (" + GroupedNumber(offset) + ")";
}

namespace {

// "entry 3 (blue 0x00, green 0x80, red 0xFF, reserved 0x00)": as many channels as the file holds.
std::string EntryText(format::Bytes file, std::uint64_t entry, std::uint64_t entryOffset, std::uint32_t entrySize)
{
    std::string text = "entry " + GroupedNumber(entry) + " (";
    for (std::uint32_t channel = 0; channel < entrySize && entryOffset + channel < file.size(); ++channel)
        text += (channel == 0 ? "" : ", ") + std::string(format::kColorEntryChannels[channel]) + " " +
                HexNumber(file[entryOffset + channel], 2);
    return text + ")";
}

// "index 3, colour #FF8000", "index 9, past the table's 4 entries", "colour #FF8000".
std::string PixelValueText(const format::PixelValue& value, const format::BitmapFormat& bitmap)
{
    std::string text = value.index ? "index " + GroupedNumber(*value.index) + ", " : std::string();
    if (value.color) {
        const bool alpha = format::HasAlphaChannel(bitmap);
        text += "colour " + ColorText(*value.color, alpha);
        // The decoder's picture-wide rule: an alpha of 0 in every pixel is a spare byte, not transparency.
        if (alpha && *value.color >> 24 == 0)
            text += " (alpha 0: drawn opaque when every pixel's alpha is 0)";
        return text;
    }
    if (value.pastTable)
        return text + "past the table's " + Counted(bitmap.colorCount, "entry", "entries");
    return text + (value.index ? "its entry lies past the end of the file" : "cut off by the end of the file");
}

// "feeds red", "feeds green and blue", "feeds no channel (bits outside the masks)".
std::string FeedsText(const format::ChannelSet& channels)
{
    const std::pair<bool, std::string_view> named[] = {
        {channels.red, "red"}, {channels.green, "green"}, {channels.blue, "blue"}, {channels.alpha, "alpha"}};
    const auto fed = std::count_if(std::begin(named), std::end(named), [](const auto& channel) { return channel.first; });
    if (fed == 0)
        return "feeds no channel (bits outside the masks)";
    std::string text = "feeds ";
    std::ptrdiff_t listed = 0;
    for (const auto& [feeds, name] : named) {
        if (!feeds)
            continue;
        text += listed == 0 ? "" : listed == fed - 1 ? " and " : ", ";
        text += name;
        ++listed;
    }
    return text;
}

// One pixel a byte holds: its value, and for a colour stored as such which of its bytes this is.
std::string HeldText(const format::BytePixels& held, const format::PixelValue& value,
                     const format::BitmapFormat& bitmap)
{
    if (held.pixelBytes == 0)
        return PixelValueText(value, bitmap);
    return "byte " + std::to_string(held.byteInPixel + 1) + " of " + std::to_string(held.pixelBytes) + ", " +
           FeedsText(held.channels) + "; " + PixelValueText(value, bitmap);
}

std::string UncompressedPixelLine(const Element& element, const format::BitmapFormat& bitmap, format::Bytes file,
                                  const format::ByteDescription& what, std::uint64_t offset)
{
    const std::uint64_t row = *what.pixelRow;
    const format::PixelSpan span = format::PixelsInByte(file, bitmap, what, offset);
    const std::uint64_t first = span.count != 0 ? span.x : what.pixelColumn.value_or(0);
    const std::uint64_t last = span.count != 0 ? span.x + span.count - 1 : first;
    std::string line = element.name + ", " + format::PixelSpanText(first, last, row, what.storedRow);
    const format::BytePixels held = format::PixelsOfByte(file, bitmap, what, offset);
    if (held.count == 1)
        return line + ": " + HeldText(held, held.pixels[0], bitmap);
    if (held.count > 1)
        line += ":";
    for (std::size_t i = 0; i < held.count; ++i)
        line += "\n" + format::PixelText(held.pixels[i].x, row, what.storedRow) + ": " +
                HeldText(held, held.pixels[i], bitmap);
    return line;
}

// The pixels an RLE code writes into the picture.
std::string DrawsText(const format::RleByte& rle, const format::BitmapFormat& bitmap)
{
    const format::RleStep& step = rle.step;
    if (step.exit == format::RleExit::PastLastRow)
        return "; draws nothing: it starts at " + format::StreamPlaceText(step.x, step.y, bitmap);
    if (step.pixels == 0)
        return "; draws nothing: it starts past the row's end";
    std::string text = "; draws " + format::PixelSpanText(step.x, step.x + step.pixels - 1,
                                                          bitmap.ShownRow(step.y), step.y);
    if (step.exit == format::RleExit::RunPastRow)
        text += ", and " + GroupedNumber(rle.code.count - step.pixels) + " more past the row's end";
    return text;
}

std::string RleOperationText(const format::RleByte& rle, const format::BitmapFormat& bitmap)
{
    const format::RleCode& code = rle.code;
    const format::RleStep& step = rle.step;
    switch (code.op) {
    case format::RleOp::Run: {
        std::string text = "a run of " + Counted(code.count, "pixel", "pixels") + " of " +
                           PixelValueText(rle.runValues[0], bitmap);
        if (rle.runValueCount == 2)
            text += ", alternating with " + PixelValueText(rle.runValues[1], bitmap);
        return text + DrawsText(rle, bitmap);
    }
    case format::RleOp::Literal:
        return "a literal of " + Counted(code.count, "pixel", "pixels") + DrawsText(rle, bitmap);
    case format::RleOp::CutShort:
        return "cut short by the end of the file" +
               (code.count == 0 ? std::string()
                                : " after " + Counted(code.count, "whole pixel", "whole pixels") + DrawsText(rle, bitmap));
    case format::RleOp::EndOfLine:
        if (step.exit == format::RleExit::PastLastRow)
            return "end of line at " + format::StreamPlaceText(step.x, step.y, bitmap);
        if (!step.skips)
            return "end of line";
        return "end of line; leaves " +
               format::PixelSpanText(step.x, bitmap.columns - 1, bitmap.ShownRow(step.y), step.y) + " unwritten";
    case format::RleOp::Delta: {
        std::string text = "a delta of " + Counted(code.count, "column", "columns") + " and " +
                           Counted(code.down, "row", "rows") + "; moves from " +
                           format::StreamPlaceText(step.x, step.y, bitmap) + " to " +
                           format::StreamPlaceText(rle.nextX, rle.nextY, bitmap);
        if (step.exit == format::RleExit::DeltaOutside)
            text += ", out of the " + GroupedNumber(bitmap.columns) + " by " + GroupedNumber(bitmap.rows) + " picture";
        return text;
    }
    case format::RleOp::EndOfBitmap:
        return step.skips ? "end of bitmap; the pixels not yet written stay unwritten" : "end of bitmap";
    }
    return {};
}

std::string CodeText(const format::BitmapFormat& bitmap, const format::RleByte& rle)
{
    const format::RleCode& code = rle.code;
    return std::string(format::EncodingName(bitmap.encoding)) + " code at offset " + GroupedNumber(code.offset) +
           " (" + format::ByteCount(code.length) + "): " + RleOperationText(rle, bitmap);
}

// The code an RLE byte belongs to, and for a literal's byte the pixels it stores.
std::string RleLine(const Element& element, const format::BitmapFormat& bitmap, const format::RleByte& rle)
{
    std::string line = element.name + ", " + CodeText(bitmap, rle);
    const format::BytePixels& held = rle.held;
    for (std::size_t i = 0; i < held.count; ++i) {
        const format::PixelValue& pixel = held.pixels[i];
        const bool drawn = pixel.x - rle.step.x < rle.step.pixels;
        line += "\n" + format::StreamPlaceText(pixel.x, rle.step.y, bitmap) + (drawn ? "" : " (not drawn)") + ": " +
                HeldText(held, pixel, bitmap);
    }
    if (rle.literalPadding)
        line += "\nthis byte pads the literal to 16 bits";
    return line;
}

// The RLE code holding a byte of the pixel data, where the pixel data is an RLE stream.
std::optional<format::RleByte> RleByteOf(const format::Layout& layout, format::Bytes file,
                                         const format::ByteDescription& what, std::uint64_t offset)
{
    if (what.element == nullptr || what.element->kind != ElementKind::PixelData || what.field != nullptr ||
        what.paletteEntry || what.pixelRow)
        return std::nullopt;
    return format::RleCodeOf(file, layout.format, offset);
}

std::string PartLine(const format::Layout& layout, format::Bytes file, const format::ByteDescription& what,
                     const std::optional<format::RleByte>& rle, std::uint64_t offset)
{
    const Element& element = *what.element;
    if (what.field != nullptr)
        return FieldLine(element, *what.field, what.byteInField);
    const format::BitmapFormat& bitmap = layout.format;
    if (what.paletteEntry) {
        const std::uint64_t entryOffset = element.offset + *what.paletteEntry * bitmap.colorEntrySize;
        return element.name + ", " + EntryText(file, *what.paletteEntry, entryOffset, bitmap.colorEntrySize) +
               ": this byte is " + std::string(what.channel);
    }
    if (what.pixelRow) {
        if (what.rowPadding)
            return element.name + ", row " + GroupedNumber(*what.pixelRow) + " as shown (stored row " +
                   GroupedNumber(what.storedRow) + "): padding to the row's 32-bit end";
        return UncompressedPixelLine(element, bitmap, file, what, offset);
    }
    if (rle)
        return RleLine(element, bitmap, *rle);
    return element.name + ": byte " + GroupedNumber(offset - element.offset) + " of " + GroupedNumber(element.size);
}

// Where the dump's simple reading of the file differs from the real layout at this byte.
std::string DumpLine(const format::Layout& layout, format::Bytes file, const Element& element, std::size_t memo,
                     std::uint64_t offset, std::uint8_t shownByte)
{
    // The headers that lead to an image are shown with its file header, an icon's mask with its pixels.
    const ElementKind kind = element.kind == ElementKind::ArrayHeader || element.kind == ElementKind::IconDirectory ||
                                     element.kind == ElementKind::IconEntry
                                 ? ElementKind::FileHeader
                             : element.kind == ElementKind::AndMask || element.kind == ElementKind::PngStream
                                 ? ElementKind::PixelData
                                 : element.kind;
    if (kind != kMemoElements[memo])
        return "The dump shows this byte as " + std::string(kMemoRegionNames[memo]) + "; it is really part of the " +
               element.name + ".";
    if (offset < file.size() && file[offset] != shownByte)
        return "The dump shows " + std::string(ByteToHex(shownByte)) +
               " here, the value the window derives; the file holds " + std::string(ByteToHex(file[offset])) + ".";
    if (memo == kPaletteMemo && layout.format.colorEntrySize == 3)
        return "The dump groups the colour table in 4-byte entries; this file's entries are 3 bytes long.";
    return {};
}

bool Covers(const Finding& finding, std::uint64_t offset)
{
    return offset >= finding.offset && offset - finding.offset < std::max<std::uint64_t>(finding.length, 1);
}

void AddTo(CellFindings& cell, const Finding& finding)
{
    cell.mark = std::max(cell.mark, MarkOf(finding.severity));
    cell.lines.push_back(FindingTipLine(finding));
}

// The stream faults at a byte that the checks report only the first of, with a count of the
// rest: the RLE code holding it when that code leaves the picture, the Huffman faults starting in it.
std::vector<format::StreamFault> CountedFaultsAt(const format::BitmapFormat& bitmap, format::Bytes file,
                                                 const std::optional<format::RleByte>& rle, std::uint64_t offset)
{
    std::vector<format::StreamFault> faults;
    if (rle && rle->step.exit != format::RleExit::None)
        faults.push_back(format::DescribeRleExit(bitmap, rle->code, rle->step));
    for (const format::HuffmanStep& step : format::HuffmanFaultsIn(file, bitmap, {offset, 1}))
        faults.push_back(format::DescribeHuffmanFault(bitmap, step));
    return faults;
}

// A byte's text: the lines about the dump's reading of it, if any, go between what the byte is
// and the findings.
std::string ByteTextWith(const format::Layout& layout, std::span<const Finding> findings, format::Bytes file,
                         std::uint64_t offset, const std::optional<std::pair<std::size_t, std::uint8_t>>& dumpByte)
{
    std::string text = OffsetLine(offset);
    const format::ByteDescription what = format::DescribeByte(layout, offset);
    if (what.element == nullptr)
        return text + "\nPast the end of the file.";
    const std::optional<format::RleByte> rle = RleByteOf(layout, file, what, offset);
    text += "\n" + PartLine(layout, file, what, rle, offset);
    if (dumpByte) {
        const auto [memo, shownByte] = *dumpByte;
        if (const std::string dump = DumpLine(layout, file, *what.element, memo, offset, shownByte); !dump.empty())
            text += "\n" + dump;
    }
    for (const Finding& finding : findings)
        if (Covers(finding, offset))
            text += "\n" + FindingTipLine(finding);
    for (const format::StreamFault& fault : CountedFaultsAt(layout.format, file, rle, offset)) {
        const bool reported = std::any_of(findings.begin(), findings.end(), [&](const Finding& finding) {
            return finding.code == fault.code && Covers(finding, offset);
        });
        if (!reported)
            text += "\n" + std::string(format::SeverityName(Severity::Error)) + ": " + fault.Sentence().English();
    }
    return text;
}

}  // namespace

DumpFileMap MapDumpToFile(const DumpSource& source, const DumpPaneView& pane)
{
    DumpFileMap map{};
    std::uint64_t line = 0;
    for (std::size_t memo = 0; memo < kMemoCount; ++memo) {
        const MemoView& view = pane.memos[memo];
        map[memo].firstLine = line;
        line += view.bytes ? LineCount(view.bytes->size()) : 1;  // an absent region's notice takes a line
        if (!view.bytes || view.bytes->empty())
            continue;
        // A window of the data: the memo's bytes start at its first line, and so do its numbers.
        const std::uint64_t skipped = std::min<std::uint64_t>(view.bytes->size(), view.firstLine * kBytesPerLine);
        map[memo].firstLine += view.firstLine;
        map[memo].skipped = skipped;
        map[memo].held = view.bytes->size() - skipped;
        map[memo].shown = std::min<std::uint64_t>(map[memo].held, view.placement.linesShown * kBytesPerLine);
        map[memo].fileOffset = source.fileOffset[memo] + skipped;
    }
    return map;
}

DumpFileMap MapDumpToFile(const CDib& dib, const DumpPaneView& pane)
{
    if (dib.FileBytes().empty())
        return {};
    return MapDumpToFile(BaseDumpSource(dib), pane);
}

std::optional<std::uint64_t> FileOffsetOf(const DumpFileMap& map, std::size_t memo, std::uint64_t byteInMemo)
{
    if (memo >= kMemoCount || byteInMemo >= map[memo].shown)
        return std::nullopt;
    return map[memo].fileOffset + byteInMemo;
}

format::Inspection InspectLoadedFile(const CDib& dib)
{
    format::Inspection inspected = format::Inspect(dib.FileBytes());
    AddDumpNotes(inspected, BaseDumpSource(dib));
    return inspected;
}

void AddDumpNotes(format::Inspection& inspection, const DumpSource& source)
{
    const auto range = [&source](std::size_t memo) {
        return source.bytes[memo] ? ByteRange{source.fileOffset[memo], source.bytes[memo]->size()} : ByteRange{};
    };
    const DumpRegions dump{.paletteOffset = range(kPaletteMemo).offset, .paletteSize = range(kPaletteMemo).size,
                           .dataOffset = range(kDataMemo).offset, .dataSize = range(kDataMemo).size,
                           .fileHeader = range(kFileHeaderMemo), .infoHeader = range(kInfoHeaderMemo)};
    for (format::Finding& note : DumpRelationNotes(inspection.layout, dump))
        inspection.findings.push_back(std::move(note));
}

std::string ColorText(format::Argb color, bool withAlpha)
{
    std::string text = "#";
    for (const int shift : {16, 8, 0})
        text += ByteToHex(static_cast<std::uint8_t>(color >> shift));
    if (withAlpha)
        text += ByteToHex(static_cast<std::uint8_t>(color >> 24));
    return text;
}

std::string ColorEntryText(const format::BitmapFormat& bitmap, format::Bytes file, std::uint64_t entry)
{
    return EntryText(file, entry, format::TableEntryOffset(bitmap, entry), bitmap.colorEntrySize);
}

std::string RleCodeText(const format::BitmapFormat& bitmap, format::Bytes file, std::uint64_t offset)
{
    const std::optional<format::RleByte> rle = format::RleCodeOf(file, bitmap, offset);
    return rle ? CodeText(bitmap, *rle) : std::string();
}

std::string ByteText(const format::Layout& layout, std::span<const Finding> findings, format::Bytes file,
                     std::uint64_t offset)
{
    return ByteTextWith(layout, findings, file, offset, std::nullopt);
}

std::string ByteTooltipText(const format::Layout& layout, std::span<const Finding> findings, format::Bytes file,
                            std::size_t memo, std::uint64_t offset, std::uint8_t shownByte)
{
    return ByteTextWith(layout, findings, file, offset, std::pair{memo, shownByte});
}

std::optional<HeaderCell> CellOf(const Finding& finding)
{
    if (finding.field.empty())
        return std::nullopt;
    if (finding.offset < kFileHeaderBytes) {
        if (const auto row = FieldRowAt(kFileHeaderRanges, finding.offset))
            return HeaderCell{.infoHeader = false, .row = *row};
        return std::nullopt;
    }
    const std::uint64_t inHeader = finding.offset - kInfoHeaderStart;
    return HeaderCell{.infoHeader = true, .row = FieldRowAt(kInfoHeaderRanges, inHeader).value_or(0)};
}

HeaderCellFindings FindingsByCell(std::span<const Finding> findings)
{
    HeaderCellFindings cells;
    for (const Finding& finding : findings)
        if (const std::optional<HeaderCell> cell = CellOf(finding))
            AddTo(cell->infoHeader ? cells.infoHeader[cell->row] : cells.fileHeader[cell->row], finding);
    return cells;
}

std::string HeaderCellText(const format::Layout& layout, format::Bytes file, format::Bytes tableInfoHeader,
                           const HeaderCellFindings& findings, HeaderCell cell)
{
    const ByteRange row = cell.infoHeader ? kInfoHeaderRanges.at(cell.row) : kFileHeaderRanges.at(cell.row);
    const std::uint64_t start = (cell.infoHeader ? kInfoHeaderStart : 0) + row.offset;
    std::string text = OffsetLine(start);
    // What the row's bytes really are, a line for each part the file places there: one field as a
    // rule, two or more where a shorter header than the table's has other fields or parts there.
    for (std::uint64_t at = start; at < start + row.size;) {
        const format::ByteDescription what = format::DescribeByte(layout, at);
        if (what.element == nullptr) {
            text += "\nPast the end of the file.";
            break;
        }
        if (what.field != nullptr) {
            text += "\n" + FieldLine(*what.element, *what.field, std::nullopt);
            at = std::max(at + 1, what.field->offset + what.field->size);
        } else {
            text += "\n" + PartLine(layout, file, what, RleByteOf(layout, file, what, at), at);
            at = std::max(at + 1, what.element->offset + what.element->size);
        }
    }
    if (cell.infoHeader && Holds(file, start, row.size)) {
        const std::uint64_t shown = LeAt(tableInfoHeader, row.offset, row.size);
        if (const std::uint64_t held = LeAt(file, start, row.size); shown != held)
            text += "\nThe table shows " + GroupedNumber(shown) + " (" + HexNumber(shown) +
                    ") here, the value the window derives; the file holds " + GroupedNumber(held) + ".";
    }
    const CellFindings& own = cell.infoHeader ? findings.infoHeader.at(cell.row) : findings.fileHeader.at(cell.row);
    for (const std::string& line : own.lines)
        text += "\n" + line;
    if (cell.infoHeader && cell.row == 0)
        if (const std::string note = HeaderSizeNote(layout); !note.empty())
            text += "\n" + note;
    return text;
}

std::string HeaderSizeNote(const format::Layout& layout)
{
    const auto header = std::find_if(layout.elements.begin(), layout.elements.end(),
                                     [](const Element& element) { return element.kind == ElementKind::InfoHeader; });
    if (header == layout.elements.end())
        return {};
    const std::uint64_t size = layout.format.headerSize;
    std::string text = header->name + ", " + format::ByteCount(size) + ".";
    if (size == kInfoHeaderSize)
        return text;
    text += size < kInfoHeaderSize ? " The table reads 40 bytes; the header's own fields are:"
                                   : " Past the 40 bytes the table and the dump show:";
    for (const Field& field : header->fields) {
        if (size > kInfoHeaderSize && field.offset < kInfoHeaderStart + kInfoHeaderSize)
            continue;
        text += "\n" + field.name + (field.present ? ValueText(field) : std::string(": cut off by the end of the file"));
        if (field.present && !field.meaning.Empty())
            text += ": " + field.meaning.English();
    }
    return text;
}
}  // namespace hexlume
