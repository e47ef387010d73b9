#include "FixCommand.h"

#include "CheckCommand.h"
#include "Failure.h"
#include "MappedFile.h"
#include "format/Inspection.h"
#include "io/SaveFile.h"
#include "model/EditedBytes.h"
#include "texts/FindingsTexts.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <memory>

namespace hexlume {

namespace {

// The repairs made on one file and what is left of its findings.
struct Fixed {
    std::vector<format::Repair> made;
    std::vector<format::Finding> findings;  // of the repaired bytes
    format::Layout layout;
};

// The repairs applied to a document over the file's own bytes, as the window applies them, so
// the save copies the bytes nobody changed straight from the file.
void ApplyTo(EditedBytes& document, const format::Repair& repair)
{
    if (repair.newSize)
        document.Resize(*repair.newSize);
    for (const format::ByteEdit& edit : repair.edits)
        document.Write(edit.offset, edit.bytes);
}

std::string OutputFor(const FixOptions& options, const std::string& file)
{
    if (options.output)
        return *options.output;
    return (std::filesystem::path(*options.folder) / std::filesystem::path(file).filename()).string();
}

// One file: repairs, the save (unless a dry run) and the lines that say it. Returns the exit
// status of this file alone.
int FixOne(const FixOptions& options, const std::string& file, std::FILE* out)
{
    const std::string target = OutputFor(options, file);
    if (std::filesystem::path(file).filename().empty())
        return Fail(file, "--fix takes files, not folders", kExitUsage);
    if (target == file || SameFile(target, file))
        return Fail(target, "the same file as " + file + ", which --fix never writes: name another", kExitUsage);
    MappedFile mapped;
    // Kept open so the save copies the unrepaired bytes from it as cp does.
    if (!mapped.Open(file, nullptr, true))
        return Fail(file, mapped.Error(), kExitUsage);
    format::FixResult result = format::FixBitmap(mapped.Bytes(), options.request);
    const format::Inspection after = format::Inspect(result.bytes);
    std::string text;
    for (const format::Repair& repair : result.made)
        text += repair.sentence.English() + ".\n";
    if (result.made.empty())
        text += "Nothing to repair.\n";
    if (options.dryRun) {
        const FindingsVerdict verdict = JudgeFindings(after.layout, after.findings);
        text += std::string(verdict.word) + "  " + target + "  " + verdict.text + "\n";
    } else {
        EditedBytes document(std::make_shared<SpanSource>(mapped.Bytes(), nullptr, mapped.Descriptor()));
        for (const format::Repair& repair : result.made)
            ApplyTo(document, repair);
        const SaveResult saved = SaveDocument(document, target, file);
        if (!saved.ok)
            return Fail(target, saved.reason.English(), kExitUsage);
        text += CheckLine(target);
    }
    bool errorsLeft = false;
    for (const format::Finding& finding : after.findings)
        if (finding.severity == format::Severity::Error) {
            text += FindingLine(finding) + "\n";
            errorsLeft = true;
        }
    const bool written = std::fputs(text.c_str(), out) >= 0;
    if (!written)
        return Fail("<stdout>", "cannot write the output", kExitUsage);
    return errorsLeft ? kExitFailure : kExitOk;
}

}  // namespace

int RunFix(const FixOptions& options, std::FILE* out)
{
    if (!options.output && !options.folder)
        return Fail(options.files.empty() ? "--fix" : options.files.front(),
                    "--fix writes a repaired copy: name it with -o OUT, or a folder with --out-dir DIR", kExitUsage);
    if (options.folder && !options.dryRun && !std::filesystem::is_directory(*options.folder))
        return Fail(*options.folder, "not a folder", kExitUsage);
    int status = kExitOk;
    for (const std::string& file : options.files) {
        int one = kExitUsage;
        try {
            one = FixOne(options, file, out);
        } catch (const std::exception& error) {
            one = Fail(file, error.what(), kExitUsage);
        }
        status = std::max(status, one);
    }
    return std::fflush(out) == 0 && !std::ferror(out) ? status : Fail("<stdout>", "cannot write the output", kExitUsage);
}

}  // namespace hexlume
