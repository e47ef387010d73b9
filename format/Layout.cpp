#include "Layout.h"

#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>

namespace hexlume::format {

namespace {

// What a field's value says, so its meaning can be put in words.
enum class Role {
    Plain, Signature, FileSize, PixelOffset, HeaderSize, Width, Height, Planes, BitCount, Compression,
    ImageSize, Density, ColorsUsed, ColorsImportant, Mask, ColorSpace, Gamma, Intent, ProfileOffset,
    ProfileSize, Units, Recording, Rendering, ColorEncoding,
};

struct FieldDefinition {
    std::string_view name;
    std::uint8_t offset;  // from the start of its element
    std::uint8_t size;
    std::string_view type;
    Role role;
};

constexpr FieldDefinition kFileHeader[] = {
    {"bfType", 0, 2, "WORD", Role::Signature},      {"bfSize", 2, 4, "DWORD", Role::FileSize},
    {"bfReserved1", 6, 2, "WORD", Role::Plain},     {"bfReserved2", 8, 2, "WORD", Role::Plain},
    {"bfOffBits", 10, 4, "DWORD", Role::PixelOffset},
};

// OS/2 names the same bytes after its own purposes: the reserved words are an icon's hot spot.
constexpr FieldDefinition kOs2FileHeader[] = {
    {"usType", 0, 2, "USHORT", Role::Signature},    {"cbSize", 2, 4, "ULONG", Role::FileSize},
    {"xHotspot", 6, 2, "SHORT", Role::Plain},       {"yHotspot", 8, 2, "SHORT", Role::Plain},
    {"offBits", 10, 4, "ULONG", Role::PixelOffset},
};

constexpr FieldDefinition kCoreHeader[] = {
    {"bcSize", 0, 4, "DWORD", Role::HeaderSize},  {"bcWidth", 4, 2, "WORD", Role::Width},
    {"bcHeight", 6, 2, "WORD", Role::Height},     {"bcPlanes", 8, 2, "WORD", Role::Planes},
    {"bcBitCount", 10, 2, "WORD", Role::BitCount},
};

constexpr FieldDefinition kOs2v2Header[] = {
    {"cbFix", 0, 4, "ULONG", Role::HeaderSize},           {"cx", 4, 4, "ULONG", Role::Width},
    {"cy", 8, 4, "ULONG", Role::Height},                  {"cPlanes", 12, 2, "USHORT", Role::Planes},
    {"cBitCount", 14, 2, "USHORT", Role::BitCount},       {"ulCompression", 16, 4, "ULONG", Role::Compression},
    {"cbImage", 20, 4, "ULONG", Role::ImageSize},         {"cxResolution", 24, 4, "ULONG", Role::Density},
    {"cyResolution", 28, 4, "ULONG", Role::Density},      {"cclrUsed", 32, 4, "ULONG", Role::ColorsUsed},
    {"cclrImportant", 36, 4, "ULONG", Role::ColorsImportant}, {"usUnits", 40, 2, "USHORT", Role::Units},
    {"usReserved", 42, 2, "USHORT", Role::Plain},         {"usRecording", 44, 2, "USHORT", Role::Recording},
    {"usRendering", 46, 2, "USHORT", Role::Rendering},    {"cSize1", 48, 4, "ULONG", Role::Plain},
    {"cSize2", 52, 4, "ULONG", Role::Plain},              {"ulColorEncoding", 56, 4, "ULONG", Role::ColorEncoding},
    {"ulIdentifier", 60, 4, "ULONG", Role::Plain},
};

// The Windows headers: each version extends the one before; names take the version's prefix.
constexpr FieldDefinition kWindowsHeader[] = {
    {"Size", 0, 4, "DWORD", Role::HeaderSize},         {"Width", 4, 4, "LONG", Role::Width},
    {"Height", 8, 4, "LONG", Role::Height},            {"Planes", 12, 2, "WORD", Role::Planes},
    {"BitCount", 14, 2, "WORD", Role::BitCount},       {"Compression", 16, 4, "DWORD", Role::Compression},
    {"SizeImage", 20, 4, "DWORD", Role::ImageSize},    {"XPelsPerMeter", 24, 4, "LONG", Role::Density},
    {"YPelsPerMeter", 28, 4, "LONG", Role::Density},   {"ClrUsed", 32, 4, "DWORD", Role::ColorsUsed},
    {"ClrImportant", 36, 4, "DWORD", Role::ColorsImportant}, {"RedMask", 40, 4, "DWORD", Role::Mask},
    {"GreenMask", 44, 4, "DWORD", Role::Mask},         {"BlueMask", 48, 4, "DWORD", Role::Mask},
    {"AlphaMask", 52, 4, "DWORD", Role::Mask},         {"CSType", 56, 4, "DWORD", Role::ColorSpace},
    {"Endpoints", 60, 36, "CIEXYZTRIPLE", Role::Plain}, {"GammaRed", 96, 4, "DWORD", Role::Gamma},
    {"GammaGreen", 100, 4, "DWORD", Role::Gamma},      {"GammaBlue", 104, 4, "DWORD", Role::Gamma},
    {"Intent", 108, 4, "DWORD", Role::Intent},         {"ProfileData", 112, 4, "DWORD", Role::ProfileOffset},
    {"ProfileSize", 116, 4, "DWORD", Role::ProfileSize}, {"Reserved", 120, 4, "DWORD", Role::Plain},
};

// The masks a 40-byte header's bit-field bitmap stores after it, where the colour table would be.
constexpr FieldDefinition kMasksAfterHeader[] = {
    {"RedMask", 0, 4, "DWORD", Role::Mask},
    {"GreenMask", 4, 4, "DWORD", Role::Mask},
    {"BlueMask", 8, 4, "DWORD", Role::Mask},
    {"AlphaMask", 12, 4, "DWORD", Role::Mask},
};

std::string Signed(std::int64_t value)
{
    return value < 0 ? "-" + GroupedNumber(static_cast<std::uint64_t>(-value)) : GroupedNumber(value);
}

std::string Plural(std::uint64_t count, std::string_view one, std::string_view many)
{
    return GroupedNumber(count) + " " + std::string(count == 1 ? one : many);
}

// The two letters, each shown only when printable.
std::string SignatureMeaning(std::uint64_t value)
{
    const auto letter = [](std::uint64_t c) { return c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?'; };
    return std::string{'"', letter(value & 0xFF), letter(value >> 8 & 0xFF), '"'};
}

std::string CompressionMeaning(std::uint64_t code, HeaderVersion version)
{
    static constexpr std::string_view kWindows[] = {"BI_RGB", "BI_RLE8", "BI_RLE4", "BI_BITFIELDS",
                                                    "BI_JPEG", "BI_PNG", "BI_ALPHABITFIELDS"};
    static constexpr std::string_view kOs2[] = {"uncompressed", "RLE8", "RLE4", "Huffman 1D", "RLE24"};
    const std::string prefix = std::to_string(code) + " = ";
    if (version == HeaderVersion::Os2v2)
        return prefix + std::string(code < std::size(kOs2) ? kOs2[code] : "not defined");
    return prefix + std::string(code < std::size(kWindows) ? kWindows[code] : "not defined");
}

std::string MaskMeaning(std::uint32_t mask)
{
    if (mask == 0)
        return "no bits";
    const int low = __builtin_ctz(mask);
    const int bits = __builtin_popcount(mask);
    if ((mask >> low) != (std::uint32_t{0xFFFFFFFF} >> (32 - bits)))
        return Plural(static_cast<std::uint64_t>(bits), "bit", "bits") + ", not contiguous";
    return "bits " + std::to_string(low) + " to " + std::to_string(low + bits - 1) + " (" +
           Plural(static_cast<std::uint64_t>(bits), "bit", "bits") + ")";
}

std::string DensityMeaning(std::int32_t pixelsPerMetre)
{
    if (pixelsPerMetre == 0)
        return "0 = not given";
    const long dpi = std::lround(pixelsPerMetre * 0.0254);
    return std::to_string(pixelsPerMetre) + " px/m = " + std::to_string(dpi) + " dpi";
}

std::string ColorSpaceMeaning(std::uint32_t type)
{
    switch (type) {
    case 0: return "LCS_CALIBRATED_RGB";
    case 0x73524742: return "LCS_sRGB";
    case 0x57696E20: return "LCS_WINDOWS_COLOR_SPACE";
    case kProfileLinked: return "PROFILE_LINKED";
    case kProfileEmbedded: return "PROFILE_EMBEDDED";
    default: return HexNumber(type, 8) + " = not defined";
    }
}

std::string GammaMeaning(std::uint32_t fixed16)
{
    if (fixed16 == 0)
        return {};
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, fixed16 / 65536.0, std::chars_format::general, 5).ptr;
    return "gamma " + std::string(text, end);
}

std::string IntentMeaning(std::uint32_t intent)
{
    switch (intent) {
    case 1: return "LCS_GM_BUSINESS";
    case 2: return "LCS_GM_GRAPHICS";
    case 4: return "LCS_GM_IMAGES";
    case 8: return "LCS_GM_ABS_COLORIMETRIC";
    default: return {};
    }
}

std::string HeightMeaning(std::int64_t height)
{
    if (height == 0)
        return "no rows";
    const std::uint64_t rows = static_cast<std::uint64_t>(height < 0 ? -height : height);
    return std::string(height < 0 ? "top-down, " : "bottom-up, ") + Plural(rows, "row", "rows");
}

std::string ColorsUsedMeaning(std::uint64_t used, const BitmapFormat& format)
{
    if (used != 0)
        return Plural(used, "colour", "colours");
    if (format.bitCount >= 1 && format.bitCount <= 8)
        return "0 = 2^" + std::to_string(format.bitCount) + " = " +
               Plural(std::uint64_t{1} << format.bitCount, "colour", "colours");
    return "0 = no colour table";
}

std::string Meaning(Role role, std::uint64_t value, bool isLong, const BitmapFormat& format)
{
    const std::int64_t signedValue = isLong ? static_cast<std::int32_t>(value) : static_cast<std::int64_t>(value);
    switch (role) {
    case Role::Plain: return {};
    case Role::Signature: return SignatureMeaning(value);
    case Role::FileSize: return Plural(value, "byte", "bytes");
    case Role::PixelOffset: return "pixel data at offset " + GroupedNumber(value);
    case Role::HeaderSize:
        return GroupedNumber(value) + " = " +
               std::string(HeaderVersionName(HeaderVersionFor(static_cast<std::uint32_t>(value))));
    case Role::Width: return Signed(signedValue) + (signedValue == 1 ? " pixel" : " pixels");
    case Role::Height: return HeightMeaning(signedValue);
    case Role::Planes: return value == 1 ? std::string{} : "must be 1";
    case Role::BitCount: return Plural(value, "bit per pixel", "bits per pixel");
    case Role::Compression: return CompressionMeaning(value, format.version);
    case Role::ImageSize: return value == 0 ? "0 = as the rows take" : Plural(value, "byte", "bytes");
    case Role::Density: return DensityMeaning(static_cast<std::int32_t>(value));
    case Role::ColorsUsed: return ColorsUsedMeaning(value, format);
    case Role::ColorsImportant: return value == 0 ? "0 = all colours" : Plural(value, "colour", "colours");
    case Role::Mask: return MaskMeaning(static_cast<std::uint32_t>(value));
    case Role::ColorSpace: return ColorSpaceMeaning(static_cast<std::uint32_t>(value));
    case Role::Gamma: return GammaMeaning(static_cast<std::uint32_t>(value));
    case Role::Intent: return IntentMeaning(static_cast<std::uint32_t>(value));
    case Role::ProfileOffset:
        return format.profile.claimed != 0 ? "profile at file offset " + GroupedNumber(format.profile.offset)
                                           : std::string{};
    case Role::ProfileSize: return value != 0 ? Plural(value, "byte", "bytes") : std::string{};
    case Role::Units: return value == 0 ? "0 = pixels per metre" : std::string{};
    case Role::Recording: return value == 0 ? "0 = bottom-up" : std::string{};
    case Role::Rendering: {
        static constexpr std::string_view kNames[] = {"none", "error diffusion", "PANDA", "super-circle"};
        return value < std::size(kNames) ? std::to_string(value) + " = " + std::string(kNames[value]) : std::string{};
    }
    case Role::ColorEncoding: return value == 0 ? "0 = RGB" : std::string{};
    }
    return {};
}

Field MakeField(Bytes file, const FieldDefinition& definition, std::string name, std::uint64_t base,
                const BitmapFormat& format)
{
    const std::uint64_t offset = base + definition.offset;
    const bool present = offset + definition.size <= file.size();
    const std::uint64_t value = LeAt(file, offset, definition.size);
    return {.name = std::move(name),
            .offset = offset,
            .size = definition.size,
            .type = std::string(definition.type),
            .value = value,
            .meaning = present ? Meaning(definition.role, value, definition.type == "LONG", format) : std::string{},
            .present = present};
}

// The definitions that fit in `length` bytes, as fields at `base`, each name after `prefix`.
template <std::size_t N>
std::vector<Field> Fields(Bytes file, const FieldDefinition (&definitions)[N], std::uint64_t length, std::uint64_t base,
                          const BitmapFormat& format, std::string_view prefix = {})
{
    std::vector<Field> fields;
    for (const FieldDefinition& definition : definitions) {
        if (definition.offset + definition.size > length)
            break;
        std::string name = std::string(prefix) + std::string(definition.name);
        if (prefix == "bV4" && definition.name == "Compression")
            name = "bV4V4Compression";  // so the Windows header names it
        fields.push_back(MakeField(file, definition, std::move(name), base, format));
    }
    return fields;
}

std::vector<Field> InfoHeaderFields(Bytes file, const BitmapFormat& format)
{
    const std::uint64_t length = format.headerSize;
    switch (format.version) {
    case HeaderVersion::Core: return Fields(file, kCoreHeader, length, kFileHeaderBytes, format);
    case HeaderVersion::Os2v2: return Fields(file, kOs2v2Header, length, kFileHeaderBytes, format);
    case HeaderVersion::Info:
    case HeaderVersion::V2:
    case HeaderVersion::V3: return Fields(file, kWindowsHeader, length, kFileHeaderBytes, format, "bi");
    case HeaderVersion::V4: return Fields(file, kWindowsHeader, length, kFileHeaderBytes, format, "bV4");
    case HeaderVersion::V5: return Fields(file, kWindowsHeader, length, kFileHeaderBytes, format, "bV5");
    case HeaderVersion::Unknown: break;
    }
    return Fields(file, kWindowsHeader, 4, kFileHeaderBytes, format, "bi");
}

Element MakeElement(ElementKind kind, std::string name, const FileRange& range, std::vector<Field> fields = {})
{
    return {.kind = kind, .name = std::move(name), .offset = range.offset, .size = range.present,
            .claimed = range.claimed, .fields = std::move(fields)};
}

// The parts the headers place, before the gaps between them are known.
std::vector<Element> PlacedElements(Bytes file, const BitmapFormat& format)
{
    std::vector<Element> placed;
    const FileRange fileHeader{.offset = 0, .claimed = kFileHeaderBytes,
                               .present = std::min<std::uint64_t>(kFileHeaderBytes, file.size())};
    placed.push_back(MakeElement(ElementKind::FileHeader, "BITMAPFILEHEADER", fileHeader,
                                 IsOs2Header(format.version) ? Fields(file, kOs2FileHeader, 14, 0, format)
                                                       : Fields(file, kFileHeader, 14, 0, format)));
    placed.push_back(MakeElement(ElementKind::InfoHeader, std::string(HeaderVersionName(format.version)),
                                 format.header, InfoHeaderFields(file, format)));
    placed.push_back(MakeElement(ElementKind::BitMasks, "bit-field masks", format.maskBytes,
                                 Fields(file, kMasksAfterHeader, format.maskBytes.claimed, format.maskBytes.offset,
                                        format)));
    placed.push_back(MakeElement(ElementKind::ColorTable, "colour table", format.colorTable));
    placed.push_back(MakeElement(ElementKind::PixelData, "pixel data", format.pixels));
    if (format.profile.claimed != 0)
        placed.push_back(MakeElement(ElementKind::Profile,
                                     format.csType == kProfileEmbedded ? "embedded profile" : "linked profile",
                                     format.profile));
    std::erase_if(placed, [](const Element& element) { return element.size == 0; });
    std::stable_sort(placed.begin(), placed.end(),
                     [](const Element& a, const Element& b) { return a.offset < b.offset; });
    return placed;
}

Element Unclaimed(ElementKind kind, std::uint64_t from, std::uint64_t to)
{
    return MakeElement(kind, kind == ElementKind::Gap ? "gap" : "trailing bytes",
                       {.offset = from, .claimed = to - from, .present = to - from});
}

}  // namespace

std::string_view ElementKindName(ElementKind kind)
{
    switch (kind) {
    case ElementKind::FileHeader: return "file-header";
    case ElementKind::InfoHeader: return "info-header";
    case ElementKind::BitMasks: return "bit-masks";
    case ElementKind::ColorTable: return "colour-table";
    case ElementKind::Gap: return "gap";
    case ElementKind::PixelData: return "pixel-data";
    case ElementKind::Profile: return "profile";
    case ElementKind::Trailing: return "trailing";
    }
    return "unknown";
}

Layout ReadLayout(Bytes file)
{
    Layout layout{.format = ReadBitmapFormat(file), .elements = {}};
    std::uint64_t covered = 0;
    for (Element& element : PlacedElements(file, layout.format)) {
        if (element.offset > covered)
            layout.elements.push_back(Unclaimed(ElementKind::Gap, covered, element.offset));
        // A part a broken file places over an earlier one keeps only the bytes after it, so
        // every byte belongs to one part; the findings tell of the overlap.
        if (element.offset < covered) {
            const std::uint64_t shared = std::min(covered - element.offset, element.size);
            element.offset += shared;
            element.size -= shared;
            element.claimed -= shared;
            if (element.size == 0)
                continue;
        }
        covered = element.offset + element.size;
        layout.elements.push_back(std::move(element));
    }
    if (covered < file.size())
        layout.elements.push_back(Unclaimed(ElementKind::Trailing, covered, file.size()));
    return layout;
}

}  // namespace hexlume::format
