#pragma once

#include <cstdint>

namespace hexlume {

// How well text reads on a background, in the terms of the usual accessibility guidelines
// (relative luminance and contrast ratio). Colours are 0x00BBGGRR, red in the low byte.

inline constexpr std::uint32_t kBlack = 0x000000u;
inline constexpr std::uint32_t kWhite = 0xFFFFFFu;
// The font colour the layouts give their texts: the system's window text, black.
inline constexpr std::uint32_t kWindowTextColor = kBlack;
// Below this ratio body text is hard to read.
inline constexpr double kMinTextContrast = 4.5;

// 0 for black … 1 for white, as the eye weighs the three channels.
double RelativeLuminance(std::uint32_t color);
// 1 (no contrast) … 21 (black on white), the same whichever colour is the text.
double ContrastRatio(std::uint32_t first, std::uint32_t second);
// The preferred colour where it reads on the background; otherwise black or white, whichever
// stands out more. Every background has one of the two at 4.5 or above.
std::uint32_t ReadableTextColor(std::uint32_t preferred, std::uint32_t background);
// The layouts' text colour made to read on the background.
inline std::uint32_t WindowTextOn(std::uint32_t background) { return ReadableTextColor(kWindowTextColor, background); }

}  // namespace hexlume
