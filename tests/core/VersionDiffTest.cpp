#include "model/VersionDiff.h"
#include "testsupport/BmpBuilder.h"

#include <gtest/gtest.h>

namespace hexlume {
namespace {

TEST(VersionDiff, CountsAcrossBlocksAndTheLongerTail)
{
    const auto before = testing::CountingBytes(10000);
    auto after = before;
    after[0] ^= 1;
    after[4095] ^= 1;  // the last byte of the first compared block and the first of the next
    after[4096] ^= 1;
    after[9999] ^= 1;
    EXPECT_EQ(CountChangedBytes(before, after), 4u);
    after.resize(10003);  // bytes only one version has count too, whichever is longer
    EXPECT_EQ(CountChangedBytes(before, after), 7u);
    EXPECT_EQ(CountChangedBytes(after, before), 7u);
    EXPECT_EQ(CountChangedBytes(before, before), 0u);
}

TEST(VersionDiff, RunsStayWithinTheRangeAndTheNewVersion)
{
    const auto before = testing::CountingBytes(20);
    auto after = testing::CountingBytes(24);
    after[3] ^= 1, after[4] ^= 1, after[10] ^= 1;
    const auto runs = ChangedRuns(before, after, {2, 100});
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].offset, 3u);
    EXPECT_EQ(runs[0].size, 2u);
    EXPECT_EQ(runs[1].offset, 10u);
    EXPECT_EQ(runs[1].size, 1u);
    EXPECT_EQ(runs[2].offset, 20u);  // the bytes the old version lacks, up to the new one's end
    EXPECT_EQ(runs[2].size, 4u);
    const auto inside = ChangedRuns(before, after, {4, 5});  // cuts the first run, ends before the next
    ASSERT_EQ(inside.size(), 1u);
    EXPECT_EQ(inside[0].offset, 4u);
    EXPECT_EQ(inside[0].size, 1u);
}

}  // namespace
}  // namespace hexlume
