#include "BitmapFormat.h"

#include "RleStream.h"

#include <algorithm>
#include <limits>

namespace hexlume::format {

namespace {

constexpr std::uint64_t kInfoStart = kFileHeaderBytes;
FileRange RangeIn(std::uint64_t fileSize, std::uint64_t offset, std::uint64_t claimed)
{
    const std::uint64_t present = offset >= fileSize ? 0 : std::min(claimed, fileSize - offset);
    return {.offset = offset, .claimed = claimed, .present = present};
}

// Reads the header fields at their offsets in the file, each only when the header is long enough
// to hold it; the rest stay 0.
class HeaderReader {
public:
    HeaderReader(Bytes file, std::uint32_t headerSize) : m_file(file), m_end(kInfoStart + headerSize) {}

    std::uint16_t U16(std::uint64_t offset) const { return Holds(offset, 2) ? Le16At(m_file, offset) : 0; }
    std::uint32_t U32(std::uint64_t offset) const { return Holds(offset, 4) ? Le32At(m_file, offset) : 0; }
    std::int32_t I32(std::uint64_t offset) const { return static_cast<std::int32_t>(U32(offset)); }

private:
    bool Holds(std::uint64_t offset, std::uint64_t size) const { return offset + size <= m_end; }

    Bytes m_file;
    std::uint64_t m_end;
};

PixelEncoding EncodingFor(HeaderVersion version, std::uint32_t compression)
{
    if (version == HeaderVersion::Core)
        return PixelEncoding::Rgb;  // a core header has no compression field
    if (version == HeaderVersion::Os2v2) {
        switch (compression) {
        case 0: return PixelEncoding::Rgb;
        case 1: return PixelEncoding::Rle8;
        case 2: return PixelEncoding::Rle4;
        case 3: return PixelEncoding::Huffman1D;
        case 4: return PixelEncoding::Rle24;
        default: return PixelEncoding::Unknown;
        }
    }
    switch (compression) {
    case kBiRgb: return PixelEncoding::Rgb;
    case kBiRle8: return PixelEncoding::Rle8;
    case kBiRle4: return PixelEncoding::Rle4;
    case kBiBitfields:
    case kBiAlphaBitfields: return PixelEncoding::BitFields;
    case kBiJpeg: return PixelEncoding::Jpeg;
    case kBiPng: return PixelEncoding::Png;
    default: return PixelEncoding::Unknown;
    }
}

void ReadMasks(Bytes file, const HeaderReader& header, BitmapFormat& format)
{
    const bool packed = format.bitCount == 16 || format.bitCount == 32;
    if (format.encoding == PixelEncoding::Rgb && packed) {
        format.maskSource = MaskSource::Default;
        format.masks = format.bitCount == 16 ? ChannelMasks{.red = 0x7C00, .green = 0x03E0, .blue = 0x001F}
                                             : ChannelMasks{.red = 0xFF0000, .green = 0xFF00, .blue = 0xFF};
        return;
    }
    if (format.encoding != PixelEncoding::BitFields)
        return;
    const bool withAlpha = format.compression == kBiAlphaBitfields;
    if (format.version == HeaderVersion::Info) {
        format.maskSource = MaskSource::AfterHeader;
        const std::uint64_t start = kInfoStart + format.headerSize;
        format.maskBytes = RangeIn(format.fileSize, start, withAlpha ? 16 : 12);
        format.masks = {.red = Le32At(file, start),
                        .green = Le32At(file, start + 4),
                        .blue = Le32At(file, start + 8),
                        .alpha = withAlpha ? Le32At(file, start + 12) : 0};
        return;
    }
    format.maskSource = MaskSource::InHeader;
    format.masks = {.red = header.U32(54), .green = header.U32(58), .blue = header.U32(62), .alpha = header.U32(66)};
}

std::uint64_t ColorCountFor(const BitmapFormat& format)
{
    if (format.clrUsed != 0)
        return format.clrUsed;
    if (format.bitCount < 1 || format.bitCount > 8)
        return 0;
    const std::uint64_t full = std::uint64_t{1} << format.bitCount;
    if (format.version != HeaderVersion::Core)
        return full;
    // A core header has no count field: a shorter table is told by where the pixels start.
    const std::uint64_t tableStart = kInfoStart + format.headerSize;
    if (format.offBits <= tableStart)
        return full;
    return std::min(full, (format.offBits - tableStart) / 3);
}

void LocateRegions(Bytes file, BitmapFormat& format)
{
    format.colorEntrySize = format.version == HeaderVersion::Core ? 3 : 4;
    format.colorCount = ColorCountFor(format);
    const std::uint64_t tableStart = SaturatingAdd(kInfoStart + format.headerSize, format.maskBytes.claimed);
    format.colorTable = RangeIn(format.fileSize, tableStart,
                                SaturatingMultiply(format.colorCount, format.colorEntrySize));

    format.stride = RowStride(format.columns, format.bitCount);
    format.rowBytes = SaturatingMultiply(format.stride, format.rows);
    // bfOffBits 0 is no place for pixels; the data is then taken to follow the colour table.
    const std::uint64_t start = format.offBits != 0 ? format.offBits : format.colorTable.End();
    const bool uncompressed = IsUncompressed(format.encoding);
    std::uint64_t claimed = format.rowBytes;
    if (IsRunLength(format.encoding))
        claimed = RleStreamEnd(file, format.encoding, start) - std::min(start, format.fileSize);
    else if (!uncompressed)
        claimed = format.sizeImage != 0 ? format.sizeImage : (start < format.fileSize ? format.fileSize - start : 0);
    format.pixels = RangeIn(format.fileSize, start, claimed);

    if (format.version == HeaderVersion::V5 && format.profileSize != 0 &&
        (format.csType == kProfileEmbedded || format.csType == kProfileLinked))
        format.profile = RangeIn(format.fileSize, kInfoStart + std::uint64_t{format.profileData}, format.profileSize);
}

}  // namespace

HeaderVersion HeaderVersionFor(std::uint32_t headerSize)
{
    switch (headerSize) {
    case 12: return HeaderVersion::Core;
    case 40: return HeaderVersion::Info;
    case 52: return HeaderVersion::V2;
    case 56: return HeaderVersion::V3;
    case 108: return HeaderVersion::V4;
    case 124: return HeaderVersion::V5;
    default: return headerSize >= 16 && headerSize <= 64 ? HeaderVersion::Os2v2 : HeaderVersion::Unknown;
    }
}

std::string_view HeaderVersionName(HeaderVersion version)
{
    switch (version) {
    case HeaderVersion::Core: return "BITMAPCOREHEADER";
    case HeaderVersion::Os2v2: return "OS/2 2.x BITMAPINFOHEADER2";
    case HeaderVersion::Info: return "BITMAPINFOHEADER";
    case HeaderVersion::V2: return "BITMAPV2INFOHEADER";
    case HeaderVersion::V3: return "BITMAPV3INFOHEADER";
    case HeaderVersion::V4: return "BITMAPV4HEADER";
    case HeaderVersion::V5: return "BITMAPV5HEADER";
    case HeaderVersion::Unknown: break;
    }
    return "unknown header";
}

bool BitmapFormat::HeaderReadable() const
{
    return version != HeaderVersion::Unknown && header.Complete();
}

BitmapFormat ReadBitmapFormat(Bytes file)
{
    BitmapFormat format;
    format.fileSize = file.size();
    format.type = Le16At(file, 0);
    format.declaredFileSize = Le32At(file, 2);
    format.reserved1 = Le16At(file, 6);
    format.reserved2 = Le16At(file, 8);
    format.offBits = Le32At(file, 10);

    format.headerSize = Le32At(file, kInfoStart);
    format.version = HeaderVersionFor(format.headerSize);
    format.header = RangeIn(format.fileSize, kInfoStart, std::max<std::uint64_t>(format.headerSize, 4));
    const HeaderReader header(file, format.headerSize);

    if (format.version == HeaderVersion::Core) {
        format.width = header.U16(18);
        format.height = header.U16(20);
        format.planes = header.U16(22);
        format.bitCount = header.U16(24);
    } else {
        format.width = header.I32(18);
        format.height = header.I32(22);
        format.planes = header.U16(26);
        format.bitCount = header.U16(28);
        format.compression = header.U32(30);
        format.sizeImage = header.U32(34);
        format.xPelsPerMeter = header.I32(38);
        format.yPelsPerMeter = header.I32(42);
        format.clrUsed = header.U32(46);
        format.clrImportant = header.U32(50);
    }
    if (format.version == HeaderVersion::V4 || format.version == HeaderVersion::V5)
        format.csType = header.U32(70);
    if (format.version == HeaderVersion::V5) {
        format.intent = header.U32(122);
        format.profileData = header.U32(126);
        format.profileSize = header.U32(130);
    }

    format.encoding = format.version == HeaderVersion::Unknown ? PixelEncoding::Unknown
                                                               : EncodingFor(format.version, format.compression);
    format.topDown = format.height < 0;
    format.columns = static_cast<std::uint64_t>(format.width < 0 ? -format.width : format.width);
    format.rows = static_cast<std::uint64_t>(format.height < 0 ? -format.height : format.height);
    if (format.version != HeaderVersion::Unknown)
        ReadMasks(file, header, format);
    LocateRegions(file, format);
    return format;
}

}  // namespace hexlume::format
