#pragma once

#include "format/BitmapFormat.h"
#include "format/Layout.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The colour profile a V5 header points at (bV5ProfileData counts from the info header's start):
// an embedded ICC profile, read field by field from its 128-byte header and its tag table, or a
// linked profile's file name. Where the bytes lie is our own reading; what the profile says of
// itself (its description) is read by lcms2, only ever from bytes inside the file.
namespace hexlume::format {

// Every number of an ICC profile is big-endian; offsets count from the profile's first byte.
inline constexpr std::uint64_t kIccHeaderBytes = 128;
inline constexpr std::uint64_t kIccTagCountOffset = 128;
inline constexpr std::uint64_t kIccTagTableOffset = 132;
inline constexpr std::uint64_t kIccTagEntryBytes = 12;  // signature, offset, size
inline constexpr std::uint32_t kIccMagic = 0x61637370;  // 'acsp'
inline constexpr std::uint32_t kIccDescriptionTag = 0x64657363;  // 'desc'
inline constexpr std::uint32_t kIccCopyrightTag = 0x63707274;    // 'cprt'
// Tag entries explained one by one; a profile with more keeps the rest as plain bytes.
inline constexpr std::uint32_t kMostTagsExplained = 256;

namespace dictionary {

inline constexpr FieldEntry kIccHeader[] = {
    {FieldId::IccSize, "profile size", 0, FieldType::IccUInt32},
    {FieldId::IccCmm, "preferred CMM", 4, FieldType::IccSignature},
    {FieldId::IccVersion, "version", 8, FieldType::IccUInt32},
    {FieldId::IccClass, "device class", 12, FieldType::IccSignature},
    {FieldId::IccColorSpace, "colour space", 16, FieldType::IccSignature},
    {FieldId::IccPcs, "connection space", 20, FieldType::IccSignature},
    {FieldId::IccDate, "created", 24, FieldType::IccDateTime},
    {FieldId::IccMagic, "file signature", 36, FieldType::IccSignature},
    {FieldId::IccPlatform, "platform", 40, FieldType::IccSignature},
    {FieldId::IccFlags, "flags", 44, FieldType::IccUInt32},
    {FieldId::IccManufacturer, "manufacturer", 48, FieldType::IccSignature},
    {FieldId::IccModel, "model", 52, FieldType::IccSignature},
    {FieldId::IccAttributes, "attributes", 56, FieldType::IccUInt64},
    {FieldId::IccIntent, "rendering intent", 64, FieldType::IccUInt32},
    {FieldId::IccIlluminant, "PCS illuminant", 68, FieldType::IccXyz},
    {FieldId::IccCreator, "creator", 80, FieldType::IccSignature},
    {FieldId::IccProfileId, "profile ID", 84, FieldType::IccProfileId},
    {FieldId::IccReserved, "reserved", 100, FieldType::IccReserved},
};

}  // namespace dictionary

inline constexpr FieldTable kIccHeaderFields = dictionary::kIccHeader;

// One entry of the tag table.
struct IccTag {
    std::uint32_t signature = 0;
    std::uint32_t offset = 0;  // from the profile's start
    std::uint32_t size = 0;
    std::uint64_t entry = 0;   // where the entry lies in the file
};

// An embedded profile as its bytes read.
struct ColorProfile {
    bool embedded = false;          // PROFILE_EMBEDDED with a size
    bool icc = false;               // 'acsp' where an ICC profile keeps it (profile bytes 36 to 39)
    std::uint32_t declaredSize = 0; // the ICC header's own size (0 when the bytes do not hold it)
    std::uint32_t tagCount = 0;     // as stored
    std::vector<IccTag> tags;       // the entries the profile and the file hold, up to kMostTagsExplained
    std::string description;        // the 'desc' tag's text as lcms2 reads it (UTF-8); empty when none
    std::string copyright;          // the 'cprt' tag's
};

ColorProfile ReadColorProfile(Bytes file, const BitmapFormat& format);

// A linked profile's file name: the bytes up to its NUL, read as Windows-1252, in UTF-8.
struct LinkedProfileName {
    std::string text;
    bool terminated = false;  // a NUL lies within bV5ProfileSize
};

LinkedProfileName ReadLinkedProfileName(Bytes file, const BitmapFormat& format);

// The profile's fields: an embedded ICC profile's header, tag count and tag entries; a linked
// profile's file name. None for bytes that are not an ICC profile.
std::vector<Field> ProfileFields(Bytes file, const BitmapFormat& format);

// A signature's four characters in quotes, "'desc'", each shown only when printable.
std::string SignatureQuoted(std::uint32_t signature);
// What a tag holds in words, "profile description"; empty for a tag we do not know.
Message TagPurpose(std::uint32_t signature);

}  // namespace hexlume::format
