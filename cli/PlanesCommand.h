#pragma once

#include <cstdio>
#include <string>

namespace hexlume {

// --planes DIR FILE: every bit plane of the picture as a black and white PNG.
struct PlanesOptions {
    std::string folder;  // made when missing
    std::string file;
};

// Writes DIR/STEM.CB.png for each channel C the picture stores (r, g, b, a, or i for an index)
// and each of its bits B (0 = least significant): white where the bit is 1, black where it is
// 0, grey where the file holds no bytes for the pixel. Prints each path written. Returns 0 when
// all are written; 1, with a sentence, when the picture has no stored channels (a compressed or
// undrawable one), the file cannot be read or a plane cannot be written.
int RunPlanes(const PlanesOptions& options, std::FILE* out);

}  // namespace hexlume
