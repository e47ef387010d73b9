#pragma once

#include "format/Findings.h"

#include <string>
#include <string_view>
#include <vector>

// Collects findings, each placed inside the file whatever the offset it is given.
namespace hexlume::format {

class FindingList {
public:
    explicit FindingList(const Layout& layout) : m_layout(layout) {}

    void Add(Severity severity, FindingCode code, std::uint64_t offset, std::uint64_t length,
             Message message, std::string field = {});
    // A finding about the header field `id`: placed on that field, named by it. A field the
    // header is too short to hold is placed where its version would keep it.
    void AddOnField(Severity severity, FindingCode code, FieldId id, Message message);

    // The name the file's header version gives the field ("biBitCount"), or "".
    std::string NameOf(FieldId id) const;
    const Field* FieldFor(FieldId id) const;

    std::vector<Finding> Take() { return std::move(m_findings); }

private:
    const Layout& m_layout;
    std::vector<Finding> m_findings;
};

}  // namespace hexlume::format
