#include "FindingsTexts.h"

#include "DumpRelation.h"
#include "RegionText.h"
#include "format/NumberText.h"

#include <algorithm>
#include <numeric>

namespace hexlume {

using format::Finding;
using format::Severity;

FindingsApart SplitDumpNotes(std::span<const Finding> findings)
{
    const auto notes = std::find_if(findings.begin(), findings.end(), IsDumpNote);
    const auto split = static_cast<std::size_t>(notes - findings.begin());
    return {.file = findings.first(split), .dump = findings.subspan(split)};
}

std::vector<std::string> DumpLimitLines(std::span<const Finding> dumpNotes, const DumpFileMap& map)
{
    std::vector<std::string> lines;
    for (const Finding& note : dumpNotes)
        lines.push_back(note.message.English());
    if (const MemoBytes& data = map[kDataMemo]; data.held > data.shown)
        lines.push_back("The dump stops before line " + format::GroupedNumber(data.firstLine + data.shown / kBytesPerLine) +
                        ": the last " + format::ByteCount(data.held - data.shown) + " of the pixel data, from offset " +
                        format::HexNumber(data.fileOffset + data.shown) +
                        ", are past the cut; go to an offset (Ctrl+G) or find (Ctrl+F) to show them.");
    return lines;
}

FindingCounts CountFindings(std::span<const Finding> findings)
{
    FindingCounts counts;
    for (const Finding& finding : findings)
        ++(finding.severity == Severity::Error     ? counts.errors
           : finding.severity == Severity::Warning ? counts.warnings
                                                   : counts.notes);
    return counts;
}

std::string FindingCountsText(const FindingCounts& counts)
{
    std::string text;
    const auto add = [&text](std::uint64_t count, const char* one, const char* many) {
        if (count != 0)
            text += (text.empty() ? "" : " · ") + format::Counted(count, one, many);
    };
    add(counts.errors, "error", "errors");
    add(counts.warnings, "warning", "warnings");
    add(counts.notes, "note", "notes");
    return text.empty() ? "No findings" : text;
}

std::optional<Severity> WorstSeverity(const FindingCounts& counts)
{
    if (counts.errors != 0)
        return Severity::Error;
    if (counts.warnings != 0)
        return Severity::Warning;
    if (counts.notes != 0)
        return Severity::Note;
    return std::nullopt;
}

std::vector<std::size_t> FindingsListOrder(std::span<const Finding> findings)
{
    std::vector<std::size_t> order(findings.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [findings](std::size_t a, std::size_t b) { return findings[a].severity < findings[b].severity; });
    return order;
}

std::string FirstFindingText(std::span<const Finding> findings)
{
    const std::vector<std::size_t> order = FindingsListOrder(findings);
    if (order.empty())
        return {};
    const Finding& first = findings[order.front()];
    return std::string(format::SeverityName(first.severity)) + " " + std::string(format::CodeName(first.code)) + " at " +
           format::HexNumber(first.offset) + ":\n" + first.message.English();
}

std::string CopiedFindingsText(std::span<const Finding> findings, std::span<const std::size_t> chosen)
{
    std::string text;
    for (const std::size_t index : chosen)
        if (index < findings.size())
            text += FindingLine(findings[index]) + "\n";
    return text;
}

std::string FindingLine(const Finding& finding)
{
    const auto padded = [](std::string_view text, std::size_t width) {
        std::string cell(text);
        cell.resize(std::max(cell.size(), width), ' ');
        return cell;
    };
    return "  " + padded(format::SeverityName(finding.severity), 7) + "  " + padded(format::CodeName(finding.code), 30) +
           "  " + padded(format::HexNumber(finding.offset), 10) + "  " + finding.message.English();
}

FindingPlace PlaceInDump(const Finding& finding, const DumpFileMap& map)
{
    return PlaceOfBytes(finding.offset, finding.length, map);
}

FindingPlace PlaceOfBytes(std::uint64_t offset, std::uint64_t length, const DumpFileMap& map)
{
    FindingPlace place;
    place.marks = MarksOver(offset, length, Mark::None, map);
    if (!place.marks.empty()) {
        const MemoMark& first = place.marks.front();
        place.line = map[first.memo].firstLine + first.first / kBytesPerLine;
        place.where = "line " + format::GroupedNumber(place.line);
        place.sentence = "Its bytes start on dump line " + format::GroupedNumber(place.line) + ".";
        return place;
    }
    // A memo whose region holds the bytes but not the pane: the stack was cut above them.
    const ByteRange bytes{offset, std::max<std::uint64_t>(length, 1)};
    for (const MemoBytes& memo : map) {
        const bool beforeWindow = !bytes.Meet({memo.fileOffset - memo.skipped, memo.skipped}).Empty();
        if (beforeWindow ||
            (memo.held > memo.shown && !bytes.Meet({memo.fileOffset + memo.shown, memo.held - memo.shown}).Empty())) {
            place.where = "past the cut";
            place.sentence = "The dump is cut before these bytes: open the file again and answer Yes to export "
                             "the whole pixel-data dump.";
            return place;
        }
    }
    place.where = "in no memo";
    place.sentence = "No memo of the dump shows these bytes: they lie outside the four regions it reads.";
    return place;
}

}  // namespace hexlume
