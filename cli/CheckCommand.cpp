#include "CheckCommand.h"

#include "CheckInputs.h"
#include "Failure.h"
#include "Json.h"
#include "MappedFile.h"
#include "OrderedWork.h"
#include "format/FieldDictionary.h"
#include "format/Inspection.h"
#include "format/NumberText.h"
#include "texts/FindingsTexts.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <cstdio>
#include <exception>
#include <optional>
#include <thread>
#include <unistd.h>

namespace hexlume {

namespace {

using format::Finding;
using format::Severity;

enum class Outcome { Ok, Warn, Error, Skipped };

struct Verdict {
    Outcome outcome = Outcome::Ok;
    std::string text;  // what follows the path: the summary, the worst finding or why not
    std::vector<Finding> findings;
    std::optional<format::BitmapFormat> format;  // nullopt when the file was not read
};

std::string_view OutcomeWord(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Ok: return "OK";
    case Outcome::Warn: return "WARN";
    case Outcome::Error: return "ERROR";
    case Outcome::Skipped: return "SKIP";
    }
    return {};
}

Verdict Refused(std::string reason, Outcome outcome = Outcome::Error)
{
    return {.outcome = outcome, .text = std::move(reason), .findings = {}, .format = std::nullopt};
}

// A folder holds more than bitmaps: only files that start as a bitmap or a bitmap array does
// are checked there.
bool HasBitmapSignature(format::Bytes file)
{
    const std::uint64_t type =
        format::ReadField(file, 0, format::FieldTable(format::dictionary::kFileHeader), format::FieldId::Signature);
    return type == format::kBitmapSignature || type == format::kArraySignature;
}

std::optional<Severity> WorstSeverity(const std::vector<Finding>& findings)
{
    std::optional<Severity> worst;
    for (const Finding& finding : findings)
        if (finding.severity != Severity::Note && (!worst || finding.severity < *worst))
            worst = finding.severity;
    return worst;
}

// "code: message", and how many more findings of that severity there are.
std::string FirstOf(const std::vector<Finding>& findings, Severity severity)
{
    const auto first = std::find_if(findings.begin(), findings.end(),
                                    [severity](const Finding& finding) { return finding.severity == severity; });
    const auto more = std::count_if(findings.begin(), findings.end(),
                                    [severity](const Finding& finding) { return finding.severity == severity; }) -
                      1;
    std::string text = std::string(format::CodeName(first->code)) + ": " + first->message.English();
    if (more > 0)
        text += " (+" + std::to_string(more) + " more " + std::string(format::SeverityName(severity)) +
                std::string(format::CountWord(static_cast<std::uint64_t>(more), ")", "s)"));
    return text;
}

// "127x64, 8 bits, 252 colours, BITMAPINFOHEADER": what an OK verdict says about the file. An
// embedded stream's bit count says nothing of its pixels; the stream's kind stands in its place.
std::string Summary(const format::Layout& layout)
{
    const format::BitmapFormat& format = layout.format;
    const std::string_view encoding = format::EncodingName(format.encoding);
    const bool embedded = format::IsEmbeddedStream(format.encoding);
    std::string text = std::to_string(format.columns) + "x" + std::to_string(format.rows) + ", " +
                       (embedded ? "embedded " + std::string(encoding)
                                 : format::Counted(format.bitCount, "bit", "bits"));
    if (format.bitCount <= 8 && format.colorCount != 0)
        text += ", " + format::Counted(format.colorCount, "colour", "colours");
    if (!encoding.empty() && !embedded)
        text += ", " + std::string(encoding);
    if (format.pngImage)
        return std::to_string(format.columns) + "x" + std::to_string(format.rows) + ", " +
               format::Counted(format.bitCount, "bit", "bits") + ", PNG stream";
    return text + ", " + std::string(format::HeaderVersionName(format.version));
}

// What an OK verdict says: for other files than a "BM" bitmap or an array, their kind first,
// then the first image: "icon of 3 images, the first 16x16, 4 bits, 16 colours, BITMAPINFOHEADER".
std::string KindAndSummary(const format::Layout& layout)
{
    switch (layout.kind) {
    case format::FileKind::Bitmap:
    case format::FileKind::BitmapArray: return Summary(layout);
    case format::FileKind::Headerless: return "headerless DIB, " + Summary(layout);
    case format::FileKind::Icon:
    case format::FileKind::Cursor: break;
    }
    const std::size_t images = format::ImageCount(layout);
    const std::string kind(format::FileKindName(layout.kind));
    return images == 0 ? kind + " of no image" : kind + " of " + format::Counted(images, "image", "images") + ", the first " + Summary(layout);
}


Verdict CheckOneFile(const CheckInput& input)
{
    MappedFile file;
    // In a folder, a file that does not start as a bitmap is skipped before the rest is read.
    if (!file.Open(input.path, input.kind == CheckInput::Kind::InFolder ? HasBitmapSignature : nullptr))
        return file.Unwanted() ? Refused("no bitmap signature", Outcome::Skipped) : Refused(file.Error());
    format::Inspection checked = format::Inspect(file.Bytes());
    const std::optional<Severity> worst = WorstSeverity(checked.findings);
    Verdict verdict{.outcome = !worst                      ? Outcome::Ok
                               : *worst == Severity::Error ? Outcome::Error
                                                           : Outcome::Warn,
                    .text = JudgeFindings(checked.layout, checked.findings).text,
                    .findings = {},
                    .format = checked.layout.format};
    verdict.findings = std::move(checked.findings);
    return verdict;
}

Verdict CheckSafely(const CheckInput& input)
{
    switch (input.kind) {
    case CheckInput::Kind::Skipped: return Refused(input.reason, Outcome::Skipped);
    case CheckInput::Kind::Failed: return Refused(input.reason);
    case CheckInput::Kind::Named:
    case CheckInput::Kind::InFolder: break;
    }
    try {
        return CheckOneFile(input);
    } catch (const std::exception& error) {
        return Refused(error.what());
    }
}

// One object a file, on one line. Its keys are a stable format: kCheckJsonVersion names it.
std::string JsonLine(const std::string& path, const Verdict& verdict)
{
    Json findings = Json::array();
    for (const Finding& finding : verdict.findings)
        findings.push_back({{"code", format::CodeName(finding.code)},
                            {"severity", format::SeverityName(finding.severity)},
                            {"offset", finding.offset},
                            {"message", finding.message.English()}});
    Json line{{"hexlumeCheck", kCheckJsonVersion},
              {"file", path},
              {"verdict", OutcomeWord(verdict.outcome)},
              {"reason", nullptr},
              {"width", nullptr},
              {"height", nullptr},
              {"bitCount", nullptr},
              {"header", nullptr},
              {"findings", std::move(findings)}};
    if (const std::optional<format::BitmapFormat>& bitmap = verdict.format) {
        line["width"] = bitmap->columns;
        line["height"] = bitmap->rows;
        line["bitCount"] = bitmap->bitCount;
        line["header"] = format::HeaderVersionName(bitmap->version);
    } else {
        line["reason"] = verdict.text;
    }
    return JsonText(line) + "\n";
}

std::string TextLines(const std::string& path, const Verdict& verdict, CheckVerbosity verbosity)
{
    std::string text = std::string(OutcomeWord(verdict.outcome)) + "  " + path + "  " + verdict.text + "\n";
    if (verbosity == CheckVerbosity::Verbose)
        for (const Finding& finding : verdict.findings)
            text += FindingLine(finding) + "\n";
    return text;
}

// A checked file as the run hands it to the output: its verdict and the lines that say it.
struct Checked {
    Outcome outcome;
    std::string lines;
};

Checked CheckAndWrite(const CheckInput& input, const CheckOptions& options)
{
    const Verdict verdict = CheckSafely(input);
    const bool shown = verdict.outcome == Outcome::Skipped
                           ? options.verbosity == CheckVerbosity::Verbose
                           : options.verbosity != CheckVerbosity::Quiet || verdict.outcome != Outcome::Ok;
    if (!shown)
        return {verdict.outcome, {}};
    return {verdict.outcome, options.json ? JsonLine(input.path, verdict) : TextLines(input.path, verdict, options.verbosity)};
}

// Counts, the progress line while the run goes (only on a terminal) and the summary after it.
class Tally {
public:
    Tally(bool quiet, std::FILE* out)
        : m_quiet(quiet),
          m_progress(!quiet && ::isatty(STDERR_FILENO) == 1),
          m_sharedScreen(m_progress && ::isatty(::fileno(out)) == 1)
    {
    }

