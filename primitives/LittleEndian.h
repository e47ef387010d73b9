#pragma once

#include <cstdint>
#include <span>

// Little-endian numbers at an offset of a run of bytes, bounds-checked: a number that does not
// lie wholly inside the bytes reads as 0.
namespace hexlume {

using Bytes = std::span<const std::uint8_t>;

constexpr bool Holds(Bytes bytes, std::uint64_t offset, std::uint64_t size)
{
    return offset <= bytes.size() && bytes.size() - offset >= size;
}

// The size-byte number at offset (size 1 to 8).
constexpr std::uint64_t LeAt(Bytes bytes, std::uint64_t offset, unsigned size)
{
    if (size > 8 || !Holds(bytes, offset, size))
        return 0;
    std::uint64_t value = 0;
    for (unsigned i = size; i-- > 0;)
        value = value << 8 | bytes[offset + i];
    return value;
}

// The size-byte big-endian number at offset (size 1 to 8), as an ICC profile stores its numbers.
constexpr std::uint64_t BeAt(Bytes bytes, std::uint64_t offset, unsigned size)
{
    if (size > 8 || !Holds(bytes, offset, size))
        return 0;
    std::uint64_t value = 0;
    for (unsigned i = 0; i < size; ++i)
        value = value << 8 | bytes[offset + i];
    return value;
}

constexpr std::uint16_t Le16At(Bytes bytes, std::uint64_t offset)
{
    return static_cast<std::uint16_t>(LeAt(bytes, offset, 2));
}

constexpr std::uint32_t Le32At(Bytes bytes, std::uint64_t offset)
{
    return static_cast<std::uint32_t>(LeAt(bytes, offset, 4));
}

// Writes a 32-bit number at offset; nothing when it does not fit.
constexpr void WriteLe32(std::span<std::uint8_t> bytes, std::uint64_t offset, std::uint32_t value)
{
    if (!Holds(bytes, offset, 4))
        return;
    for (unsigned i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace hexlume
