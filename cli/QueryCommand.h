#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

namespace hexlume {

// One byte or one pixel of one file: what the byte is, or where the pixel lives.
struct QueryOptions {
    std::optional<std::uint64_t> offset;  // --at OFFSET
    std::optional<std::uint64_t> x, y;    // --pixel X,Y
    std::optional<std::uint64_t> entry;  // --entry N: the image of an array, icon or cursor, from 1
    bool json = false;
    std::string file;
};

// Writes the answer to out. Returns the exit status: 0, 2 when --entry names an image the file
// does not have, or 1 when the file cannot be read, the
// offset or pixel lies outside the file or the picture (with one sentence on stderr), or the
// output cannot be written.
int RunQuery(const QueryOptions& options, std::FILE* out);

}  // namespace hexlume
