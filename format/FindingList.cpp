#include "FindingList.h"

#include <algorithm>

namespace hexlume::format {

void FindingList::Add(Severity severity, std::string_view code, std::uint64_t offset, std::uint64_t length,
                      std::string message, std::string field)
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
    m_findings.push_back({.severity = severity, .code = std::string(code), .offset = offset, .length = length,
                          .field = std::move(field), .message = std::move(message)});
}

void FindingList::AddOnField(Severity severity, std::string_view code, std::uint64_t fieldOffset,
                             std::string message)
{
    const Field* field = FieldAt(fieldOffset);
    if (field == nullptr)
        Add(severity, code, fieldOffset, 1, std::move(message));
    else
        Add(severity, code, field->offset, field->size, std::move(message), field->name);
}

const Field* FindingList::FieldAt(std::uint64_t offset) const
{
    for (const Element& element : m_layout.elements)
        for (const Field& field : element.fields)
            if (field.offset == offset)
                return &field;
    return nullptr;
}

std::string FindingList::NameAt(std::uint64_t offset) const
{
    const Field* field = FieldAt(offset);
    return field != nullptr ? field->name : std::string{};
}

}  // namespace hexlume::format
