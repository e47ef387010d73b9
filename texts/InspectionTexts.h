#pragma once

#include "DumpPane.h"
#include "format/Decoder.h"
#include "format/Findings.h"
#include "format/Inspection.h"
#include "format/Layout.h"
#include "model/Dib.h"
#include "primitives/Message.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// What the window says about the bytes it shows, by the file's real layout: the byte tooltips
// of the dump, the marks of the findings and the tooltips of the header cells.
namespace hexlume {

// Lines said one below the other, as one text: a tooltip's lines.
class TipLines {
public:
    void Add(Message line);
    Message Take();

private:
    std::vector<Message> m_parts;
};

// Where a memo's bytes stand in the file: the offset of its first byte and how many of its
// bytes the pane holds (0 for an absent region, or the memos before a load), of the `held`
// bytes its region has from there on; and the dump line, as the line numbers count, of its first
// line. A memo showing a window of its region further down has `skipped` its region's bytes
// before the window.
struct MemoBytes {
    std::uint64_t fileOffset = 0;
    std::uint64_t shown = 0;
    std::uint64_t held = 0;
    std::uint64_t firstLine = 0;
    std::uint64_t skipped = 0;
};
using DumpFileMap = std::array<MemoBytes, kMemoCount>;

DumpFileMap MapDumpToFile(const DumpSource& source, const DumpPaneView& pane);
DumpFileMap MapDumpToFile(const CDib& dib, const DumpPaneView& pane);
// The file offset of a memo's byte; nullopt when the memo holds no such byte.
std::optional<std::uint64_t> FileOffsetOf(const DumpFileMap& map, std::size_t memo, std::uint64_t byteInMemo);
// A loaded file as the format sees it, with the notes on how the window's dump relates to its
// real layout among the findings: the checker's findings first, as it gives them, then the notes.
format::Inspection InspectLoadedFile(const CDib& dib);
// The same notes for a dump of other parts (the chosen image of an OS/2 bitmap, say), added to
// an inspection of the file's bytes.
void AddDumpNotes(format::Inspection& inspection, const DumpSource& source);

// The tooltip of one dump byte: its offset, what it really is (for pixel data, also what its
// value means: the pixels' indices and colours, or the RLE code it belongs to), and every finding
// covering it.
// shownByte is the byte the memo shows there (the info-header memo shows two fields the
// window derives, which may differ from the file's bytes).
Message ByteTooltipText(const format::Layout& layout, std::span<const format::Finding> findings, format::Bytes file,
                        std::size_t memo, std::uint64_t offset, std::uint8_t shownByte);

// The same text without the window: what the byte at `offset` is and every finding covering it,
// with no word on how the dump shows it, in English as the command line prints it.
std::string ByteText(const format::Layout& layout, std::span<const format::Finding> findings, format::Bytes file,
                     std::uint64_t offset);

// "Offset 00000036 (54)": the first line of every byte's and cell's tooltip.
Message OffsetLine(std::uint64_t offset);

// "#FF8000", or with alpha last "#FF800080".
std::string ColorText(format::Argb color, bool withAlpha);
// A colour-table entry as the table's byte tooltips give it: "entry 3 (blue 0x00, green 0x80,
// red 0xFF, reserved 0x00)", with the channels the file holds.
Message ColorEntryText(const format::BitmapFormat& bitmap, format::Bytes file, std::uint64_t entry);
// The RLE code holding the byte at `offset` as the tooltips of its bytes give it: "RLE8 code at
// offset 70 (2 bytes): a run of …"; empty when no RLE stream holds the byte.
Message RleCodeText(const format::BitmapFormat& bitmap, format::Bytes file, std::uint64_t offset);

// Changed: differs from the version read before; Edited: changed by the user, not yet the file's.
// Ordered by weight: a heavier mark wins.
enum class Mark { None, Changed, Edited, Note, Warning, Error };
Mark MarkOf(format::Severity severity);
// A finding as every tooltip names it: "warning: bfSize says 100 bytes …".
Message FindingTipLine(const format::Finding& finding);

// A field's value in decimal as the tooltips write it: signed for LONG and SHORT fields ("-64"),
// else grouped in threes ("19 778"). For fields up to 8 bytes.
std::string FieldDecimalText(const format::Field& field);
// A field as the byte tooltips name it: "BITMAPV5HEADER, bV5Height (LONG, bytes 22–25) = -64
// (0xFFFFFFC0): top-down, 64 rows". byteInField: which of the field's bytes a byte's tooltip is
// about; none for the field as a whole.
Message FieldLine(const format::Element& element, const format::Field& field,
                  std::optional<std::uint64_t> byteInField = std::nullopt);

// A header table's value cell with the findings about its field.
struct CellFindings {
    Mark mark = Mark::None;
    std::vector<Message> lines;  // every finding on the field, notes included, as the byte tooltips name it
};
struct HeaderCellFindings {
    std::array<CellFindings, 5> fileHeader;
    std::array<CellFindings, 11> infoHeader;
};
// The table row a finding on a header field belongs to: the row whose bytes hold the field;
// fields past the 40 bytes the table shows (V4 and V5 fields, masks) belong to the biSize row.
// nullopt for a finding on no field.
struct HeaderCell {
    bool infoHeader = false;
    std::size_t row = 0;
};
std::optional<HeaderCell> CellOf(const format::Finding& finding);
HeaderCellFindings FindingsByCell(std::span<const format::Finding> findings);

// A header table's value cell in the words of the dump's byte tooltips: the offset of the row's
// bytes, what they are taken as a whole (the field with its value in decimal and hex and what it
// means; each part the file really has there, when its header is not the table's), the value the
// table shows when the window derives it, the cell's findings, and for the biSize row the header's
// own fields (HeaderSizeNote). tableInfoHeader: the 40 bytes the info-header table reads.
Message HeaderCellText(const format::Layout& layout, format::Bytes file, format::Bytes tableInfoHeader,
                       const HeaderCellFindings& findings, HeaderCell cell);

// The biSize cell's extra tooltip: the header's version and the fields the table does not show
// by their own names (past its 40 bytes, or all of a shorter header's), with their values.
Message HeaderSizeNote(const format::Layout& layout);

}  // namespace hexlume
