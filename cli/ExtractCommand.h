#pragma once

#include <cstdio>
#include <string>

namespace hexlume {

// --extract WHAT FILE -o OUT: one hidden part of a bitmap as a file of its own.
struct ExtractOptions {
    std::string what;    // gap, trailing, padding, embedded, profile or bits:CHANNELS:BITS
    std::string file;
    std::string output;  // never the file read
};

// Writes the part's bytes to OUT safely (whole or not at all) and prints one line saying what
// was written. Returns 0 when written; 1, with a sentence, when FILE has no such part, cannot be
// read or OUT cannot be written; 2, with a sentence, when WHAT is not a part or OUT is FILE.
int RunExtract(const ExtractOptions& options, std::FILE* out);

}  // namespace hexlume
