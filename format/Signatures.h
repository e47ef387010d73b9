#pragma once

#include "primitives/ByteRange.h"
#include "primitives/LittleEndian.h"
#include "primitives/Message.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

// The opening bytes by which other files announce themselves: what an embedded stream must
// start with, and what bytes hidden in a bitmap may turn out to be.
namespace hexlume::format {

// A signature's bytes, written as the text it is (the closing NUL left out).
template <std::size_t N>
constexpr std::array<std::uint8_t, N - 1> SignatureBytes(const char (&text)[N])
{
    std::array<std::uint8_t, N - 1> bytes{};
    for (std::size_t i = 0; i + 1 < N; ++i)
        bytes[i] = static_cast<std::uint8_t>(text[i]);
    return bytes;
}

inline constexpr auto kPngSignature = SignatureBytes("\x89PNG\r\n\x1A\n");
inline constexpr auto kJpegSignature = SignatureBytes("\xFF\xD8\xFF");

struct SignatureHit {
    std::string_view name;  // "a PNG image", "a ZIP archive", …
    MessageTemplate title;  // the same, as the window says it
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
