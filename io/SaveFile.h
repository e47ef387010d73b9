#pragma once

#include "model/EditedBytes.h"

#include <string>

#include "primitives/Message.h"

namespace hexlume {

struct SaveResult {
    bool ok = false;
    Message reason;  // why not, a sentence for the window and the command line
};

// Whether two paths name one file (the same device and inode, however each path reaches it);
// false when either does not exist.
bool SameFile(const std::string& a, const std::string& b);

// Saves the document as `target`, a new file or one it replaces, never the opened file itself:
// a target that is the same file as `opened` (or its very path) is refused and nothing is
// written. The bytes are streamed from the document into a temporary file created beside the
// target (same folder, so the rename cannot cross file systems), flushed to the disk, then
// renamed over the target and the folder flushed too. Any failure — the folder missing or not
// a folder, no permission, a full disk, a short write — removes the temporary file, leaves the
// target as it was and says why. A new file's permissions follow the umask; a file replaced
// keeps its own.
SaveResult SaveDocument(const EditedBytes& document, const std::string& target, const std::string& opened);

}  // namespace hexlume
