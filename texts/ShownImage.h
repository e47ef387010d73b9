#pragma once

#include "DumpPane.h"
#include "InspectionTexts.h"
#include "StatusTexts.h"
#include "format/Layout.h"
#include "model/Dib.h"
#include "primitives/ByteRange.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Which image of a file the window shows, and how. A "BM" file with a 40-byte or newer info
// header (or one of a size no version has) is shown as the window always showed it: the fixed
// tables of a 14-byte file header and a 40-byte info header, and the model's regions. Any other
// file the format reads (an OS/2 1.x or 2.x header, an OS/2 bitmap array, an icon or cursor, a
// headerless DIB) shows its own: the chosen image's headers field by field as the layout names
// them (an array entry's header or the icon directory and the chosen entry first), and its parts
// where the layout places them.
namespace hexlume {

// One row of a header table as the window writes it, and the bytes of the file it stands for.
struct TableRow {
    std::string name;   // column 0
    std::string type;   // column 1
    std::string value;  // column 2
    ByteRange bytes;    // in the file
};

enum GridIndex : std::size_t { kFileHeaderGrid, kInfoHeaderGrid, kGridCount };

struct ShownImage {
    bool ownFields = false;
    format::FileKind kind = format::FileKind::Bitmap;
    std::size_t index = 0;  // of the file's images, from 0
    std::size_t count = 1;
    format::BitmapFormat format;  // its headers
    // The file-header table (an array entry's own header first) and the info-header table.
    std::array<std::vector<TableRow>, kGridCount> tables;
    DumpSource dump;
};

// Image `index` (the last there is, past it) of the model's file, as the window shows it.
ShownImage ShowImage(const CDib& dib, std::size_t index);

// The parts of the layout that are the shown image's: its array entry's header, its headers,
// colour table and pixel data. The whole layout for a file of one image.
format::Layout ImageLayout(const format::Layout& layout, const ShownImage& image);
// The findings on bytes of those parts.
std::vector<format::Finding> ImageFindings(const format::Layout& imageLayout, std::span<const format::Finding> findings);

// The status panels: the base's texts, or for a file shown by its own fields the image's size as
// its header stores it (an icon image's picture, not its mask) and its kind ("OS/2 1.x",
// "OS/2 2.x RLE8", "OS/2 array 2/3", "icon 1/4 PNG", "headerless DIB").
StatusLine ImageStatusTexts(std::string_view fileName, const CDib& dib, const ShownImage& image);

// A line for each of the file's `count` images, for the menu that chooses one: "2: 32×32, 4 bits".
std::vector<Message> ImageListLines(format::Bytes file, std::size_t count);

// The row of a table holding the file's byte at `offset`.
std::optional<std::size_t> TableRowAt(std::span<const TableRow> rows, std::uint64_t offset);

// A value cell of a file shown by its own fields, in the dump tooltips' words: the offset, the
// field, and every finding on its bytes; with the heaviest of those findings.
CellFindings OwnCellFindings(std::span<const format::Finding> findings, const TableRow& row);
Message OwnCellText(const format::Layout& layout, const CellFindings& findings, const TableRow& row);

}  // namespace hexlume
