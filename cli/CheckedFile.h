#pragma once

#include "format/Findings.h"
#include "format/Layout.h"
#include "model/Dib.h"

#include <string>
#include <vector>

namespace hexlume {

// A loaded file as the format sees it: its real layout and every finding, the notes on how
// the window's dump relates to that layout among them.
struct CheckedFile {
    format::Layout layout;
    std::vector<format::Finding> findings;
};

CheckedFile CheckLoadedFile(const CDib& dib);

// The window's palette and data regions as file offsets.
format::DumpRegions DumpRegionsOf(const CDib& dib);

// "127x64, 8 bits, 252 colours, BITMAPINFOHEADER": what an OK verdict says about the file.
std::string Summary(const format::Layout& layout);

}  // namespace hexlume
