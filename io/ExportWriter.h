#pragma once

#include "model/Dib.h"

#include <string>

#include "primitives/Message.h"
#include <string_view>

namespace hexlume {

// The export file of a picture: its name with ".txt" appended (flower.bmp → flower.bmp.txt).
std::string ExportFileName(std::string_view pictureName);

struct ExportResult {
    bool ok = false;
    Message reason;  // why it failed, for logs and the command line
};

// Writes the pixel-data dump to path, truncating an existing file: the memo text with every
// LF written as CR LF, so a full line ends CR CR LF and an unfinished one in two spaces. The
// text is streamed from the bytes and never held whole. Any failure — opening, writing (a full
// disk) or closing — makes the result a failure.
ExportResult WriteDataExport(ByteSpan data, const std::string& path);

}  // namespace hexlume
