#include "format/FieldDictionary.h"
#include "format/Layout.h"
#include "testsupport/BmpBuilder.h"

#include <gtest/gtest.h>

namespace hexlume::format {
namespace {

using testing::BuildBitmap;

// Each header's fields follow one another from its first byte to its last, with no gap and no
// overlap, and the fixed-size versions are told apart by exactly that size.
TEST(FieldDictionary, FieldsTileEachHeader)
{
    struct Header {
        std::string_view name;
        FieldTable fields;
        std::uint32_t size;
    };
    const Header headers[] = {
        {"file header", FileHeaderFields(HeaderVersion::Info), 14},
        {"OS/2 file header", FileHeaderFields(HeaderVersion::Core), 14},
        {"core", InfoHeaderFields(HeaderVersion::Core), 12},
        {"OS/2 2.x", InfoHeaderFields(HeaderVersion::Os2v2), 64},
        {"info", InfoHeaderFields(HeaderVersion::Info), 40},
        {"V2", InfoHeaderFields(HeaderVersion::V2), 52},
        {"V3", InfoHeaderFields(HeaderVersion::V3), 56},
        {"V4", InfoHeaderFields(HeaderVersion::V4), 108},
        {"V5", InfoHeaderFields(HeaderVersion::V5), 124},
        {"masks after a 40-byte header", kMaskFields, 16},
    };
    for (const Header& header : headers) {
        std::uint32_t reached = 0;
        for (const FieldEntry& field : header.fields) {
            EXPECT_EQ(field.offset, reached) << header.name << ": " << field.name.View();
            EXPECT_FALSE(field.name.View().empty()) << header.name;
            reached = field.End();
        }
        EXPECT_EQ(reached, header.size) << header.name;
    }
    for (const HeaderVersion version : {HeaderVersion::Core, HeaderVersion::Info, HeaderVersion::V2,
                                        HeaderVersion::V3, HeaderVersion::V4, HeaderVersion::V5})
        EXPECT_EQ(HeaderVersionFor(TableBytes(InfoHeaderFields(version))), version);
    EXPECT_EQ(HeaderVersionFor(16), HeaderVersion::Os2v2);
    EXPECT_EQ(HeaderVersionFor(15), HeaderVersion::Unknown);
    EXPECT_EQ(HeaderVersionFor(65), HeaderVersion::Unknown);
}

// A bitmap whose file header starts inside a bigger file (as in an OS/2 bitmap array) reads as
// it does alone, every part and field shifted by where it starts; bfOffBits counts from the
// file's start.
TEST(FieldDictionary, BitmapReadsTheSameFromAnyBase)
{
    // 40-byte header with the masks after it, so every kind of header field is placed.
    const std::vector<std::uint8_t> alone =
        BuildBitmap({.width = 2, .height = 2, .bitCount = 16, .compression = kBiBitfields, .sizeImage = 8,
                     .palette = {0x00, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0},
                     .pixels = {1, 2, 3, 4, 5, 6, 7, 8}});
    const Layout plain = ReadLayout(alone);
    for (const std::uint64_t base : {14u, 14u + 3u}) {
        std::vector<std::uint8_t> file(base, 0xAA);
        file.insert(file.end(), alone.begin(), alone.end());
        const FieldEntry& offBits = FieldOf(FileHeaderFields(HeaderVersion::Info), FieldId::PixelOffset);
        WriteLe32(file, base + offBits.offset, static_cast<std::uint32_t>(plain.format.offBits + base));

        const Layout shifted = ReadLayout(file, base);
        EXPECT_EQ(shifted.format.width, 2);
        EXPECT_EQ(shifted.format.masks.green, 0x07E0u);
        EXPECT_EQ(shifted.format.header.offset, base + 14);
        EXPECT_EQ(shifted.format.maskBytes.offset, plain.format.maskBytes.offset + base);
        EXPECT_EQ(shifted.format.pixels.offset, plain.format.pixels.offset + base);
        ASSERT_EQ(shifted.elements.size(), plain.elements.size() + 1);
        EXPECT_EQ(shifted.elements[0].kind, ElementKind::Gap);
        EXPECT_EQ(shifted.elements[0].size, base);
        for (std::size_t i = 0; i < plain.elements.size(); ++i) {
            const Element& was = plain.elements[i];
            const Element& now = shifted.elements[i + 1];
            EXPECT_EQ(now.name, was.name);
            EXPECT_EQ(now.offset, was.offset + base) << was.name;
            ASSERT_EQ(now.fields.size(), was.fields.size()) << was.name;
            for (std::size_t f = 0; f < was.fields.size(); ++f) {
                EXPECT_EQ(now.fields[f].name, was.fields[f].name);
                EXPECT_EQ(now.fields[f].offset, was.fields[f].offset + base) << was.fields[f].name;
                if (was.fields[f].id != FieldId::PixelOffset) {
                    EXPECT_EQ(now.fields[f].value, was.fields[f].value) << was.fields[f].name;
                }
            }
        }
    }
}

}  // namespace
}  // namespace hexlume::format
