#pragma once

#include <cstdint>
#include <limits>

// Sizes from headers are untrusted: arithmetic on them saturates instead of wrapping.
namespace hexlume {

inline constexpr std::uint64_t kSaturated = std::numeric_limits<std::uint64_t>::max();

constexpr std::uint64_t SaturatingAdd(std::uint64_t a, std::uint64_t b)
{
    std::uint64_t sum = 0;
    return __builtin_add_overflow(a, b, &sum) ? kSaturated : sum;
}

constexpr std::uint64_t SaturatingMultiply(std::uint64_t a, std::uint64_t b)
{
    std::uint64_t product = 0;
    return __builtin_mul_overflow(a, b, &product) ? kSaturated : product;
}

// Bytes one row of uncompressed pixels takes: the bits padded to a whole 32-bit word.
constexpr std::uint64_t RowStride(std::uint64_t columns, std::uint64_t bitCount)
{
    const std::uint64_t bits = SaturatingMultiply(columns, bitCount);
    return bits > kSaturated - 31 ? kSaturated / 8 : (bits + 31) / 32 * 4;
}

}  // namespace hexlume
