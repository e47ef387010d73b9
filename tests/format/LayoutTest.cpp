#include "format/ByteDescription.h"
#include "format/Layout.h"
#include "testsupport/BmpBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace hexlume::format {
namespace {

using testing::BitmapFields;
using testing::BuildBitmap;

void PutLe32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

const Field& FieldNamed(const Layout& layout, std::string_view name)
{
    for (const Element& element : layout.elements)
        for (const Field& field : element.fields)
            if (field.name == name)
                return field;
    throw std::runtime_error("no field " + std::string(name));
}

std::vector<std::string> ElementNames(const Layout& layout)
{
    std::vector<std::string> names;
    for (const Element& element : layout.elements)
        names.push_back(element.name);
    return names;
}

// Every byte of the file lies in an element, elements follow each other and stay inside the file.
void ExpectElementsTileTheFile(const Layout& layout, std::uint64_t fileSize)
{
    std::uint64_t reached = 0;
    for (const Element& element : layout.elements) {
        EXPECT_EQ(element.offset, reached) << element.name;
        EXPECT_GE(element.size, 1u) << element.name;
        EXPECT_LE(element.size, element.claimed) << element.name;
        EXPECT_LE(element.offset + element.size, fileSize) << element.name;
        reached = element.offset + element.size;
    }
    EXPECT_EQ(reached, fileSize);
}

// A V5 header with bit-field masks in it, an embedded profile after the pixels, a gap before
// them and bytes after the profile.
std::vector<std::uint8_t> V5WithProfile()
{
    std::vector<std::uint8_t> rest(84 + 6 + 8 + 4 + 3);  // header tail, gap, 2x2 16-bit pixels, profile, trailing
    BitmapFields fields{.offBits = 14 + 124 + 6, .infoSize = 124, .width = 2, .height = 2, .bitCount = 16,
                        .compression = kBiBitfields, .sizeImage = 8, .palette = rest};
    std::vector<std::uint8_t> bytes = BuildBitmap(fields);
    PutLe32(bytes, 54, 0xF800);
    PutLe32(bytes, 58, 0x07E0);
    PutLe32(bytes, 62, 0x001F);
    PutLe32(bytes, 70, kProfileEmbedded);
    PutLe32(bytes, 126, 124 + 6 + 8);  // counted from the info header
    PutLe32(bytes, 130, 4);
    return bytes;
}

TEST(Layout, V5HeaderWithProfileGapAndTrailingBytes)
{
    const std::vector<std::uint8_t> bytes = V5WithProfile();
    const Layout layout = ReadLayout(Bytes(bytes));
    EXPECT_EQ(ElementNames(layout), (std::vector<std::string>{"BITMAPFILEHEADER", "BITMAPV5HEADER", "gap", "pixel data",
                                                              "embedded profile", "trailing bytes"}));
    ExpectElementsTileTheFile(layout, bytes.size());
    EXPECT_EQ(layout.elements[1].fields.size(), 24u);
    EXPECT_EQ(FieldNamed(layout, "bV5Compression").meaning, "3 = BI_BITFIELDS");
    EXPECT_EQ(FieldNamed(layout, "bV5Height").meaning, "bottom-up, 2 rows");
    EXPECT_EQ(FieldNamed(layout, "bV5XPelsPerMeter").meaning, "2835 px/m = 72 dpi");
    EXPECT_EQ(FieldNamed(layout, "bV5GreenMask").meaning, "bits 5 to 10 (6 bits)");
    EXPECT_EQ(FieldNamed(layout, "bV5CSType").meaning, "PROFILE_EMBEDDED");
    const Field& endpoints = FieldNamed(layout, "bV5Endpoints");
    EXPECT_EQ(endpoints.offset, 74u);
    EXPECT_EQ(endpoints.size, 36u);
    EXPECT_EQ(endpoints.type, FieldType::CieXyzTriple);
    EXPECT_EQ(layout.elements[4].offset, 14u + 124 + 6 + 8);

    // The window says meanings and part names in its language; constants and header names stay.
    const Message::Lookup chinese = [](const char*, const char* text, std::optional<std::uint64_t>) {
        const std::map<std::string_view, std::string> words = {
            {"bottom-up, %n row(s)", "自下而上，%n 行"}, {"%1 = %2", "%1 = %2"}, {"gap", "间隙"}};
        const auto found = words.find(text);
        return found != words.end() ? std::optional(found->second) : std::nullopt;
    };
    EXPECT_EQ(FieldNamed(layout, "bV5Height").meaning.Said(chinese), "自下而上，2 行");
    EXPECT_EQ(FieldNamed(layout, "bV5Compression").meaning.Said(chinese), "3 = BI_BITFIELDS");
    EXPECT_EQ(ElementTitle(layout.elements[2]).Said(chinese), "间隙");
    EXPECT_EQ(ElementTitle(layout.elements[1]).Said(chinese), "BITMAPV5HEADER");
}

TEST(Layout, EachVersionNamesItsOwnFields)
{
    std::vector<std::uint8_t> v4 = BuildBitmap({.infoSize = 108, .width = 1, .height = -1, .bitCount = 24,
                                                .palette = std::vector<std::uint8_t>(68 + 4)});
    PutLe32(v4, 70, 0x73524742);
    const Layout v4Layout = ReadLayout(Bytes(v4));
    EXPECT_EQ(FieldNamed(v4Layout, "bV4V4Compression").offset, 30u);
    EXPECT_EQ(FieldNamed(v4Layout, "bV4CSType").meaning, "LCS_sRGB");
    EXPECT_EQ(FieldNamed(v4Layout, "bV4Height").meaning, "top-down, 1 row");

    // OS/2 1.x: 16-bit sizes, the file header's own names, 3-byte colour entries.
    std::vector<std::uint8_t> core = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 32, 0, 0, 0, 12, 0, 0, 0, 3, 0, 1, 0, 1, 0, 1, 0};
    core.resize(32 + 4);
    const Layout coreLayout = ReadLayout(Bytes(core));
    EXPECT_EQ(FieldNamed(coreLayout, "bcWidth").type, FieldType::Word);
    EXPECT_EQ(FieldNamed(coreLayout, "bcWidth").value, 3u);
    EXPECT_EQ(FieldNamed(coreLayout, "cbSize").offset, 2u);
    EXPECT_EQ(coreLayout.elements[2].name, "colour table");
    EXPECT_EQ(coreLayout.elements[2].size, 6u);

