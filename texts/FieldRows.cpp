#include "FieldRows.h"

#include "HexText.h"
#include "format/FieldValue.h"
#include "format/NumberText.h"

#include <algorithm>

namespace hexlume {

namespace {

using format::Element;
using format::ElementKind;
using format::Field;
using format::GroupedNumber;

Message CutOff()
{
    return HX_TR("Editing", "cut off by the end of the file");
}

// A further line under a tooltip's first.
Message NextLine(const Message& tip, Message line)
{
    return Message::Joined({tip, Message::Verbatim("\n"), std::move(line)});
}

// "00 80 FF 00": the bytes the file holds of [offset, offset + count), each as two digits.
std::string BytesHex(format::Bytes file, std::uint64_t offset, std::uint64_t count)
{
    std::string text;
    for (std::uint64_t at = offset; at < offset + count && at < file.size(); ++at)
        text.append(at == offset ? "" : " ").append(ByteToHex(file[at]));
    return text;
}

std::string DecimalBytes(format::Bytes file, std::uint64_t offset, std::uint64_t count)
{
    std::string text;
    for (std::uint64_t at = offset; at < offset + count && at < file.size(); ++at)
        text += (at == offset ? "" : " ") + std::to_string(file[at]);
    return text;
}

FieldRow Placed(Message name, std::uint64_t offset, std::uint64_t size)
{
    FieldRow row;
    row.name = std::move(name);
    row.offset = offset;
    row.size = size;
    row.offsetText = format::HexNumber(offset);  // the tip gives the bytes in decimal
    row.sizeText = GroupedNumber(size);
    return row;
}

FieldRow FieldRowOf(const Element& element, const Field& field, format::Bytes file)
{
    FieldRow row = Placed(Message::Verbatim(field.name), field.offset, field.size);
    row.type = std::string(format::TypeName(field.type));
    row.fieldType = field.type;
    row.tip = FieldLine(element, field);
    if (!field.present) {
        row.meaning = CutOff();
        return row;
    }
    if (field.size <= 8 && format::HoldsOneNumber(field.type)) {
        row.hex = format::HexDigits(field.value, static_cast<int>(field.size) * 2);
        row.decimal = FieldDecimalText(field);
    } else {
        // A CIEXYZTRIPLE, an ICC date, a file name: no one value, its bytes (a name's first few).
        const bool text = field.type == format::FieldType::Text;
        const std::uint64_t shown = text ? std::min<std::uint64_t>(field.size, kPartBytesShown) : field.size;
        row.hex = BytesHex(file, field.offset, shown) + (shown < field.size ? " …" : "");
    }
    row.meaning = field.meaning;
    return row;
}

// The entries as the decoder reads them, those that start in this piece of the table.
std::vector<FieldRow> EntryRows(const Element& table, const format::BitmapFormat& bitmap, format::Bytes file)
{
    std::vector<FieldRow> rows;
    const std::uint32_t entrySize = bitmap.colorEntrySize;
    const std::uint64_t start = bitmap.colorTable.offset;
    if (entrySize == 0 || table.offset < start)
        return rows;
    const std::uint64_t end = table.offset + table.size;
    for (std::uint64_t index = (table.offset - start + entrySize - 1) / entrySize;; ++index) {
        const std::uint64_t at = format::TableEntryOffset(bitmap, index);
        if (at >= end)
            break;
        const std::uint64_t held = std::min<std::uint64_t>(entrySize, end - at);
        FieldRow row = Placed(Message(HX_TR("Editing", "entry %1")).Number(index), at, held);
        row.type = entrySize == 4 ? "RGBQUAD" : "RGBTRIPLE";
        row.hex = BytesHex(file, at, held);
        row.decimal = DecimalBytes(file, at, held);
        row.color = format::TableColor(file, bitmap, index);
        row.meaning = row.color ? Message::Verbatim(ColorText(*row.color, false)) : CutOff();
        row.tip = Message(HX_TR("Editing", "%1, %2")).Arg(format::ElementTitle(table)).Arg(ColorEntryText(bitmap, file, index));
        rows.push_back(std::move(row));
    }
    return rows;
}

FieldGroup GroupOf(const Element& element, const format::Layout& layout, format::Bytes file)
{
    FieldGroup group{.part = Placed(format::ElementTitle(element), element.offset, element.size), .rows = {}};
    for (const Field& field : element.fields)
        group.rows.push_back(FieldRowOf(element, field, file));
    if (element.kind == ElementKind::ColorTable)
        group.rows = EntryRows(element, layout.format, file);
    FieldRow& part = group.part;
    part.tip = Message(HX_TR("Editing", "%1, %2")).Arg(format::ElementTitle(element)).Arg(format::say::ByteRange(element.offset, element.size));
    if (element.claimed > element.size) {
        part.meaning = Message(HX_TR("Editing", "cut off by the end of the file: the headers claim %1"))
                           .Arg(format::say::Bytes(element.claimed));
        part.tip = Message(HX_TR("Editing", "%1: %2")).Arg(part.tip).Arg(part.meaning);
    }
    // A part without rows of its own (a gap, the pixel data) shows how it starts.
    if (group.rows.empty())
        part.hex = BytesHex(file, element.offset, std::min(element.size, kPartBytesShown)) +
                   (element.size > kPartBytesShown ? " …" : "");
    return group;
}

std::uint64_t RowStart(const FieldRow& row) { return row.offset; }
std::uint64_t RowStart(const FieldGroup& group) { return group.part.offset; }

// The row holding `offset`: the last row starting at or before it, if it reaches it.
template <typename Rows>
auto* RowAt(Rows& rows, std::uint64_t offset)
{
    const auto after = std::upper_bound(rows.begin(), rows.end(), offset,
                                        [](std::uint64_t at, const auto& row) { return at < RowStart(row); });
    return after == rows.begin() ? nullptr : &*std::prev(after);
}

void AddFinding(std::vector<FieldGroup>& groups, const format::Finding& finding)
{
    FieldGroup* group = RowAt(groups, finding.offset);
    if (group == nullptr && !groups.empty())
        group = &groups.front();
    if (group == nullptr)
        return;
    // A finding on more than one row's bytes (a whole table) is the part's.
    FieldRow* row = RowAt(group->rows, finding.offset);
    if (row == nullptr ||
        finding.offset - row->offset + std::max<std::uint64_t>(finding.length, 1) > std::max<std::uint64_t>(row->size, 1))
        row = &group->part;
    row->mark = std::max(row->mark, MarkOf(finding.severity));
    row->tip = NextLine(row->tip, FindingTipLine(finding));
    group->part.mark = std::max(group->part.mark, row->mark);
}

}  // namespace

std::vector<FieldGroup> BuildFieldRows(const format::Layout& layout, std::span<const format::Finding> findings,
                                       format::Bytes file)
{
    std::vector<FieldGroup> groups;
    groups.reserve(layout.elements.size());
    for (const Element& element : layout.elements)
        groups.push_back(GroupOf(element, layout, file));
    for (const format::Finding& finding : findings)
        AddFinding(groups, finding);
    return groups;
}

}  // namespace hexlume
