#pragma once

#include <cstdint>
#include <string_view>

// Every kind of finding, by the name scripts know it by. Code compares findings by these
// identifiers; the kebab-case names are only ever printed.
namespace hexlume::format {

enum class FindingCode : std::uint8_t {
    FileTruncated,
    BadSignature,
    HeaderTruncated,
    UnknownHeaderSize,
    Os2Header,
    BadPlanes,
    UnusualBitCount,
    BadBitCount,
    BadCompression,
    CompressionMismatch,
    BadWidth,
    BadHeight,
    TopDownCompressed,
    SizeOverflow,
    FileSizeMismatch,
    Os2HeadersSize,
    Os2HotSpot,
    ReservedNotZero,
    ColourTableTooLarge,
    ShortColourTable,
    ColourTableInTrueColour,
    ColourTableTruncated,
    ImportantColoursExceedTable,
    MasksTruncated,
    MasksOverlap,
    MaskEmpty,
    MaskNotContiguous,
    MaskExceedsBitCount,
    AbsurdDensity,
    DensityMismatch,
    UnknownColourSpace,
    ColourProfile,
    ProfileOutsideFile,
    ProfileOverlapsHeaders,
    PixelOffsetOverlaps,
    PixelOffsetPastEnd,
    SizeImageZero,
    SizeImageMismatch,
    SizeImagePastEnd,
    PixelDataTruncated,
    IndexPastTable,
    PaddingNotZero,
    BitsOutsideMasks,
    BadEmbeddedStream,
    EmbeddedStream,
    RleRunPastRow,
    RlePastLastRow,
    RleDeltaOutside,
    RleTruncated,
    RleMissingEnd,
    RleSkipsPixels,
    HuffmanRowTooLong,
    HuffmanRowTooShort,
    HuffmanBadCode,
    HuffmanMissingEol,
    HuffmanTruncated,
    Gap,
    TrailingBytes,
    BitmapArray,
    ArrayTruncated,
    ArrayBadLink,
    DumpShowsOtherPart,
    DumpHidesBytes,
    DumpEntrySize,
};

// The stable kebab-case name: "file-truncated", "rle-run-past-row", …
std::string_view CodeName(FindingCode code);

}  // namespace hexlume::format
