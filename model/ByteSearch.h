#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// Finding a run of bytes in a file's bytes, with bytes that match anything ("??" in a hex
// pattern). Works on the bytes themselves: a 512 MiB file is searched at memory speed.
namespace hexlume {

struct BytePattern {
    std::vector<std::uint8_t> bytes;
    std::vector<bool> wild;  // beside bytes: true where any byte matches

    bool Empty() const { return bytes.empty(); }
};

struct SearchHit {
    std::uint64_t offset = 0;
    bool wrapped = false;  // found only after going round the file's end (or start, backwards)
};

// The first match starting at or after `from`, else, going round, the first before it.
// nullopt when the pattern is empty, longer than the bytes or nowhere in them.
std::optional<SearchHit> FindForward(std::span<const std::uint8_t> bytes, const BytePattern& pattern,
                                     std::uint64_t from);
// The last match starting before `before`, else, going round, the last at or after it.
std::optional<SearchHit> FindBackward(std::span<const std::uint8_t> bytes, const BytePattern& pattern,
                                      std::uint64_t before);

}  // namespace hexlume
