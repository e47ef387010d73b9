#include "InspectionTexts.h"

#include "DumpRelation.h"
#include "HeaderTexts.h"
#include "HexText.h"
#include "RegionText.h"
#include "format/BitPlanes.h"
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

using format::Element;
using format::ElementKind;
using format::Field;
using format::Finding;
using format::GroupedNumber;
using format::HexNumber;
using format::Severity;

constexpr std::uint64_t kInfoHeaderStart = kFileHeaderBytes;

// The real part each memo stands for.
constexpr std::array<ElementKind, kMemoCount> kMemoElements{ElementKind::FileHeader, ElementKind::InfoHeader,
                                                            ElementKind::ColorTable, ElementKind::PixelData};

// What the window calls each memo's region.
Message MemoRegionName(std::size_t memo)
{
    switch (memo) {
    case kFileHeaderMemo: return HX_TR("Inspection", "file header");
    case kInfoHeaderMemo: return HX_TR("Inspection", "info header");
    case kPaletteMemo: return HX_TR("Inspection", "palette");
    default: return HX_TR("Inspection", "pixel data");
    }
}

// "a: b": what follows the colon tells more of what comes before it.
Message Explained(Message said, Message more)
{
    return Message(HX_TR("Inspection", "%1: %2")).Arg(std::move(said)).Arg(std::move(more));
}

// "a, b" for the items of a list, "a, b and c" for a whole one.
Message ListOf(std::vector<Message> items)
{
    if (items.empty())
        return {};
    Message list = items.front();
    for (std::size_t i = 1; i < items.size(); ++i)
        list = Message(i + 1 == items.size() ? HX_TR("Inspection", "%1 and %2") : HX_TR("Inspection", "%1, %2"))
                   .Arg(std::move(list))
                   .Arg(std::move(items[i]));
    return list;
}
Message CommaList(std::vector<Message> items)
{
    if (items.empty())
        return {};
    Message list = items.front();
    for (std::size_t i = 1; i < items.size(); ++i)
        list = Message(HX_TR("Inspection", "%1, %2")).Arg(std::move(list)).Arg(std::move(items[i]));
    return list;
}

// A field's name or place with its value in decimal and hex, "bfSize = 126 (0x0000007E)", for a
// field that holds one number.
Message WithValue(Message named, const Field& field)
{
    if (field.size > 8 || !format::HoldsOneNumber(field.type))
        return named;
    return Message(HX_TR("Inspection", "%1 = %2 (%3)"))
        .Arg(std::move(named))
        .Arg(FieldDecimalText(field))
        .Arg(HexNumber(field.value, static_cast<int>(field.size) * 2));
}

Message CutOff(Message named)
{
    return Message(HX_TR("Inspection", "%1: cut off by the end of the file")).Arg(std::move(named));
}

// A finding's line in a tooltip, also for a fault counted once among the findings: "error: …".
Message SeverityLine(Severity severity, Message sentence)
{
    return Message(HX_TR("Inspection", "%1: %2")).Arg(format::SeverityWord(severity)).Arg(std::move(sentence));
}

}  // namespace

Message TipLines::Take()
{
    return Message::Joined(std::move(m_parts));
}

void TipLines::Add(Message line)
{
    if (!m_parts.empty())
        m_parts.push_back(Message::Verbatim("\n"));
    m_parts.push_back(std::move(line));
}

std::string FieldDecimalText(const Field& field)
{
    // LONG and SHORT fields are signed: a top-down height reads -64, not 4 294 967 232.
    if (format::TypeSigned(field.type) && field.size == 4)
        return std::to_string(static_cast<std::int32_t>(field.value));
    if (format::TypeSigned(field.type) && field.size == 2)
        return std::to_string(static_cast<std::int16_t>(field.value));
    return GroupedNumber(field.value);
}

