#pragma once

#include "format/BitPlanes.h"
#include "format/BitmapFormat.h"
#include "format/Decoder.h"
#include "primitives/Message.h"

#include <cstdint>
#include <optional>
#include <string>

// What the picture window says about the pixel under the pointer.
namespace hexlume {

// "pixel (3, 0) (stored row 63): colour #FF8000FF, index 3, entry 3 (blue 0x00, …)" and a second
// line on the bytes that hold it: offset, length and bits, or for an RLE stream the code that
// draws it. alphaUsed: whether the whole picture uses its alpha (an alpha of 0 everywhere is
// drawn opaque). Empty for a pixel outside the picture; a Huffman 1D pixel gets its place only.
// An embedded JPEG or PNG is not decoded here: drawnColor is the colour the window's own decoder
// draws at the pixel, if it has one.
Message PixelStatusText(format::Bytes file, const format::BitmapFormat& format, std::uint64_t x, std::uint64_t y,
                        bool alphaUsed, std::optional<format::Argb> drawnColor = std::nullopt);

}  // namespace hexlume
