#include "CheckCommand.h"

#include "MappedFile.h"
#include "format/Inspection.h"
#include "format/NumberText.h"
#include "texts/FindingsTexts.h"

#include <algorithm>
#include <exception>
#include <optional>

namespace hexlume {

namespace {

using format::Finding;
using format::Severity;

struct Verdict {
    std::string word;  // "OK", "WARN", "ERROR"
    std::string text;  // what follows the path
    std::vector<Finding> findings;
    bool error = false;
    bool warning = false;
};

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
    std::string text = std::string(format::CodeName(first->code)) + ": " + first->message;
    if (more > 0)
        text += " (+" + std::to_string(more) + " more " + std::string(format::SeverityName(severity)) +
                (more == 1 ? ")" : "s)");
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
                                 : std::to_string(format.bitCount) + (format.bitCount == 1 ? " bit" : " bits"));
    if (format.bitCount <= 8 && format.colorCount != 0)
        text += ", " + format::GroupedNumber(format.colorCount) + (format.colorCount == 1 ? " colour" : " colours");
    if (!encoding.empty() && !embedded)
        text += ", " + std::string(encoding);
    return text + ", " + std::string(format::HeaderVersionName(format.version));
}


Verdict CheckOneFile(const std::string& path)
{
    MappedFile file;
    if (!file.Open(path))
        return {.word = "ERROR", .text = file.Error(), .findings = {}, .error = true, .warning = false};
    format::Inspection checked = format::Inspect(file.Bytes());
    const std::optional<Severity> worst = WorstSeverity(checked.findings);
    Verdict verdict{.word = "OK", .text = Summary(checked.layout), .findings = {}, .error = false, .warning = false};
    if (worst) {
        verdict.error = *worst == Severity::Error;
        verdict.warning = *worst == Severity::Warning;
        verdict.word = verdict.error ? "ERROR" : "WARN";
        verdict.text = FirstOf(checked.findings, *worst);
    }
    verdict.findings = std::move(checked.findings);
    return verdict;
}

Verdict CheckSafely(const std::string& path)
{
    try {
        return CheckOneFile(path);
    } catch (const std::exception& error) {
        return {.word = "ERROR", .text = error.what(), .findings = {}, .error = true, .warning = false};
    }
}

void PutVerdict(std::FILE* out, const std::string& path, const Verdict& verdict, CheckVerbosity verbosity)
{
    std::fprintf(out, "%s  %s  %s\n", verdict.word.c_str(), path.c_str(), verdict.text.c_str());
    if (verbosity != CheckVerbosity::Verbose)
        return;
    for (const Finding& finding : verdict.findings)
        std::fprintf(out, "%s\n", FindingLine(finding).c_str());
}

}  // namespace

int RunCheck(const CheckOptions& options, std::FILE* out)
{
    bool failed = false;
    for (const std::string& path : options.files) {
        const Verdict verdict = CheckSafely(path);
        failed = failed || verdict.error || (options.strict && verdict.warning);
        if (options.verbosity != CheckVerbosity::Quiet || verdict.error || verdict.warning)
            PutVerdict(out, path, verdict, options.verbosity);
    }
    const bool written = std::fflush(out) == 0 && !std::ferror(out);
    return failed || !written ? 1 : 0;
}

}  // namespace hexlume
