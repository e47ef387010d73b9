#pragma once

#include "format/Findings.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace hexlume {

enum class CheckVerbosity {
    Quiet,    // only files with warnings or errors
    Normal,   // one verdict line a file
    Verbose,  // and every finding on a line of its own
};

struct CheckOptions {
    CheckVerbosity verbosity = CheckVerbosity::Normal;
    bool strict = false;  // a warning fails the run too
    bool json = false;    // one JSON object a line instead of the verdict lines
    unsigned jobs = 0;    // files checked at once; 0: one a core
    std::vector<std::string> files;         // files and folders
    std::optional<std::string> filesFrom;   // a list of more of them, "-" for standard input
    bool nulSeparated = false;              // the list's paths end in NUL, not in a line end
};

// The version of the --check --json line format; raised only when a key changes meaning or goes.
inline constexpr int kCheckJsonVersion = 1;

// One verdict a file (OK, WARN or ERROR, then the path), written to out in the order the files
// are named and walked, however many are checked at once; a summary on stderr. Returns the exit
// status: 0 when no file has an error (with strict: nor a warning), 1 otherwise or when the
// list cannot be read or the output cannot be written.
int RunCheck(const CheckOptions& options, std::FILE* out);

// What --check says of a file read with these findings: "OK", "WARN" or "ERROR", and the text
// after the path (the summary, or the first finding of the worst severity).
struct FindingsVerdict {
    std::string_view word;
    std::string text;
};
FindingsVerdict JudgeFindings(const format::Layout& layout, const std::vector<format::Finding>& findings);

// The verdict line the check prints for one named file (with its line end), as another command
// reports on a file it wrote.
std::string CheckLine(const std::string& path);

}  // namespace hexlume
