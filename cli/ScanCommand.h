#pragma once

#include <cstdio>
#include <optional>
#include <string>

namespace hexlume {

// --scan FILE [--json] [-x DIR]: the bitmaps inside any file.
struct ScanOptions {
    std::string file;
    bool json = false;                   // JSON Lines instead of the text lines
    std::optional<std::string> extract;  // -x: write each bitmap found into this folder
};

// One line a bitmap found, in file order: where it starts, its length, size, bit count and the
// check's verdict; a count on stderr. With -x each is written as DIR/STEM-at-OFFSET.bmp, its
// bytes as they are. Returns 0 when the file was scanned (whatever it holds); 1 when it cannot
// be read or a bitmap or the output cannot be written.
int RunScan(const ScanOptions& options, std::FILE* out);

}  // namespace hexlume
