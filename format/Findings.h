#pragma once

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
    std::string code;        // stable, kebab-case: "file-truncated", "rle-run-past-row", …
    std::uint64_t offset;    // where in the file: a field's offset, or the start of a byte range
    std::uint64_t length;    // bytes covered: at least 1, inside the file wherever the file has bytes
    std::string field;       // the header field the finding is about, else empty
    std::string message;     // one sentence with the file's own numbers

    bool operator==(const Finding&) const = default;
};

// Every finding about the file, in the order a reader meets the parts. `file` is the bytes the
// layout was read from.
std::vector<Finding> CheckBitmap(const Layout& layout, Bytes file);

std::string_view SeverityName(Severity severity);  // "error", "warning", "note"

// A finding as one line of a verbose check, in aligned columns:
// "  error    index-past-table                0x436       Pixel (2, 0) …"
std::string FindingLine(const Finding& finding);

// How the window's simple dump (file header 0..14, info header 14..54, then a palette and a data
// region by its own rule) relates to the real layout. Offsets are file offsets; size 0 = absent.
struct DumpRegions {
    std::uint64_t paletteOffset, paletteSize, dataOffset, dataSize;
};

// Notes on every difference: bytes of a header that no memo shows, masks or a gap shown as
// palette or pixel data, 3-byte entries shown as 4-byte ones, …
std::vector<Finding> DumpRelationNotes(const Layout& layout, const DumpRegions& dump);

}  // namespace hexlume::format
