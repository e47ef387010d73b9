#include "mainform/ColorScheme.h"

#include <gtest/gtest.h>

#include <vector>

namespace hexlume {
namespace {

TEST(ColorScheme, SeedZeroDrawsKnownSequence)
{
    RandomGenerator generator(0);
    EXPECT_EQ(generator.Next(), 346u);
    EXPECT_EQ(generator.Next(), 130u);
    EXPECT_EQ(generator.Next(), 10982u);
}

TEST(ColorScheme, FirstSchemeOfSeedZero)
{
    RandomGenerator generator(0);
    const ColorScheme scheme = RollColorScheme(generator);
    EXPECT_EQ(scheme.background, 0x00E6825Au);  // red 90, green 130, blue 230
    EXPECT_EQ(scheme.inverse, 0x00197DA5u);     // red 165, green 125, blue 25
}

TEST(ColorScheme, SameSeedSameSequence)
{
    const auto draws = [](RandomGenerator& generator) {
        std::vector<std::uint32_t> values(200);
        for (auto& value : values)
            value = generator.Next();
        return values;
    };
    RandomGenerator a(12345), b(12345), c(12346);
    const auto first = draws(a);
    EXPECT_EQ(first, draws(b));
    EXPECT_NE(first, draws(c));
    for (const std::uint32_t value : first)
        EXPECT_LE(value, 32767u);
    a.Seed(12345);  // seeding again starts the sequence over
    EXPECT_EQ(draws(a), first);
}

}  // namespace
}  // namespace hexlume
