#pragma once

#include "FieldRows.h"
#include "format/FieldDictionary.h"
#include "format/Layout.h"
#include "primitives/Message.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What a value cell of the window changes when the user edits it: one field's bytes, or a colour
// entry's blue, green and red; or, in a sentence, why the cell cannot be edited.
namespace hexlume {

struct EditTarget {
    std::uint64_t offset = 0;  // in the file
    std::string name;          // the field or entry, as the sentences name it
    // The field's type; none for a colour-table entry, which takes a colour (#RRGGBB).
    std::optional<format::FieldType> type;
    Message refusal;  // set when the cell cannot be edited: why, and where to change its bytes instead
};

// A base header table's row stands for the bytes [offset, offset + size) of its header, the
// file's first part of kind `header` (its file header or info header). It edits
// the field of the file's real layout at exactly those bytes, with that field's own name and type
// (an OS/2 2.x "cx" under the row "biWidth"); where the bytes are no one field (a 12-byte OS/2
// header's two WORDs under one LONG row, or bytes past a short header) it refuses.
EditTarget HeaderRowTarget(const format::Layout& layout, format::ElementKind header, std::uint64_t offset,
                           std::uint64_t size, std::string_view rowName);

// The same for a table row whose bytes are [offset, offset + size) of the file.
EditTarget TableRowTarget(const format::Layout& layout, std::uint64_t offset, std::uint64_t size,
                          std::string_view rowName);

// A Fields window row: a header field, or a colour entry's colour; a part's bytes are changed in
// the dump.
EditTarget FieldRowTarget(const FieldRow& row);

struct SizeAnswer {
    std::optional<std::uint64_t> size;
    Message error;  // set when there is no size
};

// The most bytes a bitmap's size field can say, and so the most a file may be extended to.
inline constexpr std::uint64_t kLargestFileSize =
    (std::uint64_t{1} << (8 * format::FieldOf(format::dictionary::kFileHeader, format::FieldId::FileSize).Size())) - 1;

// "70", "1 086", "0x46": the size a file is cut to, or extended to with zero bytes.
SizeAnswer ParseFileSize(std::string_view text);

}  // namespace hexlume
