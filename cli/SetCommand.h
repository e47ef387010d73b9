#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace hexlume {

// A copy of one bitmap with header fields or bytes changed; the file read is never written.
struct SetOptions {
    // Each as given after --set, applied in order: "FIELD=VALUE" or "@OFFSET=HEXBYTES".
    std::vector<std::string> edits;
    std::string file;
    std::optional<std::string> output;  // -o: required, and never the file read
};

// FIELD is a header field as FILE's own header version names it (in an OS/2 bitmap array, the
// first field of that name in file order); a 40-byte header's names
// (biWidth …, and the masks' biRedMask …) also reach the same bytes of the later Windows headers
// (biHeight is bV5Height in a V5 file). VALUE is decimal (negative only for a signed field) or
// 0x hex. Writes one line a change ("biHeight: 64 → -64 (bytes 22 to 25)"), then OUT's --check
// verdict line. Returns 0 when OUT is written; 2, with a sentence on stderr and nothing written,
// when an edit cannot be made (an unknown field, one FILE's version has not, a value outside the
// field's type, bytes past the end), -o is missing or OUT is FILE itself; 1 when FILE cannot be
// read or OUT cannot be written.
int RunSet(const SetOptions& options, std::FILE* out);

}  // namespace hexlume
