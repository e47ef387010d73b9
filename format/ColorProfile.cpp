#include "ColorProfile.h"

#include "NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <iterator>
#include <utility>

#define CMS_NO_REGISTER_KEYWORD 1
#include <lcms2.h>

namespace hexlume::format {

namespace {

// lcms2 copies what it is handed: the header, the tag table and the tags we ask about are read
// from at most this many bytes; a description further in is not read.
constexpr std::uint64_t kMostBytesToLcms = std::uint64_t{1} << 20;
// Windows takes paths of up to 32 767 characters; a name is said in full up to there.
constexpr std::uint64_t kLongestName = 32767;
// A text lcms2 reads is said up to this many characters.
constexpr std::size_t kLongestInfo = 1024;

// The profile's bytes the file holds (up to bV5ProfileSize).
Bytes PresentBytes(Bytes file, const FileRange& range)
{
    return range.present == 0 ? Bytes{} : file.subspan(range.offset, range.present);
}

bool Printable(std::uint8_t c)
{
    return c >= 0x20 && c < 0x7F;
}

// One Unicode character in UTF-8.
void AppendUtf8(std::string& text, char32_t c)
{
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// A character as a text line may hold it: a control character as its picture (␁), one that is
// not a character at all as U+FFFD.
char32_t Shown(char32_t c)
{
    if (c < 0x20)
        return 0x2400 + c;
    if (c == 0x7F)
        return 0x2421;
    if ((c >= 0x80 && c < 0xA0) || (c >= 0xD800 && c < 0xE000) || c > 0x10FFFF)
        return 0xFFFD;
    return c;
}

// Windows-1252's characters for 0x80 to 0x9F; 0 where it has none.
constexpr std::array<char32_t, 32> kWindows1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char32_t FromWindows1252(std::uint8_t byte)
{
    if (byte >= 0x80 && byte < 0xA0)
        return kWindows1252High[byte - 0x80] != 0 ? kWindows1252High[byte - 0x80] : 0xFFFD;
    return byte;
}

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

// --- What lcms2 reads -------------------------------------------------------------------------

struct LcmsTexts {
    std::string description;
    std::string copyright;
};

std::string InfoText(cmsHPROFILE profile, cmsInfoType info)
{
    std::array<wchar_t, kLongestInfo> buffer{};
    if (cmsGetProfileInfo(profile, info, "en", "US", buffer.data(),
                          static_cast<cmsUInt32Number>(buffer.size() * sizeof(wchar_t))) == 0)
        return {};
    std::string text;
    for (const wchar_t c : buffer) {
        if (c == 0)
            break;
        AppendUtf8(text, Shown(static_cast<char32_t>(c)));
    }
    return text;
}

// The bytes lcms2 needs for the tags we ask about: the header, the table and those tags, inside
// what the file holds.
std::uint64_t BytesForLcms(const ColorProfile& profile, std::uint64_t present)
{
    std::uint64_t needed = kIccTagTableOffset + kIccTagEntryBytes * profile.tags.size();
    for (const IccTag& tag : profile.tags)
        if (tag.signature == kIccDescriptionTag || tag.signature == kIccCopyrightTag)
            needed = std::max(needed, std::uint64_t{tag.offset} + tag.size);
    return std::min({needed, present, kMostBytesToLcms});
}

// lcms2 reads only the bytes it is handed, and says nothing on its own of a profile it refuses.
LcmsTexts ReadWithLcms(Bytes bytes)
{
    LcmsTexts texts;
    cmsContext context = cmsCreateContext(nullptr, nullptr);
    if (context == nullptr)
        return texts;
    cmsSetLogErrorHandlerTHR(context, [](cmsContext, cmsUInt32Number, const char*) {});
    if (cmsHPROFILE profile = cmsOpenProfileFromMemTHR(context, bytes.data(), static_cast<cmsUInt32Number>(bytes.size()))) {
        texts.description = InfoText(profile, cmsInfoDescription);
        texts.copyright = InfoText(profile, cmsInfoCopyright);
        cmsCloseProfile(profile);
    }
    cmsDeleteContext(context);
    return texts;
}

// --- Meanings -----------------------------------------------------------------------------------

constexpr std::pair<std::uint32_t, MessageTemplate> kClasses[] = {
    {0x73636E72, HX_TR("Profiles", "input device")}, {0x6D6E7472, HX_TR("Profiles", "display device")},
    {0x70727472, HX_TR("Profiles", "output device")}, {0x6C696E6B, HX_TR("Profiles", "device link")},
    {0x73706163, HX_TR("Profiles", "colour space")}, {0x61627374, HX_TR("Profiles", "abstract")},
    {0x6E6D636C, HX_TR("Profiles", "named colour")},
};

constexpr std::pair<std::uint32_t, MessageTemplate> kColorSpaces[] = {
    {0x58595A20, HX_TR("Profiles", "XYZ")},    {0x4C616220, HX_TR("Profiles", "CIELAB")},
    {0x4C757620, HX_TR("Profiles", "CIELUV")}, {0x59436272, HX_TR("Profiles", "YCbCr")},
    {0x59787920, HX_TR("Profiles", "CIEYxy")}, {0x52474220, HX_TR("Profiles", "RGB")},
    {0x47524159, HX_TR("Profiles", "grey")},   {0x48535620, HX_TR("Profiles", "HSV")},
    {0x484C5320, HX_TR("Profiles", "HLS")},    {0x434D594B, HX_TR("Profiles", "CMYK")},
    {0x434D5920, HX_TR("Profiles", "CMY")},
};

// Makers' names: the same in every language.
constexpr std::pair<std::uint32_t, std::string_view> kPlatforms[] = {
    {0x4150504C, "Apple"}, {0x4D534654, "Microsoft"}, {0x53474920, "Silicon Graphics"}, {0x53554E57, "Sun"},
};

constexpr std::pair<std::uint32_t, MessageTemplate> kTags[] = {
    {0x64657363, HX_TR("Profiles", "profile description")},
    {0x63707274, HX_TR("Profiles", "copyright")},
    {0x77747074, HX_TR("Profiles", "media white point")},
    {0x626B7074, HX_TR("Profiles", "media black point")},
    {0x7258595A, HX_TR("Profiles", "red colorant")},
    {0x6758595A, HX_TR("Profiles", "green colorant")},
    {0x6258595A, HX_TR("Profiles", "blue colorant")},
    {0x72545243, HX_TR("Profiles", "red tone curve")},
    {0x67545243, HX_TR("Profiles", "green tone curve")},
    {0x62545243, HX_TR("Profiles", "blue tone curve")},
    {0x6B545243, HX_TR("Profiles", "grey tone curve")},
    {0x63686164, HX_TR("Profiles", "chromatic adaptation")},
    {0x6C756D69, HX_TR("Profiles", "luminance")},
    {0x6D656173, HX_TR("Profiles", "measurement")},
    {0x74656368, HX_TR("Profiles", "technology")},
    {0x76696577, HX_TR("Profiles", "viewing conditions")},
    {0x76756564, HX_TR("Profiles", "viewing conditions description")},
    {0x646D6E64, HX_TR("Profiles", "device manufacturer description")},
    {0x646D6464, HX_TR("Profiles", "device model description")},
    {0x41324230, HX_TR("Profiles", "device to PCS, perceptual")},
    {0x41324231, HX_TR("Profiles", "device to PCS, colorimetric")},
    {0x41324232, HX_TR("Profiles", "device to PCS, saturation")},
    {0x42324130, HX_TR("Profiles", "PCS to device, perceptual")},
    {0x42324131, HX_TR("Profiles", "PCS to device, colorimetric")},
    {0x42324132, HX_TR("Profiles", "PCS to device, saturation")},
    {0x67616D74, HX_TR("Profiles", "gamut")},
    {0x63687264, HX_TR("Profiles", "chromaticity")},
    {0x63696370, HX_TR("Profiles", "coding-independent code points")},
    {0x636C7274, HX_TR("Profiles", "colorant table")},
    {0x6E636C32, HX_TR("Profiles", "named colours")},
    {0x70736571, HX_TR("Profiles", "profile sequence")},
    {0x74617267, HX_TR("Profiles", "characterization target")},
    {0x63616C74, HX_TR("Profiles", "calibration date and time")},
    {0x70726530, HX_TR("Profiles", "preview, perceptual")},
};

template <typename Name, std::size_t N>
const Name* Named(const std::pair<std::uint32_t, Name> (&names)[N], std::uint32_t value)
{
    const auto found = std::find_if(std::begin(names), std::end(names),
                                    [value](const auto& name) { return name.first == value; });
    return found == std::end(names) ? nullptr : &found->second;
}

Message NoSignature()
{
    return HX_TR("Profiles", "0 = none");
}

// "'mntr' = display device", "0 = none", "'abcd'".
template <typename Name, std::size_t N>
Message SignatureMeaning(std::uint32_t value, const std::pair<std::uint32_t, Name> (&names)[N])
{
    if (value == 0)
        return NoSignature();
    const Name* name = Named(names, value);
    if (name == nullptr)
        return Message::Verbatim(SignatureQuoted(value));
    return Message(HX_TR("Profiles", "%1 = %2")).Arg(SignatureQuoted(value)).Arg(*name);
}

Message SignatureMeaning(std::uint32_t value)
{
    return value == 0 ? NoSignature() : Message::Verbatim(SignatureQuoted(value));
}

// "4.3", "2.1", "4.3.1": major, minor and (when set) bug-fix number.
std::string VersionMeaning(std::uint64_t value)
{
    std::string text = std::to_string(value >> 24 & 0xFF) + "." + std::to_string(value >> 20 & 0xF);
    if ((value >> 16 & 0xF) != 0)
        text += "." + std::to_string(value >> 16 & 0xF);
    return text;
}

std::string TwoDigits(std::uint64_t value)
{
    return (value < 10 ? "0" : "") + std::to_string(value);
}

// "2026-12-09 19:45:00 UTC" (as the ICC keeps it).
Message DateMeaning(Bytes file, std::uint64_t at)
{
    std::array<std::uint64_t, 6> parts{};
    for (std::size_t i = 0; i < parts.size(); ++i)
        parts[i] = BeAt(file, at + 2 * i, 2);
    if (std::all_of(parts.begin(), parts.end(), [](std::uint64_t part) { return part == 0; }))
        return HX_TR("Profiles", "0 = not given");
    return Message::Verbatim(std::to_string(parts[0]) + "-" + TwoDigits(parts[1]) + "-" + TwoDigits(parts[2]) + " " +
                             TwoDigits(parts[3]) + ":" + TwoDigits(parts[4]) + ":" + TwoDigits(parts[5]) + " UTC");
}

// An s15Fixed16Number, to four places: "0.9642", "-1.5", "1".
std::string FixedText(std::uint32_t stored)
{
    const double value = static_cast<std::int32_t>(stored) / 65536.0;
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 4).ptr;
    std::string shown(text, end);
    while (shown.back() == '0')
        shown.pop_back();
    if (shown.back() == '.')
        shown.pop_back();
    return shown;
}

std::string XyzMeaning(Bytes file, std::uint64_t at)
{
    return "X " + FixedText(static_cast<std::uint32_t>(BeAt(file, at, 4))) + ", Y " +
           FixedText(static_cast<std::uint32_t>(BeAt(file, at + 4, 4))) + ", Z " +
           FixedText(static_cast<std::uint32_t>(BeAt(file, at + 8, 4)));
}

bool AllZero(Bytes file, std::uint64_t at, std::uint64_t size)
{
    const Bytes bytes = file.subspan(at, size);
    return std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t byte) { return byte == 0; });
}

