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

std::vector<Message> DumpLimitLines(std::span<const Finding> dumpNotes, const DumpFileMap& map)
{
    std::vector<Message> lines;
    for (const Finding& note : dumpNotes)
        lines.push_back(note.message);
    if (const MemoBytes& data = map[kDataMemo]; data.held > data.shown)
        lines.push_back(Message(HX_TR("Dump", "The dump stops before line %1: the last %2 of the pixel data, from "
                                              "offset %3, are past the cut; go to an offset (Ctrl+G) or find (Ctrl+F) "
                                              "to show them."))
                            .Number(data.firstLine + data.shown / kBytesPerLine)
                            .Arg(format::say::Bytes(data.held - data.shown))
                            .Arg(format::HexNumber(data.fileOffset + data.shown)));
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

Message FindingCountsText(const FindingCounts& counts)
{
    Message text;
    const auto add = [&text](std::uint64_t count, Message counted) {
        if (count == 0)
            return;
        text = text.Empty() ? std::move(counted)
                            : Message(HX_TR("Inspection", "%1 · %2")).Arg(std::move(text)).Arg(std::move(counted));
    };
    add(counts.errors, Message(HX_TR_N("Inspection", "%n error(s)")).Count(counts.errors));
    add(counts.warnings, Message(HX_TR_N("Inspection", "%n warning(s)")).Count(counts.warnings));
    add(counts.notes, Message(HX_TR_N("Inspection", "%n note(s)")).Count(counts.notes));
    return text.Empty() ? Message(HX_TR("Inspection", "No findings")) : text;
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

Message FirstFindingText(std::span<const Finding> findings)
{
    const std::vector<std::size_t> order = FindingsListOrder(findings);
    if (order.empty())
        return {};
    const Finding& first = findings[order.front()];
    return Message(HX_TR("Inspection", "%1 %2 at %3:\n%4"))
        .Arg(format::SeverityWord(first.severity))
        .Arg(format::CodeName(first.code))
        .Arg(format::HexNumber(first.offset))
        .Arg(first.message);
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
        place.where = Message(HX_TR("Dump", "line %1")).Number(place.line);
        place.sentence = Message(HX_TR("Dump", "Its bytes start on dump line %1.")).Number(place.line);
        return place;
    }
    // A memo whose region holds the bytes but not the pane: the stack was cut above them.
    const ByteRange bytes{offset, std::max<std::uint64_t>(length, 1)};
    for (const MemoBytes& memo : map) {
        const bool beforeWindow = !bytes.Meet({memo.fileOffset - memo.skipped, memo.skipped}).Empty();
        if (beforeWindow ||
            (memo.held > memo.shown && !bytes.Meet({memo.fileOffset + memo.shown, memo.held - memo.shown}).Empty())) {
            place.where = HX_TR("Dump", "past the cut");
            place.sentence = HX_TR("Dump", "The dump is cut before these bytes: open the file again and answer Yes "
                                           "to export the whole pixel-data dump.");
            return place;
        }
    }
    place.where = HX_TR("Dump", "in no memo");
    place.sentence = HX_TR("Dump", "No memo of the dump shows these bytes: they lie outside the four regions it reads.");
    return place;
}

}  // namespace hexlume
