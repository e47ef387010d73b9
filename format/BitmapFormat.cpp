#include "BitmapFormat.h"

#include "Huffman1D.h"
#include "RleStream.h"

#include <algorithm>
#include <limits>

namespace hexlume::format {

FileRange RangeIn(std::uint64_t fileSize, std::uint64_t offset, std::uint64_t claimed)
{
    const std::uint64_t present = offset >= fileSize ? 0 : std::min(claimed, fileSize - offset);
    return {.offset = offset, .claimed = claimed, .present = present};
}

namespace {

// Reads the info header's fields, each only when the header is long enough to hold it; the rest
// stay 0. A header of unknown size is read as far as it goes as a BITMAPINFOHEADER.
class HeaderReader {
public:
    HeaderReader(Bytes file, const BitmapFormat& format)
        : m_file(file), m_start(format.header.offset), m_size(format.headerSize),
          m_fields(InfoHeaderFields(format.version == HeaderVersion::Unknown ? HeaderVersion::Info : format.version))
    {
    }

    std::uint64_t Raw(FieldId id) const
    {
        const FieldEntry* entry = FindField(m_fields, id);
        return entry != nullptr && entry->End() <= m_size ? ReadField(m_file, m_start, *entry) : 0;
    }
    std::uint16_t U16(FieldId id) const { return static_cast<std::uint16_t>(Raw(id)); }
    std::uint32_t U32(FieldId id) const { return static_cast<std::uint32_t>(Raw(id)); }
    std::int32_t I32(FieldId id) const { return static_cast<std::int32_t>(Raw(id)); }
    // A size as stored: a 16-bit one unsigned, a 32-bit one signed.
    std::int64_t Dimension(FieldId id) const
    {
        return FieldOf(m_fields, id).Size() == 4 ? std::int64_t{I32(id)} : std::int64_t{U16(id)};
    }

private:
    Bytes m_file;
    std::uint64_t m_start;
    std::uint64_t m_size;
    FieldTable m_fields;
};

void ReadMasks(Bytes file, const HeaderReader& header, BitmapFormat& format)
{
    const bool packed = format.bitCount == 16 || format.bitCount == 32;
    if (format.encoding == PixelEncoding::Rgb && packed) {
        format.maskSource = MaskSource::Default;
        format.masks = format.bitCount == 16 ? ChannelMasks{.red = 0x7C00, .green = 0x03E0, .blue = 0x001F}
                                             : ChannelMasks{.red = 0xFF0000, .green = 0xFF00, .blue = 0xFF};
        // A 32-bit icon image keeps its alpha in the byte a bitmap leaves spare.
        if (format.bitCount == 32 && format.container == DibContainer::IconImage)
            format.masks.alpha = 0xFF000000;
        return;
    }
    if (format.encoding != PixelEncoding::BitFields)
        return;
    const bool withAlpha = format.compression == kBiAlphaBitfields;
    if (format.version == HeaderVersion::Info) {
        format.maskSource = MaskSource::AfterHeader;
        const std::uint64_t start = format.header.End();
        const FieldTable fields = withAlpha ? kMaskFields : kMaskFields.first(3);
        format.maskBytes = RangeIn(format.fileSize, start, TableBytes(fields));
        const auto mask = [&](FieldId id) {
            const FieldEntry* entry = FindField(fields, id);
            return entry != nullptr ? static_cast<std::uint32_t>(ReadField(file, start, *entry)) : 0;
        };
        format.masks = {.red = mask(FieldId::RedMask), .green = mask(FieldId::GreenMask),
                        .blue = mask(FieldId::BlueMask), .alpha = mask(FieldId::AlphaMask)};
        return;
    }
    format.maskSource = MaskSource::InHeader;
    format.masks = {.red = header.U32(FieldId::RedMask), .green = header.U32(FieldId::GreenMask),
                    .blue = header.U32(FieldId::BlueMask), .alpha = header.U32(FieldId::AlphaMask)};
}

std::uint64_t ColorCountFor(const BitmapFormat& format)
{
    if (format.clrUsed != 0)
        return format.clrUsed;
    if (!IsIndexed(format.bitCount))
        return 0;
    const std::uint64_t full = FullTableEntries(format.bitCount);
    if (format.version != HeaderVersion::Core)
        return full;
    // A core header has no count field: a shorter table is told by where the pixels start.
    const std::uint64_t tableStart = format.header.End();
    if (format.offBits <= tableStart)
        return full;
    return std::min(full, (format.offBits - tableStart) / 3);
}

void LocateRegions(Bytes file, BitmapFormat& format)
{
    format.colorEntrySize = format.version == HeaderVersion::Core ? 3 : 4;
    format.colorCount = ColorCountFor(format);
    const std::uint64_t tableStart = SaturatingAdd(format.header.End(), format.maskBytes.claimed);
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
    else if (format.encoding == PixelEncoding::Huffman1D)
        claimed = HuffmanStreamEnd(file, start, format.columns, format.rows) - std::min(start, format.fileSize);
    else if (!uncompressed)
        claimed = format.sizeImage != 0 ? format.sizeImage : (start < format.fileSize ? format.fileSize - start : 0);
    format.pixels = RangeIn(format.fileSize, start, claimed);

    if (format.container == DibContainer::IconImage) {
        format.maskStride = RowStride(format.columns, 1);
        format.andMask = RangeIn(format.fileSize, format.pixels.End(), SaturatingMultiply(format.maskStride, format.rows));
    }

    if (format.version == HeaderVersion::V5 && format.profileSize != 0 &&
        (format.csType == kProfileEmbedded || format.csType == kProfileLinked))
        format.profile = RangeIn(format.fileSize, format.header.offset + format.profileData, format.profileSize);
}

// The info header at infoStart and the parts it places after it.
void ReadInfoHeader(Bytes file, std::uint64_t infoStart, BitmapFormat& format)
{
    const FieldEntry& sizeField = FieldOf(InfoHeaderFields(HeaderVersion::Unknown), FieldId::HeaderSize);
    format.headerSize = static_cast<std::uint32_t>(ReadField(file, infoStart, sizeField));
    format.version = HeaderVersionFor(format.headerSize);
    format.header = RangeIn(format.fileSize, infoStart, std::max<std::uint64_t>(format.headerSize, sizeField.Size()));
    const HeaderReader header(file, format);

    format.width = header.Dimension(FieldId::Width);
    format.height = header.Dimension(FieldId::Height);
    format.planes = header.U16(FieldId::Planes);
    format.bitCount = header.U16(FieldId::BitCount);
    format.compression = header.U32(FieldId::Compression);
    format.sizeImage = header.U32(FieldId::ImageSize);
    format.xPelsPerMeter = header.I32(FieldId::XDensity);
    format.yPelsPerMeter = header.I32(FieldId::YDensity);
    format.clrUsed = header.U32(FieldId::ColorsUsed);
    format.clrImportant = header.U32(FieldId::ColorsImportant);
    format.csType = header.U32(FieldId::ColorSpace);
    format.intent = header.U32(FieldId::Intent);
    format.profileData = header.U32(FieldId::ProfileData);
    format.profileSize = header.U32(FieldId::ProfileSize);

    format.encoding = EncodingFor(format.version, format.compression);
    format.topDown = format.height < 0;
    format.columns = static_cast<std::uint64_t>(format.width < 0 ? -format.width : format.width);
    format.rows = static_cast<std::uint64_t>(format.height < 0 ? -format.height : format.height);
    if (format.container == DibContainer::IconImage)
        format.rows /= 2;
    if (format.version != HeaderVersion::Unknown)
        ReadMasks(file, header, format);
    LocateRegions(file, format);
}

// The one header no version names: the words, not a constant.
constexpr MessageTemplate kUnknownHeader = HX_TR("Layout", "unknown header");

}  // namespace

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
    return kUnknownHeader.text;
}

