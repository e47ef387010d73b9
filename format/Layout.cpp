#include "Layout.h"

#include "ColorProfile.h"
#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <set>

namespace hexlume::format {

namespace {

std::string Signed(std::int64_t value)
{
    return value < 0 ? "-" + GroupedNumber(static_cast<std::uint64_t>(-value)) : GroupedNumber(value);
}

// A code and what it stands for: "3 = BI_BITFIELDS", "1 = icon".
Message Equals(std::string code, Message meaning)
{
    return Message(HX_TR("Values", "%1 = %2")).Arg(std::move(code)).Arg(std::move(meaning));
}

Message Colours(std::uint64_t count)
{
    return Message(HX_TR_N("Values", "%n colour(s)")).Count(count);
}

Message BitsPerPixel(std::uint64_t count)
{
    return Message(HX_TR_N("Values", "%n (bit|bits) per pixel")).Count(count);
}

Message MaskMeaning(std::uint32_t mask)
{
    if (mask == 0)
        return HX_TR("Values", "no bits");
    const int low = __builtin_ctz(mask);
    const int bits = __builtin_popcount(mask);
    if ((mask >> low) != (std::uint32_t{0xFFFFFFFF} >> (32 - bits)))
        return Message(HX_TR_N("Values", "%n bit(s), not contiguous")).Count(static_cast<std::uint64_t>(bits));
    return Message(HX_TR("Values", "%1 (%2)"))
        .Arg(say::BitRange(static_cast<std::uint64_t>(low), static_cast<std::uint64_t>(bits)))
        .Arg(Message(HX_TR_N("Values", "%n bit(s)")).Count(static_cast<std::uint64_t>(bits)));
}

Message DensityMeaning(std::int32_t pixelsPerMetre)
{
    if (pixelsPerMetre == 0)
        return HX_TR("Values", "0 = not given");
    const long dpi = std::lround(pixelsPerMetre * 0.0254);
    return Message(HX_TR("Values", "%1 px/m = %2 dpi")).Arg(std::to_string(pixelsPerMetre)).Arg(std::to_string(dpi));
}

Message ColorSpaceMeaning(std::uint32_t type)
{
    switch (type) {
    case 0: return Message::Verbatim("LCS_CALIBRATED_RGB");
    case 0x73524742: return Message::Verbatim("LCS_sRGB");
    case 0x57696E20: return Message::Verbatim("LCS_WINDOWS_COLOR_SPACE");
    case kProfileLinked: return Message::Verbatim("PROFILE_LINKED");
    case kProfileEmbedded: return Message::Verbatim("PROFILE_EMBEDDED");
    default: return Equals(HexNumber(type, 8), HX_TR("Values", "not defined"));
    }
}

Message GammaMeaning(std::uint32_t fixed16)
{
    if (fixed16 == 0)
        return {};
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, fixed16 / 65536.0, std::chars_format::general, 5).ptr;
    return Message(HX_TR("Values", "gamma %1")).Arg(std::string(text, end));
}

Message IntentMeaning(std::uint32_t intent)
{
    switch (intent) {
    case 1: return Message::Verbatim("LCS_GM_BUSINESS");
    case 2: return Message::Verbatim("LCS_GM_GRAPHICS");
    case 4: return Message::Verbatim("LCS_GM_IMAGES");
    case 8: return Message::Verbatim("LCS_GM_ABS_COLORIMETRIC");
    default: return {};
    }
}

Message HeightMeaning(std::int64_t height)
{
    if (height == 0)
        return HX_TR("Values", "no rows");
    const std::uint64_t rows = static_cast<std::uint64_t>(height < 0 ? -height : height);
    return Message(height < 0 ? HX_TR_N("Values", "top-down, %n row(s)") : HX_TR_N("Values", "bottom-up, %n row(s)"))
        .Count(rows);
}

// An icon image's height counts the XOR pixels and the AND mask under them.
Message IconHeightMeaning(std::int64_t height)
{
    const std::uint64_t rows = static_cast<std::uint64_t>(height < 0 ? -height : height);
    Message meaning = Message(height < 0 ? HX_TR_N("Values", "top-down, 2 × %n row(s): XOR pixels, then AND mask")
                                         : HX_TR_N("Values", "bottom-up, 2 × %n row(s): XOR pixels, then AND mask"))
                          .Count(rows / 2);
    if (rows % 2 == 0)
        return meaning;
    return Message(HX_TR("Values", "%1 (odd: a row left over)")).Arg(std::move(meaning));
}

Message IconTypeMeaning(std::uint64_t type)
{
    return type == kIconType     ? Message(HX_TR("Values", "1 = icon"))
           : type == kCursorType ? Message(HX_TR("Values", "2 = cursor"))
                                 : Equals(GroupedNumber(type), HX_TR("Values", "not defined"));
}

Message ColorsUsedMeaning(std::uint64_t used, const BitmapFormat& format)
{
    if (used != 0)
        return Colours(used);
    if (IsIndexed(format.bitCount))
        return Message(HX_TR_N("Values", "0 = 2^%1 = %n colour(s)"))
            .Arg(std::to_string(format.bitCount))
            .Count(FullTableEntries(format.bitCount));
    return HX_TR("Values", "0 = no colour table");
}

Message RenderingMeaning(std::uint64_t value)
{
    static constexpr MessageTemplate kNames[] = {
        HX_TR("Values", "none"), HX_TR("Values", "error diffusion"), {nullptr, "PANDA", false},
        HX_TR("Values", "super-circle")};
    return value < std::size(kNames) ? Equals(std::to_string(value), kNames[value]) : Message{};
}

Message Meaning(FieldId id, std::uint64_t value, bool isSigned, const BitmapFormat& format)
{
    const std::int64_t signedValue = isSigned ? static_cast<std::int32_t>(value) : static_cast<std::int64_t>(value);
    switch (id) {
    case FieldId::Reserved1:
    case FieldId::Reserved2:
    case FieldId::Os2Reserved:
    case FieldId::Size1:
    case FieldId::Size2:
    case FieldId::Identifier:
    case FieldId::Endpoints:
    case FieldId::Reserved: return {};
    case FieldId::Signature: return Message::Verbatim(SignatureText(value));
    case FieldId::FileSize: return say::Bytes(value);
    case FieldId::PixelOffset: return Message(HX_TR("Values", "pixel data at offset %1")).Number(value);
    case FieldId::HeaderSize:
        return Equals(GroupedNumber(value), say::Header(HeaderVersionFor(static_cast<std::uint32_t>(value))));
    case FieldId::Width: // A negative width casts to a count other than 1.
        return Message(HX_TR_N("Values", "%1 pixel(s)"))
            .Arg(Signed(signedValue))
            .Count(static_cast<std::uint64_t>(signedValue));
    case FieldId::Height:
        return format.container == DibContainer::IconImage ? IconHeightMeaning(signedValue) : HeightMeaning(signedValue);
    case FieldId::Planes: return value == 1 ? Message{} : Message(HX_TR("Values", "must be 1"));
    case FieldId::BitCount: return BitsPerPixel(value);
    case FieldId::Compression: return say::Compression(static_cast<std::uint32_t>(value), format.version);
    case FieldId::ImageSize: return value == 0 ? Message(HX_TR("Values", "0 = as the rows take")) : say::Bytes(value);
    case FieldId::XDensity:
    case FieldId::YDensity: return DensityMeaning(static_cast<std::int32_t>(value));
    case FieldId::ColorsUsed: return ColorsUsedMeaning(value, format);
    case FieldId::ColorsImportant: return value == 0 ? Message(HX_TR("Values", "0 = all colours")) : Colours(value);
    case FieldId::RedMask:
    case FieldId::GreenMask:
    case FieldId::BlueMask:
    case FieldId::AlphaMask: return MaskMeaning(static_cast<std::uint32_t>(value));
    case FieldId::ColorSpace: return ColorSpaceMeaning(static_cast<std::uint32_t>(value));
    case FieldId::GammaRed:
    case FieldId::GammaGreen:
    case FieldId::GammaBlue: return GammaMeaning(static_cast<std::uint32_t>(value));
    case FieldId::Intent: return IntentMeaning(static_cast<std::uint32_t>(value));
    case FieldId::ProfileData:
        return format.profile.claimed != 0
                   ? Message(HX_TR("Values", "profile at file offset %1")).Number(format.profile.offset)
                   : Message{};
    case FieldId::ProfileSize: return value != 0 ? say::Bytes(value) : Message{};
    case FieldId::Units: return value == 0 ? Message(HX_TR("Values", "0 = pixels per metre")) : Message{};
    case FieldId::Recording: return value == 0 ? Message(HX_TR("Values", "0 = bottom-up")) : Message{};
    case FieldId::Rendering: return RenderingMeaning(value);
    case FieldId::ColorEncoding: return value == 0 ? Message(HX_TR("Values", "0 = RGB")) : Message{};
    case FieldId::ArrayHeaderSize: return say::Bytes(value);
    case FieldId::NextEntry:
        return value == 0 ? Message(HX_TR("Values", "0 = the last entry"))
                          : Message(HX_TR("Values", "next entry at offset %1")).Number(value);
    case FieldId::DisplayWidth:
    case FieldId::DisplayHeight: return value == 0 ? Message(HX_TR("Values", "0 = any display")) : say::Pixels(value);
    // A profile's fields are no bitmap header's: ColorProfile.cpp gives their meanings.
    case FieldId::IccSize:
    case FieldId::IccCmm:
    case FieldId::IccVersion:
    case FieldId::IccClass:
    case FieldId::IccColorSpace:
    case FieldId::IccPcs:
    case FieldId::IccDate:
    case FieldId::IccMagic:
    case FieldId::IccPlatform:
    case FieldId::IccFlags:
    case FieldId::IccManufacturer:
    case FieldId::IccModel:
    case FieldId::IccAttributes:
    case FieldId::IccIntent:
    case FieldId::IccIlluminant:
    case FieldId::IccCreator:
    case FieldId::IccProfileId:
    case FieldId::IccReserved:
    case FieldId::IccTagCount:
    case FieldId::IccTagSignature:
    case FieldId::IccTagOffset:
    case FieldId::IccTagSize:
    case FieldId::LinkedFileName: break;
    case FieldId::IconReserved:
    case FieldId::EntryReserved: return value == 0 ? Message{} : Message(HX_TR("Values", "must be 0"));
    case FieldId::IconType: return IconTypeMeaning(value);
    case FieldId::IconCount: return Message(HX_TR_N("Values", "%n image(s)")).Count(value);
    case FieldId::EntryWidth:
    case FieldId::EntryHeight: return value == 0 ? Message(HX_TR("Values", "0 = 256 pixels")) : say::Pixels(value);
    case FieldId::EntryColorCount:
        return value == 0 ? Message(HX_TR("Values", "0 = no colour table, or 256 colours")) : Colours(value);
    case FieldId::EntryPlanes: return {};
    case FieldId::EntryBitCount:
        return value == 0 ? Message(HX_TR("Values", "0 = as the image says")) : BitsPerPixel(value);
    case FieldId::HotspotX: return Message(HX_TR_N("Values", "hot spot %n pixel(s) from the left")).Count(value);
    case FieldId::HotspotY: return Message(HX_TR_N("Values", "hot spot %n pixel(s) from the top")).Count(value);
    case FieldId::EntryBytes: return say::Bytes(value);
    case FieldId::EntryOffset: return Message(HX_TR("Values", "image at offset %1")).Number(value);
    }
    return {};
}

Field MakeField(Bytes file, const FieldEntry& entry, std::uint64_t base, const BitmapFormat& format)
{
    const std::uint64_t offset = base + entry.offset;
    const bool present = Holds(file, offset, entry.Size());
    const std::uint64_t value = ReadField(file, base, entry);
    return {.id = entry.id,
            .name = std::string(entry.name.View()),
            .offset = offset,
            .size = entry.Size(),
            .type = entry.type,
            .value = value,
            .meaning = present ? Meaning(entry.id, value, TypeSigned(entry.type), format) : Message{},
            .present = present};
}

// The fields of the table that fit in `length` bytes, as fields of the header at `base`.
std::vector<Field> Fields(Bytes file, FieldTable table, std::uint64_t length, std::uint64_t base,
                          const BitmapFormat& format)
{
    std::vector<Field> fields;
    for (const FieldEntry& entry : table) {
        if (entry.End() > length)
            break;
        fields.push_back(MakeField(file, entry, base, format));
    }
    return fields;
}

// The name is the title's English: one source for the command line and the window.
Element MakeElement(ElementKind kind, Message title, const FileRange& range, std::vector<Field> fields = {})
{
    return {.kind = kind, .name = title.English(), .offset = range.offset, .size = range.present,
            .claimed = range.claimed, .fields = std::move(fields), .title = std::move(title)};
}

Message Named(std::string constant)
{
    return Message::Verbatim(std::move(constant));
}

// The parts the headers place, before the gaps between them are known.
std::vector<Element> PlacedElements(Bytes file, const BitmapFormat& format)
{
    std::vector<Element> placed;
    if (format.pngImage) {
        placed.push_back(MakeElement(ElementKind::PngStream, HX_TR("Layout", "PNG stream"), format.pixels));
        std::erase_if(placed, [](const Element& element) { return element.size == 0; });
        return placed;
    }
    const ByteRange fileHeader = ByteRange{format.base, kFileHeaderBytes}.Within(file.size());
    if (format.HasFileHeader())
        placed.push_back(MakeElement(ElementKind::FileHeader, Named("BITMAPFILEHEADER"),
                                     {.offset = format.base, .claimed = kFileHeaderBytes, .present = fileHeader.size},
                                     Fields(file, FileHeaderFields(format.version), kFileHeaderBytes, format.base,
                                            format)));
    placed.push_back(MakeElement(ElementKind::InfoHeader, say::Header(format.version),
                                 format.header,
                                 Fields(file, InfoHeaderFields(format.version), format.header.claimed,
                                        format.header.offset, format)));
    placed.push_back(MakeElement(ElementKind::BitMasks, HX_TR("Layout", "bit-field masks"), format.maskBytes,
                                 Fields(file, kMaskFields, format.maskBytes.claimed, format.maskBytes.offset,
                                        format)));
    placed.push_back(MakeElement(ElementKind::ColorTable, HX_TR("Layout", "colour table"), format.colorTable));
    const bool icon = format.container == DibContainer::IconImage;
    placed.push_back(MakeElement(ElementKind::PixelData, icon ? HX_TR("Layout", "XOR pixels") : HX_TR("Layout", "pixel data"),
                                 format.pixels));
    if (icon)
        placed.push_back(MakeElement(ElementKind::AndMask, HX_TR("Layout", "AND mask"), format.andMask));
    if (format.profile.claimed != 0)
        placed.push_back(MakeElement(ElementKind::Profile,
                                     format.csType == kProfileEmbedded ? HX_TR("Layout", "embedded profile")
                                                                       : HX_TR("Layout", "linked profile"),
                                     format.profile, ProfileFields(file, format)));
    std::erase_if(placed, [](const Element& element) { return element.size == 0; });
    std::stable_sort(placed.begin(), placed.end(),
                     [](const Element& a, const Element& b) { return a.offset < b.offset; });
    return placed;
}

// Each entry of an OS/2 bitmap array: its array header and the parts its bitmap places.
std::vector<Element> PlacedArrayElements(Bytes file, const BitmapArray& array)
{
    std::vector<Element> placed;
    for (std::size_t i = 0; i < array.entries.size(); ++i) {
        const std::uint64_t at = array.entries[i];
        placed.push_back(MakeElement(ElementKind::ArrayHeader, Named("BITMAPARRAYFILEHEADER"),
                                     {.offset = at, .claimed = kArrayHeaderBytes, .present = kArrayHeaderBytes},
                                     Fields(file, kArrayHeaderFields, kArrayHeaderBytes, at, BitmapFormat{})));
        std::vector<Element> bitmap = PlacedElements(file, ReadBitmapFormat(file, array.BitmapAt(i)));
        std::move(bitmap.begin(), bitmap.end(), std::back_inserter(placed));
    }
    std::stable_sort(placed.begin(), placed.end(),
                     [](const Element& a, const Element& b) { return a.offset < b.offset; });
    return placed;
}

// An icon or cursor file: its directory, each entry, and the parts each entry's image places.
std::vector<Element> PlacedIconElements(Bytes file, const IconFile& icon)
{
    std::vector<Element> placed;
    placed.push_back(MakeElement(ElementKind::IconDirectory, Named("ICONDIR"),
                                 RangeIn(file.size(), 0, kIconDirectoryBytes),
                                 Fields(file, kIconDirectoryFields, kIconDirectoryBytes, 0, BitmapFormat{})));
    for (std::uint64_t i = 0; i < icon.count; ++i) {
        const std::uint64_t at = kIconDirectoryBytes + i * kIconEntryBytes;
        if (at >= file.size())
            break;
        placed.push_back(MakeElement(ElementKind::IconEntry, Named("ICONDIRENTRY " + GroupedNumber(i + 1)),
                                     RangeIn(file.size(), at, kIconEntryBytes),
                                     Fields(file, IconEntryFields(icon.IsCursor()), kIconEntryBytes, at,
                                            BitmapFormat{})));
    }
    // Entries sharing a DIB share its parts: each is read once, however many entries there are.
    std::set<std::uint64_t> dibs;
    for (const IconEntry& entry : icon.entries) {
        if (!entry.png && !dibs.insert(entry.imageOffset).second)
            continue;
        std::vector<Element> image = PlacedElements(file, ReadIconImage(file, entry));
        std::move(image.begin(), image.end(), std::back_inserter(placed));
    }
    std::erase_if(placed, [](const Element& element) { return element.size == 0; });
    std::stable_sort(placed.begin(), placed.end(),
                     [](const Element& a, const Element& b) { return a.offset < b.offset; });
    return placed;
}

bool IsHeader(ElementKind kind)
{
    return kind == ElementKind::ArrayHeader || kind == ElementKind::FileHeader || kind == ElementKind::InfoHeader ||
           kind == ElementKind::BitMasks || kind == ElementKind::IconDirectory || kind == ElementKind::IconEntry;
}

// Parts sorted by offset, each a broken file places over an earlier one keeping only the bytes
// after it.
void ClipOverlaps(std::vector<Element>& parts)
{
    std::uint64_t covered = 0;
    for (Element& part : parts) {
        const std::uint64_t shared = part.offset < covered ? std::min(covered - part.offset, part.size) : 0;
        part.offset += shared;
        part.size -= shared;
        part.claimed -= shared;
        covered = std::max(covered, part.offset + part.size);
    }
    std::erase_if(parts, [](const Element& part) { return part.size == 0; });
}

// The runs of `part` that no header holds (headers sorted and apart).
void AddPiecesBetween(const Element& part, const std::vector<Element>& headers, std::vector<Element>& pieces)
{
    const auto piece = [&part](std::uint64_t from, std::uint64_t to) {
        Element run = part;
        run.offset = from;
        run.size = to - from;
        run.claimed = part.claimed - (from - part.offset);
        return run;
    };
    const std::uint64_t end = part.offset + part.size;
    std::uint64_t from = part.offset;
    for (const Element& header : headers) {
        const std::uint64_t headerEnd = header.offset + header.size;
        if (headerEnd <= from || header.offset >= end)
            continue;
        if (header.offset > from)
            pieces.push_back(piece(from, header.offset));
        from = std::max(from, headerEnd);
    }
    if (from < end)
        pieces.push_back(piece(from, end));
}

// A part that gives way keeps the fields it still holds whole (or up to the end of the file).
void KeepFieldsInside(Element& part, std::uint64_t fileSize)
{
    const std::uint64_t end = part.offset + part.size;
    std::erase_if(part.fields, [&](const Field& field) {
        const std::uint64_t fieldEnd = SaturatingAdd(field.offset, field.size);
        return field.offset < part.offset || field.offset >= end || (fieldEnd > end && end != fileSize);
    });
}

// Every byte in one part. Where a broken file makes parts overlap, the headers keep their bytes
// (every field stays readable where it is) and the other parts give way around them; the
// findings tell of the overlap.
std::vector<Element> Tiled(const std::vector<Element>& placed)
{
    std::vector<Element> headers;
    std::copy_if(placed.begin(), placed.end(), std::back_inserter(headers),
                 [](const Element& element) { return IsHeader(element.kind); });
    ClipOverlaps(headers);
    std::vector<Element> tiled;
    for (const Element& element : placed)
        if (!IsHeader(element.kind))
            AddPiecesBetween(element, headers, tiled);
    const auto byOffset = [](const Element& a, const Element& b) { return a.offset < b.offset; };
    std::stable_sort(tiled.begin(), tiled.end(), byOffset);
    ClipOverlaps(tiled);
    tiled.insert(tiled.end(), std::make_move_iterator(headers.begin()), std::make_move_iterator(headers.end()));
    std::stable_sort(tiled.begin(), tiled.end(), byOffset);
    return tiled;
}

Element Unclaimed(ElementKind kind, std::uint64_t from, std::uint64_t to)
{
    return MakeElement(kind, kind == ElementKind::Gap ? HX_TR("Layout", "gap") : HX_TR("Layout", "trailing bytes"),
                       {.offset = from, .claimed = to - from, .present = to - from});
}

// The placed parts tiled, with the bytes none of them holds as gaps and trailing bytes.
Layout Assembled(Bytes file, Layout layout, const std::vector<Element>& placed)
{
    std::uint64_t covered = 0;
    for (Element& element : Tiled(placed)) {
        if (element.offset > covered)
            layout.elements.push_back(Unclaimed(ElementKind::Gap, covered, element.offset));
        covered = element.offset + element.size;
        if (!IsHeader(element.kind))
            KeepFieldsInside(element, file.size());
        layout.elements.push_back(std::move(element));
    }
    if (covered < file.size())
        layout.elements.push_back(Unclaimed(ElementKind::Trailing, covered, file.size()));
    return layout;
}

}  // namespace

