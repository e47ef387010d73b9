#include "format/Decoder.h"
#include "format/Inspection.h"
#include "format/Repair.h"
#include "testsupport/BmpBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <sstream>

namespace hexlume::format {
namespace {

using testing::BitmapFields;
using testing::BuildBitmap;
using testing::BuildChanged;
using testing::CutTo;

// 4 x 2 pixels at 8 bits with a 4-entry colour table, every size field filled in.
BitmapFields Indexed8()
{
    return {.width = 4, .height = 2, .bitCount = 8, .sizeImage = 8, .clrUsed = 4,
            .palette = {0, 0, 0, 0, 255, 0, 0, 0, 0, 255, 0, 0, 0, 0, 255, 0}, .pixels = {0, 1, 2, 3, 3, 2, 1, 0}};
}

BitmapFields Rle8(std::vector<std::uint8_t> stream)
{
    BitmapFields fields = Indexed8();
    fields.compression = kBiRle8;
    fields.sizeImage = static_cast<std::uint32_t>(stream.size());
    fields.pixels = std::move(stream);
    return fields;
}


bool HasError(Bytes bytes)
{
    const Inspection inspection = Inspect(bytes);
    return std::any_of(inspection.findings.begin(), inspection.findings.end(),
                       [](const Finding& finding) { return finding.severity == Severity::Error; });
}

std::vector<Argb> Drawn(Bytes bytes)
{
    const BitmapFormat format = ReadBitmapFormat(bytes);
    return DecodePicture(bytes, format, static_cast<std::uint32_t>(format.columns),
                         static_cast<std::uint32_t>(format.rows))
        .picture.pixels;
}

std::string Sentences(const FixResult& result)
{
    std::string text;
    for (const Repair& repair : result.made)
        text += repair.sentence.English() + "\n";
    return text;
}

// A good file broken one to three ways comes back byte for byte, by safe repairs alone.
TEST(Repair, EachSafeRepairRestoresTheFileBrokenThatWay)
{
    const std::vector<std::uint8_t> indexed = BuildBitmap(Indexed8());
    const std::vector<std::uint8_t> rle = BuildBitmap(Rle8({4, 1, 0, 0, 4, 2, 0, 1}));
    const auto broken = [](const std::function<void(BitmapFields&)>& change) { return BuildChanged(Indexed8(), change); };
    const struct {
        const char* name;
        std::vector<std::uint8_t> bytes;
        const std::vector<std::uint8_t>& good;
        std::size_t repairs;
    } cases[] = {
        {"bfSize", broken([](auto& f) { f.fileSize = 2'000'000'000; }), indexed, 1},
        {"bfSize small", broken([](auto& f) { f.fileSize = 20; }), indexed, 1},
        {"biSizeImage", broken([](auto& f) { f.sizeImage = 1000; }), indexed, 1},
        {"biSizeImage past the end", broken([](auto& f) { f.sizeImage = 123'456'789; }), indexed, 1},
        {"bfOffBits past the end", broken([](auto& f) { f.offBits = 500; }), indexed, 1},
        {"bfOffBits in the table", broken([](auto& f) { f.offBits = 60; }), indexed, 1},
        {"biClrUsed", broken([](auto& f) { f.clrUsed = 257; }), indexed, 1},
        {"biPlanes", broken([](auto& f) { f.planes = 3; }), indexed, 1},
        {"bfReserved1", broken([](auto& f) { f.reserved1 = 5; }), indexed, 1},
        {"three at once", broken([](auto& f) { f.fileSize = 9; f.planes = 0; f.sizeImage = 77; }), indexed, 3},
        {"RLE end code", CutTo(rle, rle.size() - 2), rle, 1},
        {"RLE biSizeImage", BuildChanged(Rle8({4, 1, 0, 0, 4, 2, 0, 1}), [](auto& f) { f.sizeImage = 3; }), rle, 1},
        {"RLE bfOffBits", BuildChanged(Rle8({4, 1, 0, 0, 4, 2, 0, 1}), [](auto& f) { f.offBits = 9; }), rle, 1},
    };
    for (const auto& broken : cases) {
        ASSERT_NE(broken.bytes, broken.good) << broken.name;
        const FixResult fixed = FixBitmap(broken.bytes);
        EXPECT_EQ(fixed.bytes, broken.good) << broken.name << "\n" << Sentences(fixed);
        EXPECT_EQ(fixed.made.size(), broken.repairs) << broken.name << "\n" << Sentences(fixed);
        EXPECT_TRUE(std::none_of(fixed.made.begin(), fixed.made.end(), [](const Repair& r) { return r.guess; }))
            << broken.name;
        EXPECT_TRUE(FixBitmap(broken.good).made.empty()) << broken.name;
    }
    // The sentence gives both numbers as the findings write them, and why.
    const FixResult size = FixBitmap(cases[0].bytes);
    ASSERT_EQ(size.made.size(), 1u);
    EXPECT_EQ(size.made[0].sentence, "bfSize: 2 000 000 000 → 78, the file's size");
}

// A guess is made only when it is named, and then it takes its finding away.
TEST(Repair, GuessesOnlyWhenNamed)
{
    const std::vector<std::uint8_t> indexed = BuildBitmap(Indexed8());
    const struct {
        const char* name;
        std::vector<std::uint8_t> bytes;
        RepairRequest request;
        FindingCode code;
    } cases[] = {
        {"height", BuildChanged(Indexed8(), [](auto& f) { f.height = 1; }), {.height = true}, FindingCode::RowsPastPicture},
        {"pad", CutTo(indexed, indexed.size() - 3), {.pad = true}, FindingCode::PixelDataTruncated},
        {"redraw", BuildBitmap(Rle8({5, 1, 0, 0, 4, 2, 0, 1})), {.redraw = true}, FindingCode::RleRunPastRow},
        {"redraw indices", BuildChanged(Indexed8(), [](auto& f) { f.pixels[2] = 9; }),
         {.redraw = true}, FindingCode::IndexPastTable},
    };
    for (const auto& guessed : cases) {
        const auto code = [&guessed](const Repair& repair) { return repair.code == guessed.code; };
        const FixResult unasked = FixBitmap(guessed.bytes);
        EXPECT_TRUE(std::none_of(unasked.made.begin(), unasked.made.end(), code)) << guessed.name;
        const FixResult asked = FixBitmap(guessed.bytes, guessed.request);
        const auto made = std::find_if(asked.made.begin(), asked.made.end(), code);
        ASSERT_NE(made, asked.made.end()) << guessed.name;
        EXPECT_TRUE(made->guess) << guessed.name;
        EXPECT_FALSE(HasError(asked.bytes)) << guessed.name << "\n" << Sentences(asked);
    }
    EXPECT_EQ(FixBitmap(cases[0].bytes, cases[0].request).bytes, indexed);
    // The redrawn stream is the picture the decoder drew of it, now stored without a fault.
    EXPECT_EQ(Drawn(FixBitmap(cases[2].bytes, cases[2].request).bytes), Drawn(cases[2].bytes));
}

TEST(Repair, StripKeepsThePicture)
{
    BitmapFields fields = Indexed8();
    fields.width = 3;  // a byte of padding a row
    fields.pixels = {0, 1, 2, 0xAA, 3, 2, 1, 0xBB};
    fields.palette.insert(fields.palette.end(), {9, 9, 9, 9});  // a gap before the pixels
    std::vector<std::uint8_t> bytes = BuildBitmap(fields);
    const std::size_t extent = bytes.size();
    bytes.insert(bytes.end(), {7, 7, 7});
    const FixResult stripped = FixBitmap(bytes, {.strip = true});
    EXPECT_EQ(Drawn(stripped.bytes), Drawn(bytes));
    EXPECT_EQ(stripped.bytes.size(), extent);
    for (const Finding& finding : Inspect(stripped.bytes).findings)
        EXPECT_TRUE(finding.code != FindingCode::PaddingNotZero && finding.code != FindingCode::TrailingBytes &&
                    finding.severity != Severity::Error && finding.code != FindingCode::FileSizeMismatch &&
                    !(finding.code == FindingCode::Gap && finding.message.English().find("not") != std::string::npos))
            << finding.message.English();
    EXPECT_TRUE(FixBitmap(bytes).bytes.size() == bytes.size()) << "strip only when asked";
}

// The manual's table names every code with the repair this library makes of it.
TEST(Repair, TheManualTableHasEveryCode)
{
    std::ifstream page(HEXLUME_MAN_PAGE);
    ASSERT_TRUE(page) << HEXLUME_MAN_PAGE;
    std::stringstream read;
    read << page.rdbuf();
    const std::string text = read.str();
    // As the page writes them: each hyphen escaped.
    const auto escaped = [](std::string_view words) {
        std::string out;
        for (const char c : words)
            out += c == '-' ? std::string("\\-") : std::string(1, c);
        return out;
    };
    for (auto code = FindingCode::FileTruncated; code <= FindingCode::RowsPastPicture;
         code = static_cast<FindingCode>(static_cast<int>(code) + 1))
        EXPECT_NE(text.find(".B " + escaped(CodeName(code)) + "\n" + escaped(RepairOfCode(code).English()) + "\n"),
                  std::string::npos)
            << CodeName(code);
}

}  // namespace
}  // namespace hexlume::format
