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
                       Message(HX_TR("Findings", "The file has %1, fewer than the 14 of a file header."))
                           .Arg(say::Bytes(m_format.fileSize)));
            return true;
        }
        if (m_format.type != kBitmapSignature) {
            m_list.AddOnField(Severity::Error, FindingCode::BadSignature, FieldId::Signature,
                              Message(m_format.type == kArraySignature
                                          ? HX_TR("Findings", "%1 is %2, not \"BM\" (an OS/2 bitmap array, not a "
                                                              "bitmap).")
                                          : HX_TR("Findings", "%1 is %2, not \"BM\"."))
                                  .Arg(m_list.NameOf(FieldId::Signature))
                                  .Arg(SignatureText(m_format.type)));
            return true;
        }
        return false;
    }

    bool InfoHeaderBroken()
    {
        const FileRange& header = m_format.header;
        if (header.present < 4) {
            m_list.Add(Severity::Error, FindingCode::HeaderTruncated, m_format.fileSize - header.present, header.present,
                       Message(HX_TR("Findings", "The file ends after %1, before the info header's size field."))
                           .Arg(say::Bytes(m_format.fileSize)));
            return true;
        }
        if (m_format.version == HeaderVersion::Unknown) {
            m_list.AddOnField(Severity::Error, FindingCode::UnknownHeaderSize, FieldId::HeaderSize,
                              Message(HX_TR("Findings", "%1 is %2, which no header version has (12, 16 to 64, 40, "
                                                        "52, 56, 108 or 124)."))
                                  .Arg("biSize")
                                  .Number(m_format.headerSize));
            return true;
        }
        if (m_format.version == HeaderVersion::Os2v2 && !EndsOnOs2v2Field(m_format.headerSize)) {
            m_list.AddOnField(Severity::Error, FindingCode::UnknownHeaderSize, FieldId::HeaderSize,
                              Message(HX_TR("Findings", "%1 is %2, which ends inside a field of the OS/2 2.x header."))
                                  .Arg(m_list.NameOf(FieldId::HeaderSize))
                                  .Number(m_format.headerSize));
            return true;
        }
        if (!header.Complete()) {
            m_list.Add(Severity::Error, FindingCode::HeaderTruncated, header.offset, header.present,
                       Message(HX_TR("Findings", "The %1 takes %2; the file ends after %3 of it."))
                           .Arg(HeaderVersionName(m_format.version))
                           .Arg(say::Bytes(header.claimed))
                           .Arg(say::Bytes(header.present)));
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
                              Message(HX_TR("Findings", "%1 is %2, the size of the two headers, as some OS/2 "
                                                        "writers store it; the file has %3."))
                                  .Arg(m_list.NameOf(FieldId::FileSize))
                                  .Number(m_format.declaredFileSize)
                                  .Arg(say::Bytes(m_format.fileSize)));
        else if (sizesTheFile && m_format.declaredFileSize > m_format.fileSize)
            m_list.AddOnField(Severity::Error, FindingCode::FileSizeMismatch, FieldId::FileSize,
                              Message(HX_TR("Findings", "%1 says %2, past the end of the file, which has %3."))
                                  .Arg(m_list.NameOf(FieldId::FileSize))
                                  .Arg(say::Bytes(m_format.declaredFileSize))
                                  .Number(m_format.fileSize));
        else if (sizesTheFile && m_format.declaredFileSize != m_format.fileSize)
            m_list.AddOnField(Severity::Warning, FindingCode::FileSizeMismatch, FieldId::FileSize,
                              Message(HX_TR("Findings", "%1 says %2; the file has %3."))
                                  .Arg(m_list.NameOf(FieldId::FileSize))
                                  .Arg(say::Bytes(m_format.declaredFileSize))
                                  .Number(m_format.fileSize));
        for (const auto& [id, value] : {std::pair{FieldId::Reserved1, m_format.reserved1},
                                        std::pair{FieldId::Reserved2, m_format.reserved2}}) {
            if (value == 0)
                continue;
            // OS/2 gives these words a meaning (an icon's hot spot); Windows reserves them.
            if (IsOs2Header(m_format.version))
                m_list.AddOnField(Severity::Note, FindingCode::Os2HotSpot, id,
                                  Message(HX_TR("Findings", "%1 is %2: a hot spot, which means something for OS/2 "
                                                            "icons and pointers only."))
                                      .Arg(m_list.NameOf(id))
                                      .Number(value));
            else
                m_list.AddOnField(Severity::Warning, FindingCode::ReservedNotZero, id,
                                  Message(HX_TR("Findings", "%1 is %2; it must be 0."))
                                      .Arg(m_list.NameOf(id))
                                      .Number(value));
        }
    }

    // Planes, bit count, compression, width and height; false when no picture can be made of them.
    bool CheckPictureShape()
    {
        if (IsOs2Header(m_format.version))
            m_list.Add(Severity::Note, FindingCode::Os2Header, m_format.header.offset, m_format.headerSize,
                       Message(m_format.version == HeaderVersion::Core
                                   ? HX_TR("Findings", "The info header is the OS/2 1.x %1 of %2, with 16-bit sizes "
                                                       "and 3-byte colour entries.")
                                   : HX_TR("Findings", "The info header is the %1 of %2, read with OS/2's compression "
                                                       "codes."))
                           .Arg(HeaderVersionName(m_format.version))
                           .Arg(say::Bytes(m_format.headerSize)));
        if (m_format.planes != 1)
            m_list.AddOnField(Severity::Error, FindingCode::BadPlanes, FieldId::Planes,
                              Message(HX_TR("Findings", "%1 is %2; it must be 1."))
                                  .Arg(m_list.NameOf(FieldId::Planes))
                                  .Number(m_format.planes));
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
                              Message(HX_TR("Findings", "%1 is %2: %3"))
                                  .Arg(name)
                                  .Arg(std::to_string(bits))
                                  .Arg(verdict.rareNote));
            return true;
        }
        if (verdict.support == Support::Yes)
            return true;
        if (verdict.otherFamilyRare)
            return BadBitCount(Message(HX_TR("Findings", "%1 is %2, which OS/2 bitmaps do not have."))
                                   .Arg(name)
                                   .Arg(std::to_string(bits)));
        if (bits == 0 && !IsEmbeddedStream(m_format.encoding))
            return BadBitCount(
                Message(HX_TR("Findings", "%1 is 0, which only JPEG or PNG pixel data may have.")).Arg(name));
        return BadBitCount(Message(HX_TR("Findings", "%1 is %2, a bit count no bitmap variant defines."))
                               .Arg(name)
                               .Number(bits));
    }

    bool BadBitCount(Message message)
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
                              Message(m_format.version == HeaderVersion::Os2v2
                                          ? HX_TR("Findings", "%1 is %2, which OS/2 bitmaps do not define.")
                                          : HX_TR("Findings", "%1 is %2, which no bitmap variant defines."))
                                  .Arg(name)
                                  .Number(m_format.compression));
            return false;
        }
        const std::uint16_t bits = m_format.bitCount;
        Message needs = say::EncodingNeeds(encoding, bits);
        if (needs.Empty())
            return true;
        m_list.AddOnField(Severity::Error, FindingCode::CompressionMismatch, FieldId::Compression,
                          Message(HX_TR("Findings", "%1 bits per pixel; %2 is %3."))
                              .Arg(std::move(needs))
                              .Arg(m_list.NameOf(FieldId::BitCount))
                              .Number(bits));
        return false;
    }

    bool CheckDimensions()
    {
        bool sized = true;
        if (m_format.width <= 0) {
            m_list.AddOnField(Severity::Error, FindingCode::BadWidth, FieldId::Width,
                              Message(HX_TR("Findings", "%1 is %2; a bitmap is at least 1 pixel wide."))
                                  .Arg(m_list.NameOf(FieldId::Width))
                                  .Arg(std::to_string(m_format.width)));
            sized = false;
        }
        if (m_format.height == 0) {
            m_list.AddOnField(Severity::Error, FindingCode::BadHeight, FieldId::Height,
                              Message(HX_TR("Findings", "%1 is 0; a bitmap has at least 1 row."))
                                  .Arg(m_list.NameOf(FieldId::Height)));
            sized = false;
        }
        const bool compressed = !IsUncompressed(m_format.encoding);
        if (m_format.topDown && m_format.version == HeaderVersion::Os2v2) {
            m_list.AddOnField(Severity::Error, FindingCode::BadHeight, FieldId::Height,
                              Message(HX_TR("Findings", "%1 is %2, more rows than a file can hold; OS/2 bitmaps "
                                                        "have no top-down form."))
                                  .Arg(m_list.NameOf(FieldId::Height))
                                  .Number(static_cast<std::uint32_t>(m_format.height)));
            sized = false;
        } else if (m_format.topDown && compressed) {
            m_list.AddOnField(Severity::Error, FindingCode::TopDownCompressed, FieldId::Height,
                              Message(HX_TR("Findings", "%1 is %2 (top-down), which only uncompressed bitmaps may be."))
                                  .Arg(m_list.NameOf(FieldId::Height))
                                  .Arg(std::to_string(m_format.height)));
        }
        if (sized && IsUncompressed(m_format.encoding) && m_format.rowBytes > kDwordLimit) {
            m_list.AddOnField(Severity::Error, FindingCode::SizeOverflow, FieldId::Width,
                              Message(HX_TR("Findings", "The rows take more bytes than the 4 GiB a bitmap's 32-bit "
                                                        "sizes can hold (%1 by %2 at %3)."))
                                  .Number(m_format.columns)
                                  .Number(m_format.rows)
                                  .Arg(Message(HX_TR_N("Findings", "%n bit(s)")).Count(m_format.bitCount)));
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