std::string_view ElementKindName(ElementKind kind)
{
    switch (kind) {
    case ElementKind::ArrayHeader: return "array-header";
    case ElementKind::FileHeader: return "file-header";
    case ElementKind::InfoHeader: return "info-header";
    case ElementKind::BitMasks: return "bit-masks";
    case ElementKind::ColorTable: return "colour-table";
    case ElementKind::Gap: return "gap";
    case ElementKind::PixelData: return "pixel-data";
    case ElementKind::Profile: return "profile";
    case ElementKind::Trailing: return "trailing";
    case ElementKind::IconDirectory: return "icon-directory";
    case ElementKind::IconEntry: return "icon-entry";
    case ElementKind::AndMask: return "and-mask";
    case ElementKind::PngStream: return "png-stream";
    }
    return "unknown";
}

std::string FileKindName(FileKind kind)
{
    return say::FileKind(kind).English();
}

namespace say {

Message FileKind(format::FileKind kind)
{
    switch (kind) {
    case FileKind::Bitmap: break;
    case FileKind::BitmapArray: return HX_TR("Layout", "OS/2 bitmap array");
    case FileKind::Icon: return HX_TR("Layout", "icon");
    case FileKind::Cursor: return HX_TR("Layout", "cursor");
    case FileKind::Headerless: return HX_TR("Layout", "headerless DIB");
    }
    return HX_TR("Layout", "bitmap");
}

}  // namespace say