Message ProfileIdMeaning(Bytes file, std::uint64_t at, std::uint32_t size)
{
    if (AllZero(file, at, size))
        return HX_TR("Profiles", "0 = not computed");
    std::string text = "MD5 ";
    for (std::uint32_t i = 0; i < size; ++i)
        text += HexDigits(file[at + i], 2);
    return Message::Verbatim(std::move(text));
}

Message FlagsMeaning(std::uint64_t value)
{
    return Message(HX_TR("Profiles", "%1, %2"))
        .Arg(value & 1 ? HX_TR("Profiles", "embedded") : HX_TR("Profiles", "not embedded"))
        .Arg(value & 2 ? HX_TR("Profiles", "not to be used apart from its data")
                       : HX_TR("Profiles", "may be used on its own"));
}

Message AttributesMeaning(std::uint64_t value)
{
    return Message(HX_TR("Profiles", "%1, %2, %3, %4"))
        .Arg(value & 1 ? HX_TR("Profiles", "transparency") : HX_TR("Profiles", "reflective"))
        .Arg(value & 2 ? HX_TR("Profiles", "matte") : HX_TR("Profiles", "glossy"))
        .Arg(value & 4 ? HX_TR("Profiles", "negative") : HX_TR("Profiles", "positive"))
        .Arg(value & 8 ? HX_TR("Profiles", "black and white") : HX_TR("Profiles", "colour"));
}

