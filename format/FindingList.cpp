#include "FindingList.h"

#include <algorithm>

namespace hexlume::format {

void FindingList::Add(Severity severity, FindingCode code, std::uint64_t offset, std::uint64_t length,
                      Message message, std::string field)
{
    // A place past the end (a claim the file does not hold) is shown at the file's last byte.
    const std::uint64_t fileSize = m_layout.format.fileSize;
    if (fileSize == 0) {
        offset = 0;
        length = 1;
    } else if (offset >= fileSize) {
        offset = fileSize - 1;
        length = 1;
    } else {
        length = std::clamp<std::uint64_t>(length, 1, fileSize - offset);
    }
    m_findings.push_back({.severity = severity, .code = code, .offset = offset, .length = length,
                          .field = std::move(field), .message = std::move(message)});
}

void FindingList::AddOnField(Severity severity, FindingCode code, FieldId id, Message message)
{
    const Field* field = FieldFor(id);
    if (field != nullptr) {
        Add(severity, code, field->offset, field->size, std::move(message), field->name);
        return;
    }
    const BitmapFormat& format = m_layout.format;
    const FieldEntry* inFileHeader = FindField(FileHeaderFields(format.version), id);
    const FieldEntry* inInfoHeader = FindField(InfoHeaderFields(format.version), id);
    const std::uint64_t at = inFileHeader != nullptr ? format.base + inFileHeader->offset
                             : inInfoHeader != nullptr ? format.header.offset + inInfoHeader->offset
                                                       : format.header.offset;
    Add(severity, code, at, 1, std::move(message));
}

const Field* FindingList::FieldFor(FieldId id) const
{
    for (const Element& element : m_layout.elements)
        for (const Field& field : element.fields)
            if (field.id == id)
                return &field;
    return nullptr;
}

std::string FindingList::NameOf(FieldId id) const
{
    const Field* field = FieldFor(id);
    return field != nullptr ? field->name : std::string{};
}

}  // namespace hexlume::format
