#pragma once

#include <cstdio>
#include <optional>
#include <string>

namespace hexlume {

struct DiffOptions {
    std::string fileA;
    std::string fileB;
    bool json = false;
    std::optional<std::string> marked;  // -o: B's picture with the differing pixels marked, as PNG
};

// Whether the arguments ask for --diff (before any "--").
bool WantsDiff(int argc, char** argv);
// "--diff A B [--json] [-o OUT.png]" in any order; nullopt on a usage error.
std::optional<DiffOptions> ParseDiffArguments(int argc, char** argv);

// Compares two bitmaps' pictures and reports to out. Returns the exit status: 0 when the
// pictures are the same, 1 when they differ, 2 when a file cannot be read or drawn (one line on
// err naming it).
int RunDiff(const DiffOptions& options, std::FILE* out, std::FILE* err);

}  // namespace hexlume
