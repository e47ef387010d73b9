#pragma once

#include "model/ByteSearch.h"
#include "primitives/Message.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What the user types to go to an offset or to find bytes, read into what the search needs;
// a mistake comes back as a sentence saying what is wrong.
namespace hexlume {

struct OffsetAnswer {
    std::optional<std::uint64_t> offset;
    Message error;  // set when there is no offset
};

// "1086", "1 086", "0x43E", or relative to the caret: "+16", "-0x10". The offset must lie in a
// file of fileSize bytes.
OffsetAnswer ParseOffset(std::string_view text, std::uint64_t caret, std::uint64_t fileSize);

enum class PatternKind { HexBytes, Text };

struct PatternAnswer {
    BytePattern pattern;
    Message error;  // set when the pattern is empty
};

// HexBytes: "42 4D ?? 00" or "424D??00", two hex digits a byte, "??" for any byte.
// Text: the text's own bytes (UTF-8), matched exactly.
PatternAnswer ParsePattern(std::string_view text, PatternKind kind);

// The pattern as a hex pattern writes it: "42 4D ?? 00".
std::string PatternText(const BytePattern& pattern);

}  // namespace hexlume
