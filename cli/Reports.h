#pragma once

#include "format/Inspection.h"
#include "model/Dib.h"

#include <cstdio>
#include <string>

namespace hexlume {

// The window's line height with its stored layout (font height 16 pixels).
inline constexpr int kLayoutLineHeight = 16;

// A file as the window would have it after the open command: the model loaded, and whether
// the decoder drew a preview for it (and if not, why).
struct OpenedFile {
    std::string path;
    const CDib& dib;
    bool decodable = false;
    std::string decodeError;
};

// Whether the decoder draws the chosen image of a file, and if not, why.
struct OpenedImage {
    bool decodable = false;
    std::string decodeError;
};

// One JSON object with every text of the window. Memo texts are whole, even where the window
// cuts them, and streamed. Returns false when the output could not be written.
bool WriteJsonReport(const OpenedFile& file, std::FILE* out);

// The same for a reader: both tables, the status texts, the dump with its line numbers.
bool WriteTextReport(const OpenedFile& file, std::FILE* out);

// A file the window's model does not read as a bitmap (an OS/2 bitmap array, an icon, a cursor,
// a headerless DIB) as the format reads it: its kind, the chosen image, whether the decoder draws
// it, the layout and the findings; as one JSON object when json.
bool WriteImageReport(const std::string& path, const format::Inspection& inspected, const OpenedImage& drawn,
                      bool json, std::FILE* out);

}  // namespace hexlume