Message IntentMeaning(std::uint64_t value)
{
    static constexpr MessageTemplate kIntents[] = {
        HX_TR("Profiles", "perceptual"), HX_TR("Profiles", "media-relative colorimetric"),
        HX_TR("Profiles", "saturation"), HX_TR("Profiles", "ICC-absolute colorimetric")};
    if (value >= std::size(kIntents))
        return Message(HX_TR("Profiles", "%1 = not defined")).Arg(std::to_string(value));
    return Message(HX_TR("Profiles", "%1 = %2")).Arg(std::to_string(value)).Arg(kIntents[value]);
}

Message HeaderMeaning(FieldId id, std::uint64_t value, Bytes file, std::uint64_t at, std::uint32_t size)
{
    const auto signature = static_cast<std::uint32_t>(value);
    switch (id) {
    case FieldId::IccSize: return say::Bytes(value);
    case FieldId::IccCmm:
    case FieldId::IccManufacturer:
    case FieldId::IccModel:
    case FieldId::IccCreator: return SignatureMeaning(signature);
    case FieldId::IccVersion: return Message::Verbatim(VersionMeaning(value));
    case FieldId::IccClass: return SignatureMeaning(signature, kClasses);
    case FieldId::IccColorSpace:
    case FieldId::IccPcs: return SignatureMeaning(signature, kColorSpaces);
    case FieldId::IccDate: return DateMeaning(file, at);
    case FieldId::IccMagic:
        return signature == kIccMagic ? Message::Verbatim(SignatureQuoted(signature))
                                      : Message(HX_TR("Profiles", "must be 'acsp'"));
    case FieldId::IccPlatform: return SignatureMeaning(signature, kPlatforms);
    case FieldId::IccFlags: return FlagsMeaning(value);
    case FieldId::IccAttributes: return AttributesMeaning(value);
    case FieldId::IccIntent: return IntentMeaning(value);
    case FieldId::IccIlluminant: return Message::Verbatim(XyzMeaning(file, at));
    case FieldId::IccProfileId: return ProfileIdMeaning(file, at, size);
    case FieldId::IccReserved: return AllZero(file, at, size) ? Message() : Message(HX_TR("Profiles", "not all 0"));
    default: return {};
    }
}

