#include "Findings.h"

#include "FindingList.h"
#include "NumberText.h"
#include "PixelScan.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace hexlume::format {

namespace {

constexpr std::uint64_t kDwordLimit = 0xFFFFFFFF;
// Densities past this (25 400 dpi) no device has; further apart than this factor no pixel is.
constexpr std::int64_t kAbsurdDensity = 1'000'000;
constexpr std::int64_t kDensityRatioLimit = 100;

std::string Capitalised(std::string text)
{
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

// An OS/2 2.x header may stop after any of its fields, but not inside one.
bool EndsOnOs2v2Field(std::uint32_t size)
{
    const FieldTable fields = InfoHeaderFields(HeaderVersion::Os2v2);
    return std::any_of(fields.begin(), fields.end(), [size](const FieldEntry& entry) { return entry.End() == size; });
}

class Checker {
public:
    Checker(const Layout& layout, Bytes file)
        : m_layout(layout), m_format(layout.format), m_file(file), m_list(layout)
    {
    }

    std::vector<Finding> Run()
    {
        if (FileHeaderBroken() || InfoHeaderBroken())
            return m_list.Take();
        const bool picture = CheckPictureShape();
        CheckFileHeaderValues();
        if (m_bitCountDefined)
            CheckColorTable();
        CheckMasks();
        CheckDensities();
        CheckColorSpace();
        CheckPlacement();
        if (picture)
            CheckPixels();
        NoteUnclaimedBytes();
        return m_list.Take();
    }

private:
    // --- the two headers -------------------------------------------------------------------

    bool FileHeaderBroken()
    {
        if (m_format.fileSize < kFileHeaderBytes) {
            m_list.Add(Severity::Error, "file-truncated", 0, m_format.fileSize,
                       "The file has " + ByteCount(m_format.fileSize) + ", fewer than the 14 of a file header.");
            return true;
        }
        if (m_format.type != 0x4D42) {
            m_list.AddOnField(Severity::Error, "bad-signature", FieldId::Signature,
                              m_list.NameOf(FieldId::Signature) + " is " +
                                  m_list.FieldFor(FieldId::Signature)->meaning + ", not \"BM\"" +
                                  (m_format.type == 0x4142 ? " (an OS/2 bitmap array, not a bitmap)." : "."));
            return true;
        }
        return false;
    }

    bool InfoHeaderBroken()
    {
        const FileRange& header = m_format.header;
        if (header.present < 4) {
            m_list.Add(Severity::Error, "header-truncated", m_format.fileSize - header.present, header.present,
                       "The file ends after " + ByteCount(m_format.fileSize) + ", before the info header's size field.");
            return true;
        }
        if (m_format.version == HeaderVersion::Unknown) {
            m_list.AddOnField(Severity::Error, "unknown-header-size", FieldId::HeaderSize,
                              "biSize is " + GroupedNumber(m_format.headerSize) +
                                  ", which no header version has (12, 16 to 64, 40, 52, 56, 108 or 124).");
            return true;
        }
        if (m_format.version == HeaderVersion::Os2v2 && !EndsOnOs2v2Field(m_format.headerSize)) {
            m_list.AddOnField(Severity::Error, "unknown-header-size", FieldId::HeaderSize,
                              m_list.NameOf(FieldId::HeaderSize) + " is " + GroupedNumber(m_format.headerSize) +
                                  ", which ends inside a field of the OS/2 2.x header.");
            return true;
        }
        if (!header.Complete()) {
            m_list.Add(Severity::Error, "header-truncated", header.offset, header.present,
                       "The " + std::string(HeaderVersionName(m_format.version)) + " takes " +
                           ByteCount(header.claimed) + "; the file ends after " + ByteCount(header.present) + " of it.");
            return true;
        }
        return false;
    }

    void CheckFileHeaderValues()
    {
        // Some OS/2 writers store the size of the two headers here instead of the file's.
        const bool os2HeadersSize = IsOs2Header(m_format.version) &&
                                    m_format.declaredFileSize == kFileHeaderBytes + m_format.headerSize;
        if (os2HeadersSize)
            m_list.AddOnField(Severity::Note, "os2-headers-size", FieldId::FileSize,
                              m_list.NameOf(FieldId::FileSize) + " is " + GroupedNumber(m_format.declaredFileSize) +
                                  ", the size of the two headers, as some OS/2 writers store it; the file has " +
                                  ByteCount(m_format.fileSize) + ".");
        else if (m_format.declaredFileSize != m_format.fileSize)
            m_list.AddOnField(Severity::Warning, "file-size-mismatch", FieldId::FileSize,
                              m_list.NameOf(FieldId::FileSize) + " says " + ByteCount(m_format.declaredFileSize) +
                                  "; the file has " +
                                  GroupedNumber(m_format.fileSize) + ".");
        for (const auto& [id, value] : {std::pair{FieldId::Reserved1, m_format.reserved1},
                                        std::pair{FieldId::Reserved2, m_format.reserved2}}) {
            if (value == 0)
                continue;
            // OS/2 gives these words a meaning (an icon's hot spot); Windows reserves them.
            if (IsOs2Header(m_format.version))
                m_list.AddOnField(Severity::Note, "os2-hot-spot", id,
                                  m_list.NameOf(id) + " is " + GroupedNumber(value) +
                                      ": a hot spot, which means something for OS/2 icons and pointers only.");
            else
                m_list.AddOnField(Severity::Warning, "reserved-not-zero", id,
                                  m_list.NameOf(id) + " is " + GroupedNumber(value) + "; it must be 0.");
        }
    }

    // Planes, bit count, compression, width and height; false when no picture can be made of them.
    bool CheckPictureShape()
    {
        if (IsOs2Header(m_format.version))
            m_list.Add(Severity::Note, "os2-header", kFileHeaderBytes, m_format.headerSize,
                       "The info header is the " +
                           std::string(m_format.version == HeaderVersion::Core ? "OS/2 1.x " : "") +
                           std::string(HeaderVersionName(m_format.version)) + " of " +
                           ByteCount(m_format.headerSize) +
                           (m_format.version == HeaderVersion::Core ? ", with 16-bit sizes and 3-byte colour entries."
                                                                    : ", read with OS/2's compression codes."));
        if (m_format.planes != 1)
            m_list.AddOnField(Severity::Error, "bad-planes", FieldId::Planes,
                              m_list.NameOf(FieldId::Planes) + " is " + GroupedNumber(m_format.planes) +
                                  "; it must be 1.");
        m_bitCountDefined = CheckBitCount();
        const bool pixelsDefined = m_bitCountDefined && CheckCompression();
        const bool sized = CheckDimensions();
        return pixelsDefined && sized;
    }

    bool CheckBitCount()
    {
        const std::uint16_t bits = m_format.bitCount;
        const std::string name = m_list.NameOf(FieldId::BitCount);
        const BitCountVerdict verdict = JudgeBitCount(m_format.version, bits, m_format.encoding);
        if (verdict.support == Support::Rare) {
            m_list.AddOnField(Severity::Warning, "unusual-bit-count", FieldId::BitCount,
                              name + " is " + std::to_string(bits) + ": " + std::string(verdict.rareNote));
            return true;
        }
        if (verdict.support == Support::Yes)
            return true;
        if (verdict.otherFamilyRare)
            return BadBitCount(name + " is " + std::to_string(bits) + ", which OS/2 bitmaps do not have.");
        if (bits == 0 && !IsEmbeddedStream(m_format.encoding))
            return BadBitCount(name + " is 0, which only JPEG or PNG pixel data may have.");
        return BadBitCount(name + " is " + GroupedNumber(bits) + ", a bit count no bitmap variant defines.");
    }

    bool BadBitCount(std::string message)
    {
        m_list.AddOnField(Severity::Error, "bad-bit-count", FieldId::BitCount, std::move(message));
        return false;
    }

    bool CheckCompression()
    {
        const PixelEncoding encoding = m_format.encoding;
        const std::string name = m_list.NameOf(FieldId::Compression);
        if (encoding == PixelEncoding::Unknown) {
            m_list.AddOnField(Severity::Error, "bad-compression", FieldId::Compression,
                              name + " is " + GroupedNumber(m_format.compression) + ", which " +
                                  (m_format.version == HeaderVersion::Os2v2 ? "OS/2 bitmaps do not define."
                                                                            : "no bitmap variant defines."));
            return false;
        }
        const std::uint16_t bits = m_format.bitCount;
        const std::string needs = EncodingNeeds(encoding, bits);
        if (needs.empty())
            return true;
        m_list.AddOnField(Severity::Error, "compression-mismatch", FieldId::Compression,
                          needs + " bits per pixel; " + m_list.NameOf(FieldId::BitCount) + " is " +
                              GroupedNumber(bits) + ".");
        return false;
    }

    bool CheckDimensions()
    {
        bool sized = true;
        if (m_format.width <= 0) {
            m_list.AddOnField(Severity::Error, "bad-width", FieldId::Width,
                              m_list.NameOf(FieldId::Width) + " is " + std::to_string(m_format.width) +
                                  "; a bitmap is at least 1 pixel wide.");
            sized = false;
        }
        if (m_format.height == 0) {
            m_list.AddOnField(Severity::Error, "bad-height", FieldId::Height,
                              m_list.NameOf(FieldId::Height) + " is 0; a bitmap has at least 1 row.");
            sized = false;
        }
        const bool compressed = !IsUncompressed(m_format.encoding);
        if (m_format.topDown && m_format.version == HeaderVersion::Os2v2) {
            m_list.AddOnField(Severity::Error, "bad-height", FieldId::Height,
                              m_list.NameOf(FieldId::Height) + " is " +
                                  GroupedNumber(static_cast<std::uint32_t>(m_format.height)) +
                                  ", more rows than a file can hold; OS/2 bitmaps have no top-down form.");
            sized = false;
        } else if (m_format.topDown && compressed) {
            m_list.AddOnField(Severity::Error, "top-down-compressed", FieldId::Height,
                              m_list.NameOf(FieldId::Height) + " is " + std::to_string(m_format.height) +
                                  " (top-down), which only uncompressed bitmaps may be.");
        }
        if (sized && IsUncompressed(m_format.encoding) && m_format.rowBytes > kDwordLimit) {
            m_list.AddOnField(Severity::Error, "size-overflow", FieldId::Width,
                              "The rows take more bytes than the 4 GiB a bitmap's 32-bit sizes can hold (" +
                                  GroupedNumber(m_format.columns) + " by " + GroupedNumber(m_format.rows) + " at " +
                                  std::to_string(m_format.bitCount) + " bits).");
            sized = false;
        }
        return sized;
    }

    // --- colour table, masks, densities, colour space ----------------------------------------

    void CheckColorTable()
    {
        const std::uint16_t bits = m_format.bitCount;
        const bool indexed = IsIndexed(bits);
        const std::uint64_t full = indexed ? std::uint64_t{1} << bits : 0;
        const FileRange& table = m_format.colorTable;
        if (indexed && m_format.clrUsed > full)
            m_list.AddOnField(Severity::Error, "colour-table-too-large", FieldId::ColorsUsed,
                              m_list.NameOf(FieldId::ColorsUsed) + " is " + GroupedNumber(m_format.clrUsed) + "; " +
                                  std::to_string(bits) + "-bit pixels can use only " + GroupedNumber(full) + ".");
        else if (indexed && m_format.colorCount < full && m_format.colorCount != 0)
            m_list.Add(Severity::Note, "short-colour-table", table.offset, table.claimed,
                       "The colour table has " + GroupedNumber(m_format.colorCount) + " of the " +
                           GroupedNumber(full) + " entries " + std::to_string(bits) + "-bit pixels can index.");
        if (!indexed && table.claimed != 0)
            m_list.Add(Severity::Note, "colour-table-in-true-colour", table.offset, table.claimed,
                       "A " + std::to_string(bits) + "-bit bitmap needs no colour table; this one has " +
                           GroupedNumber(m_format.colorCount) + " entries, a hint for displays with fewer colours.");
        if (table.claimed != 0 && !table.Complete())
            m_list.Add(Severity::Error, "colour-table-truncated", table.offset, table.present,
                       "The colour table takes " + ByteCount(table.claimed) + " from offset " +
                           GroupedNumber(table.offset) + "; the file holds " + GroupedNumber(table.present) +
                           " of them.");
        if (m_format.clrImportant > std::max<std::uint64_t>(m_format.colorCount, full))
            m_list.AddOnField(Severity::Note, "important-colours-exceed-table", FieldId::ColorsImportant,
                              m_list.NameOf(FieldId::ColorsImportant) + " is " + GroupedNumber(m_format.clrImportant) +
                                  ", more than the " + GroupedNumber(m_format.colorCount) + " colours there are.");
    }

    void CheckMasks()
    {
        if (m_format.encoding != PixelEncoding::BitFields)
            return;
        const FileRange& after = m_format.maskBytes;
        if (after.claimed != 0 && !after.Complete()) {
            m_list.Add(Severity::Error, "masks-truncated", after.offset, after.present,
                       "The bit-field masks take " + ByteCount(after.claimed) + " after the header; the file holds " +
                           GroupedNumber(after.present) + " of them.");
            return;
        }
        const ChannelMasks& masks = m_format.masks;
        const std::array<std::uint32_t, 4> values{masks.red, masks.green, masks.blue, masks.alpha};
        const std::array<FieldId, 4> fields{FieldId::RedMask, FieldId::GreenMask, FieldId::BlueMask,
                                            FieldId::AlphaMask};
        const std::array<std::string_view, 4> channels{"red", "green", "blue", "alpha"};
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (m_list.FieldFor(fields[i]) == nullptr)
                break;  // no alpha mask: a 40-byte header with BI_BITFIELDS, or a V2 header
            CheckMask(values[i], channels[i], fields[i], i < 3);
            for (std::size_t j = 0; j < i; ++j)
                if ((values[i] & values[j]) != 0)
                    m_list.AddOnField(Severity::Error, "masks-overlap", fields[i],
                                      "The " + std::string(channels[i]) + " mask " + HexNumber(values[i], 8) +
                                          " shares bits with the " + std::string(channels[j]) + " mask " +
                                          HexNumber(values[j], 8) + ".");
        }
    }

    void CheckMask(std::uint32_t mask, std::string_view channel, FieldId id, bool colour)
    {
        const std::string name = m_list.NameOf(id);
        if (mask == 0) {
            if (colour)
                m_list.AddOnField(Severity::Warning, "mask-empty", id,
                                  name + " is 0: the picture has no " + std::string(channel) + ".");
            return;
        }
        const std::uint32_t shifted = mask >> __builtin_ctz(mask);
        if ((shifted & (shifted + 1)) != 0)
            m_list.AddOnField(Severity::Error, "mask-not-contiguous", id,
                              name + " is " + HexNumber(mask, 8) + ", whose bits are not contiguous.");
        if (m_format.bitCount < 32 && (mask >> m_format.bitCount) != 0)
            m_list.AddOnField(Severity::Error, "mask-exceeds-bit-count", id,
                              name + " is " + HexNumber(mask, 8) + ", with bits above the " +
                                  std::to_string(m_format.bitCount) + " of a pixel.");
    }

    void CheckDensities()
    {
        if (m_list.FieldFor(FieldId::YDensity) == nullptr)
            return;
        const std::int64_t x = m_format.xPelsPerMeter;
        const std::int64_t y = m_format.yPelsPerMeter;
        for (const auto& [id, value] : {std::pair{FieldId::XDensity, x}, std::pair{FieldId::YDensity, y}})
            if (value < 0 || value > kAbsurdDensity)
                m_list.AddOnField(Severity::Warning, "absurd-density", id,
                                  m_list.NameOf(id) + " is " + (value < 0 ? "-" : "") +
                                      GroupedNumber(static_cast<std::uint64_t>(value < 0 ? -value : value)) +
                                      " pixels per metre, which no device has.");
        if (x > 0 && y > 0 && x <= kAbsurdDensity && y <= kAbsurdDensity &&
            (x / y >= kDensityRatioLimit || y / x >= kDensityRatioLimit))
            m_list.AddOnField(Severity::Warning, "density-mismatch", FieldId::XDensity,
                              "The densities are " + GroupedNumber(static_cast<std::uint64_t>(x)) + " and " +
                                  GroupedNumber(static_cast<std::uint64_t>(y)) +
                                  " pixels per metre, hundreds of times apart.");
    }

    void CheckColorSpace()
    {
        if (m_format.version != HeaderVersion::V4 && m_format.version != HeaderVersion::V5)
            return;
        const std::uint32_t type = m_format.csType;
        const bool known = type == 0 || type == 0x73524742 || type == 0x57696E20 ||
                           (m_format.version == HeaderVersion::V5 && (type == kProfileLinked || type == kProfileEmbedded));
        if (!known) {
            m_list.AddOnField(Severity::Warning, "unknown-colour-space", FieldId::ColorSpace,
                              m_list.NameOf(FieldId::ColorSpace) + " is " + HexNumber(type, 8) +
                                  ", which no colour-space type has; readers take sRGB.");
            return;
        }
        const FileRange& profile = m_format.profile;
        if (profile.claimed == 0)
            return;
        const bool embedded = type == kProfileEmbedded;
        m_list.Add(Severity::Note, "colour-profile", profile.offset, profile.claimed,
                   std::string(embedded ? "An embedded ICC profile" : "A linked profile's file name") + " (" +
                       ByteCount(profile.claimed) + ") lies at offset " + GroupedNumber(profile.offset) + ".");
        if (!profile.Complete())
            m_list.AddOnField(Severity::Error, "profile-outside-file", FieldId::ProfileData,
                              "The profile takes " + ByteRangeText(profile.offset, profile.claimed) + "; the file has " +
                                  ByteCount(m_format.fileSize) + ".");
        else if (profile.offset < m_format.colorTable.End())
            m_list.AddOnField(Severity::Error, "profile-overlaps-headers", FieldId::ProfileData,
                              "The profile at offset " + GroupedNumber(profile.offset) +
                                  " starts inside the headers or the colour table, which end at " +
                                  GroupedNumber(m_format.colorTable.End()) + ".");
    }

    // --- where the pixels are ------------------------------------------------------------------

    void CheckPlacement()
    {
        const std::uint64_t offBits = m_format.offBits;
        const std::string name = m_list.NameOf(FieldId::PixelOffset);
        // An undefined bit count gives no table length to hold the offset to.
        const std::uint64_t before = m_bitCountDefined ? m_format.colorTable.End() : m_format.colorTable.offset;
        if (offBits < before) {
            m_list.AddOnField(Severity::Error, "pixel-offset-overlaps", FieldId::PixelOffset,
                              name + " is " + GroupedNumber(offBits) + ", inside the " + PartBefore(offBits) +
                                  ", which ends at " + GroupedNumber(before) + ".");
        } else if (offBits >= m_format.fileSize) {
            m_list.AddOnField(Severity::Error, "pixel-offset-past-end", FieldId::PixelOffset,
                              name + " is " + GroupedNumber(offBits) + "; the file has only " +
                                  ByteCount(m_format.fileSize) + ".");
        }
    }

    std::string PartBefore(std::uint64_t offset) const
    {
        if (offset < m_format.header.offset)
            return "file header";
        if (offset < m_format.header.End())
            return "info header";
        if (offset < m_format.maskBytes.End())
            return "bit-field masks";
        return "colour table";
    }

    // Where truncated rows end: the last row the file holds a part of, not all the rows before it.
    std::uint64_t LastRowStart() const
    {
        const FileRange& pixels = m_format.pixels;
        const std::uint64_t stride = std::max<std::uint64_t>(m_format.stride, 1);
        const std::uint64_t whole = pixels.present / stride * stride;
        return pixels.offset + (whole == pixels.present && whole != 0 ? whole - stride : whole);
    }

    void CheckPixels()
    {
        const FileRange& pixels = m_format.pixels;
        if (pixels.present == 0)
            return;
        if (IsRunLength(m_format.encoding)) {
            CheckRleStream();
            return;
        }
        CheckImageSize();
        if (!pixels.Complete())
            m_list.Add(Severity::Error, "pixel-data-truncated", LastRowStart(), pixels.offset + pixels.present - LastRowStart(),
                       "The pixel data takes " + ByteCount(pixels.claimed) + " from offset " +
                           GroupedNumber(pixels.offset) + "; the file holds " + GroupedNumber(pixels.present) +
                           " of them.");
        if (IsEmbeddedStream(m_format.encoding))
            CheckEmbeddedStream(pixels);
        else if (m_format.encoding == PixelEncoding::Rgb)
            ReportBadIndex(ScanIndices(m_file, m_format));
    }

    void CheckImageSize()
    {
        const std::uint64_t claimed = m_format.sizeImage;
        const std::string name = m_list.NameOf(FieldId::ImageSize);
        if (m_list.FieldFor(FieldId::ImageSize) == nullptr)
            return;
        const bool uncompressed = IsUncompressed(m_format.encoding);
        if (claimed == 0) {
            m_list.AddOnField(Severity::Note, "size-image-zero", FieldId::ImageSize,
                              name + (uncompressed ? " is 0: the size follows from the rows, " +
                                                         ByteCount(m_format.rowBytes) + "."
                                                   : " is 0: the stream is taken to run to the end of the file."));
        } else if (uncompressed && claimed != m_format.rowBytes) {
            m_list.AddOnField(Severity::Warning, "size-image-mismatch", FieldId::ImageSize,
                              name + " says " + ByteCount(claimed) + "; the rows take " +
                                  GroupedNumber(m_format.rowBytes) + ".");
        }
    }

    void CheckEmbeddedStream(const FileRange& pixels)
    {
        static constexpr std::uint8_t kJpeg[] = {0xFF, 0xD8, 0xFF};
        static constexpr std::uint8_t kPng[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
        const bool jpeg = m_format.encoding == PixelEncoding::Jpeg;
        const std::string kind = jpeg ? "JPEG" : "PNG";
        const Bytes expected = jpeg ? Bytes(kJpeg) : Bytes(kPng);
        const Bytes found = m_file.subspan(pixels.offset, std::min<std::uint64_t>(pixels.present, expected.size()));
        if (!std::equal(found.begin(), found.end(), expected.begin(), expected.end()))
            m_list.Add(Severity::Error, "bad-embedded-stream", pixels.offset, expected.size(),
                       "The pixel data at offset " + GroupedNumber(pixels.offset) + " does not start as a " + kind +
                           " stream does.");
        else
            m_list.Add(Severity::Note, "embedded-stream", pixels.offset, pixels.present,
                       "The pixel data is a whole " + kind + " stream of " + ByteCount(pixels.present) +
                           ", a form meant for printers that few readers decode.");
    }

    void ReportBadIndex(const IndexScan& scan)
    {
        if (scan.offset == kNowhere)
            return;
        const std::uint64_t screenRow = m_format.topDown ? scan.row : m_format.rows - 1 - scan.row;
        const std::uint64_t others = scan.rowsWithBadIndex - 1;
        m_list.Add(Severity::Error, "index-past-table", scan.offset, 1,
                   "Pixel " + GroupedNumber(scan.column) + " of row " + GroupedNumber(screenRow) +
                       " (from the top) uses colour index " + GroupedNumber(scan.index) + "; the colour table has " +
                       GroupedNumber(m_format.colorCount) + " entries" +
                       (others == 0 ? "." : ", and " + GroupedNumber(others) + " more rows do the same."));
    }

    void CheckRleStream()
    {
        const FileRange& pixels = m_format.pixels;
        std::uint64_t stop = m_format.sizeImage != 0 ? pixels.offset + pixels.present : m_format.fileSize;
        RleScan scan = ScanRle(m_file, m_format, pixels.offset, stop);
        // Readers that ignore a too-small image size still find the end code further on.
        const bool endBeyondImageSize = scan.fault == RleFault::MissingEnd && !scan.cut && stop < m_format.fileSize;
        if (endBeyondImageSize) {
            stop = m_format.fileSize;
            scan = ScanRle(m_file, m_format, pixels.offset, stop);
        }
        ReportRleFault(scan, stop);
        ReportBadIndex(scan.badIndex);
        if (scan.firstSkipOffset != kNowhere)
            m_list.Add(Severity::Note, "rle-skips-pixels", scan.firstSkipOffset, 2,
                       "The stream leaves pixels unwritten (a delta or an early end code at offset " +
                           GroupedNumber(scan.firstSkipOffset) + "); readers show them in colour 0 or transparent.");
        const std::string name = m_list.NameOf(FieldId::ImageSize);
        const std::uint64_t streamLength = scan.end - pixels.offset;
        if (m_format.sizeImage == 0)
            m_list.AddOnField(Severity::Note, "size-image-zero", FieldId::ImageSize,
                              name + " is 0: the stream's end code tells where the pixel data ends.");
        else if (scan.fault == RleFault::None && (endBeyondImageSize || !pixels.Complete()))
            m_list.AddOnField(Severity::Warning, "size-image-mismatch", FieldId::ImageSize,
                              name + " says " + ByteCount(m_format.sizeImage) + "; the stream ends after " +
                                  GroupedNumber(streamLength) + " and the file holds " +
                                  GroupedNumber(m_format.fileSize - pixels.offset) + " from offset " +
                                  GroupedNumber(pixels.offset) + ".");
    }

    void ReportRleFault(const RleScan& scan, std::uint64_t stop)
    {
        const std::string where = " at offset " + GroupedNumber(scan.faultOffset) + " (row " +
                                  GroupedNumber(scan.row) + " from the bottom, pixel " + GroupedNumber(scan.column) + ")";
        switch (scan.fault) {
        case RleFault::None: return;
        case RleFault::RunPastRow:
            m_list.Add(Severity::Error, "rle-run-past-row", scan.faultOffset, 2,
                       "A run of " + GroupedNumber(scan.faultPixels) + " pixels" + where + " goes past the row's " +
                           GroupedNumber(m_format.columns) + " pixels.");
            return;
        case RleFault::PastLastRow:
            m_list.Add(Severity::Error, "rle-past-last-row", scan.faultOffset, 2,
                       "The stream goes on past the last of its " + GroupedNumber(m_format.rows) + " rows at offset " +
                           GroupedNumber(scan.faultOffset) + ".");
            return;
        case RleFault::DeltaOutside:
            m_list.Add(Severity::Error, "rle-delta-outside", scan.faultOffset, 4,
                       "A delta" + where + " moves out of the " + GroupedNumber(m_format.columns) + " by " +
                           GroupedNumber(m_format.rows) + " picture.");
            return;
        case RleFault::MissingEnd: ReportMissingEnd(scan, stop); return;
        }
    }

    void ReportMissingEnd(const RleScan& scan, std::uint64_t stop)
    {
        const FileRange& pixels = m_format.pixels;
        const std::uint64_t lastBytes = std::min<std::uint64_t>(2, stop - pixels.offset);
        const bool cutFile = scan.cut || !pixels.Complete();
        if (cutFile)
            m_list.Add(Severity::Error, "rle-truncated", stop - lastBytes, lastBytes,
                       "The file ends at offset " + GroupedNumber(stop) + " inside the RLE stream, at row " +
                           GroupedNumber(scan.row) + " of " + GroupedNumber(m_format.rows) + ", without its end code.");
        else
            m_list.AddOnField(Severity::Error, "rle-missing-end", FieldId::ImageSize,
                              "The RLE stream's " + ByteCount(m_format.sizeImage) +
                                  " end without an end-of-bitmap code, at row " + GroupedNumber(scan.row) + " of " +
                                  GroupedNumber(m_format.rows) + ".");
    }

    // --- bytes no header claims ---------------------------------------------------------------

    void NoteUnclaimedBytes()
    {
        for (const Element& element : m_layout.elements) {
            if (element.kind == ElementKind::Gap)
                m_list.Add(Severity::Note, "gap", element.offset, element.size,
                           Capitalised(ByteRangeText(element.offset, element.size)) + " (" + ByteCount(element.size) +
                               ") belong to no part of the bitmap" +
                               (element.offset + element.size == m_format.offBits ? ": a gap before the pixel data."
                                                                                  : "."));
            else if (element.kind == ElementKind::Trailing)
                m_list.Add(Severity::Note, "trailing-bytes", element.offset, element.size,
                           Capitalised(ByteRangeText(element.offset, element.size)) + " (" + ByteCount(element.size) +
                               ") follow the bitmap's last part.");
        }
    }

    const Layout& m_layout;
    const BitmapFormat& m_format;
    Bytes m_file;
    FindingList m_list;
    bool m_bitCountDefined = false;
};

}  // namespace

std::string_view SeverityName(Severity severity)
{
    switch (severity) {
    case Severity::Error: return "error";
    case Severity::Warning: return "warning";
    case Severity::Note: return "note";
    }
    return "note";
}

std::vector<Finding> CheckBitmap(const Layout& layout, Bytes file)
{
    return Checker(layout, file).Run();
}

}  // namespace hexlume::format