    // OS/2 2.x names its compression codes its own way.
    const std::vector<std::uint8_t> os2 = BuildBitmap({.infoSize = 64, .width = 1, .height = 1, .bitCount = 24,
                                                       .compression = 4, .palette = std::vector<std::uint8_t>(24)});
    const Layout os2Layout = ReadLayout(Bytes(os2));
    EXPECT_EQ(FieldNamed(os2Layout, "ulCompression").meaning, "4 = RLE24");
    EXPECT_EQ(os2Layout.elements[1].fields.back().name, "ulIdentifier");
}

TEST(Layout, CutFileKeepsClaimsAndMarksMissingFields)
{
    std::vector<std::uint8_t> bytes = V5WithProfile();
    bytes.resize(40);
    const Layout layout = ReadLayout(Bytes(bytes));
    ASSERT_EQ(layout.elements.size(), 2u);
    EXPECT_EQ(layout.elements[1].size, 26u);
    EXPECT_EQ(layout.elements[1].claimed, 124u);
    EXPECT_TRUE(FieldNamed(layout, "bV5Planes").present);
    EXPECT_FALSE(FieldNamed(layout, "bV5XPelsPerMeter").present);
    ExpectElementsTileTheFile(layout, bytes.size());
}

// A bfOffBits inside the headers: they keep every byte and the pixel data gives way around them;
// past them it starts before the colour table, so it keeps the bytes the two share.
TEST(Layout, HeadersKeepTheirBytesWhenPixelDataOverlapsThem)
{
    const std::vector<std::uint8_t> bytes = BuildBitmap({.offBits = 20, .width = 16, .height = 4, .bitCount = 8,
                                                         .clrUsed = 4, .palette = std::vector<std::uint8_t>(16),
                                                         .pixels = std::vector<std::uint8_t>(64)});
    const Layout layout = ReadLayout(Bytes(bytes));
    EXPECT_EQ(ElementNames(layout), (std::vector<std::string>{"BITMAPFILEHEADER", "BITMAPINFOHEADER", "pixel data",
                                                              "trailing bytes"}));
    EXPECT_EQ(layout.elements[1].size, 40u);
    EXPECT_EQ(layout.elements[2].offset, 54u);
    EXPECT_EQ(layout.elements[2].size, 30u);
    ExpectElementsTileTheFile(layout, bytes.size());
}

