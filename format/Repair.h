#pragma once

#include "format/BitmapFormat.h"
#include "format/FindingCode.h"
#include "primitives/Message.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Repairs of a bitmap's findings as byte edits, made only where the file's own bytes leave one
// answer; the guesses only when named. A repair is a value: the window applies one as an
// undoable edit, the command line applies them all and saves a copy.
namespace hexlume::format {

struct ByteEdit {
    std::uint64_t offset = 0;
    std::vector<std::uint8_t> bytes;

    bool operator==(const ByteEdit&) const = default;
};

struct Repair {
    FindingCode code;                      // the finding it repairs
    Message sentence;                      // "bfSize: 2 000 000 000 → 9 270, the file's size"
    std::optional<std::uint64_t> newSize;  // the file cut or extended (with zeros) to this first
    std::vector<ByteEdit> edits;           // then these bytes written, in order
    bool guess = false;                    // made up, not read from the file: only when asked for by name
};

// What beyond the safe repairs is asked for.
struct RepairRequest {
    bool height = false;  // biHeight taking in whole rows found past the picture
    bool pad = false;     // pixel data cut short filled with zero rows
    bool redraw = false;  // a damaged stream or indices past the table stored as the decoder draws them
    bool strip = false;   // what the file hides zeroed or dropped, the picture kept
};

// The repairs the file's findings allow as the bytes stand, each made against these bytes alone,
// in the order they are best applied (the sizes last); the guesses and the strip only when asked.
std::vector<Repair> RepairsFor(Bytes file, const RepairRequest& request = {});

// The bytes with the repair made: cut or extended to newSize, then the edits written.
void ApplyRepair(std::vector<std::uint8_t>& bytes, const Repair& repair);

// Every repair asked for, one at a time, each found on the bytes the ones before it left; a
// code is repaired once.
struct FixResult {
    std::vector<Repair> made;
    std::vector<std::uint8_t> bytes;
};
FixResult FixBitmap(Bytes file, const RepairRequest& request = {});

// How a finding of the code is repaired, or why it is not: one sentence, as the manual's table
// gives it.
Message RepairOfCode(FindingCode code);
// Whether a finding of the code may have a repair (safe, with --strip, or a guess), as the
// table above says.
bool MayHaveRepair(FindingCode code);

}  // namespace hexlume::format
