#pragma once

#include "primitives/ByteRange.h"
#include "primitives/LittleEndian.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

// The opening bytes by which other files announce themselves: what an embedded stream must
// start with, and what bytes hidden in a bitmap may turn out to be.
namespace hexlume::format {

inline constexpr std::array<std::uint8_t, 8> kPngSignature{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
inline constexpr std::array<std::uint8_t, 3> kJpegSignature{0xFF, 0xD8, 0xFF};

struct SignatureHit {
    std::string_view name;  // "a PNG image", "a ZIP archive", …
    std::uint64_t offset;
};

bool StartsWith(Bytes bytes, Bytes signature);

// The files that start inside `range` of `file`, in file order: the first `limit` of them, and
// how many there are in all.
struct SignatureSearch {
    std::vector<SignatureHit> first;
    std::uint64_t count = 0;
};
SignatureSearch FindSignatures(Bytes file, ByteRange range, std::size_t limit);

}  // namespace hexlume::format