namespace say {

Message Header(HeaderVersion version)
{
    return version == HeaderVersion::Unknown ? Message(kUnknownHeader) : Message::Verbatim(std::string(HeaderVersionName(version)));
}

}  // namespace say

bool BitmapFormat::HeaderReadable() const
{
    return version != HeaderVersion::Unknown && header.Complete();
}

BitmapFormat ReadBitmapFormat(Bytes file, std::uint64_t base)
{
    BitmapFormat format;
    format.fileSize = file.size();
    format.base = base;
    const auto fileField = [&](FieldId id) { return ReadField(file, base, dictionary::kFileHeader, id); };
    format.type = static_cast<std::uint16_t>(fileField(FieldId::Signature));
    format.declaredFileSize = static_cast<std::uint32_t>(fileField(FieldId::FileSize));
    format.reserved1 = static_cast<std::uint16_t>(fileField(FieldId::Reserved1));
    format.reserved2 = static_cast<std::uint16_t>(fileField(FieldId::Reserved2));
    format.offBits = static_cast<std::uint32_t>(fileField(FieldId::PixelOffset));
    ReadInfoHeader(file, SaturatingAdd(base, kFileHeaderBytes), format);
    return format;
}

BitmapFormat ReadDibFormat(Bytes file, std::uint64_t headerAt, DibContainer container)
{
    BitmapFormat format;
    format.fileSize = file.size();
    format.base = headerAt;
    format.container = container;
    ReadInfoHeader(file, headerAt, format);
    return format;
}


}  // namespace hexlume::format
