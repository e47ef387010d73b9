#pragma once

#include "format/Repair.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace hexlume {

// --fix: a repaired copy of each bitmap; the files read are never written.
struct FixOptions {
    std::vector<std::string> files;
    std::optional<std::string> output;  // -o OUT: one file
    std::optional<std::string> folder;  // --out-dir DIR: each file as DIR/its name
    bool dryRun = false;                // print the repairs, write nothing
    format::RepairRequest request;      // --fix=height, --fix=pad, --redraw, --strip
};

// For each file: one line a repair made (its sentence), "Nothing to repair." when none is, then
// OUT's --check verdict line and the errors no repair covers, a line each. A file with nothing to
// repair is copied. Returns 0 when no OUT has an error; 1 when an OUT was written with errors
// left; 2, with a sentence on stderr and that file's OUT not written, for a usage error (no OUT,
// OUT the same file as FILE) or a file that cannot be read or an OUT that cannot be written.
int RunFix(const FixOptions& options, std::FILE* out);

}  // namespace hexlume
