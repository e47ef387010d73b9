#include "format/ByteDescription.h"
#include "format/ColorProfile.h"
#include "format/FieldValue.h"
#include "format/Findings.h"
#include "testsupport/ProfileBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace hexlume::format {
namespace {

using testing::BuildDisplayProfile;
using testing::BuildV5WithProfile;
using testing::kV5PixelsAt;
using testing::kV5ProfileAt;

// The profile the tests damage: 480 bytes, the table of 9 tags ends at 240, where 'desc' starts.
std::vector<std::uint8_t> ProfileBitmap()
{
    return BuildV5WithProfile(kProfileEmbedded, BuildDisplayProfile(u"Hexlume test display"));
}

void PutBe32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
}

const Element& ProfilePart(const Layout& layout)
{
    const auto part = std::find_if(layout.elements.begin(), layout.elements.end(),
                                   [](const Element& element) { return element.kind == ElementKind::Profile; });
    if (part == layout.elements.end())
        throw std::runtime_error("no profile part");
    return *part;
}

const Field& FieldNamed(const Element& element, std::string_view name)
{
    for (const Field& field : element.fields)
        if (field.name == name)
            return field;
    throw std::runtime_error("no field " + std::string(name));
}

std::vector<Finding> Findings(const std::vector<std::uint8_t>& bytes)
{
    return CheckBitmap(ReadLayout(Bytes(bytes)), Bytes(bytes));
}

const Finding* FindingOf(const std::vector<Finding>& findings, FindingCode code)
{
    const auto found = std::find_if(findings.begin(), findings.end(),
                                    [code](const Finding& finding) { return finding.code == code; });
    return found == findings.end() ? nullptr : &*found;
}

TEST(ColorProfile, EmbeddedProfileIsExplainedByteByByteWithItsDescription)
{
    const std::vector<std::uint8_t> bytes = ProfileBitmap();
    const Layout layout = ReadLayout(Bytes(bytes));
    const Element& profile = ProfilePart(layout);
    ASSERT_EQ(kV5ProfileAt, 154u);
    EXPECT_EQ(profile.offset, kV5ProfileAt);
    EXPECT_EQ(profile.size, 480u);

    const ByteDescription version = DescribeByte(layout, kV5ProfileAt + 9);
    ASSERT_NE(version.field, nullptr);
    EXPECT_EQ(version.field->name, "version");
    EXPECT_EQ(version.field->value, 0x04300000u);  // read big-endian
    EXPECT_EQ(version.field->meaning, "4.3");
    EXPECT_EQ(FieldNamed(profile, "device class").meaning, "'mntr' = display device");
    EXPECT_EQ(FieldNamed(profile, "connection space").meaning, "'XYZ ' = XYZ");
    EXPECT_EQ(FieldNamed(profile, "created").meaning, "2026-12-09 19:45:00 UTC");
    EXPECT_EQ(FieldNamed(profile, "PCS illuminant").meaning, "X 0.9642, Y 1, Z 0.8249");
    EXPECT_EQ(FieldNamed(profile, "tag count").meaning, "9 tags");

    // Tag 1's offset field, its third byte; the offset counts from the profile's start.
    const ByteDescription offset = DescribeByte(layout, kV5ProfileAt + 132 + 4 + 2);
    ASSERT_NE(offset.field, nullptr);
    EXPECT_EQ(offset.field->name, "tag 1 offset");
    EXPECT_EQ(offset.byteInField, 2u);
    EXPECT_EQ(offset.field->meaning, "profile byte 240 = file offset 394");
    EXPECT_EQ(FieldNamed(profile, "tag 1 signature").meaning,
              "'desc' = profile description: \"Hexlume test display\"");
    EXPECT_EQ(FieldNamed(profile, "tag 9 signature").meaning, "'bTRC' = blue tone curve");
    // Tag data is the profile's, no field's.
    const ByteDescription data = DescribeByte(layout, kV5ProfileAt + 300);
    EXPECT_EQ(data.element, &profile);
    EXPECT_EQ(data.field, nullptr);

    const std::vector<Finding> findings = Findings(bytes);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].message.English(), "An embedded ICC profile (480 bytes) lies at offset 154: \"Hexlume test display\".");
    // A value set in a profile's field keeps the profile's byte order.
    EXPECT_EQ(FieldValueBytes(0x1E1, FieldType::IccUInt32), (std::vector<std::uint8_t>{0, 0, 1, 0xE1}));
}

