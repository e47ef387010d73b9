#pragma once

#include <cstdio>
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
    std::vector<std::string> files;
};

// One verdict a file (OK, WARN or ERROR, then the path), written to out. Returns the exit
// status: 0 when no file has an error (with strict: nor a warning), 1 otherwise or when the
// output cannot be written.
int RunCheck(const CheckOptions& options, std::FILE* out);

}  // namespace hexlume
