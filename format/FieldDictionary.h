#pragma once

#include "primitives/ByteRange.h"
#include "primitives/LittleEndian.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

// Every header field of every bitmap header version: what it stands for, how the version names
// it, where it lies and how it is stored. Offsets count from the start of the field's own header
// (the file header, the info header, or the masks stored after a 40-byte info header).
namespace hexlume::format {

// The header versions, told apart by the header's size field.
enum class HeaderVersion {
    Core,     // 12: OS/2 1.x BITMAPCOREHEADER, 16-bit sizes, 3-byte colour entries
    Os2v2,    // 16 to 64 but for 40, 52 and 56: OS/2 2.x BITMAPINFOHEADER2
    Info,     // 40: BITMAPINFOHEADER
    V2,       // 52: BITMAPV2INFOHEADER (red, green, blue masks)
    V3,       // 56: BITMAPV3INFOHEADER (and the alpha mask)
    V4,       // 108: BITMAPV4HEADER
    V5,       // 124: BITMAPV5HEADER
    Unknown,  // any other size
};

constexpr bool IsOs2Header(HeaderVersion version)
{
    return version == HeaderVersion::Core || version == HeaderVersion::Os2v2;
}

// The types the Windows and OS/2 headers declare their fields with.
enum class FieldType : std::uint8_t { Word, Dword, Long, Ushort, Short, Ulong, CieXyzTriple, Byte };

constexpr std::string_view TypeName(FieldType type)
{
    switch (type) {
    case FieldType::Word: return "WORD";
    case FieldType::Dword: return "DWORD";
    case FieldType::Long: return "LONG";
    case FieldType::Ushort: return "USHORT";
    case FieldType::Short: return "SHORT";
    case FieldType::Ulong: return "ULONG";
    case FieldType::CieXyzTriple: return "CIEXYZTRIPLE";
    case FieldType::Byte: return "BYTE";
    }
    return {};
}

constexpr std::uint32_t TypeSize(FieldType type)
{
    switch (type) {
    case FieldType::Word:
    case FieldType::Ushort:
    case FieldType::Short: return 2;
    case FieldType::Dword:
    case FieldType::Long:
    case FieldType::Ulong: return 4;
    case FieldType::CieXyzTriple: return 36;  // three points of three 2.30 fixed-point numbers
    case FieldType::Byte: return 1;
    }
    return 0;
}

constexpr bool TypeSigned(FieldType type)
{
    return type == FieldType::Long || type == FieldType::Short;
}

// What a field stands for, whichever version holds it and however it names it.
enum class FieldId : std::uint8_t {
    // File header.
    Signature, FileSize, Reserved1, Reserved2, PixelOffset,
    // Info headers.
    HeaderSize, Width, Height, Planes, BitCount, Compression, ImageSize, XDensity, YDensity, ColorsUsed,
    ColorsImportant,
    // OS/2 2.x only.
    Units, Os2Reserved, Recording, Rendering, Size1, Size2, ColorEncoding, Identifier,
    // Masks: in V2 and later headers, or after a 40-byte header.
    RedMask, GreenMask, BlueMask, AlphaMask,
    // V4 and V5.
    ColorSpace, Endpoints, GammaRed, GammaGreen, GammaBlue,
    // V5.
    Intent, ProfileData, ProfileSize, Reserved,
    // OS/2 bitmap array entry.
    ArrayHeaderSize, NextEntry, DisplayWidth, DisplayHeight,
    // Icon and cursor files: the directory and its entries.
    IconReserved, IconType, IconCount,
    EntryWidth, EntryHeight, EntryColorCount, EntryReserved, EntryPlanes, EntryBitCount, HotspotX, HotspotY,
    EntryBytes, EntryOffset,
};

// A field name held in the dictionary itself, so names made of a prefix and a stem stay constexpr.
struct FieldName {
    std::array<char, 24> chars{};
    std::uint8_t length = 0;

    constexpr FieldName() = default;
    template <std::size_t N>
    constexpr FieldName(const char (&text)[N]) : FieldName(std::string_view(text, N - 1))  // NOLINT: from a literal
    {
    }
    constexpr explicit FieldName(std::string_view prefix, std::string_view stem = {})
    {
        for (const std::string_view part : {prefix, stem})
            for (const char c : part)
                chars[length++] = c;
    }
    constexpr std::string_view View() const { return {chars.data(), length}; }
};

struct FieldEntry {
    FieldId id;
    FieldName name;
    std::uint8_t offset;
    FieldType type;