std::size_t ImageCount(const Layout& layout)
{
    switch (layout.kind) {
    case FileKind::BitmapArray: return layout.array.entries.size();
    case FileKind::Icon:
    case FileKind::Cursor: return layout.icon.entries.size();
    case FileKind::Bitmap:
    case FileKind::Headerless: break;
    }
    return 1;
}

std::optional<std::size_t> ImageHolding(const Layout& layout, Bytes file, std::uint64_t offset)
{
    if (layout.kind == FileKind::BitmapArray) {
        const auto& entries = layout.array.entries;
        const auto after = std::upper_bound(entries.begin(), entries.end(), offset);
        return after == entries.begin() ? std::nullopt
                                        : std::optional<std::size_t>(static_cast<std::size_t>(after - entries.begin() - 1));
    }
    const auto& entries = layout.icon.entries;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const IconEntry& entry = entries[i];
        const std::uint64_t end = std::max(entry.image.End(), ImageEnd(ReadIconImage(file, entry)));
        if (offset >= entry.image.offset && offset < end)
            return i;
    }
    return std::nullopt;
}

Layout ReadLayout(Bytes file, std::uint64_t base)
{
    if (base == 0)
        return ReadImageLayout(file, 0);
    return ReadDibLayout(file, ReadBitmapFormat(file, base));
}

