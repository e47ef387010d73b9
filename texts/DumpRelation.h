#pragma once

#include "format/Findings.h"
#include "primitives/ByteRange.h"

#include <cstdint>
#include <vector>

// How the window's simple dump (file header 0..14, info header 14..54, then a palette and a data
// region by its own rule) relates to the real layout.
namespace hexlume {

// Where the window's palette and data regions lie: file offsets; size 0 = absent. The header
// memos show the base's 14-byte file header and 40-byte info header unless said otherwise.
struct DumpRegions {
    std::uint64_t paletteOffset = 0, paletteSize = 0, dataOffset = 0, dataSize = 0;
    ByteRange fileHeader{0, 14};
    ByteRange infoHeader{14, 40};
};

// Notes on every difference: bytes of a header that no memo shows, masks or a gap shown as
// palette or pixel data, 3-byte entries shown as 4-byte ones, …
std::vector<format::Finding> DumpRelationNotes(const format::Layout& layout, const DumpRegions& dump);

// Whether a finding is one of those notes: a limit of the window's dump, not a fault of the file.
bool IsDumpNote(const format::Finding& finding);

}  // namespace hexlume
