#pragma once

#include "primitives/Arithmetic.h"

#include <algorithm>
#include <cstdint>

namespace hexlume {

// A run of bytes of a file: where it starts and how many bytes it has.
struct ByteRange {
    std::uint64_t offset = 0;
    std::uint64_t size = 0;

    constexpr std::uint64_t End() const { return SaturatingAdd(offset, size); }  // one past the last byte
    constexpr bool Empty() const { return size == 0; }
    constexpr bool Contains(std::uint64_t at) const { return at >= offset && at - offset < size; }
    // The bytes both runs have (empty when they do not meet).
    constexpr ByteRange Meet(const ByteRange& other) const
    {
        const std::uint64_t begin = std::max(offset, other.offset);
        const std::uint64_t end = std::min(End(), other.End());
        return end > begin ? ByteRange{begin, end - begin} : ByteRange{begin, 0};
    }
    // The part of the run a file of fileSize bytes holds.
    constexpr ByteRange Within(std::uint64_t fileSize) const
    {
        const std::uint64_t begin = std::min(offset, fileSize);
        return {begin, std::min(size, fileSize - begin)};
    }

    constexpr bool operator==(const ByteRange&) const = default;
};

}  // namespace hexlume
