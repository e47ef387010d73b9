#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// Colour profiles for tests, built byte by byte: a small ICC version 4.3 display profile (RGB,
// matrix and tone curves, D50 white), and a V5 bitmap that carries a profile.
namespace hexlume::testing {

// Tags in this order: 'desc', 'cprt', 'wtpt', 'rXYZ', 'gXYZ', 'bXYZ', 'rTRC', 'gTRC', 'bTRC'
// (the three curves share one gamma 2.2 curve).
std::vector<std::uint8_t> BuildDisplayProfile(std::u16string_view description);

// A 2 x 2 24-bit bitmap under a BITMAPV5HEADER whose bV5CSType is `csType`, with `profile`
// after the pixel data and bV5ProfileData and bV5ProfileSize pointing at it.
std::vector<std::uint8_t> BuildV5WithProfile(std::uint32_t csType, const std::vector<std::uint8_t>& profile);

// Where BuildV5WithProfile puts the profile, and its pixel data.
inline constexpr std::uint32_t kV5ProfileAt = 14 + 124 + 16;
inline constexpr std::uint32_t kV5PixelsAt = 14 + 124;

}  // namespace hexlume::testing
