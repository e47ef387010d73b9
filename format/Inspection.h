#pragma once

#include "format/Findings.h"
#include "format/Layout.h"

#include <string>
#include <vector>

// What the format makes of a file's bytes, whatever they are (any length, any signature): the
// real layout, every finding and whether our decoder has a picture for them. One call per open;
// the window, hexlume-dump and the fuzzers all ask this one place.
namespace hexlume::format {

struct Inspection {
    Layout layout;
    std::vector<Finding> findings;
    std::string noPictureReason;  // why the decoder draws nothing; empty when it draws
};

// In a file of several images (array, icon, cursor), image `image` (from 0) is the chosen one:
// the layout's format and noPictureReason are its; the findings are the whole file's.
Inspection Inspect(Bytes file, std::size_t image = 0);

}  // namespace hexlume::format
