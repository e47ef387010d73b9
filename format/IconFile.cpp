#include "IconFile.h"

#include "Decoder.h"
#include "Signatures.h"

#include <algorithm>

namespace hexlume::format {

namespace {

// PNG numbers are big-endian.
std::uint32_t Be32At(Bytes bytes, std::uint64_t offset)
{
    if (!Holds(bytes, offset, 4))
        return 0;
    return std::uint32_t{bytes[offset]} << 24 | std::uint32_t{bytes[offset + 1]} << 16 |
           std::uint32_t{bytes[offset + 2]} << 8 | bytes[offset + 3];
}

// A chunk: its data's length, its 4-letter type, the data, a CRC.
constexpr std::uint64_t kChunkFrame = 12;
constexpr std::uint32_t kIhdr = 0x49484452;  // "IHDR" read big-endian
constexpr std::uint32_t kIend = 0x49454E44;  // "IEND"

std::uint16_t ChannelsOf(std::uint8_t colorType)
{
    switch (colorType) {
    case 0: return 1;  // grey
    case 2: return 3;  // RGB
    case 3: return 1;  // palette index
    case 4: return 2;  // grey and alpha
    case 6: return 4;  // RGBA
    default: return 0;
    }
}

std::uint64_t DirectoryField(Bytes file, FieldId id)
{
    return ReadField(file, 0, kIconDirectoryFields, id);
}

// Whether the entry at `at` places a DIB header of a known size or a PNG stream.
bool PlacesAnImage(Bytes file, std::uint64_t at)
{
    const auto offset = ReadField(file, at, IconEntryFields(false), FieldId::EntryOffset);
    return StartsWith(file.subspan(std::min<std::uint64_t>(offset, file.size())), kPngSignature) ||
           HeaderVersionFor(Le32At(file, offset)) != HeaderVersion::Unknown;
}

bool Plausible(const BitmapFormat& format)
{
    constexpr std::uint64_t kLargestSide = 65536;
    const bool knownBits = format.bitCount == 1 || format.bitCount == 4 || format.bitCount == 8 ||
                           format.bitCount == 16 || format.bitCount == 24 || format.bitCount == 32;
    const FieldTable fields = InfoHeaderFields(format.version);
    const bool endsOnField = std::any_of(fields.begin(), fields.end(),
                                         [&](const FieldEntry& entry) { return entry.End() == format.headerSize; });
    return format.HeaderReadable() && endsOnField && format.planes == 1 && knownBits && format.encoding != PixelEncoding::Unknown &&
           EncodingNeeds(format.encoding, format.bitCount).empty() && format.width > 0 && format.columns <= kLargestSide &&
           format.rows != 0 && format.rows <= kLargestSide;
}

}  // namespace

bool IsIconFile(Bytes file)
{
    if (!Holds(file, 0, kIconDirectoryBytes))
        return false;
    const std::uint64_t reserved = DirectoryField(file, FieldId::IconReserved);
    const std::uint64_t type = DirectoryField(file, FieldId::IconType);
    const bool goodType = type == kIconType || type == kCursorType;
    if (reserved == 0 && goodType)
        return true;
    // A bitmap's or array's signature is never an icon's reserved word gone wrong.
    if (reserved == kBitmapSignature || reserved == kArraySignature || (reserved != 0 && !goodType))
        return false;
    return DirectoryField(file, FieldId::IconCount) != 0 && Holds(file, kIconDirectoryBytes, kIconEntryBytes) &&
           PlacesAnImage(file, kIconDirectoryBytes);
}

IconFile ReadIconFile(Bytes file)
{
    IconFile icon;
    if (!IsIconFile(file))
        return icon;
    icon.reserved = static_cast<std::uint16_t>(DirectoryField(file, FieldId::IconReserved));
    icon.type = static_cast<std::uint16_t>(DirectoryField(file, FieldId::IconType));
    icon.count = static_cast<std::uint16_t>(DirectoryField(file, FieldId::IconCount));
    icon.directory = RangeIn(file.size(), 0, kIconDirectoryBytes + kIconEntryBytes * icon.count);
    const FieldTable fields = IconEntryFields(false);
    for (std::uint64_t i = 0; i < icon.count; ++i) {
        const std::uint64_t at = kIconDirectoryBytes + i * kIconEntryBytes;
        if (!Holds(file, at, kIconEntryBytes))
            break;
        const auto field = [&](FieldId id) { return ReadField(file, at, fields, id); };
        IconEntry entry{.at = at,
                        .width = static_cast<std::uint8_t>(field(FieldId::EntryWidth)),
                        .height = static_cast<std::uint8_t>(field(FieldId::EntryHeight)),
                        .colorCount = static_cast<std::uint8_t>(field(FieldId::EntryColorCount)),
                        .reserved = static_cast<std::uint8_t>(field(FieldId::EntryReserved)),
                        .planes = static_cast<std::uint16_t>(field(FieldId::EntryPlanes)),
                        .bitCount = static_cast<std::uint16_t>(field(FieldId::EntryBitCount)),
                        .bytesInRes = static_cast<std::uint32_t>(field(FieldId::EntryBytes)),
                        .imageOffset = static_cast<std::uint32_t>(field(FieldId::EntryOffset)),
                        .image = {},
                        .png = false};
        entry.image = RangeIn(file.size(), entry.imageOffset, entry.bytesInRes);
        entry.png = StartsWith(PresentBytes(file, entry.image), kPngSignature);
        icon.entries.push_back(entry);
    }
    return icon;
}

PngHeader ReadPngHeader(Bytes file, std::uint64_t at)
{
    PngHeader png;
    const std::uint64_t ihdr = at + kPngSignature.size();
    if (!StartsWith(file.subspan(std::min<std::uint64_t>(at, file.size())), kPngSignature) ||
        Be32At(file, ihdr + 4) != kIhdr || !Holds(file, ihdr + 8, 10))
        return png;
    png.valid = true;
    png.width = Be32At(file, ihdr + 8);
    png.height = Be32At(file, ihdr + 12);
    png.bitDepth = file[ihdr + 16];
    png.colorType = file[ihdr + 17];
    png.bitsPerPixel = static_cast<std::uint16_t>(png.bitDepth * ChannelsOf(png.colorType));
    // Each chunk's length moves forward by at least its frame, so the walk ends.
    for (std::uint64_t chunk = ihdr; Holds(file, chunk, kChunkFrame);) {
        const std::uint64_t next = chunk + kChunkFrame + Be32At(file, chunk);
        if (Be32At(file, chunk + 4) == kIend) {
            png.end = next <= file.size() ? next : 0;
            break;
        }
        chunk = next;
    }
    return png;
}

BitmapFormat ReadIconImage(Bytes file, const IconEntry& entry)
{
    if (!entry.png)
        return ReadDibFormat(file, entry.imageOffset, DibContainer::IconImage);
    BitmapFormat format;
    format.fileSize = file.size();
    format.base = entry.imageOffset;
    format.container = DibContainer::IconImage;
    format.pngImage = true;
    format.header = RangeIn(file.size(), entry.imageOffset, 0);
    const PngHeader png = ReadPngHeader(file, entry.imageOffset);
    format.width = png.width;
    format.height = png.height;
    format.columns = png.width;
    format.rows = png.height;
    format.planes = 1;
    format.bitCount = png.bitsPerPixel;
    format.encoding = PixelEncoding::Png;
    format.compression = kBiPng;
    format.pixels = entry.image;
    return format;
}

bool IsHeaderlessDib(Bytes file)
{
    return Plausible(ReadDibFormat(file, 0, DibContainer::Headerless));
}

}  // namespace hexlume::format
