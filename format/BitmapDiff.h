#pragma once

#include "format/Decoder.h"
#include "format/Inspection.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Two bitmaps compared as a developer checking a writer against a reference sees them: the
// picture first (size and every pixel's colour, each file drawn by its own headers), then how
// the two store it. Pictures are walked a row at a time, so no picture is ever held whole.
namespace hexlume::format {

// The pixels, colour-table entries and hidden byte runs listed by place; the rest are counted.
inline constexpr std::size_t kListedDifferences = 10;

// One way the storage differs: "row order", "bottom-up", "top-down".
struct StorageDifference {
    std::string what;
    std::string a;
    std::string b;
};

// A header field, as each file's own header version names it; a name is empty where that
// file's headers have no such field.
struct FieldDifference {
    std::string nameA, nameB;
    std::string valueA, valueB;  // "2835", "-64"; the value as stored
    std::string meaningA, meaningB;
};

struct ColorEntryDifference {
    std::uint64_t index = 0;
    std::optional<Argb> a, b;  // none: that file's table has no such entry
};

struct PixelDifference {
    std::uint64_t x = 0;
    std::uint64_t y = 0;  // as shown, 0 = top
    Argb a = 0;
    Argb b = 0;
    std::optional<std::uint64_t> offsetA, offsetB;  // the byte holding the pixel; none when no byte does
};

// Bytes outside the picture: row padding, gaps, trailing bytes, a profile.
enum class HiddenPart { RowPadding, Gap, TrailingBytes, Profile };

// "row padding", "gap", "trailing bytes", "profile".
std::string_view HiddenPartName(HiddenPart part);

struct HiddenBytesDifference {
    HiddenPart part = HiddenPart::Gap;
    std::uint64_t sizeA = 0, sizeB = 0;  // bytes each file has of that part
    std::uint64_t differing = 0;         // bytes (row padding: rows) that differ, the extra length included
    std::optional<std::uint64_t> firstA, firstB;  // file offset of the first differing byte in each
};

struct BitmapDiff {
    std::uint64_t widthA = 0, heightA = 0, widthB = 0, heightB = 0;
    bool sameSize = false;
    std::uint64_t differingPixels = 0;  // only when sameSize
    std::uint64_t left = 0, top = 0, right = 0, bottom = 0;  // box of the differing pixels, inclusive
    std::vector<PixelDifference> pixels;                       // the first few, row by row from the top

    std::vector<StorageDifference> storage;
    std::vector<FieldDifference> fields;
    std::uint64_t differingEntries = 0;
    std::vector<ColorEntryDifference> entries;  // the first few
    std::vector<HiddenBytesDifference> hidden;
    std::vector<std::string> findingsOnlyA, findingsOnlyB;  // codes

    bool SamePicture() const { return sameSize && differingPixels == 0; }
};

// Why a file's picture cannot be compared pixel by pixel, in the format's words; empty when it
// can.
std::string UncomparableReason(const BitmapFormat& format);

// a and b must both be comparable (UncomparableReason empty); checked holds each file's
// inspection, as Inspect made it.
BitmapDiff DiffBitmaps(Bytes a, const Inspection& checkedA, Bytes b, const Inspection& checkedB);

// Calls each(shownRow, rowA, rowB) for every shown row of two comparable pictures of the same
// size, in the order that walks an RLE stream once; with skipAlike, rows whose stored bytes
// draw the same for certain are passed over undecoded.
using RowPairVisitor = std::function<void(std::uint64_t, std::span<const Argb>, std::span<const Argb>)>;
void ForEachRowPair(Bytes a, const BitmapFormat& formatA, Bytes b, const BitmapFormat& formatB, bool skipAlike,
                    const RowPairVisitor& each);

}  // namespace hexlume::format