Field IccField(Bytes file, FieldId id, std::string name, std::uint64_t at, FieldType type)
{
    const std::uint32_t size = TypeSize(type);
    const bool present = Holds(file, at, size);
    return {.id = id, .name = std::move(name), .offset = at, .size = size, .type = type,
            .value = size <= 8 ? BeAt(file, at, size) : 0, .meaning = {}, .present = present};
}

Message TagSignatureMeaning(std::uint32_t signature, const ColorProfile& profile)
{
    const Message purpose = TagPurpose(signature);
    const std::string& said = signature == kIccDescriptionTag ? profile.description
                              : signature == kIccCopyrightTag ? profile.copyright
                                                               : std::string{};
    // The tags whose text is read are all known ones.
    if (purpose.Empty())
        return Message::Verbatim(SignatureQuoted(signature));
    if (said.empty())
        return Message(HX_TR("Profiles", "%1 = %2")).Arg(SignatureQuoted(signature)).Arg(purpose);
    return Message(HX_TR("Profiles", "%1 = %2: %3")).Arg(SignatureQuoted(signature)).Arg(purpose).Arg(Quoted(said));
}

Message TagOffsetMeaning(std::uint32_t offset, std::uint64_t profileAt)
{
    return Message(HX_TR("Profiles", "profile byte %1 = file offset %2")).Number(offset).Number(profileAt + offset);
}

void AddIccFields(Bytes file, const BitmapFormat& format, const ColorProfile& profile, std::vector<Field>& fields)
{
    const std::uint64_t at = format.profile.offset;
    const std::uint64_t claimed = format.profile.claimed;
    for (const FieldEntry& entry : kIccHeaderFields) {
        if (entry.End() > claimed)
            return;
        Field field = IccField(file, entry.id, std::string(entry.name.View()), at + entry.offset, entry.type);
        if (field.present)
            field.meaning = HeaderMeaning(entry.id, field.value, file, field.offset, field.size);
        fields.push_back(std::move(field));
    }
    if (kIccTagTableOffset > claimed)
        return;
    Field count = IccField(file, FieldId::IccTagCount, "tag count", at + kIccTagCountOffset, FieldType::IccUInt32);
    if (count.present)
        count.meaning = Message(count.value > kMostTagsExplained
                                    ? HX_TR_N("Profiles", "%n tag(s); the first %1 are explained")
                                    : HX_TR_N("Profiles", "%n tag(s)"))
                            .Count(count.value)
                            .Number(kMostTagsExplained);
    fields.push_back(std::move(count));
    for (std::uint64_t i = 0; i < std::min<std::uint64_t>(profile.tagCount, kMostTagsExplained); ++i) {
        const std::uint64_t entry = kIccTagTableOffset + kIccTagEntryBytes * i;
        if (entry + kIccTagEntryBytes > claimed)
            return;
        const std::string name = "tag " + GroupedNumber(i + 1) + " ";
        Field signature = IccField(file, FieldId::IccTagSignature, name + "signature", at + entry, FieldType::IccSignature);
        Field offset = IccField(file, FieldId::IccTagOffset, name + "offset", at + entry + 4, FieldType::IccUInt32);
        Field size = IccField(file, FieldId::IccTagSize, name + "size", at + entry + 8, FieldType::IccUInt32);
        if (signature.present)
            signature.meaning = TagSignatureMeaning(static_cast<std::uint32_t>(signature.value), profile);
        if (offset.present)
            offset.meaning = TagOffsetMeaning(static_cast<std::uint32_t>(offset.value), at);
        if (size.present)
            size.meaning = say::Bytes(size.value);
        fields.push_back(std::move(signature));
        fields.push_back(std::move(offset));
        fields.push_back(std::move(size));
    }
}

}  // namespace

