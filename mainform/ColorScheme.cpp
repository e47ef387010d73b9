#include "ColorScheme.h"

namespace hexlume {

void RandomGenerator::Seed(std::uint32_t seed)
{
    m_state = seed;
    Next();
}

std::uint32_t RandomGenerator::Next()
{
    m_state = m_state * 22695477u + 1u;
    return (m_state >> 16) & 0x7FFFu;
}

ColorScheme RollColorScheme(RandomGenerator& generator)
{
    const std::uint32_t red = generator.Next() & 0xFF;
    const std::uint32_t green = generator.Next() & 0xFF;
    const std::uint32_t blue = generator.Next() & 0xFF;
    const std::uint32_t background = red | (green << 8) | (blue << 16);
    const std::uint32_t inverse = InverseColor(background);
    return {.background = background,
            .inverse = inverse,
            .numbers = ReadableTextColor(inverse, background),
            .text = WindowTextOn(background)};
}

}  // namespace hexlume
