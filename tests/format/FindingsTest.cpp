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
using testing::BuildChanged;
using testing::CutTo;
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
        text += std::string(SeverityName(finding.severity)) + " " + std::string(CodeName(finding.code)) + ": " + finding.message.English() + "\n";
    return text;
}

void ExpectInsideTheFile(const std::vector<Finding>& findings, std::uint64_t fileSize)
{
    for (const Finding& finding : findings) {
        EXPECT_GE(finding.length, 1u) << CodeName(finding.code);
        EXPECT_LE(finding.offset + finding.length, fileSize) << CodeName(finding.code);
        EXPECT_FALSE(finding.message.English().empty()) << CodeName(finding.code);
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


struct Broken {
    FindingCode code;
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
    const auto indexed = [](const std::function<void(BitmapFields&)>& change) { return BuildChanged(Indexed8(), change); };
    const auto rle = [](std::vector<std::uint8_t> stream) { return BuildBitmap(Rle8(std::move(stream))); };
    const auto masks = [](std::uint32_t r, std::uint32_t g, std::uint32_t b) {
        return BuildBitmap(BitFields16(r, g, b));
    };
    const std::vector<Broken> cases{
        {FindingCode::FileTruncated, Severity::Error, CutTo(BuildBitmap(Indexed8()), 9)},
        {FindingCode::HeaderTruncated, Severity::Error, CutTo(BuildBitmap(Indexed8()), 40)},
        {FindingCode::BadSignature, Severity::Error, indexed([](auto& f) { f.type = 0x4142; })},
        {FindingCode::UnknownHeaderSize, Severity::Error, indexed([](auto& f) { f.infoSize = 100; })},
        {FindingCode::UnknownHeaderSize, Severity::Error, indexed([](auto& f) { f.infoSize = 39; })},
        {FindingCode::BadPlanes, Severity::Error, indexed([](auto& f) { f.planes = 3; })},
        {FindingCode::BadBitCount, Severity::Error, indexed([](auto& f) { f.bitCount = 7; })},
        {FindingCode::BadBitCount, Severity::Error, indexed([](auto& f) { f.bitCount = 0; })},
        {FindingCode::UnusualBitCount, Severity::Warning, indexed([](auto& f) { f.bitCount = 2; })},
        {FindingCode::BadCompression, Severity::Error, indexed([](auto& f) { f.compression = 11; })},
        {FindingCode::CompressionMismatch, Severity::Error, indexed([](auto& f) { f.compression = kBiRle4; })},
        {FindingCode::BadWidth, Severity::Error, indexed([](auto& f) { f.width = -4; })},
        {FindingCode::BadHeight, Severity::Error, indexed([](auto& f) { f.height = 0; })},
        {FindingCode::TopDownCompressed, Severity::Error, BuildChanged(Rle8(kGoodRle), [](auto& f) { f.height = -2; })},
        {FindingCode::SizeOverflow, Severity::Error, indexed([](auto& f) { f.width = 0x7FFFFFFF; f.height = 0x7FFFFFFF; })},
        {FindingCode::ColourTableTooLarge, Severity::Error, indexed([](auto& f) { f.clrUsed = 257; })},
        {FindingCode::ColourTableTooLarge, Severity::Warning, indexed([](auto& f) { f.clrUsed = 300; f.palette.resize(1200); })},
        {FindingCode::ColourTableTruncated, Severity::Error, CutTo(BuildBitmap(Indexed8()), 60)},
        {FindingCode::PixelOffsetPastEnd, Severity::Error, indexed([](auto& f) { f.offBits = 500; })},
        {FindingCode::PixelOffsetOverlaps, Severity::Error, indexed([](auto& f) { f.offBits = 60; })},
        {FindingCode::PixelDataTruncated, Severity::Error, CutTo(BuildBitmap(Indexed8()), 75)},
        {FindingCode::IndexPastTable, Severity::Error, indexed([](auto& f) { f.pixels[6] = 4; })},
        {FindingCode::IndexPastTable, Severity::Error, rle({4, 1, 0, 0, 0, 4, 0, 1, 9, 2, 0, 1})},
        {FindingCode::RleRunPastRow, Severity::Error, rle({5, 1, 0, 0, 4, 2, 0, 1})},
        {FindingCode::RlePastLastRow, Severity::Error, rle({4, 1, 0, 0, 4, 2, 0, 0, 1, 1, 0, 1})},
        {FindingCode::RleDeltaOutside, Severity::Error, rle({4, 1, 0, 2, 0, 3, 0, 1})},
        {FindingCode::RleMissingEnd, Severity::Error, rle({4, 1, 0, 0, 4, 2, 0, 0})},
        {FindingCode::RleTruncated, Severity::Error, CutTo(rle({4, 1, 0, 0, 0, 4, 1, 2, 3, 0, 0, 1}), 54 + 16 + 7)},
        {FindingCode::MasksOverlap, Severity::Error, masks(0xF800, 0x0FE0, 0x001F)},
        {FindingCode::MaskNotContiguous, Severity::Error, masks(0xF800, 0x07E0, 0x0015)},
        {FindingCode::MaskExceedsBitCount, Severity::Error, masks(0x1F0000, 0x07E0, 0x001F)},
        {FindingCode::MasksTruncated, Severity::Error, CutTo(masks(0xF800, 0x07E0, 0x001F), 60)},
        {FindingCode::MaskEmpty, Severity::Warning, masks(0xF800, 0, 0x001F)},
        {FindingCode::FileSizeMismatch, Severity::Error, indexed([](auto& f) { f.fileSize = 9286; })},
        {FindingCode::FileSizeMismatch, Severity::Warning, indexed([](auto& f) { f.fileSize = 70; })},
        {FindingCode::ReservedNotZero, Severity::Warning, indexed([](auto& f) { f.reserved2 = 1; })},
        {FindingCode::SizeImageMismatch, Severity::Warning, indexed([](auto& f) { f.sizeImage = 4; })},
        {FindingCode::SizeImagePastEnd, Severity::Error, indexed([](auto& f) { f.sizeImage = 0x7FFFFFFF; })},
        {FindingCode::PaddingNotZero, Severity::Warning, indexed([](auto& f) { f.width = 3; f.pixels[7] = 9; })},
        {FindingCode::BitsOutsideMasks, Severity::Note,
         BuildBitmap({.width = 1, .height = 1, .bitCount = 32, .pixels = {1, 2, 3, 0xFF}})},
        {FindingCode::SizeImageMismatch, Severity::Warning, BuildChanged(Rle8(kGoodRle), [](auto& f) { f.sizeImage = 4; })},
        {FindingCode::AbsurdDensity, Severity::Warning, indexed([](auto& f) { f.yPelsPerMeter = -5; })},
        {FindingCode::DensityMismatch, Severity::Warning, indexed([](auto& f) { f.xPelsPerMeter = 283'500; })},
        {FindingCode::SizeImageZero, Severity::Note, indexed([](auto& f) { f.sizeImage = 0; })},
        {FindingCode::ShortColourTable, Severity::Note, BuildBitmap(Indexed8())},
        {FindingCode::ColourTableInTrueColour, Severity::Note,
         BuildBitmap({.clrUsed = 1, .palette = std::vector<std::uint8_t>(4), .pixels = std::vector<std::uint8_t>(4)})},
        {FindingCode::Gap, Severity::Note, indexed([](auto& f) { f.offBits = 74; f.palette.resize(20); })},
        {FindingCode::TrailingBytes, Severity::Note, indexed([](auto& f) { f.pixels.resize(10); })},
    };
    for (const Broken& broken : cases) {
        SCOPED_TRACE(CodeName(broken.code));
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
        const std::vector<Finding> findings = Check(BuildChanged(Indexed8(), [&](auto& f) {
            f.pixels.insert(f.pixels.end(), extra.begin(), extra.end());
        }));
        const auto found = std::find_if(findings.begin(), findings.end(),
                                        [](const Finding& f) { return f.code == FindingCode::TrailingBytes; });
        return found == findings.end() ? std::string() : found->message.English();
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
    const auto bad = std::find_if(second.begin(), second.end(), [](const Finding& f) { return f.code == FindingCode::BadBitCount; });
    ASSERT_NE(bad, second.end()) << Describe(second);
    EXPECT_EQ(bad->offset, 92u + 14 + 14 + 14);
    EXPECT_TRUE(bad->message.English().starts_with("Bitmap 2 of 2 (offset 106): ")) << bad->message;

    const std::vector<Finding> loop = Check(BitmapArrayOf({Indexed8(), Indexed8()}, 5));
    const auto link = std::find_if(loop.begin(), loop.end(), [](const Finding& f) { return f.code == FindingCode::ArrayBadLink; });
    ASSERT_NE(link, loop.end()) << Describe(loop);
    EXPECT_EQ(link->message, "offNext of the entry at offset 92 is 5, not past the entry: the chain would loop.");
    EXPECT_EQ(link->offset, 98u);
}

TEST(CheckBitmap, MessagesUseTheFilesOwnNumbersAndFieldNames)
{
    const std::vector<Finding> findings = Check(BuildChanged(Indexed8(), [](auto& f) { f.fileSize = 9286; }));
    ASSERT_FALSE(findings.empty());
    const auto mismatch = std::find_if(findings.begin(), findings.end(),
                                       [](const Finding& f) { return f.code == FindingCode::FileSizeMismatch; });
    ASSERT_NE(mismatch, findings.end());
    EXPECT_EQ(mismatch->message, "bfSize says 9 286 bytes, past the end of the file, which has 78.");
    EXPECT_EQ(mismatch->field, "bfSize");
    EXPECT_EQ(mismatch->offset, 2u);
    EXPECT_EQ(mismatch->length, 4u);

    // The part bfOffBits points into ends where that part ends, not where the colour table does.
    const std::vector<Finding> inHeader = Check(BuildChanged(Indexed8(), [](auto& f) { f.offBits = 20; }));
    const auto overlaps = std::find_if(inHeader.begin(), inHeader.end(),
                                       [](const Finding& f) { return f.code == FindingCode::PixelOffsetOverlaps; });
    ASSERT_NE(overlaps, inHeader.end());
    EXPECT_EQ(overlaps->message, "bfOffBits is 20, inside the info header, which ends at 54.");
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
