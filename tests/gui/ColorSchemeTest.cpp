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

TEST(ColorScheme, ContrastFollowsTheGuidelinesFormula)
{
    EXPECT_DOUBLE_EQ(ContrastRatio(kBlack, kWhite), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(kWhite, kBlack), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(0x808080u, 0x808080u), 1.0);
    // The channels weigh differently, so their order in 0x00BBGGRR matters.
    EXPECT_NEAR(ContrastRatio(0x0000FFu, kWhite), 4.00, 0.01);  // red
    EXPECT_NEAR(ContrastRatio(0x00FF00u, kWhite), 1.37, 0.01);  // green
    EXPECT_NEAR(ContrastRatio(0xFF0000u, kWhite), 8.59, 0.01);  // blue
    EXPECT_NEAR(ContrastRatio(0x767676u, kWhite), 4.54, 0.01);  // the lightest grey that reads on white
}

TEST(ColorScheme, EveryRolledTextReadsAndTheInverseStaysWhereItDid)
{
    int numbersReplaced = 0;
    int textReplaced = 0;
    for (std::uint32_t seed = 0; seed < 1000; ++seed) {
        RandomGenerator generator(seed * 7919u);
        const ColorScheme scheme = RollColorScheme(generator);
        const std::uint32_t background = scheme.background;
        ASSERT_EQ(scheme.inverse, background ^ 0xFFFFFFu);
        const auto expectReadable = [&](std::uint32_t preferred, std::uint32_t shown, int& replaced) {
            EXPECT_GE(ContrastRatio(shown, background), kMinTextContrast) << std::hex << background;
            if (ContrastRatio(preferred, background) >= kMinTextContrast) {
                EXPECT_EQ(shown, preferred) << std::hex << background;
                return;
            }
            ++replaced;
            const std::uint32_t better =
                ContrastRatio(kBlack, background) >= ContrastRatio(kWhite, background) ? kBlack : kWhite;
            EXPECT_EQ(shown, better) << std::hex << background;
        };
        expectReadable(scheme.inverse, scheme.numbers, numbersReplaced);
        expectReadable(kWindowTextColor, scheme.text, textReplaced);
    }
    // Both cases occur often among the rolls: neither branch goes untried.
    EXPECT_GT(numbersReplaced, 100);
    EXPECT_LT(numbersReplaced, 900);
    EXPECT_GT(textReplaced, 100);
    EXPECT_LT(textReplaced, 900);
}

}  // namespace
}  // namespace hexlume
