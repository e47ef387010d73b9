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

    void Add(Severity severity, std::string_view code, std::uint64_t offset, std::uint64_t length,
             std::string message, std::string field = {});
    // A finding about the header field at `fieldOffset`: placed on that field, named by it.
    void AddOnField(Severity severity, std::string_view code, std::uint64_t fieldOffset, std::string message);

    // The name the file's header version gives the field at `offset` ("biBitCount"), or "".
    std::string NameAt(std::uint64_t offset) const;
    const Field* FieldAt(std::uint64_t offset) const;

    std::vector<Finding> Take() { return std::move(m_findings); }

private:
    const Layout& m_layout;
    std::vector<Finding> m_findings;
};

}  // namespace hexlume::format
