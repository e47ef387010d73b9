#pragma once

#include "format/Layout.h"
#include "primitives/Message.h"

#include <cstdint>
#include <optional>
#include <string_view>

// What one byte of the file is. Cheap: no allocation, a walk over the elements and one
// element's fields, so a window can call it on every pointer move.
namespace hexlume::format {

// The bytes of a colour-table entry in file order (a core header's entries stop after red), as
// the window says them, and in English.
inline constexpr MessageTemplate kColorEntryChannels[] = {
    HX_TR("Layout", "blue"), HX_TR("Layout", "green"), HX_TR("Layout", "red"), HX_TR("Layout", "reserved")};

struct ByteDescription {
    const Element* element = nullptr;  // null: the offset lies in no element (past the end)
    const Field* field = nullptr;      // header or mask field holding the byte
    std::uint64_t byteInField = 0;
    // Colour table: the entry and its channel ("blue", "green", "red", "reserved").
    std::optional<std::uint64_t> paletteEntry;
    MessageTemplate channel{};
    // Uncompressed pixel data: the row as shown on screen (0 = top, whatever the stored order)
    // and as stored, and the first pixel the byte touches; a byte of a row's padding has a row
    // but no column.
    std::optional<std::uint64_t> pixelRow, pixelColumn;
    std::uint64_t storedRow = 0;
    bool rowPadding = false;
};

// The pointers point into `layout`, which must outlive the description.
ByteDescription DescribeByte(const Layout& layout, std::uint64_t offset);

}  // namespace hexlume::format