Layout ReadDibLayout(Bytes file, const BitmapFormat& format)
{
    Layout layout;
    layout.format = format;
    return Assembled(file, std::move(layout), PlacedElements(file, format));
}

Layout ReadImageLayout(Bytes file, std::size_t image)
{
    Layout layout;
    layout.array = ReadBitmapArray(file);
    std::vector<Element> placed;
    if (!layout.array.entries.empty()) {
        // A bitmap array is read as the chain of its bitmaps.
        layout.kind = FileKind::BitmapArray;
        layout.image = std::min(image, layout.array.entries.size() - 1);
        layout.format = ReadBitmapFormat(file, layout.array.BitmapAt(layout.image));
        placed = PlacedArrayElements(file, layout.array);
    } else if (IsIconFile(file)) {
        layout.icon = ReadIconFile(file);
        layout.kind = layout.icon.IsCursor() ? FileKind::Cursor : FileKind::Icon;
        if (!layout.icon.entries.empty()) {
            layout.image = std::min(image, layout.icon.entries.size() - 1);
            layout.format = ReadIconImage(file, layout.icon.entries[layout.image]);
        } else {
            layout.format.fileSize = file.size();
            layout.format.container = DibContainer::IconImage;
        }
        placed = PlacedIconElements(file, layout.icon);
    } else if (IsHeaderlessDib(file)) {
        layout.kind = FileKind::Headerless;
        layout.format = ReadDibFormat(file, 0, DibContainer::Headerless);
        placed = PlacedElements(file, layout.format);
    } else {
        layout.format = ReadBitmapFormat(file, 0);
        placed = PlacedElements(file, layout.format);
    }
    return Assembled(file, std::move(layout), std::move(placed));
}

}  // namespace hexlume::format
