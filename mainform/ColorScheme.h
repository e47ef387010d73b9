#pragma once

#include "widgets/Contrast.h"

#include <cstdint>

namespace hexlume {

// Linear congruential generator: state = state × 22695477 + 1, each draw the bits 16–30 of
// the new state (0 … 32767). Seeding sets the state and discards one draw.
class RandomGenerator {
public:
    explicit RandomGenerator(std::uint32_t seed = 0) { Seed(seed); }
    void Seed(std::uint32_t seed);
    std::uint32_t Next();

private:
    std::uint32_t m_state = 0;
};

// Colours are 0x00BBGGRR (red in the low byte).
// The background is rolled; the texts on it are made to read there (widgets/Contrast.h).
struct ColorScheme {
    std::uint32_t background = 0;
    std::uint32_t inverse = 0;
    std::uint32_t numbers = 0;  // the ruler and the line numbers: the inverse where it reads
    std::uint32_t text = 0;     // the tables, the status bar, the help window: the layouts' black where it reads
};

inline constexpr std::uint32_t InverseColor(std::uint32_t color) { return (color ^ 0xFFFFFFu) & 0xFFFFFFu; }

// Draws red, green and blue, in that order, each the low eight bits of one draw.
ColorScheme RollColorScheme(RandomGenerator& generator);

}  // namespace hexlume