Message FieldLine(const Element& element, const Field& field, std::optional<std::uint64_t> byteInField)
{
    Message place = byteInField ? Message(HX_TR("Inspection", "%1, %2 (%3, bytes %4–%5; byte %6 of %7)"))
                                : Message(HX_TR("Inspection", "%1, %2 (%3, bytes %4–%5)"));
    place.Arg(format::ElementTitle(element))
        .Arg(field.name)
        .Arg(format::TypeName(field.type))
        .Arg(std::to_string(field.offset))
        .Arg(std::to_string(field.offset + field.size - 1));
    if (byteInField)
        place.Arg(std::to_string(*byteInField + 1)).Arg(std::to_string(field.size));
    if (!field.present)
        return CutOff(std::move(place));
    Message line = WithValue(std::move(place), field);
    if (!field.meaning.Empty())
        return Explained(std::move(line), field.meaning);
    return line;
}

Mark MarkOf(Severity severity)
{
    return severity == Severity::Error ? Mark::Error : severity == Severity::Warning ? Mark::Warning : Mark::Note;
}

Message FindingTipLine(const Finding& finding)
{
    return SeverityLine(finding.severity, finding.message);
}

Message OffsetLine(std::uint64_t offset)
{
    return Message(HX_TR("Inspection", "Offset %1 (%2)")).Arg(HexNumber(offset, 8)).Arg(GroupedNumber(offset));
}

