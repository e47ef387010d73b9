#include "VersionDiff.h"

#include <algorithm>
#include <cstring>

namespace hexlume {

std::uint64_t CountChangedBytes(std::span<const std::uint8_t> before, std::span<const std::uint8_t> after)
{
    std::uint64_t count = 0;
    const std::size_t common = std::min(before.size(), after.size());
    // Equal blocks are passed over whole; most of a rewritten file is usually the same.
    constexpr std::size_t kBlock = 4096;
    for (std::size_t at = 0; at < common; at += kBlock) {
        const std::size_t length = std::min(kBlock, common - at);
        if (std::memcmp(before.data() + at, after.data() + at, length) == 0)
            continue;
        for (std::size_t i = at; i < at + length; ++i)
            count += before[i] != after[i] ? 1 : 0;
    }
    return count + (std::max(before.size(), after.size()) - common);
}

std::vector<ByteRange> ChangedRuns(std::span<const std::uint8_t> before, std::span<const std::uint8_t> after,
                                   ByteRange range)
{
    std::vector<ByteRange> runs;
    const auto differs = [&](std::uint64_t offset) { return offset >= before.size() || before[offset] != after[offset]; };
    const std::uint64_t end = std::min<std::uint64_t>(range.End(), after.size());
    for (std::uint64_t offset = range.offset; offset < end;) {
        if (!differs(offset)) {
            ++offset;
            continue;
        }
        const std::uint64_t runStart = offset;
        while (offset < end && differs(offset))
            ++offset;
        runs.push_back({runStart, offset - runStart});
    }
    return runs;
}

}  // namespace hexlume
