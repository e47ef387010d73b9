#pragma once

#include "format/FieldDictionary.h"
#include "format/PixelFormats.h"
#include "primitives/ByteRange.h"
#include "primitives/Message.h"
#include "primitives/LittleEndian.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// What the BMP format says a file's headers mean, read from the bytes of the whole file (as
// read: the file may be shorter than its headers claim). Nothing here reads outside those bytes.
namespace hexlume::format {

using Bytes = hexlume::Bytes;

std::string_view HeaderVersionName(HeaderVersion version);  // "BITMAPINFOHEADER", …, "unknown header"
namespace say {
// The same as the window says it: the constants verbatim, "unknown header" in words.
Message Header(HeaderVersion version);
}  // namespace say

struct ChannelMasks {
    std::uint32_t red = 0;
    std::uint32_t green = 0;
    std::uint32_t blue = 0;
    std::uint32_t alpha = 0;
};

// Where the masks of a bit-field bitmap come from.
enum class MaskSource {
    None,       // not a packed-colour bitmap (indices, RLE, JPEG, PNG, 24 or 64 bits)
    Default,    // BI_RGB at 16 or 32 bits: 5-5-5 or 8-8-8, no alpha
    InHeader,   // V2 and later: the masks are fields of the info header
    AfterHeader,  // 40-byte header: 12 (or with BI_ALPHABITFIELDS 16) bytes after it
};

// A run of bytes of the file: where the headers put it and how much of it the file holds.
struct FileRange {
    std::uint64_t offset = 0;
    std::uint64_t claimed = 0;  // what the headers say (or imply)
    std::uint64_t present = 0;  // bytes of it inside the file: 0 when it starts at or past the end

    std::uint64_t End() const { return SaturatingAdd(offset, claimed); }
    ByteRange Present() const { return {offset, present}; }
    bool Complete() const { return present == claimed; }

    bool operator==(const FileRange&) const = default;
};

// What holds the DIB: a bitmap file, nothing (an info header first, as the clipboard's CF_DIB
// holds it), or an icon or cursor file's entry.
enum class DibContainer {
    File,        // "BM": a file header, then the info header
    Headerless,  // the info header first; the pixels right after the masks and colour table
    IconImage,   // an entry's image: biHeight counts the XOR pixels and the AND mask after them
};

// The headers read as their version defines them. Fields a short header does not have are 0;
// every number is as stored, with the few derived values named as such.
struct BitmapFormat {
    std::uint64_t fileSize = 0;  // bytes present
    std::uint64_t base = 0;      // where the file header starts (inside an OS/2 bitmap array, past 0);
                                 // without a file header, where the info header starts
    DibContainer container = DibContainer::File;

    // File header.
    std::uint16_t type = 0;
    std::uint32_t declaredFileSize = 0;
    std::uint16_t reserved1 = 0;
    std::uint16_t reserved2 = 0;
    std::uint32_t offBits = 0;

    // Info header.
    std::uint32_t headerSize = 0;
    HeaderVersion version = HeaderVersion::Unknown;
    FileRange header;            // after the file header, headerSize bytes (at least the size field)
    std::int64_t width = 0;      // as stored (16-bit unsigned in a core header, else 32-bit signed)
    std::int64_t height = 0;     // as stored; negative means top-down
    std::uint16_t planes = 0;
    std::uint16_t bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t sizeImage = 0;
    std::int32_t xPelsPerMeter = 0;
    std::int32_t yPelsPerMeter = 0;
    std::uint32_t clrUsed = 0;
    std::uint32_t clrImportant = 0;
    // V4 and V5.
    std::uint32_t csType = 0;
    // V5.
    std::uint32_t intent = 0;
    std::uint32_t profileData = 0;  // counted from the start of the info header
    std::uint32_t profileSize = 0;

    // Derived.
    PixelEncoding encoding = PixelEncoding::Unknown;
    bool topDown = false;
    std::uint64_t columns = 0;  // |width|
    std::uint64_t rows = 0;     // |height|; in an icon image, half of it: the XOR pixels' rows

    MaskSource maskSource = MaskSource::None;
    ChannelMasks masks;
    FileRange maskBytes;  // the masks stored after a 40-byte header (claimed 0 otherwise)

    // Colour table: 3-byte entries after a core header, 4-byte entries otherwise.
    FileRange colorTable;
    std::uint32_t colorEntrySize = 4;
    std::uint64_t colorCount = 0;  // entries the headers stand for: clr-used, or 2^bits up to 8 bits

    // Pixel data at bfOffBits, counted from the file's start whatever the base. Its claimed
    // length: for uncompressed data the rows; for an RLE stream its codes up to the
    // end-of-bitmap code, for a Huffman stream its codes up to the last row's (and the
    // end-of-line codes after it), or either up to the end of the file, whatever the image-size
    // field says; for other compressed data the image-size field (or, when 0, every byte up to
    // the end of the file).
    FileRange pixels;
    std::uint64_t stride = 0;  // bytes a row of uncompressed data takes, padded to 32 bits
    std::uint64_t rowBytes = 0;  // stride × rows, saturated

    // V5 embedded profile (PROFILE_EMBEDDED); claimed 0 when there is none.
    FileRange profile;

    // An icon image's AND mask: 1 bit a pixel, rows padded to 32 bits, after the XOR pixels;
    // claimed 0 outside icons.
    FileRange andMask;
    std::uint64_t maskStride = 0;
    // An icon image stored as a whole PNG stream (the pixels), with no info header: the size and
    // bit count are its IHDR's.
    bool pngImage = false;

    bool HasFileHeader() const { return container == DibContainer::File; }

    bool HasColorTable() const { return colorTable.claimed != 0; }
    // The rows of uncompressed data the file holds whole.
    std::uint64_t WholeRowsPresent() const { return stride == 0 ? 0 : std::min(rows, pixels.present / stride); }
    // The row as the picture is shown (0 = top) of a row as stored (0 = first in the file).
    std::uint64_t ShownRow(std::uint64_t storedRow) const { return topDown ? storedRow : rows - 1 - storedRow; }
    // A header complete enough to say how the pixels are stored.
    bool HeaderReadable() const;
};

inline constexpr std::uint32_t kProfileLinked = 0x4C494E4B;    // 'LINK'
inline constexpr std::uint32_t kProfileEmbedded = 0x4D424544;  // 'MBED'

// Reads every header the file holds, the file header starting at `base`. Never fails: what is
// missing stays 0, and the ranges say how much of each part is present.
BitmapFormat ReadBitmapFormat(Bytes file, std::uint64_t base = 0);

// A DIB without a file header, its info header at `headerAt`: the masks, colour table and pixels
// follow one another (container Headerless or IconImage).
BitmapFormat ReadDibFormat(Bytes file, std::uint64_t headerAt, DibContainer container);

// The range of `claimed` bytes at `offset` of a file of `fileSize` bytes, with what it holds of it.
FileRange RangeIn(std::uint64_t fileSize, std::uint64_t offset, std::uint64_t claimed);

}  // namespace hexlume::format
