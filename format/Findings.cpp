#include "Findings.h"

#include "FindingList.h"
#include "HiddenData.h"
#include "Huffman1D.h"
#include "NumberText.h"
#include "PixelScan.h"
#include "RleStream.h"
#include "Signatures.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <numeric>

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

// A place in a stream read bit by bit: "offset 95", or "offset 95 (bit 2 from the high end)".
std::string BitPlaceText(std::uint64_t bit)
{
    const std::string offset = "offset " + GroupedNumber(bit / 8);
    return bit % 8 == 0 ? offset : offset + " (bit " + std::to_string(bit % 8) + " from the high end)";
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

    // One bitmap of an OS/2 bitmap array: the bytes around it belong to the other entries.
    std::vector<Finding> RunOnArrayEntry()
    {
        m_arrayEntry = true;
        return Run();
    }

    // An OS/2 bitmap array: its chain, then the bytes that no entry claims.
    std::vector<Finding> RunOnArrayChain()
    {
        const BitmapArray& array = m_layout.array;
        m_list.Add(Severity::Note, "bitmap-array", 0, kArrayHeaderBytes,
                   "The file is an OS/2 bitmap array of " +
                       (array.entries.size() == 1 ? std::string("1 bitmap")
                                                  : GroupedNumber(array.entries.size()) + " bitmaps") +
                       "; each is checked at its own offset.");
        if (array.fault == ArrayFault::Truncated) {
            m_list.Add(Severity::Error, "array-truncated", array.faultEntry, m_format.fileSize - array.faultEntry,
                       "The file ends at offset " + GroupedNumber(m_format.fileSize) + ", inside the headers of the "
                       "array entry at offset " + GroupedNumber(array.faultEntry) + ".");
        } else if (array.fault != ArrayFault::None) {
            const FieldEntry& next = FieldOf(kArrayHeaderFields, FieldId::NextEntry);
            const std::string name(next.name.View());
            m_list.Add(Severity::Error, "array-bad-link", array.faultEntry + next.offset, next.Size(),
                       name + " of the entry at offset " + GroupedNumber(array.faultEntry) + " is " +
                           GroupedNumber(array.faultTarget) + BadLinkReason(array.fault),
                       name);
        }
        NoteUnclaimedBytes();
        return m_list.Take();
    }

    std::string BadLinkReason(ArrayFault fault) const
    {
        switch (fault) {
        case ArrayFault::NextBackward: return ", not past the entry: the chain would loop.";
        case ArrayFault::NextInside: return ", inside the entry's own headers.";
        case ArrayFault::NextPastEnd: return "; the file has only " + ByteCount(m_format.fileSize) + ".";
        case ArrayFault::NotAnEntry: return ", where no array entry starts (no \"BA\").";
        case ArrayFault::None:
        case ArrayFault::Truncated: break;
        }
        return ".";
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
        if (!m_arrayEntry)
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
        if (m_format.type != kBitmapSignature) {
            m_list.AddOnField(Severity::Error, "bad-signature", FieldId::Signature,
                              m_list.NameOf(FieldId::Signature) + " is " + SignatureText(m_format.type) +
                                  ", not \"BM\"" +
                                  (m_format.type == kArraySignature ? " (an OS/2 bitmap array, not a bitmap)." : "."));
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
        // In a bitmap array the field sizes the entry's structure, not the file.
        const bool sizesTheFile = !m_arrayEntry;
        if (os2HeadersSize)
            m_list.AddOnField(Severity::Note, "os2-headers-size", FieldId::FileSize,
                              m_list.NameOf(FieldId::FileSize) + " is " + GroupedNumber(m_format.declaredFileSize) +
                                  ", the size of the two headers, as some OS/2 writers store it; the file has " +
                                  ByteCount(m_format.fileSize) + ".");
        else if (sizesTheFile && m_format.declaredFileSize > m_format.fileSize)
            m_list.AddOnField(Severity::Error, "file-size-mismatch", FieldId::FileSize,
                              m_list.NameOf(FieldId::FileSize) + " says " + ByteCount(m_format.declaredFileSize) +
                                  ", past the end of the file, which has " + GroupedNumber(m_format.fileSize) + ".");
        else if (sizesTheFile && m_format.declaredFileSize != m_format.fileSize)
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
            m_list.Add(Severity::Note, "os2-header", m_format.header.offset, m_format.headerSize,
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
        // Readers index the first 2^bits entries; the rest only matter when they are not there.
        const bool tableHeldApart = table.Complete() && table.End() <= m_format.offBits;
        if (indexed && m_format.clrUsed > full)
            m_list.AddOnField(tableHeldApart ? Severity::Warning : Severity::Error, "colour-table-too-large",
                              FieldId::ColorsUsed,
                              m_list.NameOf(FieldId::ColorsUsed) + " is " + GroupedNumber(m_format.clrUsed) + "; " +
                                  std::to_string(bits) + "-bit pixels can use only " + GroupedNumber(full) +
                                  (tableHeldApart ? ", and readers take the first " + GroupedNumber(full) + "."
                                                  : "."));
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
            const auto [part, end] = PartHolding(offBits, before);
            m_list.AddOnField(Severity::Error, "pixel-offset-overlaps", FieldId::PixelOffset,
                              name + " is " + GroupedNumber(offBits) + ", inside the " + part + ", which ends at " +
                                  GroupedNumber(end) + ".");
        } else if (offBits >= m_format.fileSize) {
            m_list.AddOnField(Severity::Error, "pixel-offset-past-end", FieldId::PixelOffset,
                              name + " is " + GroupedNumber(offBits) + "; the file has only " +
                                  ByteCount(m_format.fileSize) + ".");
        }
    }

    // The part before the pixel data that holds `offset`, and where it ends (the colour table's
    // end is `tableEnd`).
    std::pair<std::string, std::uint64_t> PartHolding(std::uint64_t offset, std::uint64_t tableEnd) const
    {
        if (offset < m_format.base)
            return {"bitmap array's entries before this bitmap", m_format.base};
        if (offset < m_format.header.offset)
            return {"file header", m_format.header.offset};
        if (offset < m_format.header.End())
            return {"info header", m_format.header.End()};
        if (offset < m_format.maskBytes.End())
            return {"bit-field masks", m_format.maskBytes.End()};
        return {"colour table", tableEnd};
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
        if (m_format.encoding == PixelEncoding::Huffman1D) {
            CheckHuffmanStream();
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
        if (IsUncompressed(m_format.encoding))
            ReportHiddenBits();
    }

    void ReportHiddenBits()
    {
        const HiddenBits padding = ScanRowPadding(m_file, m_format);
        if (padding.count != 0)
            m_list.Add(Severity::Warning, "padding-not-zero", padding.firstOffset, 1,
                       GroupedNumber(padding.count) + " of the " + GroupedNumber(m_format.rows) +
                           (padding.count == 1 ? " rows has" : " rows have") +
                           " padding that is not zero, the first at offset " + GroupedNumber(padding.firstOffset) +
                           ": no reader shows it, so it can hide data.");
        const HiddenBits outside = ScanBitsOutsideMasks(m_file, m_format);
        if (outside.count != 0)
            m_list.Add(Severity::Note, "bits-outside-masks", outside.firstOffset, m_format.bitCount / 8u,
                       GroupedNumber(outside.count) + (outside.count == 1 ? " pixel sets" : " pixels set") +
                           " bits outside the channel masks (" +
                           HexNumber(ChannelBits(m_format.masks), m_format.bitCount / 4) + "), the first at offset " +
                           GroupedNumber(outside.firstOffset) + "; readers ignore them.");
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
            if (SaturatingAdd(m_format.pixels.offset, claimed) > m_format.fileSize)
                ReportSizeImagePastEnd();
            else
                m_list.AddOnField(Severity::Warning, "size-image-mismatch", FieldId::ImageSize,
                                  name + " says " + ByteCount(claimed) + "; the rows take " +
                                      GroupedNumber(m_format.rowBytes) + ".");
        }
    }

    void ReportSizeImagePastEnd()
    {
        m_list.AddOnField(Severity::Error, "size-image-past-end", FieldId::ImageSize,
                          m_list.NameOf(FieldId::ImageSize) + " says " + ByteCount(m_format.sizeImage) + " from offset " +
                              GroupedNumber(m_format.pixels.offset) + ", past the end of the file, which has " +
                              GroupedNumber(m_format.fileSize) + ".");
    }

    void CheckEmbeddedStream(const FileRange& pixels)
    {
        const bool jpeg = m_format.encoding == PixelEncoding::Jpeg;
        const std::string kind = jpeg ? "JPEG" : "PNG";
        const Bytes expected = jpeg ? Bytes(kJpegSignature) : Bytes(kPngSignature);
        if (!StartsWith(m_file.subspan(pixels.offset, pixels.present), expected))
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
        const std::uint64_t others = scan.rowsWithBadIndex - 1;
        m_list.Add(Severity::Error, "index-past-table", scan.offset, 1,
                   Capitalised(PixelText(scan.column, m_format.ShownRow(scan.row), scan.row)) +
                       " uses colour index " + GroupedNumber(scan.index) + "; the colour table has " +
                       GroupedNumber(m_format.colorCount) + " entries" +
                       (others == 0 ? "." : ", and " + GroupedNumber(others) + " more rows do the same."));
    }

    // Whether a code writes an index past the colour table: a run repeats the indices of its
    // one byte, a literal stores its own.
    static bool WritesBadIndex(const RleCode& code, std::uint64_t pixels, unsigned bits, std::uint64_t colorCount)
    {
        const bool run = code.op == RleOp::Run;
        return LargestIndex(code.data, run ? std::min<std::uint64_t>(pixels, 8 / bits) : pixels, bits) >= colorCount;
    }

    // The indices past the colour table among the pixels a code writes into the picture.
    [[gnu::cold, gnu::noinline]] static void ScanRleIndices(IndexScan& scan, std::uint64_t& lastBadRow,
                                                             const BitmapFormat& format, RleCode code, RleStep step)
    {
        // A run repeats its first two pixels.
        const std::uint64_t distinct = code.op == RleOp::Run ? std::min<std::uint64_t>(step.pixels, 2) : step.pixels;
        for (std::uint64_t k = 0; k < distinct; ++k) {
            const std::uint32_t index = RlePixel(format.encoding, code, k);
            if (index < format.colorCount)
                continue;
            if (scan.offset == kNowhere)
                scan = {.offset = RlePixelOffset(format.encoding, code, k), .index = index, .row = step.y,
                        .column = step.x + k, .rowsWithBadIndex = 0};
            if (lastBadRow != step.y) {
                ++scan.rowsWithBadIndex;
                lastBadRow = step.y;
            }
        }
    }

    // Walks the stream as the layout bounds it: the first code of each way out of the picture,
    // the indices, the pixels left unwritten and how the stream ends.
    void CheckRleStream()
    {
        const FileRange& pixels = m_format.pixels;
        RleReader reader(m_file.first(pixels.offset + pixels.present), m_format.encoding, pixels.offset);
        RleCursor cursor(m_format.columns, m_format.rows);
        const bool checkIndices = m_format.encoding != PixelEncoding::Rle24 && !TableCoversEveryIndex(m_format);
        const unsigned bits = RleBitsPerPixel(m_format.encoding);
        const std::uint64_t colorCount = m_format.colorCount;
        bool exitReported[4] = {};
        IndexScan badIndex;
        std::uint64_t lastBadRow = kNowhere;
        std::uint64_t firstSkip = kNowhere;
        RleCode code;
        bool ended = false;
        while (reader.Next(code)) {
            const RleStep step = cursor.Apply(code);
            if (step.exit != RleExit::None) [[unlikely]] {
                const auto exit = static_cast<std::size_t>(step.exit);
                if (!exitReported[exit])
                    ReportRleExit(code, step);
                exitReported[exit] = true;
            }
            if (step.skips && firstSkip == kNowhere) [[unlikely]]
                firstSkip = code.offset;
            if (checkIndices && step.pixels != 0 && WritesBadIndex(code, step.pixels, bits, colorCount)) [[unlikely]]
                ScanRleIndices(badIndex, lastBadRow, m_format, code, step);
            ended = code.op == RleOp::EndOfBitmap;
            if (code.op == RleOp::CutShort) [[unlikely]]
                ReportCutShort(code, cursor.X(), cursor.Y());
        }
        ReportBadIndex(badIndex);
        if (firstSkip != kNowhere)
            m_list.Add(Severity::Note, "rle-skips-pixels", firstSkip, 2,
                       "The stream leaves pixels unwritten (a delta or an early end code at offset " +
                           GroupedNumber(firstSkip) + "); readers show them in colour 0 or transparent.");
        CheckStreamSize("RLE", ended, "its end-of-bitmap code");
    }

    // The image size against a stream the layout bounds by its own end: `ended` when it has one
    // (named by `end`) before the end of the file.
    void CheckStreamSize(std::string_view kind, bool ended, std::string_view end)
    {
        const FileRange& pixels = m_format.pixels;
        const bool pastEnd = SaturatingAdd(pixels.offset, m_format.sizeImage) > m_format.fileSize;
        // A file cut inside the stream may well have the right size; the cut is the error then.
        if (pastEnd && ended && m_format.sizeImage != pixels.present)
            ReportSizeImagePastEnd();
        else if (!pastEnd && m_format.sizeImage != 0 && m_format.sizeImage != pixels.present)
            m_list.AddOnField(Severity::Warning, "size-image-mismatch", FieldId::ImageSize,
                              m_list.NameOf(FieldId::ImageSize) + " says " + ByteCount(m_format.sizeImage) +
                                  "; the " + std::string(kind) + " stream takes " + GroupedNumber(pixels.present) +
                                  " from offset " + GroupedNumber(pixels.offset) + " to " +
                                  std::string(ended ? end : "the end of the file") + ".");
    }

    // Walks the stream as the layout bounds it: the first fault of each kind with a count of the
    // rows that have it too, the indices past a short colour table, and how the stream ends.
    void CheckHuffmanStream()
    {
        const FileRange& pixels = m_format.pixels;
        HuffmanWalker walker(m_file.first(pixels.offset + pixels.present), pixels.offset, m_format.columns,
                             m_format.rows);
        constexpr std::size_t kKinds = static_cast<std::size_t>(HuffmanEvent::CutShort) + 1;
        std::array<HuffmanStep, kKinds> first{};
        std::array<std::uint64_t, kKinds> counts{};
        IndexScan badIndex;
        std::uint64_t lastBadRow = kNowhere;
        HuffmanStep step;
        while (walker.Next(step)) {
            const std::uint32_t index = step.black ? 1 : 0;
            if (step.pixels != 0 && index >= m_format.colorCount) [[unlikely]] {
                if (badIndex.offset == kNowhere)
                    badIndex = {.offset = step.bit / 8, .index = index, .row = step.y, .column = step.x};
                badIndex.rowsWithBadIndex += lastBadRow != step.y ? 1 : 0;
                lastBadRow = step.y;
            }
            const auto kind = static_cast<std::size_t>(step.event);
            if (step.event != HuffmanEvent::Run && counts[kind]++ == 0)
                first[kind] = step;
        }
        std::array<std::size_t, kKinds> order{};
        std::iota(order.begin(), order.end(), 0);
        std::ranges::sort(order, [&](std::size_t a, std::size_t b) { return first[a].bit < first[b].bit; });
        for (const std::size_t kind : order)
            if (counts[kind] != 0)
                ReportHuffmanFault(first[kind], counts[kind] - 1);
        ReportBadIndex(badIndex);
        CheckStreamSize("Huffman", counts[kKinds - 1] == 0, "its last row");
    }

    [[gnu::cold, gnu::noinline]] void ReportHuffmanFault(const HuffmanStep& step, std::uint64_t moreRows)
    {
        const std::string at = BitPlaceText(step.bit);
        const std::string from = StreamPlaceText(step.x, step.y, m_format);
        const std::string colour = step.black ? "black" : "white";
        const std::string more =
            moreRows == 0 ? "."
                          : ", and " + GroupedNumber(moreRows) + (moreRows == 1 ? " more row does" : " more rows do") +
                                " the same.";
        const std::uint64_t offset = std::min(step.bit / 8, m_format.fileSize - 1);
        switch (step.event) {
        case HuffmanEvent::Run: return;
        case HuffmanEvent::RowTooLong:
            m_list.Add(Severity::Error, "huffman-row-too-long", offset, 1,
                       "A " + colour + " run of " + GroupedNumber(step.count) + " pixels at " + at + " starts at " +
                           from + " and goes past the row's " + GroupedNumber(m_format.columns) + " pixels" + more);
            return;
        case HuffmanEvent::RowTooShort:
            m_list.Add(Severity::Error, "huffman-row-too-short", offset, 1,
                       "An end-of-line code at " + at + " ends the row at " + from + ", short of its " +
                           GroupedNumber(m_format.columns) + " pixels" + more);
            return;
        case HuffmanEvent::BadCode:
            m_list.Add(Severity::Error, "huffman-bad-code", offset, 1,
                       "The bits at " + at + " are no code of a " + colour + " run, at " + from +
                           "; the rest of the row is lost up to the next end-of-line code" + more);
            return;
        case HuffmanEvent::MissingEol:
            m_list.Add(Severity::Error, "huffman-missing-eol", offset, 1,
                       Capitalised(from) + " starts a row at " + at + " with no end-of-line code before it" + more);
            return;
        case HuffmanEvent::CutShort:
            m_list.Add(Severity::Error, "huffman-truncated", offset, m_format.fileSize - offset,
                       "The Huffman stream runs to the end of the file at offset " + GroupedNumber(m_format.fileSize) +
                           " with " + GroupedNumber(step.y) + " of its " + GroupedNumber(m_format.rows) +
                           " rows read, stopping at " + from + ".");
            return;
        }
    }

    [[gnu::cold, gnu::noinline]] void ReportRleExit(RleCode code, RleStep step)
    {
        const std::string at = " at offset " + GroupedNumber(code.offset);
        const std::string from = StreamPlaceText(step.x, step.y, m_format);
        switch (step.exit) {
        case RleExit::None: return;
        case RleExit::RunPastRow:
            m_list.Add(Severity::Error, "rle-run-past-row", code.offset, code.length,
                       std::string(code.op == RleOp::Run ? "A run" : "An absolute run") + " of " +
                           GroupedNumber(code.count) + " pixels" + at + " starts at " + from +
                           " and goes past the row's " + GroupedNumber(m_format.columns) + " pixels.");
            return;
        case RleExit::PastLastRow:
            m_list.Add(Severity::Error, "rle-past-last-row", code.offset, code.length,
                       "The stream goes on past the last of its " + GroupedNumber(m_format.rows) +
                           " rows: the code" + at + " is at " + from + ".");
            return;
        case RleExit::DeltaOutside:
            m_list.Add(Severity::Error, "rle-delta-outside", code.offset, code.length,
                       "A delta of " + GroupedNumber(code.count) + " columns and " + GroupedNumber(code.down) +
                           " rows" + at + " from " + from + " moves out of the " + GroupedNumber(m_format.columns) +
                           " by " + GroupedNumber(m_format.rows) + " picture.");
            return;
        }
    }

    // The file ends before the stream's end-of-bitmap code: inside a code, or between two.
    [[gnu::cold, gnu::noinline]] void ReportCutShort(RleCode code, std::uint64_t x, std::uint64_t y)
    {
        const std::string where = StreamPlaceText(x, y, m_format);
        if (code.length != 0) {
            m_list.Add(Severity::Error, "rle-truncated", code.offset, code.length,
                       "The file ends at offset " + GroupedNumber(m_format.fileSize) +
                           " inside the RLE code at offset " + GroupedNumber(code.offset) + ", at " + where +
                           ", before the end-of-bitmap code.");
            return;
        }
        const FileRange& pixels = m_format.pixels;
        const std::uint64_t lastBytes = std::min<std::uint64_t>(2, pixels.present);
        m_list.Add(Severity::Error, "rle-missing-end", m_format.fileSize - lastBytes, lastBytes,
                   "The RLE stream runs to the end of the file at offset " + GroupedNumber(m_format.fileSize) +
                       " without an end-of-bitmap code, at " + where + ".");
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
                                                                                  : ".") +
                               WhatUnclaimedBytesHold(element));
            else if (element.kind == ElementKind::Trailing)
                m_list.Add(Severity::Note, "trailing-bytes", element.offset, element.size,
                           Capitalised(ByteRangeText(element.offset, element.size)) + " (" + ByteCount(element.size) +
                               ") follow the bitmap's last part." + WhatUnclaimedBytesHold(element));
        }
    }

    // " They are all zero." or what files start inside them: hidden data announces itself.
    std::string WhatUnclaimedBytesHold(const Element& element) const
    {
        const Bytes bytes = m_file.subspan(element.offset, element.size);
        if (std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t byte) { return byte == 0; }))
            return element.size == 1 ? " It is zero." : " They are all zero.";
        constexpr std::size_t kNamed = 3;
        const SignatureSearch search = FindSignatures(m_file, {element.offset, element.size}, kNamed);
        if (search.count == 0)
            return element.size == 1 ? " It is not zero." : " They are not all zero.";
        std::string text = " They hold ";
        const bool allNamed = search.count == search.first.size();
        for (std::size_t i = 0; i < search.first.size(); ++i) {
            const bool last = i + 1 == search.first.size();
            text += std::string(i == 0 ? "" : last && allNamed ? " and " : ", ") +
                    std::string(search.first[i].name) + " at offset " + GroupedNumber(search.first[i].offset);
        }
        if (search.count > search.first.size())
            text += " and " + GroupedNumber(search.count - search.first.size()) + " more file signatures";
        return text + ".";
    }

    const Layout& m_layout;
    const BitmapFormat& m_format;
    Bytes m_file;
    FindingList m_list;
    bool m_bitCountDefined = false;
    bool m_arrayEntry = false;
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

std::string FindingLine(const Finding& finding)
{
    const auto padded = [](std::string_view text, std::size_t width) {
        std::string cell(text);
        cell.resize(std::max(cell.size(), width), ' ');
        return cell;
    };
    return "  " + padded(SeverityName(finding.severity), 7) + "  " + padded(finding.code, 30) + "  " +
           padded(HexNumber(finding.offset), 10) + "  " + finding.message;
}

std::vector<Finding> CheckBitmap(const Layout& layout, Bytes file)
{
    const BitmapArray& array = layout.array;
    if (array.entries.empty())
        return Checker(layout, file).Run();
    std::vector<Finding> findings = Checker(layout, file).RunOnArrayChain();
    for (std::size_t i = 0; i < array.entries.size(); ++i) {
        const Layout entry = ReadLayout(file, array.BitmapAt(i));
        for (Finding& finding : Checker(entry, file).RunOnArrayEntry()) {
            finding.message = "Bitmap " + GroupedNumber(i + 1) + " of " + GroupedNumber(array.entries.size()) +
                              " (offset " + GroupedNumber(array.BitmapAt(i)) + "): " + finding.message;
            findings.push_back(std::move(finding));
        }
    }
    return findings;
}

}  // namespace hexlume::format
