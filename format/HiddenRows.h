#pragma once

#include "format/Layout.h"

#include <cstdint>
#include <optional>

// Whole rows of pixels next to the pixel data but outside it: what is left when biHeight is
// lowered to hide part of a picture. Rows are stored in file order whichever way the picture
// runs, so a lowered height cuts off the rows stored last: the top of a bottom-up picture, the
// bottom of a top-down one. Both end up after the pixel data; rows hidden by moving bfOffBits
// past the first stored rows end up in the gap before it.
namespace hexlume::format {

struct RowsPastPicture {
    std::uint64_t offset = 0;   // the bytes that hold them
    std::uint64_t size = 0;
    std::uint64_t rows = 0;     // whole rows of the picture's width and bit count
    bool beforePixels = false;  // in the gap right before the pixel data, not the bytes after it
    bool shownOnTop = false;    // where the picture they belong to would show them
};

// The trailing bytes right after the complete pixel data of an uncompressed picture (else the
// gap right before it) when they are a whole number of its rows; nullopt otherwise.
std::optional<RowsPastPicture> FindRowsPastPicture(const Layout& layout);

// The format as the picture would be with those rows taken in: the one they may be cut from.
BitmapFormat WithRowsPastPicture(const BitmapFormat& format, const RowsPastPicture& rows);
// The layout the same way: the rows' bytes become part of the pixel data, so a byte of them
// names its pixel of the larger picture.
Layout WithRowsPastPicture(const Layout& layout, const RowsPastPicture& rows);

}  // namespace hexlume::format