std::string SignatureQuoted(std::uint32_t signature)
{
    std::string text = "'";
    for (int shift = 24; shift >= 0; shift -= 8) {
        const auto c = static_cast<std::uint8_t>(signature >> shift);
        text += Printable(c) ? static_cast<char>(c) : '?';
    }
    return text + "'";
}

Message TagPurpose(std::uint32_t signature)
{
    const MessageTemplate* purpose = Named(kTags, signature);
    return purpose == nullptr ? Message() : Message(*purpose);
}

ColorProfile ReadColorProfile(Bytes file, const BitmapFormat& format)
{
    ColorProfile profile;
    profile.embedded = format.csType == kProfileEmbedded && format.profile.claimed != 0;
    if (!profile.embedded)
        return profile;
    const Bytes bytes = PresentBytes(file, format.profile);
    profile.icc = BeAt(bytes, 36, 4) == kIccMagic;
    profile.declaredSize = static_cast<std::uint32_t>(BeAt(bytes, 0, 4));
    if (!profile.icc || !Holds(bytes, kIccTagCountOffset, 4))
        return profile;
    profile.tagCount = static_cast<std::uint32_t>(BeAt(bytes, kIccTagCountOffset, 4));
    for (std::uint64_t i = 0; i < std::min<std::uint64_t>(profile.tagCount, kMostTagsExplained); ++i) {
        const std::uint64_t entry = kIccTagTableOffset + kIccTagEntryBytes * i;
        if (!Holds(bytes, entry, kIccTagEntryBytes))
            break;
        profile.tags.push_back({.signature = static_cast<std::uint32_t>(BeAt(bytes, entry, 4)),
                                .offset = static_cast<std::uint32_t>(BeAt(bytes, entry + 4, 4)),
                                .size = static_cast<std::uint32_t>(BeAt(bytes, entry + 8, 4)),
                                .entry = format.profile.offset + entry});
    }
    const bool described = std::any_of(profile.tags.begin(), profile.tags.end(), [](const IccTag& tag) {
        return tag.signature == kIccDescriptionTag || tag.signature == kIccCopyrightTag;
    });
    if (described) {
        LcmsTexts texts = ReadWithLcms(bytes.first(BytesForLcms(profile, bytes.size())));
        profile.description = std::move(texts.description);
        profile.copyright = std::move(texts.copyright);
    }
    return profile;
}

LinkedProfileName ReadLinkedProfileName(Bytes file, const BitmapFormat& format)
{
    LinkedProfileName name;
    if (format.csType != kProfileLinked)
        return name;
    const Bytes bytes = PresentBytes(file, format.profile);
    const auto nul = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
    name.terminated = nul != bytes.end();
    const auto length = static_cast<std::uint64_t>(nul - bytes.begin());
    for (const std::uint8_t byte : bytes.first(std::min(length, kLongestName)))
        AppendUtf8(name.text, Shown(FromWindows1252(byte)));
    if (length > kLongestName)
        name.text += "…";
    return name;
}

std::vector<Field> ProfileFields(Bytes file, const BitmapFormat& format)
{
    std::vector<Field> fields;
    const FileRange& range = format.profile;
    if (format.csType == kProfileLinked && range.claimed != 0) {
        const LinkedProfileName name = ReadLinkedProfileName(file, format);
        fields.push_back({.id = FieldId::LinkedFileName, .name = "file name", .offset = range.offset,
                          .size = static_cast<std::uint32_t>(range.claimed), .type = FieldType::Text, .value = 0,
                          .meaning = range.Complete() ? Message::Verbatim(Quoted(name.text)) : Message{}, .present = range.Complete()});
        return fields;
    }
    const ColorProfile profile = ReadColorProfile(file, format);
    if (profile.icc)
        AddIccFields(file, format, profile, fields);
    return fields;
}

}  // namespace hexlume::format
