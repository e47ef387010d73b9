#include "BitmapScan.h"

#include <algorithm>

namespace hexlume::format {

namespace {

// The raw fields a bitmap cannot do without, each looked at as the checks judge it, before
// anything is read that costs more than a few loads.
bool RawHeadersPlausible(Bytes bitmap)
{
    if (bitmap.size() < kFileHeaderBytes + 4 ||
        ReadField(bitmap, 0, dictionary::kFileHeader, FieldId::Signature) != kBitmapSignature)
        return false;
    const std::uint32_t headerSize = Le32At(bitmap, kFileHeaderBytes);
    const HeaderVersion version = HeaderVersionFor(headerSize);
    if (version == HeaderVersion::Unknown || bitmap.size() - kFileHeaderBytes < headerSize)
        return false;
    const FieldTable fields = InfoHeaderFields(version);
    const auto field = [&](FieldId id) -> std::uint64_t {
        const FieldEntry* entry = FindField(fields, id);
        return entry != nullptr && entry->End() <= headerSize ? ReadField(bitmap, kFileHeaderBytes, *entry) : 0;
    };
    if (field(FieldId::Planes) != 1 || field(FieldId::Width) == 0 || field(FieldId::Height) == 0)
        return false;
    const auto bitCount = static_cast<std::uint16_t>(field(FieldId::BitCount));
    const PixelEncoding encoding = EncodingFor(version, static_cast<std::uint32_t>(field(FieldId::Compression)));
    return encoding != PixelEncoding::Unknown && JudgeBitCount(version, bitCount, encoding).support != Support::No &&
           EncodingNeeds(encoding, bitCount).empty();
}

// What the checks say of headers that describe no bitmap at all.
bool Implausible(FindingCode code)
{
    switch (code) {
    case FindingCode::FileTruncated:
    case FindingCode::BadSignature:
    case FindingCode::HeaderTruncated:
    case FindingCode::UnknownHeaderSize:
    case FindingCode::BadPlanes:
    case FindingCode::BadBitCount:
    case FindingCode::BadCompression:
    case FindingCode::CompressionMismatch:
    case FindingCode::BadWidth:
    case FindingCode::BadHeight:
    case FindingCode::SizeOverflow:
    case FindingCode::PixelOffsetOverlaps:
    case FindingCode::PixelOffsetPastEnd: return true;
    default: return false;
    }
}

}  // namespace

std::optional<FoundBitmap> BitmapAt(Bytes file, std::uint64_t offset)
{
    if (offset >= file.size())
        return std::nullopt;
    const Bytes rest = file.subspan(offset);
    if (!RawHeadersPlausible(rest))
        return std::nullopt;
    const BitmapFormat format = ReadBitmapFormat(rest);
    if (format.offBits < format.colorTable.End() || format.offBits >= rest.size())
        return std::nullopt;
    // A stream told by nothing but the file's end (an embedded one without an image size, an RLE
    // stream without its end code) ends where bfSize says, if bfSize holds the rest.
    const std::uint64_t fixedEnd = std::max({format.header.End(), format.maskBytes.End(), format.colorTable.End(),
                                             format.pixels.offset + 1,
                                             format.csType == kProfileEmbedded ? format.profile.End() : 0});
    const std::uint64_t lastPartEnd = std::max(fixedEnd, format.pixels.End());
    const bool streamToEnd = !IsUncompressed(format.encoding) && format.pixels.End() >= rest.size();
    const std::uint64_t declared = format.declaredFileSize;
    const bool agrees = declared <= rest.size() && declared >= (streamToEnd ? fixedEnd : lastPartEnd);
    // Parts past the end of the file are a bitmap the file cuts short only when bfSize agrees.
    if (lastPartEnd > rest.size() && declared != lastPartEnd)
        return std::nullopt;
    FoundBitmap found{.offset = offset,
                      .length = agrees ? declared : std::min<std::uint64_t>(lastPartEnd, rest.size()),
                      .inspection = {}};
    found.inspection = Inspect(rest.first(found.length));
    const std::vector<Finding>& findings = found.inspection.findings;
    if (std::any_of(findings.begin(), findings.end(), [](const Finding& finding) {
            return finding.severity == Severity::Error && Implausible(finding.code);
        }))
        return std::nullopt;
    return found;
}

bool FindBitmapsIn(Bytes file, std::uint64_t copyOffset, Bytes copy, const std::function<bool(FoundBitmap&&)>& found)
{
    // "B" turns up once in 256 random bytes, too often for memchr's start-up cost to pay; both
    // bytes of "BM" are looked for at once instead, a block at a time, in a loop the compiler
    // turns into vector code.
    constexpr std::size_t kBlock = 64;
    const std::uint8_t* const data = copy.data();
    const std::size_t size = copy.size();
    // Judged first from the copy, which holds the longest headers unless the candidate is near
    // its end: touching the file's pages costs far more.
    constexpr std::uint64_t kLongestHeaders = kFileHeaderBytes + TableBytes(InfoHeaderFields(HeaderVersion::V5));
    const auto at = [&](std::size_t offset) {
        if (data[offset] != 'B' || data[offset + 1] != 'M' ||
            (size - offset >= kLongestHeaders && !RawHeadersPlausible(copy.subspan(offset))))
            return true;
        std::optional<FoundBitmap> bitmap = BitmapAt(file, copyOffset + offset);
        return !bitmap || found(std::move(*bitmap));
    };
    std::size_t offset = 0;
    for (; size > kBlock && offset < size - kBlock; offset += kBlock) {
        std::uint8_t hits = 0;
        for (std::size_t i = 0; i < kBlock; ++i)
            hits |= static_cast<std::uint8_t>((data[offset + i] == 'B') & (data[offset + i + 1] == 'M'));
        if (hits == 0)
            continue;
        for (std::size_t i = 0; i < kBlock; ++i)
            if (!at(offset + i))
                return false;
    }
    for (; offset + 1 < size; ++offset)
        if (!at(offset))
            return false;
    return true;
}

void FindBitmaps(Bytes file, const std::function<bool(FoundBitmap&&)>& found)
{
    FindBitmapsIn(file, 0, file, found);
}

}  // namespace hexlume::format