    constexpr std::uint32_t Size() const { return TypeSize(type); }
    constexpr std::uint32_t End() const { return offset + Size(); }
    constexpr ByteRange Bytes() const { return {offset, Size()}; }
};

using FieldTable = std::span<const FieldEntry>;

namespace dictionary {

inline constexpr FieldEntry kFileHeader[] = {
    {FieldId::Signature, "bfType", 0, FieldType::Word},       {FieldId::FileSize, "bfSize", 2, FieldType::Dword},
    {FieldId::Reserved1, "bfReserved1", 6, FieldType::Word},  {FieldId::Reserved2, "bfReserved2", 8, FieldType::Word},
    {FieldId::PixelOffset, "bfOffBits", 10, FieldType::Dword},
};

// OS/2 names the same bytes after its own purposes: the reserved words are an icon's hot spot.
inline constexpr FieldEntry kOs2FileHeader[] = {
    {FieldId::Signature, "usType", 0, FieldType::Ushort},  {FieldId::FileSize, "cbSize", 2, FieldType::Ulong},
    {FieldId::Reserved1, "xHotspot", 6, FieldType::Short}, {FieldId::Reserved2, "yHotspot", 8, FieldType::Short},
    {FieldId::PixelOffset, "offBits", 10, FieldType::Ulong},
};

// An OS/2 bitmap array ("BA") chains its bitmaps, each after a header of its own; offNext counts
// from the file's start, 0 in the last.
inline constexpr FieldEntry kArrayHeader[] = {
    {FieldId::Signature, "usType", 0, FieldType::Ushort},     {FieldId::ArrayHeaderSize, "cbSize", 2, FieldType::Ulong},
    {FieldId::NextEntry, "offNext", 6, FieldType::Ulong},     {FieldId::DisplayWidth, "cxDisplay", 10, FieldType::Ushort},
    {FieldId::DisplayHeight, "cyDisplay", 12, FieldType::Ushort},
};

inline constexpr FieldEntry kCoreHeader[] = {
    {FieldId::HeaderSize, "bcSize", 0, FieldType::Dword}, {FieldId::Width, "bcWidth", 4, FieldType::Word},
    {FieldId::Height, "bcHeight", 6, FieldType::Word},    {FieldId::Planes, "bcPlanes", 8, FieldType::Word},
    {FieldId::BitCount, "bcBitCount", 10, FieldType::Word},
};

// The header may stop after any of its fields from cBitCount on.
inline constexpr FieldEntry kOs2v2Header[] = {
    {FieldId::HeaderSize, "cbFix", 0, FieldType::Ulong},
    {FieldId::Width, "cx", 4, FieldType::Ulong},
    {FieldId::Height, "cy", 8, FieldType::Ulong},
    {FieldId::Planes, "cPlanes", 12, FieldType::Ushort},
    {FieldId::BitCount, "cBitCount", 14, FieldType::Ushort},
    {FieldId::Compression, "ulCompression", 16, FieldType::Ulong},
    {FieldId::ImageSize, "cbImage", 20, FieldType::Ulong},
    {FieldId::XDensity, "cxResolution", 24, FieldType::Ulong},
    {FieldId::YDensity, "cyResolution", 28, FieldType::Ulong},
    {FieldId::ColorsUsed, "cclrUsed", 32, FieldType::Ulong},
    {FieldId::ColorsImportant, "cclrImportant", 36, FieldType::Ulong},
    {FieldId::Units, "usUnits", 40, FieldType::Ushort},
    {FieldId::Os2Reserved, "usReserved", 42, FieldType::Ushort},
    {FieldId::Recording, "usRecording", 44, FieldType::Ushort},
    {FieldId::Rendering, "usRendering", 46, FieldType::Ushort},
    {FieldId::Size1, "cSize1", 48, FieldType::Ulong},
    {FieldId::Size2, "cSize2", 52, FieldType::Ulong},
    {FieldId::ColorEncoding, "ulColorEncoding", 56, FieldType::Ulong},
    {FieldId::Identifier, "ulIdentifier", 60, FieldType::Ulong},
};

// The Windows headers: each version extends the one before; names take the version's prefix.
struct Stem {
    FieldId id;
    std::string_view stem;
    std::uint8_t offset;
    FieldType type;
};

inline constexpr Stem kWindowsStems[] = {
    {FieldId::HeaderSize, "Size", 0, FieldType::Dword},
    {FieldId::Width, "Width", 4, FieldType::Long},
    {FieldId::Height, "Height", 8, FieldType::Long},
    {FieldId::Planes, "Planes", 12, FieldType::Word},
    {FieldId::BitCount, "BitCount", 14, FieldType::Word},
    {FieldId::Compression, "Compression", 16, FieldType::Dword},
    {FieldId::ImageSize, "SizeImage", 20, FieldType::Dword},
    {FieldId::XDensity, "XPelsPerMeter", 24, FieldType::Long},
    {FieldId::YDensity, "YPelsPerMeter", 28, FieldType::Long},
    {FieldId::ColorsUsed, "ClrUsed", 32, FieldType::Dword},
    {FieldId::ColorsImportant, "ClrImportant", 36, FieldType::Dword},
    {FieldId::RedMask, "RedMask", 40, FieldType::Dword},
    {FieldId::GreenMask, "GreenMask", 44, FieldType::Dword},
    {FieldId::BlueMask, "BlueMask", 48, FieldType::Dword},
    {FieldId::AlphaMask, "AlphaMask", 52, FieldType::Dword},
    {FieldId::ColorSpace, "CSType", 56, FieldType::Dword},
    {FieldId::Endpoints, "Endpoints", 60, FieldType::CieXyzTriple},
    {FieldId::GammaRed, "GammaRed", 96, FieldType::Dword},
    {FieldId::GammaGreen, "GammaGreen", 100, FieldType::Dword},
    {FieldId::GammaBlue, "GammaBlue", 104, FieldType::Dword},
    {FieldId::Intent, "Intent", 108, FieldType::Dword},
    {FieldId::ProfileData, "ProfileData", 112, FieldType::Dword},
    {FieldId::ProfileSize, "ProfileSize", 116, FieldType::Dword},
    {FieldId::Reserved, "Reserved", 120, FieldType::Dword},
};

// The first `count` Windows fields, each named after `prefix`.
template <std::size_t count>
constexpr std::array<FieldEntry, count> WindowsHeader(std::string_view prefix)
{
    std::array<FieldEntry, count> fields{};
    for (std::size_t i = 0; i < count; ++i) {
        const Stem& stem = kWindowsStems[i];
        // So the Windows header names it.
        const std::string_view name = prefix == "bV4" && stem.id == FieldId::Compression ? "V4Compression" : stem.stem;
        fields[i] = {stem.id, FieldName(prefix, name), stem.offset, stem.type};
    }
    return fields;
}

inline constexpr auto kInfoHeader = WindowsHeader<11>("bi");
inline constexpr auto kV2Header = WindowsHeader<14>("bi");
inline constexpr auto kV3Header = WindowsHeader<15>("bi");
inline constexpr auto kV4Header = WindowsHeader<20>("bV4");
inline constexpr auto kV5Header = WindowsHeader<24>("bV5");

// The masks a 40-byte header's bit-field bitmap stores after it, where the colour table would be;
// the alpha mask only with BI_ALPHABITFIELDS.
inline constexpr FieldEntry kMasksAfterHeader[] = {
    {FieldId::RedMask, "RedMask", 0, FieldType::Dword},
    {FieldId::GreenMask, "GreenMask", 4, FieldType::Dword},
    {FieldId::BlueMask, "BlueMask", 8, FieldType::Dword},
    {FieldId::AlphaMask, "AlphaMask", 12, FieldType::Dword},
};

// An icon (.ico) or cursor (.cur) file starts with ICONDIR, then one 16-byte entry an image;
// each image is a DIB without a file header, or a PNG stream.
inline constexpr FieldEntry kIconDirectory[] = {
    {FieldId::IconReserved, "idReserved", 0, FieldType::Word},
    {FieldId::IconType, "idType", 2, FieldType::Word},
    {FieldId::IconCount, "idCount", 4, FieldType::Word},
};

inline constexpr FieldEntry kIconEntry[] = {
    {FieldId::EntryWidth, "bWidth", 0, FieldType::Byte},
    {FieldId::EntryHeight, "bHeight", 1, FieldType::Byte},
    {FieldId::EntryColorCount, "bColorCount", 2, FieldType::Byte},
    {FieldId::EntryReserved, "bReserved", 3, FieldType::Byte},
    {FieldId::EntryPlanes, "wPlanes", 4, FieldType::Word},
    {FieldId::EntryBitCount, "wBitCount", 6, FieldType::Word},
    {FieldId::EntryBytes, "dwBytesInRes", 8, FieldType::Dword},
    {FieldId::EntryOffset, "dwImageOffset", 12, FieldType::Dword},
};

// A cursor's entry keeps its hot spot where an icon's keeps planes and bit count.
constexpr std::array<FieldEntry, std::size(kIconEntry)> CursorEntry()
{
    std::array<FieldEntry, std::size(kIconEntry)> fields{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        fields[i] = kIconEntry[i];
        if (fields[i].id == FieldId::EntryPlanes)
            fields[i] = {FieldId::HotspotX, "wXHotspot", fields[i].offset, fields[i].type};
        else if (fields[i].id == FieldId::EntryBitCount)
            fields[i] = {FieldId::HotspotY, "wYHotspot", fields[i].offset, fields[i].type};
    }
    return fields;
}

inline constexpr auto kCursorEntry = CursorEntry();

}  // namespace dictionary

// The file header's fields as the header version names them (OS/2 has its own names).
constexpr FieldTable FileHeaderFields(HeaderVersion version)
{
    return IsOs2Header(version) ? FieldTable(dictionary::kOs2FileHeader) : FieldTable(dictionary::kFileHeader);
}

// Every field the info header of `version` can have; an unknown header is read for its size only.
constexpr FieldTable InfoHeaderFields(HeaderVersion version)
{
    switch (version) {
    case HeaderVersion::Core: return dictionary::kCoreHeader;
    case HeaderVersion::Os2v2: return dictionary::kOs2v2Header;
    case HeaderVersion::Info: return dictionary::kInfoHeader;
    case HeaderVersion::V2: return dictionary::kV2Header;
    case HeaderVersion::V3: return dictionary::kV3Header;
    case HeaderVersion::V4: return dictionary::kV4Header;
    case HeaderVersion::V5: return dictionary::kV5Header;
    case HeaderVersion::Unknown: break;
    }
    return FieldTable(dictionary::kInfoHeader).first(1);
}

inline constexpr FieldTable kMaskFields = dictionary::kMasksAfterHeader;

// The field `id` of a table; nullptr when the table has none.
constexpr const FieldEntry* FindField(FieldTable table, FieldId id)
{
    for (const FieldEntry& entry : table)
        if (entry.id == id)
            return &entry;
    return nullptr;
}

// The field's entry where the table surely has it.
constexpr const FieldEntry& FieldOf(FieldTable table, FieldId id)
{
    return *FindField(table, id);
}

// Bytes a header of the table takes: where its last field ends.
constexpr std::uint32_t TableBytes(FieldTable table)
{
    return table.empty() ? 0 : table.back().End();
}

inline constexpr std::uint64_t kFileHeaderBytes = TableBytes(dictionary::kFileHeader);
inline constexpr FieldTable kArrayHeaderFields = dictionary::kArrayHeader;
// The signature field's values, "BM" and "BA" read little-endian.
inline constexpr std::uint16_t kBitmapSignature = 0x4D42;
inline constexpr std::uint16_t kArraySignature = 0x4142;
inline constexpr std::uint64_t kArrayHeaderBytes = TableBytes(kArrayHeaderFields);
inline constexpr FieldTable kIconDirectoryFields = dictionary::kIconDirectory;
inline constexpr std::uint64_t kIconDirectoryBytes = TableBytes(kIconDirectoryFields);
inline constexpr std::uint64_t kIconEntryBytes = TableBytes(dictionary::kIconEntry);
// idType's values.
inline constexpr std::uint16_t kIconType = 1;
inline constexpr std::uint16_t kCursorType = 2;

// An entry's fields as an icon or a cursor names them.
constexpr FieldTable IconEntryFields(bool cursor)
{
    return cursor ? FieldTable(dictionary::kCursorEntry) : FieldTable(dictionary::kIconEntry);
}

constexpr HeaderVersion HeaderVersionFor(std::uint32_t headerSize)
{
    for (const HeaderVersion version : {HeaderVersion::Core, HeaderVersion::Info, HeaderVersion::V2, HeaderVersion::V3,
                                        HeaderVersion::V4, HeaderVersion::V5})
        if (headerSize == TableBytes(InfoHeaderFields(version)))
            return version;
    const FieldTable os2 = InfoHeaderFields(HeaderVersion::Os2v2);
    const std::uint32_t shortest = FieldOf(os2, FieldId::BitCount).End();
    return headerSize >= shortest && headerSize <= TableBytes(os2) ? HeaderVersion::Os2v2 : HeaderVersion::Unknown;
}

// The field's value as stored, its header starting at `headerAt`: 0 when the bytes do not hold it.
constexpr std::uint64_t ReadField(Bytes bytes, std::uint64_t headerAt, const FieldEntry& entry)
{
    return LeAt(bytes, headerAt + entry.offset, entry.Size());
}

constexpr std::uint64_t ReadField(Bytes bytes, std::uint64_t headerAt, FieldTable table, FieldId id)
{
    return ReadField(bytes, headerAt, FieldOf(table, id));
}

}  // namespace hexlume::format
