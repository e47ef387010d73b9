#pragma once

#include "primitives/Message.h"

#include <cstdint>
#include <string>
#include <string_view>

// Every kind of finding, by the name scripts know it by. Code compares findings by these
// identifiers; the kebab-case names are only ever printed.
namespace hexlume::format {

enum class FindingCode : std::uint8_t {
    // The two headers (CheckHeaders).
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
    // Colour table, masks, densities, colour space (CheckColours).
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
    ProfileOverlapsPixels,
    ProfileSizeMismatch,
    NotAnIccProfile,
    ProfileTagPastEnd,
    LinkedNameUnterminated,
    // Where the pixel data starts (CheckPlacement).
    PixelOffsetOverlaps,
    PixelOffsetPastEnd,
    // Uncompressed pixel data (CheckPixels).
    SizeImageZero,
    SizeImageMismatch,
    SizeImagePastEnd,
    PixelDataTruncated,
    IndexPastTable,
    PaddingNotZero,
    BitsOutsideMasks,
    // Streams: embedded, RLE, Huffman 1D (CheckStreams).
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
    // Bytes no part claims (CheckUnclaimed).
    Gap,
    TrailingBytes,
    // An OS/2 bitmap array's chain (Findings.cpp).
    BitmapArray,
    ArrayTruncated,
    ArrayBadLink,
    // How the window's dump relates to the layout (texts/DumpRelation).
    DumpShowsOtherPart,
    DumpHidesBytes,
    DumpEntrySize,
    // Unclaimed bytes that are whole rows of the picture (CheckUnclaimed).
    RowsPastPicture,
    // Icon and cursor files, headerless DIBs (CheckIcon).
    IconFile,
    IconBadReserved,
    IconBadType,
    IconNoImages,
    IconDirectoryTruncated,
    IconImagePastEnd,
    IconImagesOverlap,
    IconSizeMismatch,
    IconBitCountMismatch,
    IconBytesMismatch,
    IconHeightNotDoubled,
    IconMaskTruncated,
    IconBadPng,
    HotspotOutside,
    HeaderlessDib,
};

// The stable kebab-case name: "file-truncated", "rle-run-past-row", …
std::string_view CodeName(FindingCode code);

// One fault of a pixel stream as its error says it, with the file's numbers. The checks report
// the first of each kind with a count of the rest; a byte's text names each of the rest in the
// same words.
struct StreamFault {
    FindingCode code = FindingCode::RleRunPastRow;
    std::uint64_t offset = 0;  // the bytes it covers
    std::uint64_t length = 0;
    Message message;           // one sentence, without its full stop so that more may follow

    Message Sentence() const { return Message(HX_TR("Findings", "%1.")).Arg(message); }
};

}  // namespace hexlume::format
