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

// Compares two bitmaps' pictures and reports to out. Returns the exit status: 0 when the
// pictures are the same, 1 when they differ, 2 when a file cannot be read or drawn (one line on
// stderr naming it).
int RunDiff(const DiffOptions& options, std::FILE* out);

}  // namespace hexlume
