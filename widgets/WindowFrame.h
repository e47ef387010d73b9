#pragma once

#include <array>
#include <cstdint>

namespace hexlume {

// One line of a window's painted frame, as the run of pixels it colours (colour 0x00BBGGRR).
struct FrameLine {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::uint32_t color = 0;
};

inline constexpr std::uint32_t kFrameDark = 0x0A0A0A;
inline constexpr std::uint32_t kFrameLight = 0xE1E0DF;
inline constexpr std::uint32_t kHelpFrameShadow = 0x141414;

// The one-pixel frame of a borderless window of width × height pixels, in painting order:
// dark top and left edges, a light line just inside them, then the right and bottom edges in
// shadowColor. The bottom-right corner pixel is left unpainted.
constexpr std::array<FrameLine, 6> WindowFrameLines(int width, int height, std::uint32_t shadowColor)
{
    return {{
        {0, 0, width, 1, kFrameDark},
        {0, 0, 1, height, kFrameDark},
        {1, 1, width - 2, 1, kFrameLight},
        {1, 1, 1, height - 2, kFrameLight},
        {width - 1, 1, 1, height - 2, shadowColor},
        {1, height - 1, width - 2, 1, shadowColor},
    }};
}

}  // namespace hexlume
