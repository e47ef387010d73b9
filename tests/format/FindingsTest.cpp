#include "format/Findings.h"
#include "testsupport/BmpBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

namespace hexlume::format {
namespace {

using testing::BitmapFields;
using testing::BuildBitmap;
namespace fs = std::filesystem;

std::vector<Finding> Check(const std::vector<std::uint8_t>& bytes)
{
    return CheckBitmap(ReadLayout(Bytes(bytes)), Bytes(bytes));
}

bool HasProblem(const std::vector<Finding>& findings)
{
    return std::any_of(findings.begin(), findings.end(),
                       [](const Finding& finding) { return finding.severity != Severity::Note; });
}

std::string Describe(const std::vector<Finding>& findings)
{
    std::string text;
    for (const Finding& finding : findings)
        text += std::string(SeverityName(finding.severity)) + " " + finding.code + ": " + finding.message + "\n";
    return text;
}

void ExpectInsideTheFile(const std::vector<Finding>& findings, std::uint64_t fileSize)
{
    for (const Finding& finding : findings) {
        EXPECT_GE(finding.length, 1u) << finding.code;
        EXPECT_LE(finding.offset + finding.length, fileSize) << finding.code;
        EXPECT_FALSE(finding.message.empty()) << finding.code;
    }
}

// 4 x 2 pixels at 8 bits with a 4-entry colour table: every index in the table.
BitmapFields Indexed8()
{
    return {.width = 4, .height = 2, .bitCount = 8, .sizeImage = 8, .clrUsed = 4,
            .palette = std::vector<std::uint8_t>(16), .pixels = {0, 1, 2, 3, 3, 2, 1, 0}};
}

// The same picture as an RLE8 stream: each row one run, then the end codes.
BitmapFields Rle8(std::vector<std::uint8_t> stream)
{
    BitmapFields fields = Indexed8();
    fields.compression = kBiRle8;
    fields.sizeImage = static_cast<std::uint32_t>(stream.size());
    fields.pixels = std::move(stream);
    return fields;
}

const std::vector<std::uint8_t> kGoodRle = {4, 1, 0, 0, 4, 2, 0, 1};

// 2 x 1 pixels at 16 bits with the three masks after the header.
BitmapFields BitFields16(std::uint32_t red, std::uint32_t green, std::uint32_t blue)
{
    std::vector<std::uint8_t> masks;
    for (const std::uint32_t mask : {red, green, blue})
        for (int i = 0; i < 4; ++i)
            masks.push_back(static_cast<std::uint8_t>(mask >> (8 * i)));
    return {.width = 2, .height = 1, .bitCount = 16, .compression = kBiBitfields, .sizeImage = 4,
            .palette = masks, .pixels = std::vector<std::uint8_t>(4)};
}

std::vector<std::uint8_t> Build(BitmapFields fields, const std::function<void(BitmapFields&)>& change)
{
    change(fields);
    return BuildBitmap(fields);
}

std::vector<std::uint8_t> Cut(std::vector<std::uint8_t> bytes, std::size_t keep)
{
    bytes.resize(keep);
    return bytes;
}

struct Broken {
    const char* code;
    Severity severity;
    std::vector<std::uint8_t> bytes;
};

TEST(CheckBitmap, TheValidShapesHaveNoProblem)
{
    for (const BitmapFields& fields : {Indexed8(), Rle8(kGoodRle), BitFields16(0xF800, 0x07E0, 0x001F)}) {
        const std::vector<Finding> findings = Check(BuildBitmap(fields));
        EXPECT_FALSE(HasProblem(findings)) << Describe(findings);
    }
}

// Each file breaks one rule; it must get that finding, at that severity, inside the file.
TEST(CheckBitmap, EachBrokenRuleHasItsFinding)
{
    const auto indexed = [](const std::function<void(BitmapFields&)>& change) { return Build(Indexed8(), change); };
    const auto rle = [](std::vector<std::uint8_t> stream) { return BuildBitmap(Rle8(std::move(stream))); };
    const auto masks = [](std::uint32_t r, std::uint32_t g, std::uint32_t b) {
        return BuildBitmap(BitFields16(r, g, b));
    };
    const std::vector<Broken> cases{
        {"file-truncated", Severity::Error, Cut(BuildBitmap(Indexed8()), 9)},
        {"header-truncated", Severity::Error, Cut(BuildBitmap(Indexed8()), 40)},
        {"bad-signature", Severity::Error, indexed([](auto& f) { f.type = 0x4142; })},
        {"unknown-header-size", Severity::Error, indexed([](auto& f) { f.infoSize = 100; })},
        {"unknown-header-size", Severity::Error, indexed([](auto& f) { f.infoSize = 39; })},
        {"bad-planes", Severity::Error, indexed([](auto& f) { f.planes = 3; })},
        {"bad-bit-count", Severity::Error, indexed([](auto& f) { f.bitCount = 7; })},
        {"bad-bit-count", Severity::Error, indexed([](auto& f) { f.bitCount = 0; })},
        {"unusual-bit-count", Severity::Warning, indexed([](auto& f) { f.bitCount = 2; })},
        {"bad-compression", Severity::Error, indexed([](auto& f) { f.compression = 11; })},
        {"compression-mismatch", Severity::Error, indexed([](auto& f) { f.compression = kBiRle4; })},
        {"bad-width", Severity::Error, indexed([](auto& f) { f.width = -4; })},
        {"bad-height", Severity::Error, indexed([](auto& f) { f.height = 0; })},
        {"top-down-compressed", Severity::Error, Build(Rle8(kGoodRle), [](auto& f) { f.height = -2; })},
        {"size-overflow", Severity::Error, indexed([](auto& f) { f.width = 0x7FFFFFFF; f.height = 0x7FFFFFFF; })},
        {"colour-table-too-large", Severity::Error, indexed([](auto& f) { f.clrUsed = 257; })},
        {"colour-table-too-large", Severity::Warning, indexed([](auto& f) { f.clrUsed = 300; f.palette.resize(1200); })},
        {"colour-table-truncated", Severity::Error, Cut(BuildBitmap(Indexed8()), 60)},
        {"pixel-offset-past-end", Severity::Error, indexed([](auto& f) { f.offBits = 500; })},
        {"pixel-offset-overlaps", Severity::Error, indexed([](auto& f) { f.offBits = 60; })},
        {"pixel-data-truncated", Severity::Error, Cut(BuildBitmap(Indexed8()), 75)},
        {"index-past-table", Severity::Error, indexed([](auto& f) { f.pixels[6] = 4; })},
        {"index-past-table", Severity::Error, rle({4, 1, 0, 0, 0, 4, 0, 1, 9, 2, 0, 1})},
        {"rle-run-past-row", Severity::Error, rle({5, 1, 0, 0, 4, 2, 0, 1})},
        {"rle-past-last-row", Severity::Error, rle({4, 1, 0, 0, 4, 2, 0, 0, 1, 1, 0, 1})},
        {"rle-delta-outside", Severity::Error, rle({4, 1, 0, 2, 0, 3, 0, 1})},
        {"rle-missing-end", Severity::Error, rle({4, 1, 0, 0, 4, 2, 0, 0})},
        {"rle-truncated", Severity::Error, Cut(rle({4, 1, 0, 0, 0, 4, 1, 2, 3, 0, 0, 1}), 54 + 16 + 7)},
        {"masks-overlap", Severity::Error, masks(0xF800, 0x0FE0, 0x001F)},
        {"mask-not-contiguous", Severity::Error, masks(0xF800, 0x07E0, 0x0015)},
        {"mask-exceeds-bit-count", Severity::Error, masks(0x1F0000, 0x07E0, 0x001F)},
        {"masks-truncated", Severity::Error, Cut(masks(0xF800, 0x07E0, 0x001F), 60)},
        {"mask-empty", Severity::Warning, masks(0xF800, 0, 0x001F)},
        {"file-size-mismatch", Severity::Error, indexed([](auto& f) { f.fileSize = 9286; })},
        {"file-size-mismatch", Severity::Warning, indexed([](auto& f) { f.fileSize = 70; })},
        {"reserved-not-zero", Severity::Warning, indexed([](auto& f) { f.reserved2 = 1; })},
        {"size-image-mismatch", Severity::Warning, indexed([](auto& f) { f.sizeImage = 4; })},
        {"size-image-past-end", Severity::Error, indexed([](auto& f) { f.sizeImage = 0x7FFFFFFF; })},
        {"padding-not-zero", Severity::Warning, indexed([](auto& f) { f.width = 3; f.pixels[7] = 9; })},
        {"bits-outside-masks", Severity::Note,
         BuildBitmap({.width = 1, .height = 1, .bitCount = 32, .pixels = {1, 2, 3, 0xFF}})},
        {"size-image-mismatch", Severity::Warning, Build(Rle8(kGoodRle), [](auto& f) { f.sizeImage = 4; })},
        {"absurd-density", Severity::Warning, indexed([](auto& f) { f.yPelsPerMeter = -5; })},
        {"density-mismatch", Severity::Warning, indexed([](auto& f) { f.xPelsPerMeter = 283'500; })},
        {"size-image-zero", Severity::Note, indexed([](auto& f) { f.sizeImage = 0; })},
        {"short-colour-table", Severity::Note, BuildBitmap(Indexed8())},
        {"colour-table-in-true-colour", Severity::Note,
         BuildBitmap({.clrUsed = 1, .palette = std::vector<std::uint8_t>(4), .pixels = std::vector<std::uint8_t>(4)})},
        {"gap", Severity::Note, indexed([](auto& f) { f.offBits = 74; f.palette.resize(20); })},
        {"trailing-bytes", Severity::Note, indexed([](auto& f) { f.pixels.resize(10); })},
    };
    for (const Broken& broken : cases) {
        SCOPED_TRACE(broken.code);
        const std::vector<Finding> findings = Check(broken.bytes);
        const auto found = std::find_if(findings.begin(), findings.end(),
                                        [&](const Finding& finding) { return finding.code == broken.code; });
        ASSERT_NE(found, findings.end()) << Describe(findings);
        EXPECT_EQ(found->severity, broken.severity);
        if (broken.severity != Severity::Error) {
            EXPECT_FALSE(std::any_of(findings.begin(), findings.end(),
                                     [](const Finding& f) { return f.severity == Severity::Error; }))
                << Describe(findings);
        }
        ExpectInsideTheFile(findings, broken.bytes.size());
    }
}

// Hidden data announces itself: zero filler is said to be zero, other files are named where they start.
TEST(CheckBitmap, UnclaimedBytesSayWhatTheyHold)
{
    const auto trailing = [](std::vector<std::uint8_t> extra) {
        const std::vector<Finding> findings = Check(Build(Indexed8(), [&](auto& f) {
            f.pixels.insert(f.pixels.end(), extra.begin(), extra.end());
        }));
        const auto found = std::find_if(findings.begin(), findings.end(),
                                        [](const Finding& f) { return f.code == "trailing-bytes"; });
        return found == findings.end() ? std::string() : found->message;
    };
    EXPECT_EQ(trailing(std::vector<std::uint8_t>(6)),
              "Bytes 78 to 83 (6 bytes) follow the bitmap's last part. They are all zero.");
    EXPECT_EQ(trailing({7, 0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 'P', 'K', 3, 4}),
              "Bytes 78 to 90 (13 bytes) follow the bitmap's last part. They hold a PNG image at offset 79 and a ZIP "
              "archive at offset 87.");
    // "BM" alone is common in pixel data; a bitmap needs a header size some version has too.
    std::vector<std::uint8_t> bitmap = BuildBitmap(Indexed8());
    const std::string nested = trailing(bitmap);
    EXPECT_NE(nested.find("They hold a BMP bitmap at offset 78."), std::string::npos) << nested;
    EXPECT_NE(trailing({'B', 'M', 1, 2, 3}).find("They are not all zero."), std::string::npos);
}

// An OS/2 bitmap array: entries of a 14-byte array header and a whole bitmap, chained by offNext.
std::vector<std::uint8_t> BitmapArrayOf(const std::vector<BitmapFields>& bitmaps, std::uint32_t lastNext = 0)
{
    std::vector<std::uint8_t> file;
    for (std::size_t i = 0; i < bitmaps.size(); ++i) {
        const std::size_t entry = file.size();
        BitmapFields fields = bitmaps[i];
        fields.offBits = static_cast<std::uint32_t>(entry + 14 + 14 + 40 + fields.palette.size());
        const std::vector<std::uint8_t> bitmap = BuildBitmap(fields);
        const auto next = static_cast<std::uint8_t>(i + 1 < bitmaps.size() ? entry + 14 + bitmap.size() : lastNext);
        file.insert(file.end(), {'B', 'A', 40, 0, 0, 0, next, 0, 0, 0, 0, 0, 0, 0});
        file.insert(file.end(), bitmap.begin(), bitmap.end());
    }
    return file;
}

TEST(CheckBitmap, ABitmapArrayHasEachBitmapCheckedAtItsOwnOffset)
{
    const std::vector<std::uint8_t> good = BitmapArrayOf({Indexed8(), Indexed8()});
    const Layout layout = ReadLayout(Bytes(good));
    ASSERT_EQ(layout.array.entries, (std::vector<std::uint64_t>{0, 92}));
    EXPECT_EQ(std::count_if(layout.elements.begin(), layout.elements.end(),
                            [](const Element& e) { return e.kind == ElementKind::PixelData; }), 2);
    EXPECT_FALSE(HasProblem(Check(good))) << Describe(Check(good));

    BitmapFields broken = Indexed8();
    broken.bitCount = 7;
    const std::vector<Finding> second = Check(BitmapArrayOf({Indexed8(), broken}));
    const auto bad = std::find_if(second.begin(), second.end(), [](const Finding& f) { return f.code == "bad-bit-count"; });
    ASSERT_NE(bad, second.end()) << Describe(second);
    EXPECT_EQ(bad->offset, 92u + 14 + 14 + 14);
    EXPECT_TRUE(bad->message.starts_with("Bitmap 2 of 2 (offset 106): ")) << bad->message;

    const std::vector<Finding> loop = Check(BitmapArrayOf({Indexed8(), Indexed8()}, 5));
    const auto link = std::find_if(loop.begin(), loop.end(), [](const Finding& f) { return f.code == "array-bad-link"; });
    ASSERT_NE(link, loop.end()) << Describe(loop);
    EXPECT_EQ(link->message, "offNext of the entry at offset 92 is 5, not past the entry: the chain would loop.");
    EXPECT_EQ(link->offset, 98u);
}

TEST(CheckBitmap, MessagesUseTheFilesOwnNumbersAndFieldNames)
{
    const std::vector<Finding> findings = Check(Build(Indexed8(), [](auto& f) { f.fileSize = 9286; }));
    ASSERT_FALSE(findings.empty());
    const auto mismatch = std::find_if(findings.begin(), findings.end(),
                                       [](const Finding& f) { return f.code == "file-size-mismatch"; });
    ASSERT_NE(mismatch, findings.end());
    EXPECT_EQ(mismatch->message, "bfSize says 9 286 bytes, past the end of the file, which has 78.");
    EXPECT_EQ(mismatch->field, "bfSize");
    EXPECT_EQ(mismatch->offset, 2u);
    EXPECT_EQ(mismatch->length, 4u);

    // The part bfOffBits points into ends where that part ends, not where the colour table does.
    const std::vector<Finding> inHeader = Check(Build(Indexed8(), [](auto& f) { f.offBits = 20; }));
    const auto overlaps = std::find_if(inHeader.begin(), inHeader.end(),
                                       [](const Finding& f) { return f.code == "pixel-offset-overlaps"; });
    ASSERT_NE(overlaps, inHeader.end());
    EXPECT_EQ(overlaps->message, "bfOffBits is 20, inside the info header, which ends at 54.");
}

TEST(DumpRelationNotes, SayWhatTheWindowsMemosReallyShow)
{
    // 16 bits with masks after the header: the window's data region starts at 54, on the masks.
    const std::vector<std::uint8_t> bitFields = BuildBitmap(BitFields16(0xF800, 0x07E0, 0x001F));
    const std::vector<Finding> masks = DumpRelationNotes(
        ReadLayout(Bytes(bitFields)), {.paletteOffset = 0, .paletteSize = 0, .dataOffset = 54, .dataSize = 16});
    ASSERT_EQ(masks.size(), 1u) << Describe(masks);
    EXPECT_EQ(masks[0].message, "The pixel-data memo starts 12 bytes before bfOffBits because those 12 bytes are "
                                "the bit-field masks.");
    EXPECT_EQ(masks[0].offset, 54u);
    EXPECT_EQ(masks[0].length, 12u);

    // A 124-byte header: the window shows 40 of it and its palette starts after it all.
    const std::vector<std::uint8_t> v5 = BuildBitmap({.infoSize = 124, .palette = std::vector<std::uint8_t>(84),
                                                      .pixels = std::vector<std::uint8_t>(4)});
    const std::vector<Finding> header = DumpRelationNotes(
        ReadLayout(Bytes(v5)), {.paletteOffset = 0, .paletteSize = 0, .dataOffset = 138, .dataSize = 4});
    ASSERT_EQ(header.size(), 1u) << Describe(header);
    EXPECT_EQ(header[0].message,
              "The info-header memo shows 40 of the BITMAPV5HEADER's 124 bytes; the 84 after them appear in no memo.");
    EXPECT_EQ(header[0].offset, 54u);
    EXPECT_EQ(header[0].length, 84u);

    // Plural parts take a plural verb.
    std::vector<std::uint8_t> trailing = BuildBitmap(Indexed8());
    trailing.resize(trailing.size() + 2);
    const std::vector<Finding> tail = DumpRelationNotes(
        ReadLayout(Bytes(trailing)), {.paletteOffset = 54, .paletteSize = 16, .dataOffset = 70, .dataSize = 8});
    ASSERT_EQ(tail.size(), 1u) << Describe(tail);
    EXPECT_EQ(tail[0].message, "The trailing bytes (bytes 78 to 79) appear in no memo.");
}

// Public files: the good ones get no error and no warning; the questionable ones may get
// anything, but only inside the file.
TEST(CheckBitmap, BmpSuiteGoodFilesAreCleanAndOthersStayInside)
{
    const fs::path suite = testing::BmpSuiteDir();
    if (suite.empty())
        GTEST_SKIP() << "bmpsuite not found";
    for (const char* group : {"g", "q", "x"}) {
        if (!fs::is_directory(suite / group))
            continue;
        for (const fs::directory_entry& entry : fs::directory_iterator(suite / group)) {
            SCOPED_TRACE(entry.path().string());
            const std::vector<std::uint8_t> bytes = testing::ReadFileBytes(entry.path());
            const std::vector<Finding> findings = Check(bytes);
            if (std::string(group) == "g") {
                EXPECT_FALSE(HasProblem(findings)) << Describe(findings);
            }
            ExpectInsideTheFile(findings, bytes.size());
        }
    }
}

}  // namespace
}  // namespace hexlume::format