    void Count(Outcome outcome)
    {
        ++m_counts[static_cast<std::size_t>(outcome)];
        if (!m_progress)
            return;
        const auto now = std::chrono::steady_clock::now();
        if (now - m_shown < std::chrono::milliseconds(100))
            return;
        m_shown = now;
        m_progressShown = true;
        std::fprintf(stderr, "\r%s files checked, %s skipped", format::GroupedNumber(Files()).c_str(),
                     format::GroupedNumber(Of(Outcome::Skipped)).c_str());
        std::fflush(stderr);
    }

    bool Failed(bool strict) const { return Of(Outcome::Error) != 0 || (strict && Of(Outcome::Warn) != 0); }

    // Before a verdict line, when the verdicts go to the progress line's screen.
    void MakeWayForLines()
    {
        if (m_sharedScreen)
            ClearProgress();
    }

    void Summarize()
    {
        ClearProgress();
        if (m_quiet)
            return;
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
        const auto grouped = [](std::uint64_t value) { return format::GroupedNumber(value); };
        std::fprintf(stderr, "%s: %s OK, %s WARN, %s ERROR, %s skipped, %.1f s\n",
                     format::Counted(Files(), "file", "files").c_str(), grouped(Of(Outcome::Ok)).c_str(),
                     grouped(Of(Outcome::Warn)).c_str(), grouped(Of(Outcome::Error)).c_str(),
                     grouped(Of(Outcome::Skipped)).c_str(), seconds);
    }

private:
    void ClearProgress()
    {
        if (!m_progressShown)
            return;
        std::fputs("\r\033[K", stderr);
        m_progressShown = false;
    }

