#pragma once

#include "InspectionTexts.h"
#include "format/Findings.h"
#include "format/Layout.h"
#include "primitives/Message.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The rows of the Fields window: every part of the file's real layout in file order, each header
// with its fields, the colour table with its entries, the other parts a row each. The words are
// the byte tooltips' own (FieldLine, the layout's meanings, ColorEntryText).
namespace hexlume {

struct FieldRow {
    Message name;        // "bV5Height", "entry 3", "pixel data"
    std::uint64_t offset = 0;
    std::uint64_t size = 0;  // bytes inside the file
    std::string offsetText;  // "0x16"
    std::string sizeText;    // "4"
    std::string type;        // "LONG", "RGBQUAD"; empty for a part
    std::string hex;         // as the header tables show a value ("FFFFFFC0"), or the bytes ("00 80 FF 00")
    std::string decimal;     // "-64"; "0 128 255 0" for an entry; empty for a part
    Message meaning;         // "top-down, 64 rows", "#FF8000"
    std::optional<format::FieldType> fieldType;  // a header field's declared type; none for entries and parts
    std::optional<format::Argb> color;           // a colour-table entry's colour
    Mark mark = Mark::None;                      // the heaviest finding on the row's bytes
    Message tip;  // the row in the byte tooltips' words, then every finding on it
};

struct FieldGroup {
    FieldRow part;              // the part itself; its mark is also the heaviest of its rows'
    std::vector<FieldRow> rows;  // a header's fields or the colour table's entries, in file order
};

// A part's row shows at most this many of its first bytes.
inline constexpr std::uint64_t kPartBytesShown = 8;

// Each finding lands on the row holding its bytes: a field, an entry, or else the part holding
// its first byte (a finding past the end of the file, the last part before it).
std::vector<FieldGroup> BuildFieldRows(const format::Layout& layout, std::span<const format::Finding> findings,
                                       format::Bytes file);

}  // namespace hexlume
