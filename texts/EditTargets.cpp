#include "EditTargets.h"

#include "format/ByteDescription.h"
#include "format/FieldValue.h"
#include "format/NumberText.h"
#include "primitives/WholeNumber.h"

#include <algorithm>

namespace hexlume {

namespace {

constexpr std::string_view kElsewhere = "change them in the Fields window or in the dump";

EditTarget Refused(std::string sentence)
{
    EditTarget target;
    target.refusal = std::move(sentence);
    return target;
}

EditTarget Field(std::uint64_t offset, std::string name, std::optional<format::FieldType> type)
{
    EditTarget target;
    target.offset = offset;
    target.name = std::move(name);
    target.type = type;
    return target;
}

}  // namespace

EditTarget HeaderRowTarget(const format::Layout& layout, format::ElementKind header, std::uint64_t offset,
                           std::uint64_t size, std::string_view rowName)
{
    const auto part = std::find_if(layout.elements.begin(), layout.elements.end(),
                                   [header](const format::Element& element) { return element.kind == header; });
    if (part == layout.elements.end())
        return Refused(std::string(rowName) + ": the file has no such header");
    return TableRowTarget(layout, part->offset + offset, size, rowName);
}

EditTarget TableRowTarget(const format::Layout& layout, std::uint64_t offset, std::uint64_t size,
                          std::string_view rowName)
{
    const format::ByteDescription byte = format::DescribeByte(layout, offset);
    const format::Field* field = byte.field;
    if (field != nullptr && field->offset == offset && field->size == size) {
        if (!field->present)
            return Refused(field->name + " lies past the end of the file");
        return Field(field->offset, field->name, field->type);
    }
    std::string where = format::ByteRangeText(offset, size);
    if (byte.element != nullptr && byte.element->kind == format::ElementKind::InfoHeader)
        where += " are not one field of this file's " + byte.element->name;
    else
        where += " are not one field of this file's headers";
    return Refused(std::string(rowName) + ": " + where + "; " + std::string(kElsewhere));
}

EditTarget FieldRowTarget(const FieldRow& row)
{
    if (row.color)
        return Field(row.offset, row.name, std::nullopt);
    if (!row.fieldType)
        return Refused("The " + row.name + " is changed byte by byte in the dump");
    if (!format::HoldsOneNumber(*row.fieldType))
        return Refused(format::FieldRangeText(row.name, *row.fieldType));
    if (row.size < format::TypeSize(*row.fieldType))
        return Refused(row.name + " lies past the end of the file");
    return Field(row.offset, row.name, row.fieldType);
}

SizeAnswer ParseFileSize(std::string_view text)
{
    std::string kept;
    for (const char c : text)
        if (c != ' ' && c != '\t')
            kept += c;
    const std::optional<std::uint64_t> size = ParseWholeNumber(kept);
    if (kept.empty() || !size)
        return {std::nullopt, "type a size in bytes: 1086, or 0x43E"};
    if (*size == 0)
        return {std::nullopt, "a file of no bytes holds no bitmap: give at least 1 byte"};
    if (*size > kLargestFileSize)
        return {std::nullopt,
                "at most " + format::ByteCount(kLargestFileSize) + ", the most a bitmap's size field says"};
    return {size, {}};
}

}  // namespace hexlume