    std::uint64_t Of(Outcome outcome) const { return m_counts[static_cast<std::size_t>(outcome)]; }
    std::uint64_t Files() const { return Of(Outcome::Ok) + Of(Outcome::Warn) + Of(Outcome::Error); }

    bool m_quiet;
    bool m_progress;
    bool m_sharedScreen;
    bool m_progressShown = false;
    std::uint64_t m_counts[4] = {};
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point m_shown = m_start;
};

unsigned JobCount(unsigned asked)
{
    return asked != 0 ? asked : std::max(1u, std::thread::hardware_concurrency());
}

}  // namespace

FindingsVerdict JudgeFindings(const format::Layout& layout, const std::vector<format::Finding>& findings)
{
    const std::optional<Severity> worst = WorstSeverity(findings);
    if (!worst)
        return {OutcomeWord(Outcome::Ok), KindAndSummary(layout)};
    return {OutcomeWord(*worst == Severity::Error ? Outcome::Error : Outcome::Warn), FirstOf(findings, *worst)};
}

std::string CheckLine(const std::string& path)
{
    return TextLines(path, CheckSafely(CheckInput{.path = path, .kind = CheckInput::Kind::Named, .reason = {}}),
                     CheckVerbosity::Normal);
}

int RunCheck(const CheckOptions& options, std::FILE* out)
{
    // The list is opened first: a run that cannot read it checks nothing.
    const bool standardInput = options.filesFrom && *options.filesFrom == "-";
    std::FILE* list = !options.filesFrom ? nullptr : standardInput ? stdin : std::fopen(options.filesFrom->c_str(), "rb");
    if (options.filesFrom && list == nullptr)
        return Fail(*options.filesFrom, "cannot read the list: " + std::string(std::strerror(errno)));

    Tally tally(options.verbosity == CheckVerbosity::Quiet, out);
    bool written = true;
    OrderedWork<CheckInput, Checked> work(
        JobCount(options.jobs), [&options](const CheckInput& input) { return CheckAndWrite(input, options); },
        [&](Checked&& checked) {
            tally.Count(checked.outcome);
            if (!checked.lines.empty())
                tally.MakeWayForLines();
            written = written && std::fwrite(checked.lines.data(), 1, checked.lines.size(), out) == checked.lines.size();
        });
    const CheckInputSink add = [&work](CheckInput input) { work.Add(std::move(input)); };
    for (const std::string& path : options.files)
        AddNamedPath(path, add);
    bool listRead = true;
    if (list != nullptr) {
        listRead = AddListedPaths(list, options.nulSeparated, add);
        if (!standardInput)
            std::fclose(list);
    }
    work.Finish();
    if (!listRead)
        Fail(*options.filesFrom, "cannot read the list to its end");
    tally.Summarize();
    written = written && std::fflush(out) == 0 && !std::ferror(out);
    return tally.Failed(options.strict) || !written || !listRead ? kExitFailure : kExitOk;
}

}  // namespace hexlume
