#pragma once

#include "primitives/ByteRange.h"

#include <cstdint>
#include <span>
#include <vector>

// How a new version of a file differs from the one read before, byte by byte: what the window
// tints after it reads a followed file again.
namespace hexlume {

// The bytes that differ; a byte only one of the versions has counts too.
std::uint64_t CountChangedBytes(std::span<const std::uint8_t> before, std::span<const std::uint8_t> after);

// The runs of bytes of `after` within `range` that differ from `before` or that `before` lacks,
// in file order; the part of `range` past the end of `after` has none.
std::vector<ByteRange> ChangedRuns(std::span<const std::uint8_t> before, std::span<const std::uint8_t> after,
                                   ByteRange range);

}  // namespace hexlume
