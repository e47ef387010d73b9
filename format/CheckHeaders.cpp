#include "CheckContext.h"

#include "NumberText.h"
#include "Signatures.h"

#include <algorithm>

namespace hexlume::format::check {

namespace {

constexpr std::uint64_t kDwordLimit = 0xFFFFFFFF;

// An OS/2 2.x header may stop after any of its fields, but not inside one.
bool EndsOnOs2v2Field(std::uint32_t size)
{
    const FieldTable fields = InfoHeaderFields(HeaderVersion::Os2v2);
    return std::any_of(fields.begin(), fields.end(), [size](const FieldEntry& entry) { return entry.End() == size; });
}

struct HeaderCheck : Part {
    using Part::Part;

    bool FileHeaderBroken()
    {
        if (m_format.fileSize < kFileHeaderBytes) {
            m_list.Add(Severity::Error, FindingCode::FileTruncated, 0, m_format.fileSize,
                       "The file has " + ByteCount(m_format.fileSize) + ", fewer than the 14 of a file header.");
            return true;
        }
        if (m_format.type != kBitmapSignature) {
            m_list.AddOnField(Severity::Error, FindingCode::BadSignature, FieldId::Signature,
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
            m_list.Add(Severity::Error, FindingCode::HeaderTruncated, m_format.fileSize - header.present, header.present,
                       "The file ends after " + ByteCount(m_format.fileSize) + ", before the info header's size field.");
            return true;
        }
        if (m_format.version == HeaderVersion::Unknown) {
            m_list.AddOnField(Severity::Error, FindingCode::UnknownHeaderSize, FieldId::HeaderSize,
                              "biSize is " + GroupedNumber(m_format.headerSize) +
                                  ", which no header version has (12, 16 to 64, 40, 52, 56, 108 or 124).");
            return true;
        }
        if (m_format.version == HeaderVersion::Os2v2 && !EndsOnOs2v2Field(m_format.headerSize)) {
            m_list.AddOnField(Severity::Error, FindingCode::UnknownHeaderSize, FieldId::HeaderSize,
                              m_list.NameOf(FieldId::HeaderSize) + " is " + GroupedNumber(m_format.headerSize) +
                                  ", which ends inside a field of the OS/2 2.x header.");
            return true;
        }
        if (!header.Complete()) {
            m_list.Add(Severity::Error, FindingCode::HeaderTruncated, header.offset, header.present,
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
        const bool sizesTheFile = !m_context.arrayEntry;
        if (os2HeadersSize)
            m_list.AddOnField(Severity::Note, FindingCode::Os2HeadersSize, FieldId::FileSize,
                              m_list.NameOf(FieldId::FileSize) + " is " + GroupedNumber(m_format.declaredFileSize) +
                                  ", the size of the two headers, as some OS/2 writers store it; the file has " +
                                  ByteCount(m_format.fileSize) + ".");
        else if (sizesTheFile && m_format.declaredFileSize > m_format.fileSize)
            m_list.AddOnField(Severity::Error, FindingCode::FileSizeMismatch, FieldId::FileSize,
                              m_list.NameOf(FieldId::FileSize) + " says " + ByteCount(m_format.declaredFileSize) +
                                  ", past the end of the file, which has " + GroupedNumber(m_format.fileSize) + ".");
        else if (sizesTheFile && m_format.declaredFileSize != m_format.fileSize)
            m_list.AddOnField(Severity::Warning, FindingCode::FileSizeMismatch, FieldId::FileSize,
                              m_list.NameOf(FieldId::FileSize) + " says " + ByteCount(m_format.declaredFileSize) +
                                  "; the file has " +
                                  GroupedNumber(m_format.fileSize) + ".");
        for (const auto& [id, value] : {std::pair{FieldId::Reserved1, m_format.reserved1},
                                        std::pair{FieldId::Reserved2, m_format.reserved2}}) {
            if (value == 0)
                continue;
            // OS/2 gives these words a meaning (an icon's hot spot); Windows reserves them.
            if (IsOs2Header(m_format.version))
                m_list.AddOnField(Severity::Note, FindingCode::Os2HotSpot, id,
                                  m_list.NameOf(id) + " is " + GroupedNumber(value) +
                                      ": a hot spot, which means something for OS/2 icons and pointers only.");
            else
                m_list.AddOnField(Severity::Warning, FindingCode::ReservedNotZero, id,
                                  m_list.NameOf(id) + " is " + GroupedNumber(value) + "; it must be 0.");
        }
    }

    // Planes, bit count, compression, width and height; false when no picture can be made of them.
    bool CheckPictureShape()
    {
        if (IsOs2Header(m_format.version))
            m_list.Add(Severity::Note, FindingCode::Os2Header, m_format.header.offset, m_format.headerSize,
                       "The info header is the " +
                           std::string(m_format.version == HeaderVersion::Core ? "OS/2 1.x " : "") +
                           std::string(HeaderVersionName(m_format.version)) + " of " +
                           ByteCount(m_format.headerSize) +
                           (m_format.version == HeaderVersion::Core ? ", with 16-bit sizes and 3-byte colour entries."
                                                                    : ", read with OS/2's compression codes."));
        if (m_format.planes != 1)
            m_list.AddOnField(Severity::Error, FindingCode::BadPlanes, FieldId::Planes,
                              m_list.NameOf(FieldId::Planes) + " is " + GroupedNumber(m_format.planes) +
                                  "; it must be 1.");
        m_context.bitCountDefined = CheckBitCount();
        const bool pixelsDefined = m_context.bitCountDefined && CheckCompression();
        const bool sized = CheckDimensions();
        return pixelsDefined && sized;
    }

    bool CheckBitCount()
    {
        const std::uint16_t bits = m_format.bitCount;
        const std::string name = m_list.NameOf(FieldId::BitCount);
        const BitCountVerdict verdict = JudgeBitCount(m_format.version, bits, m_format.encoding);
        if (verdict.support == Support::Rare) {
            m_list.AddOnField(Severity::Warning, FindingCode::UnusualBitCount, FieldId::BitCount,
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
        m_list.AddOnField(Severity::Error, FindingCode::BadBitCount, FieldId::BitCount, std::move(message));
        return false;
    }

    bool CheckCompression()
    {
        const PixelEncoding encoding = m_format.encoding;
        const std::string name = m_list.NameOf(FieldId::Compression);
        if (encoding == PixelEncoding::Unknown) {
            m_list.AddOnField(Severity::Error, FindingCode::BadCompression, FieldId::Compression,
                              name + " is " + GroupedNumber(m_format.compression) + ", which " +
                                  (m_format.version == HeaderVersion::Os2v2 ? "OS/2 bitmaps do not define."
                                                                            : "no bitmap variant defines."));
            return false;
        }
        const std::uint16_t bits = m_format.bitCount;
        const std::string needs = EncodingNeeds(encoding, bits);
        if (needs.empty())
            return true;
        m_list.AddOnField(Severity::Error, FindingCode::CompressionMismatch, FieldId::Compression,
                          needs + " bits per pixel; " + m_list.NameOf(FieldId::BitCount) + " is " +
                              GroupedNumber(bits) + ".");
        return false;
    }

    bool CheckDimensions()
    {
        bool sized = true;
        if (m_format.width <= 0) {
            m_list.AddOnField(Severity::Error, FindingCode::BadWidth, FieldId::Width,
                              m_list.NameOf(FieldId::Width) + " is " + std::to_string(m_format.width) +
                                  "; a bitmap is at least 1 pixel wide.");
            sized = false;
        }
        if (m_format.height == 0) {
            m_list.AddOnField(Severity::Error, FindingCode::BadHeight, FieldId::Height,
                              m_list.NameOf(FieldId::Height) + " is 0; a bitmap has at least 1 row.");
            sized = false;
        }
        const bool compressed = !IsUncompressed(m_format.encoding);
        if (m_format.topDown && m_format.version == HeaderVersion::Os2v2) {
            m_list.AddOnField(Severity::Error, FindingCode::BadHeight, FieldId::Height,
                              m_list.NameOf(FieldId::Height) + " is " +
                                  GroupedNumber(static_cast<std::uint32_t>(m_format.height)) +
                                  ", more rows than a file can hold; OS/2 bitmaps have no top-down form.");
            sized = false;
        } else if (m_format.topDown && compressed) {
            m_list.AddOnField(Severity::Error, FindingCode::TopDownCompressed, FieldId::Height,
                              m_list.NameOf(FieldId::Height) + " is " + std::to_string(m_format.height) +
                                  " (top-down), which only uncompressed bitmaps may be.");
        }
        if (sized && IsUncompressed(m_format.encoding) && m_format.rowBytes > kDwordLimit) {
            m_list.AddOnField(Severity::Error, FindingCode::SizeOverflow, FieldId::Width,
                              "The rows take more bytes than the 4 GiB a bitmap's 32-bit sizes can hold (" +
                                  GroupedNumber(m_format.columns) + " by " + GroupedNumber(m_format.rows) + " at " +
                                  Counted(m_format.bitCount, "bit", "bits") + ").");
            sized = false;
        }
        return sized;
    }
};

}  // namespace

bool FileHeaderBroken(Context& context)
{
    return HeaderCheck(context).FileHeaderBroken();
}

bool InfoHeaderBroken(Context& context)
{
    return HeaderCheck(context).InfoHeaderBroken();
}

bool CheckPictureShape(Context& context)
{
    return HeaderCheck(context).CheckPictureShape();
}

void CheckFileHeaderValues(Context& context)
{
    HeaderCheck(context).CheckFileHeaderValues();
}

}  // namespace hexlume::format::check