TEST(ColorProfile, DamagedProfilesHaveTheirFindings)
{
    const auto damaged = [](const std::function<void(std::vector<std::uint8_t>&)>& damage) {
        std::vector<std::uint8_t> bytes = ProfileBitmap();
        damage(bytes);
        return bytes;
    };
    const struct {
        FindingCode code;
        Severity severity;
        std::vector<std::uint8_t> bytes;
        std::string message;
    } cases[] = {
        {FindingCode::ProfileSizeMismatch, Severity::Error,
         damaged([](auto& bytes) { PutBe32(bytes, kV5ProfileAt, 500); }),
         "The profile's header gives its size as 500 bytes; bV5ProfileSize gives 480."},
        {FindingCode::ProfileTagPastEnd, Severity::Error,
         damaged([](auto& bytes) { PutBe32(bytes, kV5ProfileAt + 132 + 8, 400); }),
         "Tag 1 ('desc') takes profile bytes 240 to 639; the profile has 480 bytes."},
        {FindingCode::ProfileTagPastEnd, Severity::Error,
         damaged([](auto& bytes) { PutBe32(bytes, kV5ProfileAt + 128, 0x10000000); }),
         "The tag table of 268 435 456 tags takes profile bytes 128 to 3 221 225 603; the profile has 480 bytes."},
        {FindingCode::NotAnIccProfile, Severity::Error,
         damaged([](auto& bytes) { PutBe32(bytes, kV5ProfileAt + 36, 0x78787878); }),
         "The embedded profile holds 'xxxx' at its bytes 36 to 39, not the 'acsp' of an ICC profile."},
        {FindingCode::ProfileOverlapsPixels, Severity::Error,
         damaged([](auto& bytes) { bytes[126] = 124 + 8; }),  // bV5ProfileData: 8 bytes into the pixel data
         "The profile takes bytes 146 to 625, over the pixel data at bytes 138 to 153."},
        {FindingCode::ProfileOutsideFile, Severity::Error, damaged([](auto& bytes) { bytes.resize(kV5ProfileAt + 200); }),
         "The profile takes bytes 154 to 633; the file has 354 bytes."},
    };
    for (const auto& [code, severity, bytes, message] : cases) {
        const std::vector<Finding> findings = Findings(bytes);
        const Finding* finding = FindingOf(findings, code);
        ASSERT_NE(finding, nullptr) << CodeName(code);
        EXPECT_EQ(finding->severity, severity) << CodeName(code);
        EXPECT_EQ(finding->message, message);
        for (const Finding& any : findings)
            EXPECT_LE(any.offset + any.length, bytes.size()) << CodeName(any.code);
    }
    // Bytes that are no ICC profile get no ICC fields; a cut profile keeps the fields it holds.
    EXPECT_TRUE(ProfilePart(ReadLayout(Bytes(cases[3].bytes))).fields.empty());
    const Element cut = ProfilePart(ReadLayout(Bytes(cases[5].bytes)));
    EXPECT_EQ(cut.fields.back().name, "tag 6 offset");  // the file ends where its size starts

    // A description lcms2 cannot read (a record count past the tag) leaves the profile unnamed.
    const std::vector<std::uint8_t> unreadable = damaged([](auto& bytes) { PutBe32(bytes, kV5ProfileAt + 240 + 8, 0xFFFFFFFF); });
    const Layout layout = ReadLayout(Bytes(unreadable));
    EXPECT_EQ(FieldNamed(ProfilePart(layout), "tag 1 signature").meaning, "'desc' = profile description");
    EXPECT_EQ(Findings(unreadable).front().message.English(), "An embedded ICC profile (480 bytes) lies at offset 154.");
}

TEST(ColorProfile, LinkedProfileNameIsSaidInFullFromWindows1252)
{
    const std::string name = "C:\\Farben\\Caf\xE9 \x80.icm";
    std::vector<std::uint8_t> held(name.begin(), name.end());
    held.push_back(0);
    const std::vector<std::uint8_t> linked = BuildV5WithProfile(kProfileLinked, held);
    const Layout layout = ReadLayout(Bytes(linked));
    const Element& part = ProfilePart(layout);
    EXPECT_EQ(part.name, "linked profile");
    const ByteDescription byte = DescribeByte(layout, kV5ProfileAt + 3);
    ASSERT_NE(byte.field, nullptr);
    EXPECT_EQ(byte.field->meaning, "\"C:\\Farben\\Café €.icm\"");
    const std::vector<Finding> findings = Findings(linked);
    EXPECT_EQ(findings.front().message.English(), "A linked profile's file name (21 bytes) lies at offset 154: "
                                        "\"C:\\Farben\\Café €.icm\".");
    EXPECT_EQ(FindingOf(findings, FindingCode::LinkedNameUnterminated), nullptr);

    held.pop_back();
    const std::vector<Finding> unterminated = Findings(BuildV5WithProfile(kProfileLinked, held));
    const Finding* finding = FindingOf(unterminated, FindingCode::LinkedNameUnterminated);
    ASSERT_NE(finding, nullptr);
    EXPECT_EQ(finding->message,
              "The linked profile's file name has no NUL within its 20 bytes (bV5ProfileSize); a reader may run past it.");
}

}  // namespace
}  // namespace hexlume::format
