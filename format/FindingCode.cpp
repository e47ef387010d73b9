#include "FindingCode.h"

#include <array>
#include <cstddef>
#include <utility>

namespace hexlume::format {

namespace {

constexpr std::pair<FindingCode, std::string_view> kNames[] = {
    {FindingCode::FileTruncated, "file-truncated"},
    {FindingCode::BadSignature, "bad-signature"},
    {FindingCode::HeaderTruncated, "header-truncated"},
    {FindingCode::UnknownHeaderSize, "unknown-header-size"},
    {FindingCode::Os2Header, "os2-header"},
    {FindingCode::BadPlanes, "bad-planes"},
    {FindingCode::UnusualBitCount, "unusual-bit-count"},
    {FindingCode::BadBitCount, "bad-bit-count"},
    {FindingCode::BadCompression, "bad-compression"},
    {FindingCode::CompressionMismatch, "compression-mismatch"},
    {FindingCode::BadWidth, "bad-width"},
    {FindingCode::BadHeight, "bad-height"},
    {FindingCode::TopDownCompressed, "top-down-compressed"},
    {FindingCode::SizeOverflow, "size-overflow"},
    {FindingCode::FileSizeMismatch, "file-size-mismatch"},
    {FindingCode::Os2HeadersSize, "os2-headers-size"},
    {FindingCode::Os2HotSpot, "os2-hot-spot"},
    {FindingCode::ReservedNotZero, "reserved-not-zero"},
    {FindingCode::ColourTableTooLarge, "colour-table-too-large"},
    {FindingCode::ShortColourTable, "short-colour-table"},
    {FindingCode::ColourTableInTrueColour, "colour-table-in-true-colour"},
    {FindingCode::ColourTableTruncated, "colour-table-truncated"},
    {FindingCode::ImportantColoursExceedTable, "important-colours-exceed-table"},
    {FindingCode::MasksTruncated, "masks-truncated"},
    {FindingCode::MasksOverlap, "masks-overlap"},
    {FindingCode::MaskEmpty, "mask-empty"},
    {FindingCode::MaskNotContiguous, "mask-not-contiguous"},
    {FindingCode::MaskExceedsBitCount, "mask-exceeds-bit-count"},
    {FindingCode::AbsurdDensity, "absurd-density"},
    {FindingCode::DensityMismatch, "density-mismatch"},
    {FindingCode::UnknownColourSpace, "unknown-colour-space"},
    {FindingCode::ColourProfile, "colour-profile"},
    {FindingCode::ProfileOutsideFile, "profile-outside-file"},
    {FindingCode::ProfileOverlapsHeaders, "profile-overlaps-headers"},
    {FindingCode::PixelOffsetOverlaps, "pixel-offset-overlaps"},
    {FindingCode::PixelOffsetPastEnd, "pixel-offset-past-end"},
    {FindingCode::SizeImageZero, "size-image-zero"},
    {FindingCode::SizeImageMismatch, "size-image-mismatch"},
    {FindingCode::SizeImagePastEnd, "size-image-past-end"},
    {FindingCode::PixelDataTruncated, "pixel-data-truncated"},
    {FindingCode::IndexPastTable, "index-past-table"},
    {FindingCode::PaddingNotZero, "padding-not-zero"},
    {FindingCode::BitsOutsideMasks, "bits-outside-masks"},
    {FindingCode::BadEmbeddedStream, "bad-embedded-stream"},
    {FindingCode::EmbeddedStream, "embedded-stream"},
    {FindingCode::RleRunPastRow, "rle-run-past-row"},
    {FindingCode::RlePastLastRow, "rle-past-last-row"},
    {FindingCode::RleDeltaOutside, "rle-delta-outside"},
    {FindingCode::RleTruncated, "rle-truncated"},
    {FindingCode::RleMissingEnd, "rle-missing-end"},
    {FindingCode::RleSkipsPixels, "rle-skips-pixels"},
    {FindingCode::HuffmanRowTooLong, "huffman-row-too-long"},
    {FindingCode::HuffmanRowTooShort, "huffman-row-too-short"},
    {FindingCode::HuffmanBadCode, "huffman-bad-code"},
    {FindingCode::HuffmanMissingEol, "huffman-missing-eol"},
    {FindingCode::HuffmanTruncated, "huffman-truncated"},
    {FindingCode::Gap, "gap"},
    {FindingCode::TrailingBytes, "trailing-bytes"},
    {FindingCode::BitmapArray, "bitmap-array"},
    {FindingCode::ArrayTruncated, "array-truncated"},
    {FindingCode::ArrayBadLink, "array-bad-link"},
    {FindingCode::DumpShowsOtherPart, "dump-shows-other-part"},
    {FindingCode::DumpHidesBytes, "dump-hides-bytes"},
    {FindingCode::DumpEntrySize, "dump-entry-size"},
    {FindingCode::IconFile, "icon-file"},
    {FindingCode::IconBadReserved, "icon-bad-reserved"},
    {FindingCode::IconBadType, "icon-bad-type"},
    {FindingCode::IconNoImages, "icon-no-images"},
    {FindingCode::IconDirectoryTruncated, "icon-directory-truncated"},
    {FindingCode::IconImagePastEnd, "icon-image-past-end"},
    {FindingCode::IconImagesOverlap, "icon-images-overlap"},
    {FindingCode::IconSizeMismatch, "icon-size-mismatch"},
    {FindingCode::IconBitCountMismatch, "icon-bit-count-mismatch"},
    {FindingCode::IconBytesMismatch, "icon-bytes-mismatch"},
    {FindingCode::IconHeightNotDoubled, "icon-height-not-doubled"},
    {FindingCode::IconMaskTruncated, "icon-mask-truncated"},
    {FindingCode::IconBadPng, "icon-bad-png"},
    {FindingCode::HotspotOutside, "hotspot-outside"},
    {FindingCode::HeaderlessDib, "headerless-dib"},
};

// Each code's row is at its own place, so a name is found by indexing.
constexpr bool InCodeOrder()
{
    for (std::size_t i = 0; i < std::size(kNames); ++i)
        if (static_cast<std::size_t>(kNames[i].first) != i)
            return false;
    return true;
}
static_assert(InCodeOrder() && std::size(kNames) == static_cast<std::size_t>(FindingCode::HeaderlessDib) + 1,
              "one row per code, in the enum's order");

}  // namespace

std::string_view CodeName(FindingCode code)
{
    return kNames[static_cast<std::size_t>(code)].second;
}

}  // namespace hexlume::format
