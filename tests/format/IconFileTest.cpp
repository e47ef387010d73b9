#include "format/Decoder.h"
#include "format/Inspection.h"
#include "testsupport/IconBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace hexlume::format {
namespace {

using testing::BuildIconFile;
using testing::IconDib;
using testing::IconImageEntry;
using testing::PngHeaderOnly;
using Bits = std::vector<std::uint8_t>;

// Black and white, then a colour per row of 1-bit pixels: bottom row 0 1, top row 1 0 (rows of
// 32 bits); the mask leaves the bottom row's right pixel transparent.
const Bits kBlackWhite = {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0};
const Bits kOneBitRows = {0x40, 0, 0, 0, 0x80, 0, 0, 0};
const Bits kMaskBottomRight = {0x40, 0, 0, 0, 0, 0, 0, 0};

// Every image kind an icon holds: 1, 4, 8, 24 bits, 32 bits with and without alpha, a PNG.
std::vector<IconImageEntry> EveryKind()
{
    const Bits oneRowMask = {0x40, 0, 0, 0};  // 2 by 1: the right pixel transparent
    return {
        {.image = IconDib(2, 2, 1, kBlackWhite, kOneBitRows, kMaskBottomRight), .width = 2, .height = 2, .bitCount = 1},
        {.image = IconDib(2, 1, 4, Bits(64, 0x11), {0x0F, 0, 0, 0}, oneRowMask), .width = 2, .height = 1, .bitCount = 4},
        {.image = IconDib(2, 1, 8, Bits(1024, 0x22), {0, 255, 0, 0}, oneRowMask), .width = 2, .height = 1, .bitCount = 8},
        {.image = IconDib(2, 1, 24, {}, {1, 2, 3, 4, 5, 6, 0, 0}, oneRowMask), .width = 2, .height = 1, .bitCount = 24},
        // Alpha in use: the mask (all ones) is ignored.
        {.image = IconDib(2, 1, 32, {}, {10, 20, 30, 128, 40, 50, 60, 0}, {0xC0, 0, 0, 0}), .width = 2, .height = 1,
         .bitCount = 32},
        // Alpha 0 everywhere: the mask tells.
        {.image = IconDib(2, 1, 32, {}, {10, 20, 30, 0, 40, 50, 60, 0}, oneRowMask), .width = 2, .height = 1,
         .bitCount = 32},
        {.image = PngHeaderOnly(3, 2, 8, 6), .width = 3, .height = 2, .bitCount = 32},
    };
}

std::vector<Argb> DrawEntry(const Bits& file, std::size_t image)
{
    const Inspection inspected = Inspect(Bytes(file), image);
    const BitmapFormat& format = inspected.layout.format;
    return DecodePicture(Bytes(file), format, static_cast<std::uint32_t>(format.columns),
                         static_cast<std::uint32_t>(format.rows))
        .picture.pixels;
}

bool Has(const std::vector<Finding>& findings, FindingCode code, std::string_view words = {})
{
    return std::any_of(findings.begin(), findings.end(), [&](const Finding& finding) {
        return finding.code == code && finding.message.English().find(words) != std::string::npos;
    });
}

std::string Describe(const std::vector<Finding>& findings)
{
    std::string text;
    for (const Finding& finding : findings)
        text += std::string(CodeName(finding.code)) + ": " + finding.message.English() + "\n";
    return text;
}

TEST(IconFile, EachImageIsDrawnAsWindowsDrawsIconsTheMaskOrTheAlpha)
{
    const Bits file = BuildIconFile(kIconType, EveryKind());
    const Inspection inspected = Inspect(Bytes(file));
    EXPECT_EQ(inspected.layout.kind, FileKind::Icon);
    EXPECT_EQ(ImageCount(inspected.layout), 7u);
    for (const Finding& finding : inspected.findings)
        EXPECT_EQ(finding.severity, Severity::Note) << finding.message.English();

    // Rows from the top: white black / black, white under a mask bit (alpha 0, colour kept).
    EXPECT_EQ(DrawEntry(file, 0), (std::vector<Argb>{0xFFFFFFFF, 0xFF000000, 0xFF000000, 0x00FFFFFF}));
    EXPECT_EQ(DrawEntry(file, 1), (std::vector<Argb>{0xFF111111, 0x00111111}));
    EXPECT_EQ(DrawEntry(file, 2), (std::vector<Argb>{0xFF222222, 0x00222222}));
    EXPECT_EQ(DrawEntry(file, 3), (std::vector<Argb>{0xFF030201, 0x00060504}));
    EXPECT_EQ(DrawEntry(file, 4), (std::vector<Argb>{0x801E140A, 0x003C3228}));
    EXPECT_EQ(DrawEntry(file, 5), (std::vector<Argb>{0xFF1E140A, 0x003C3228}));

    // The PNG goes to an image reader whole, its size from IHDR.
    const Inspection png = Inspect(Bytes(file), 6);
    EXPECT_TRUE(png.noPictureReason.empty()) << png.noPictureReason;
    const DecodeResult embedded = DecodePicture(Bytes(file), png.layout.format, 3, 2);
    ASSERT_EQ(embedded.outcome, DecodeOutcome::Embedded);
    EXPECT_EQ(embedded.embeddedEncoding, PixelEncoding::Png);
    EXPECT_EQ(embedded.embedded.offset, png.layout.icon.entries[6].imageOffset);
    EXPECT_EQ(embedded.embedded.claimed, png.layout.icon.entries[6].bytesInRes);
    // Past the last image, the last.
    EXPECT_EQ(Inspect(Bytes(file), 99).layout.image, 6u);
}

TEST(IconFile, CursorEntriesHoldTheHotSpot)
{
    Bits file = BuildIconFile(kCursorType, {{.image = IconDib(2, 2, 1, kBlackWhite, kOneBitRows, kMaskBottomRight),
                                             .width = 2, .height = 2, .planes = 1, .bitCount = 0}});
    const Layout layout = ReadLayout(Bytes(file));
    EXPECT_EQ(layout.kind, FileKind::Cursor);
    const auto entry = std::find_if(layout.elements.begin(), layout.elements.end(),
                                    [](const Element& element) { return element.kind == ElementKind::IconEntry; });
    ASSERT_NE(entry, layout.elements.end());
    ASSERT_EQ(entry->fields.size(), 8u);
    EXPECT_EQ(entry->fields[4].name, "wXHotspot");
    EXPECT_EQ(entry->fields[4].offset, 10u);
    EXPECT_EQ(entry->fields[4].meaning, "hot spot 1 pixel from the left");
    EXPECT_EQ(entry->fields[5].name, "wYHotspot");
    const std::vector<Finding> findings = CheckBitmap(layout, Bytes(file));
    EXPECT_TRUE(std::all_of(findings.begin(), findings.end(),
                            [](const Finding& finding) { return finding.severity == Severity::Note; }))
        << Describe(findings);

    file[12] = 2;  // y = 2 of a 2-row image
    EXPECT_TRUE(Has(Inspect(Bytes(file)).findings, FindingCode::HotspotOutside, "hot spot (1, 2)"));
}

TEST(IconFile, DamagedDirectoriesAndEntriesAreNamedWithTheFilesNumbers)
{
    const Bits good = BuildIconFile(kIconType, EveryKind());
    const auto findings = [](Bits file) { return Inspect(Bytes(file)).findings; };
    const std::size_t first = 6;  // entry 1's bytes
    const std::size_t second = 22;

    Bits reserved = good;
    reserved[0] = 7;
    EXPECT_TRUE(Has(findings(reserved), FindingCode::IconBadReserved, "idReserved is 7; it must be 0."));
    Bits type = good;
    type[2] = 3;
    EXPECT_TRUE(Has(findings(type), FindingCode::IconBadType, "idType is 3"));
    Bits none = good;
    none[4] = 0;
    EXPECT_TRUE(Has(findings(none), FindingCode::IconNoImages));
    EXPECT_FALSE(Inspect(Bytes(none)).noPictureReason.empty());
    const Bits cut(good.begin(), good.begin() + 40);
    EXPECT_TRUE(Has(findings(cut), FindingCode::IconDirectoryTruncated, "idCount says 7 entries, which end at offset 118"));

    Bits sizes = good;
    sizes[first] = 0;  // 256 wide
    sizes[first + 6] = 8;
    const std::vector<Finding> sized = findings(sizes);
    EXPECT_TRUE(Has(sized, FindingCode::IconSizeMismatch, "Entry 1 says 256 by 2 pixels; its image is 2 by 2.")) << Describe(sized);
    EXPECT_TRUE(Has(sized, FindingCode::IconBitCountMismatch, "wBitCount is 8; its image has 1 bit per pixel."));

    Bits bytes = good;
    bytes[first + 8] += 4;  // dwBytesInRes 4 more: into the next image
    const std::vector<Finding> overlapping = findings(bytes);
    EXPECT_TRUE(Has(overlapping, FindingCode::IconBytesMismatch, "its image takes")) << Describe(overlapping);
    EXPECT_TRUE(Has(overlapping, FindingCode::IconImagesOverlap, "Entry 2's image"));

    Bits shortMask = good;
    shortMask[first + 8] -= 4;  // the entry ends inside the AND mask
    EXPECT_TRUE(Has(findings(shortMask), FindingCode::IconMaskTruncated, "the entry's dwBytesInRes ends after 4 of them"));
    const Bits shortFile(good.begin(), good.begin() + Inspect(Bytes(good), 5).layout.format.andMask.offset + 2);
    const std::vector<Finding> ended = findings(shortFile);
    EXPECT_TRUE(Has(ended, FindingCode::IconMaskTruncated, "the file ends after 2 of them")) << Describe(ended);
    EXPECT_TRUE(Has(ended, FindingCode::IconImagePastEnd, "Entry 7's image"));

    Bits inside = good;
    inside[second + 12] = 10;  // image 2 at offset 10, inside the directory
    EXPECT_TRUE(Has(findings(inside), FindingCode::IconImagesOverlap, "inside the directory, which ends at offset 118"));

    // Whatever the damage, the layout still covers every byte once.
    for (const Bits* file : std::initializer_list<const Bits*>{&good, &reserved, &type, &none, &cut, &sizes, &bytes, &shortMask, &shortFile, &inside}) {
        std::uint64_t reached = 0;
        for (const Element& element : ReadLayout(Bytes(*file)).elements) {
            EXPECT_EQ(element.offset, reached) << element.name;
            reached = element.offset + element.size;
        }
        EXPECT_EQ(reached, file->size());
    }
}

TEST(HeaderlessDib, AnInfoHeaderFirstIsADibWithoutFileHeaderAndDecoysAreNot)
{
    // 2 by 1 at 24 bits, then 2 by 1 with BI_BITFIELDS masks after the header.
    Bits dib = IconDib(2, 1, 24, {}, {1, 2, 3, 4, 5, 6, 0, 0}, {});
    dib[8] = 1;  // biHeight 1: no mask in a plain DIB
    const Inspection inspected = Inspect(Bytes(dib));
    EXPECT_EQ(inspected.layout.kind, FileKind::Headerless);
    std::vector<ElementKind> kinds;
    for (const Element& element : inspected.layout.elements)
        kinds.push_back(element.kind);
    EXPECT_EQ(kinds, (std::vector<ElementKind>{ElementKind::InfoHeader, ElementKind::PixelData}));
    EXPECT_TRUE(Has(inspected.findings, FindingCode::HeaderlessDib, "BITMAPINFOHEADER"));
    EXPECT_FALSE(std::any_of(inspected.findings.begin(), inspected.findings.end(),
                             [](const Finding& finding) { return finding.severity != Severity::Note; }))
        << Describe(inspected.findings);
    const BitmapFormat& format = inspected.layout.format;
    EXPECT_EQ(DecodePicture(Bytes(dib), format, 2, 1).picture.pixels, (std::vector<Argb>{0xFF030201, 0xFF060504}));

    Bits masks = IconDib(1, 1, 16, {0, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0}, {0x1F, 0xF8, 0, 0}, {});
    masks[8] = 1;
    masks[16] = 3;  // BI_BITFIELDS
    const Inspection packed = Inspect(Bytes(masks));
    EXPECT_EQ(packed.layout.kind, FileKind::Headerless);
    EXPECT_EQ(packed.layout.format.masks.red, 0xF800u);
    EXPECT_EQ(DecodePicture(Bytes(masks), packed.layout.format, 1, 1).picture.pixels, (std::vector<Argb>{0xFFFF00FF}));

    // Decoys: sizes, planes, bit counts or compressions no DIB has, or text.
    for (const auto& [at, value] : std::vector<std::pair<std::size_t, std::uint8_t>>{
             {0, 41}, {4, 0}, {8, 0}, {12, 0}, {14, 7}, {16, 9}, {7, 0x80}}) {
        Bits decoy = dib;
        decoy[at] = value;
        EXPECT_EQ(ReadLayout(Bytes(decoy)).kind, FileKind::Bitmap) << at;
    }
    constexpr char kText[] = "(\0\0\0 is how this text file starts, and then plain words follow.";
    EXPECT_FALSE(IsHeaderlessDib(Bytes(reinterpret_cast<const std::uint8_t*>(kText), sizeof kText - 1)));
}

}  // namespace
}  // namespace hexlume::format