namespace {

// "entry 3 (blue 0x00, green 0x80, red 0xFF, reserved 0x00)": as many channels as the file holds.
Message EntryText(format::Bytes file, std::uint64_t entry, std::uint64_t entryOffset, std::uint32_t entrySize)
{
    std::vector<Message> channels;
    for (std::uint32_t channel = 0; channel < entrySize && entryOffset + channel < file.size(); ++channel)
        channels.push_back(Message(HX_TR("Inspection", "%1 %2"))
                               .Arg(format::kColorEntryChannels[channel])
                               .Arg(HexNumber(file[entryOffset + channel], 2)));
    return Message(HX_TR("Inspection", "entry %1 (%2)")).Number(entry).Arg(CommaList(std::move(channels)));
}

// "index 3, colour #FF8000", "index 9, past the table's 4 entries", "colour #FF8000".
Message PixelValueText(const format::PixelValue& value, const format::BitmapFormat& bitmap)
{
    Message text;
    if (value.color) {
        const bool alpha = format::HasAlphaChannel(bitmap);
        // The decoder's picture-wide rule: an alpha of 0 in every pixel is a spare byte, not transparency.
        text = alpha && *value.color >> 24 == 0
                   ? Message(HX_TR("Inspection", "colour %1 (alpha 0: drawn opaque when every pixel's alpha is 0)"))
                   : Message(HX_TR("Inspection", "colour %1"));
        text.Arg(ColorText(*value.color, alpha));
    } else if (value.pastTable) {
        text = Message(HX_TR_N("Inspection", "past the table's %n (entry|entries)")).Count(bitmap.colorCount);
    } else {
        text = value.index ? HX_TR("Inspection", "its entry lies past the end of the file")
                           : HX_TR("Inspection", "cut off by the end of the file");
    }
    if (!value.index)
        return text;
    return Message(HX_TR("Inspection", "index %1, %2")).Number(*value.index).Arg(std::move(text));
}

// "feeds red", "feeds green and blue", "feeds no channel (bits outside the masks)".
Message FeedsText(const format::ChannelSet& channels)
{
    const std::pair<bool, format::PixelChannel> named[] = {{channels.red, format::PixelChannel::Red},
                                                           {channels.green, format::PixelChannel::Green},
                                                           {channels.blue, format::PixelChannel::Blue},
                                                           {channels.alpha, format::PixelChannel::Alpha}};
    std::vector<Message> fed;
    for (const auto& [feeds, channel] : named)
        if (feeds)
            fed.push_back(format::SayChannel(channel));
    if (fed.empty())
        return HX_TR("Inspection", "feeds no channel (bits outside the masks)");
    return Message(HX_TR("Inspection", "feeds %1")).Arg(ListOf(std::move(fed)));
}

// One pixel a byte holds: its value, and for a colour stored as such which of its bytes this is.
Message HeldText(const format::BytePixels& held, const format::PixelValue& value, const format::BitmapFormat& bitmap)
{
    if (held.pixelBytes == 0)
        return PixelValueText(value, bitmap);
    return Message(HX_TR("Inspection", "byte %1 of %2, %3; %4"))
        .Arg(std::to_string(held.byteInPixel + 1))
        .Arg(std::to_string(held.pixelBytes))
        .Arg(FeedsText(held.channels))
        .Arg(PixelValueText(value, bitmap));
}

Message ElementPlace(const Element& element, Message place)
{
    return Message(HX_TR("Inspection", "%1, %2")).Arg(format::ElementTitle(element)).Arg(std::move(place));
}

Message UncompressedPixelLine(const Element& element, const format::BitmapFormat& bitmap, format::Bytes file,
                              const format::ByteDescription& what, std::uint64_t offset)
{
    const std::uint64_t row = *what.pixelRow;
    const format::PixelSpan span = format::PixelsInByte(file, bitmap, what, offset);
    const std::uint64_t first = span.count != 0 ? span.x : what.pixelColumn.value_or(0);
    const std::uint64_t last = span.count != 0 ? span.x + span.count - 1 : first;
    Message line = ElementPlace(element, format::say::PixelSpan(first, last, row, what.storedRow));
    const format::BytePixels held = format::PixelsOfByte(file, bitmap, what, offset);
    if (held.count == 1)
        return Explained(std::move(line), HeldText(held, held.pixels[0], bitmap));
    if (held.count == 0)
        return line;
    TipLines lines;
    lines.Add(Message(HX_TR("Inspection", "%1:")).Arg(std::move(line)));
    for (std::size_t i = 0; i < held.count; ++i)
        lines.Add(Explained(format::say::Pixel(held.pixels[i].x, row, what.storedRow),
                            HeldText(held, held.pixels[i], bitmap)));
    return lines.Take();
}

// The pixels an RLE code writes into the picture, said after what the code is.
Message WithDraws(Message code, const format::RleByte& rle, const format::BitmapFormat& bitmap)
{
    const format::RleStep& step = rle.step;
    Message draws;
    if (step.exit == format::RleExit::PastLastRow) {
        draws = Message(HX_TR("Inspection", "draws nothing: it starts at %1"))
                    .Arg(format::say::StreamPlace(step.x, step.y, bitmap));
    } else if (step.pixels == 0) {
        draws = HX_TR("Inspection", "draws nothing: it starts past the row's end");
    } else {
        const Message span = format::say::PixelSpan(step.x, step.x + step.pixels - 1, bitmap.ShownRow(step.y), step.y);
        draws = step.exit == format::RleExit::RunPastRow
                    ? Message(HX_TR("Inspection", "draws %1, and %2 more past the row's end"))
                          .Arg(span)
                          .Number(rle.code.count - step.pixels)
                    : Message(HX_TR("Inspection", "draws %1")).Arg(span);
    }
    return Message(HX_TR("Inspection", "%1; %2")).Arg(std::move(code)).Arg(std::move(draws));
}

Message RleOperationText(const format::RleByte& rle, const format::BitmapFormat& bitmap)
{
    const format::RleCode& code = rle.code;
    const format::RleStep& step = rle.step;
    switch (code.op) {
    case format::RleOp::Run: {
        Message run = rle.runValueCount == 2
                          ? Message(HX_TR_N("Inspection", "a run of %n pixel(s) of %1, alternating with %2"))
                          : Message(HX_TR_N("Inspection", "a run of %n pixel(s) of %1"));
        run.Count(code.count).Arg(PixelValueText(rle.runValues[0], bitmap));
        if (rle.runValueCount == 2)
            run.Arg(PixelValueText(rle.runValues[1], bitmap));
        return WithDraws(std::move(run), rle, bitmap);
    }
    case format::RleOp::Literal:
        return WithDraws(Message(HX_TR_N("Inspection", "a literal of %n pixel(s)")).Count(code.count), rle, bitmap);
    case format::RleOp::CutShort:
        if (code.count == 0)
            return HX_TR("Inspection", "cut short by the end of the file");
        return WithDraws(
            Message(HX_TR_N("Inspection", "cut short by the end of the file after %n whole pixel(s)")).Count(code.count),
            rle, bitmap);
    case format::RleOp::EndOfLine:
        if (step.exit == format::RleExit::PastLastRow)
            return Message(HX_TR("Inspection", "end of line at %1")).Arg(format::say::StreamPlace(step.x, step.y, bitmap));
        if (!step.skips)
            return HX_TR("Inspection", "end of line");
        return Message(HX_TR("Inspection", "end of line; leaves %1 unwritten"))
            .Arg(format::say::PixelSpan(step.x, bitmap.columns - 1, bitmap.ShownRow(step.y), step.y));
    case format::RleOp::Delta: {
        Message delta = Message(HX_TR("Inspection", "a delta of %1 and %2; moves from %3 to %4"))
                            .Arg(Message(HX_TR_N("Inspection", "%n column(s)")).Count(code.count))
                            .Arg(format::say::Rows(code.down))
                            .Arg(format::say::StreamPlace(step.x, step.y, bitmap))
                            .Arg(format::say::StreamPlace(rle.nextX, rle.nextY, bitmap));
        if (step.exit == format::RleExit::DeltaOutside)
            return Message(HX_TR("Inspection", "%1, out of the %2 by %3 picture"))
                .Arg(std::move(delta))
                .Number(bitmap.columns)
                .Number(bitmap.rows);
        return delta;
    }
    case format::RleOp::EndOfBitmap:
        return step.skips ? HX_TR("Inspection", "end of bitmap; the pixels not yet written stay unwritten")
                          : HX_TR("Inspection", "end of bitmap");
    }
    return {};
}

Message CodeText(const format::BitmapFormat& bitmap, const format::RleByte& rle)
{
    const format::RleCode& code = rle.code;
    return Message(HX_TR("Inspection", "%1 code at offset %2 (%3): %4"))
        .Arg(format::EncodingName(bitmap.encoding))
        .Number(code.offset)
        .Arg(format::say::Bytes(code.length))
        .Arg(RleOperationText(rle, bitmap));
}

// The code an RLE byte belongs to, and for a literal's byte the pixels it stores.
Message RleLine(const Element& element, const format::BitmapFormat& bitmap, const format::RleByte& rle)
{
    TipLines lines;
    lines.Add(ElementPlace(element, CodeText(bitmap, rle)));
    const format::BytePixels& held = rle.held;
    for (std::size_t i = 0; i < held.count; ++i) {
        const format::PixelValue& pixel = held.pixels[i];
        const bool drawn = pixel.x - rle.step.x < rle.step.pixels;
        Message place = format::say::StreamPlace(pixel.x, rle.step.y, bitmap);
        if (!drawn)
            place = Message(HX_TR("Inspection", "%1 (not drawn)")).Arg(std::move(place));
        lines.Add(Explained(std::move(place), HeldText(held, pixel, bitmap)));
    }
    if (rle.literalPadding)
        lines.Add(HX_TR("Inspection", "this byte pads the literal to 16 bits"));
    return lines.Take();
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

Message PartLine(const format::Layout& layout, format::Bytes file, const format::ByteDescription& what,
                 const std::optional<format::RleByte>& rle, std::uint64_t offset)
{
    const Element& element = *what.element;
    if (what.field != nullptr)
        return FieldLine(element, *what.field, what.byteInField);
    const format::BitmapFormat& bitmap = layout.format;
    if (what.paletteEntry) {
        const std::uint64_t entryOffset = element.offset + *what.paletteEntry * bitmap.colorEntrySize;
        return Message(HX_TR("Inspection", "%1, %2: this byte is %3"))
            .Arg(format::ElementTitle(element))
            .Arg(EntryText(file, *what.paletteEntry, entryOffset, bitmap.colorEntrySize))
            .Arg(what.channel);
    }
    if (what.pixelRow) {
        if (what.rowPadding)
            return Message(HX_TR("Inspection", "%1, row %2 as shown (stored row %3): padding to the row's 32-bit end"))
                .Arg(format::ElementTitle(element))
                .Number(*what.pixelRow)
                .Number(what.storedRow);
        return UncompressedPixelLine(element, bitmap, file, what, offset);
    }
    if (rle)
        return RleLine(element, bitmap, *rle);
    return Message(HX_TR("Inspection", "%1: byte %2 of %3"))
        .Arg(format::ElementTitle(element))
        .Number(offset - element.offset)
        .Number(element.size);
}

// Where the dump's simple reading of the file differs from the real layout at this byte.
Message DumpLine(const format::Layout& layout, format::Bytes file, const Element& element, std::size_t memo,
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
        return Message(HX_TR("Inspection", "The dump shows this byte as %1; it is really part of the %2."))
            .Arg(MemoRegionName(memo))
            .Arg(format::ElementTitle(element));
    if (offset < file.size() && file[offset] != shownByte)
        return Message(HX_TR("Inspection", "The dump shows %1 here, the value the window derives; the file holds %2."))
            .Arg(ByteToHex(shownByte))
            .Arg(ByteToHex(file[offset]));
    if (memo == kPaletteMemo && layout.format.colorEntrySize == 3)
        return HX_TR("Inspection",
                     "The dump groups the colour table in 4-byte entries; this file's entries are 3 bytes long.");
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

Message PastTheEnd()
{
    return HX_TR("Inspection", "Past the end of the file.");
}

// A byte's text: the lines about the dump's reading of it, if any, go between what the byte is
// and the findings.
Message ByteTextWith(const format::Layout& layout, std::span<const Finding> findings, format::Bytes file,
                     std::uint64_t offset, const std::optional<std::pair<std::size_t, std::uint8_t>>& dumpByte)
{
    TipLines lines;
    lines.Add(OffsetLine(offset));
    const format::ByteDescription what = format::DescribeByte(layout, offset);
    if (what.element == nullptr) {
        lines.Add(PastTheEnd());
        return lines.Take();
    }
    const std::optional<format::RleByte> rle = RleByteOf(layout, file, what, offset);
    lines.Add(PartLine(layout, file, what, rle, offset));
    if (dumpByte) {
        const auto [memo, shownByte] = *dumpByte;
        if (Message dump = DumpLine(layout, file, *what.element, memo, offset, shownByte); !dump.Empty())
            lines.Add(std::move(dump));
    }
    for (const Finding& finding : findings)
        if (Covers(finding, offset))
            lines.Add(FindingTipLine(finding));
    for (const format::StreamFault& fault : CountedFaultsAt(layout.format, file, rle, offset)) {
        const bool reported = std::any_of(findings.begin(), findings.end(), [&](const Finding& finding) {
            return finding.code == fault.code && Covers(finding, offset);
        });
        if (!reported)
            lines.Add(SeverityLine(Severity::Error, fault.Sentence()));
    }
    return lines.Take();
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

Message ColorEntryText(const format::BitmapFormat& bitmap, format::Bytes file, std::uint64_t entry)
{
    return EntryText(file, entry, format::TableEntryOffset(bitmap, entry), bitmap.colorEntrySize);
}

Message RleCodeText(const format::BitmapFormat& bitmap, format::Bytes file, std::uint64_t offset)
{
    const std::optional<format::RleByte> rle = format::RleCodeOf(file, bitmap, offset);
    return rle ? CodeText(bitmap, *rle) : Message();
}

std::string ByteText(const format::Layout& layout, std::span<const Finding> findings, format::Bytes file,
                     std::uint64_t offset)
{
    return ByteTextWith(layout, findings, file, offset, std::nullopt).English();
}

Message ByteTooltipText(const format::Layout& layout, std::span<const Finding> findings, format::Bytes file,
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

Message HeaderCellText(const format::Layout& layout, format::Bytes file, format::Bytes tableInfoHeader,
                       const HeaderCellFindings& findings, HeaderCell cell)
{
    const ByteRange row = cell.infoHeader ? kInfoHeaderRanges.at(cell.row) : kFileHeaderRanges.at(cell.row);
    const std::uint64_t start = (cell.infoHeader ? kInfoHeaderStart : 0) + row.offset;
    TipLines lines;
    lines.Add(OffsetLine(start));
    // What the row's bytes really are, a line for each part the file places there: one field as a
    // rule, two or more where a shorter header than the table's has other fields or parts there.
    for (std::uint64_t at = start; at < start + row.size;) {
        const format::ByteDescription what = format::DescribeByte(layout, at);
        if (what.element == nullptr) {
            lines.Add(PastTheEnd());
            break;
        }
        if (what.field != nullptr) {
            lines.Add(FieldLine(*what.element, *what.field, std::nullopt));
            at = std::max(at + 1, what.field->offset + what.field->size);
        } else {
            lines.Add(PartLine(layout, file, what, RleByteOf(layout, file, what, at), at));
            at = std::max(at + 1, what.element->offset + what.element->size);
        }
    }
    if (cell.infoHeader && Holds(file, start, row.size)) {
        const std::uint64_t shown = LeAt(tableInfoHeader, row.offset, row.size);
        if (const std::uint64_t held = LeAt(file, start, row.size); shown != held)
            lines.Add(Message(HX_TR("Inspection",
                                    "The table shows %1 (%2) here, the value the window derives; the file holds %3."))
                          .Number(shown)
                          .Arg(HexNumber(shown))
                          .Number(held));
    }
    const CellFindings& own = cell.infoHeader ? findings.infoHeader.at(cell.row) : findings.fileHeader.at(cell.row);
    for (const Message& line : own.lines)
        lines.Add(line);
    if (cell.infoHeader && cell.row == 0)
        if (Message note = HeaderSizeNote(layout); !note.Empty())
            lines.Add(std::move(note));
    return lines.Take();
}

Message HeaderSizeNote(const format::Layout& layout)
{
    const auto header = std::find_if(layout.elements.begin(), layout.elements.end(),
                                     [](const Element& element) { return element.kind == ElementKind::InfoHeader; });
    if (header == layout.elements.end())
        return {};
    const std::uint64_t size = layout.format.headerSize;
    Message head = size == kInfoHeaderSize ? Message(HX_TR("Inspection", "%1, %2."))
                   : size < kInfoHeaderSize
                       ? Message(HX_TR("Inspection", "%1, %2. The table reads 40 bytes; the header's own fields are:"))
                       : Message(HX_TR("Inspection", "%1, %2. Past the 40 bytes the table and the dump show:"));
    head.Arg(header->name).Arg(format::say::Bytes(size));
    TipLines lines;
    lines.Add(std::move(head));
    if (size == kInfoHeaderSize)
        return lines.Take();
    for (const Field& field : header->fields) {
        if (size > kInfoHeaderSize && field.offset < kInfoHeaderStart + kInfoHeaderSize)
            continue;
        if (!field.present) {
            lines.Add(CutOff(Message::Verbatim(field.name)));
            continue;
        }
        Message line = WithValue(Message::Verbatim(field.name), field);
        lines.Add(field.meaning.Empty() ? std::move(line) : Explained(std::move(line), field.meaning));
    }
    return lines.Take();
}

}  // namespace hexlume