TEST(Layout, RleStreamWithoutImageSizeEndsAtItsEndCode)
{
    const std::vector<std::uint8_t> stream = {2, 1, 0, 0, 2, 0, 0, 1, 0xAA, 0xBB};  // two rows, end, 2 extra bytes
    const std::vector<std::uint8_t> bytes = BuildBitmap({.width = 2, .height = 2, .bitCount = 8, .compression = kBiRle8,
                                                         .clrUsed = 2, .palette = std::vector<std::uint8_t>(8),
                                                         .pixels = stream});
    const Layout layout = ReadLayout(Bytes(bytes));
    EXPECT_EQ(ElementNames(layout), (std::vector<std::string>{"BITMAPFILEHEADER", "BITMAPINFOHEADER", "colour table",
                                                              "pixel data", "trailing bytes"}));
    EXPECT_EQ(layout.elements[3].size, 8u);
}

TEST(ByteDescription, NamesFieldEntryChannelRowColumnAndPadding)
{
    // 8 bits, 3 x 2, bottom-up: stride 4, one padding byte a row.
    const std::vector<std::uint8_t> bytes = BuildBitmap({.width = 3, .height = 2, .bitCount = 8, .clrUsed = 2,
                                                         .palette = std::vector<std::uint8_t>(8),
                                                         .pixels = std::vector<std::uint8_t>(8)});
    const Layout layout = ReadLayout(Bytes(bytes));
    const ByteDescription width = DescribeByte(layout, 20);
    ASSERT_NE(width.field, nullptr);
    EXPECT_EQ(width.field->name, "biWidth");
    EXPECT_EQ(width.byteInField, 2u);

    const ByteDescription red = DescribeByte(layout, 54 + 4 + 2);
    EXPECT_EQ(red.paletteEntry, 1u);
    EXPECT_EQ(Message(red.channel), "red");

    const ByteDescription firstStored = DescribeByte(layout, 62 + 1);
    EXPECT_EQ(firstStored.pixelRow, 1u);  // the first row stored is the bottom one
    EXPECT_EQ(firstStored.pixelColumn, 1u);
    const ByteDescription padding = DescribeByte(layout, 62 + 4 + 3);
    EXPECT_EQ(padding.pixelRow, 0u);
    EXPECT_TRUE(padding.rowPadding);
    EXPECT_FALSE(padding.pixelColumn);
    EXPECT_EQ(DescribeByte(layout, bytes.size()).element, nullptr);

    std::vector<std::uint8_t> topDown = bytes;
    PutLe32(topDown, 22, static_cast<std::uint32_t>(-2));
    const Layout topDownLayout = ReadLayout(Bytes(topDown));
    EXPECT_EQ(DescribeByte(topDownLayout, 62).pixelRow, 0u);
}

TEST(ByteDescription, FourBitPixelsShareABytesColumn)
{
    const std::vector<std::uint8_t> bytes = BuildBitmap({.width = 5, .height = 1, .bitCount = 4, .clrUsed = 2,
                                                         .palette = std::vector<std::uint8_t>(8),
                                                         .pixels = std::vector<std::uint8_t>(4)});
    const Layout layout = ReadLayout(Bytes(bytes));
    EXPECT_EQ(DescribeByte(layout, 62 + 1).pixelColumn, 2u);
    EXPECT_EQ(DescribeByte(layout, 62 + 2).pixelColumn, 4u);
    EXPECT_TRUE(DescribeByte(layout, 62 + 3).rowPadding);
}

}  // namespace
}  // namespace hexlume::format
