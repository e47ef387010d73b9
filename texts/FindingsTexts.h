#pragma once

#include "DumpMarks.h"
#include "format/Findings.h"
#include "primitives/Message.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// What the window says about a file's findings as a whole: the counts, the list's order and
// rows, the copied text, and where each finding stands in the dump.
namespace hexlume {

// InspectLoadedFile's findings apart: the file's own, the very list the checker gives, and the
// notes on what the window's dump shows otherwise than the file has it, which are no fault of the file.
struct FindingsApart {
    std::span<const format::Finding> file;
    std::span<const format::Finding> dump;
};
FindingsApart SplitDumpNotes(std::span<const format::Finding> findings);
// What the dump cannot show as the file has it: the dump notes' messages, then, when the pixel-data
// memo is cut, where it stops. Empty when the dump shows the whole file as it is.
std::vector<Message> DumpLimitLines(std::span<const format::Finding> dumpNotes, const DumpFileMap& map);

struct FindingCounts {
    std::uint64_t errors = 0;
    std::uint64_t warnings = 0;
    std::uint64_t notes = 0;
};
FindingCounts CountFindings(std::span<const format::Finding> findings);
// "2 errors · 1 warning · 3 notes", the severities there are; "No findings" when none.
Message FindingCountsText(const FindingCounts& counts);
// The worst severity there is, notes included; nullopt when there are no findings.
std::optional<format::Severity> WorstSeverity(const FindingCounts& counts);

// The order the list shows the findings in, as indices: errors, then warnings, then notes, each
// in the order a reader meets them.
std::vector<std::size_t> FindingsListOrder(std::span<const format::Finding> findings);

// The first finding in the list's order, for a tooltip: "error index-past-table at 0x436:
// Pixel (2, 0) uses …"; empty when there are none.
Message FirstFindingText(std::span<const format::Finding> findings);

// A finding as one line of a verbose check, in English as the command line prints it, in aligned columns:
// "  error    index-past-table                0x436       Pixel (2, 0) …"
std::string FindingLine(const format::Finding& finding);
// The chosen findings as a verbose check prints them, a line each.
std::string CopiedFindingsText(std::span<const format::Finding> findings, std::span<const std::size_t> chosen);

// Where a finding's bytes stand in the dump: the bytes the memos hold and the dump line of the
// first of them, or why the dump does not show them; `where` is the list's short word for it
// ("line 73", "past the cut", "in no memo"), `sentence` the longer one shown for a chosen finding.
struct FindingPlace {
    std::vector<MemoMark> marks;
    std::uint64_t line = 0;
    Message where;
    Message sentence;
};
FindingPlace PlaceInDump(const format::Finding& finding, const DumpFileMap& map);
// The same for any bytes of the file (at least one).
FindingPlace PlaceOfBytes(std::uint64_t offset, std::uint64_t length, const DumpFileMap& map);

}  // namespace hexlume
