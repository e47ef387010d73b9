#pragma once

#include "primitives/Message.h"
#include "format/FindingCode.h"
#include "format/Layout.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What is wrong with a bitmap, or worth knowing about it, each finding at a place in the file.
namespace hexlume::format {

enum class Severity {
    Error,    // breaks a rule of the format: a reader cannot decode the file as its writer meant
    Warning,  // bends the format, but the file can be read
    Note,     // worth knowing, not wrong
};

struct Finding {
    Severity severity;
    FindingCode code;        // printed by CodeName: "file-truncated", "rle-run-past-row", …
    std::uint64_t offset;    // where in the file: a field's offset, or the start of a byte range
    std::uint64_t length;    // bytes covered: at least 1, inside the file wherever the file has bytes
    std::string field;       // the header field the finding is about, else empty
    Message message;         // one sentence with the file's own numbers; English(), or said in the window's language

    bool operator==(const Finding&) const = default;
};

// Every finding about the file, in the order a reader meets the parts. `file` is the bytes the
// layout was read from.
std::vector<Finding> CheckBitmap(const Layout& layout, Bytes file);

// The severity as the command line and JSON name it: "error", "warning", "note".
std::string_view SeverityName(Severity severity);
// The same word as the window says it, in the reader's language.
Message SeverityWord(Severity severity);

}  // namespace hexlume::format
