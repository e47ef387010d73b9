#include "EditTargets.h"

#include "format/ByteDescription.h"
#include "format/FieldValue.h"
#include "format/NumberText.h"
#include "primitives/WholeNumber.h"

#include <algorithm>

namespace hexlume {

namespace {

EditTarget Refused(Message sentence)
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

Message PastTheEnd(const std::string& field)
{
    return Message(HX_TR("Editing", "%1 lies past the end of the file")).Arg(field);
}

}  // namespace

EditTarget HeaderRowTarget(const format::Layout& layout, format::ElementKind header, std::uint64_t offset,
                           std::uint64_t size, std::string_view rowName)
{
    const auto part = std::find_if(layout.elements.begin(), layout.elements.end(),
                                   [header](const format::Element& element) { return element.kind == header; });
    if (part == layout.elements.end())
        return Refused(Message(HX_TR("Editing", "%1: the file has no such header")).Arg(rowName));
    return TableRowTarget(layout, part->offset + offset, size, rowName);
}

EditTarget TableRowTarget(const format::Layout& layout, std::uint64_t offset, std::uint64_t size,
                          std::string_view rowName)
{
    const format::ByteDescription byte = format::DescribeByte(layout, offset);
    const format::Field* field = byte.field;
    if (field != nullptr && field->offset == offset && field->size == size) {
        if (!field->present)
            return Refused(PastTheEnd(field->name));
        return Field(field->offset, field->name, field->type);
    }
    // The bytes are changed elsewhere: said with the refusal, as the cell has no editor.
    if (byte.element != nullptr && byte.element->kind == format::ElementKind::InfoHeader)
        return Refused(Message(HX_TR("Editing", "%1: %2 are not one field of this file's %3; change them in the "
                                                "Fields window or in the dump"))
                           .Arg(rowName)
                           .Arg(format::say::ByteRange(offset, size))
                           .Arg(byte.element->name));
    return Refused(Message(HX_TR("Editing", "%1: %2 are not one field of this file's headers; change them in the "
                                            "Fields window or in the dump"))
                       .Arg(rowName)
                       .Arg(format::say::ByteRange(offset, size)));
}

EditTarget FieldRowTarget(const FieldRow& row)
{
    if (row.color)
        return Field(row.offset, row.name.English(), std::nullopt);
    if (!row.fieldType)
        return Refused(Message(HX_TR("Editing", "The %1 is changed byte by byte in the dump")).Arg(row.name));
    if (!format::HoldsOneNumber(*row.fieldType))
        return Refused(format::say::FieldRange(row.name.English(), *row.fieldType));
    if (row.size < format::TypeSize(*row.fieldType))
        return Refused(PastTheEnd(row.name.English()));
    return Field(row.offset, row.name.English(), row.fieldType);
}

SizeAnswer ParseFileSize(std::string_view text)
{
    std::string kept;
    for (const char c : text)
        if (c != ' ' && c != '\t')
            kept += c;
    const std::optional<std::uint64_t> size = ParseWholeNumber(kept);
    if (kept.empty() || !size)
        return {std::nullopt, HX_TR("Editing", "type a size in bytes: 1086, or 0x43E")};
    if (*size == 0)
        return {std::nullopt, HX_TR("Editing", "a file of no bytes holds no bitmap: give at least 1 byte")};
    if (*size > kLargestFileSize)
        return {std::nullopt, Message(HX_TR("Editing", "at most %1, the most a bitmap's size field says"))
                                  .Arg(format::say::Bytes(kLargestFileSize))};
    return {size, {}};
}

}  // namespace hexlume
