// OS/2 Huffman 1D streams as the layout, the checks and the decoder see them. The streams are
// written out bit by bit here, from the fax code's tables.
#include "format/Decoder.h"
#include "format/Huffman1D.h"
#include "format/Inspection.h"
#include "testsupport/BmpBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace hexlume::format {
namespace {

using testing::BuildBitmap;
using testing::BmpSuiteDir;
using testing::ReadFileBytes;
using Pixels = std::vector<Argb>;

constexpr Argb kBlue = 0xFF0000FF;  // index 0: white runs
constexpr Argb kRed = 0xFFFF0000;   // index 1: black runs

// Codes written as the stream holds them, spaces between codes for the eye; the last byte is
// filled with zeros.
std::vector<std::uint8_t> Bits(std::string_view codes)
{
    std::vector<std::uint8_t> bytes;
    unsigned used = 8;
    for (const char bit : codes) {
        if (bit == ' ')
            continue;
        if (used == 8) {
            bytes.push_back(0);
            used = 0;
        }
        bytes.back() |= static_cast<std::uint8_t>((bit == '1' ? 1 : 0) << (7 - used++));
    }
    return bytes;
}

constexpr std::string_view kEol = "000000000001 ";

// A picture of 8 (or `width`) x 2 pixels under a 64-byte OS/2 2.x header: its colour table
// (blue, red) at offset 78, the stream at offset 86. Stored row 0 is y 1.
std::vector<std::uint8_t> Huffman(const std::string& codes, std::int32_t width = 8, std::int32_t height = 2)
{
    std::vector<std::uint8_t> rest(24, 0);  // the header's fields past the first 40 bytes
    rest.insert(rest.end(), {0xFF, 0, 0, 0, 0, 0, 0xFF, 0});
    return BuildBitmap({.infoSize = 64, .width = width, .height = height, .bitCount = 1, .compression = 3,
                        .palette = std::move(rest), .pixels = Bits(codes)});
}

// Stored row 0: white 3, black 2, white 3; stored row 1: white 0, black 8.
const std::string kTwoRows = std::string(kEol) + "1000 11 1000 " + std::string(kEol) + "00110101 000101 ";

Pixels Drawn(const std::vector<std::uint8_t>& bytes)
{
    const BitmapFormat format = ReadBitmapFormat(Bytes(bytes));
    return DecodePicture(Bytes(bytes), format, static_cast<std::uint32_t>(format.columns),
                         static_cast<std::uint32_t>(format.rows))
        .picture.pixels;
}

std::vector<Finding> Problems(const std::vector<std::uint8_t>& bytes)
{
    std::vector<Finding> problems = Inspect(Bytes(bytes)).findings;
    std::erase_if(problems, [](const Finding& finding) { return finding.severity == Severity::Note; });
    return problems;
}

// White runs draw index 0 and black runs index 1, make-up codes add their multiples of 64, and
// the stream ends after the end-of-line codes that follow its last row.
TEST(Huffman1D, RunsDrawTheirColoursAndTheStreamEndsAfterItsLastRow)
{
    const auto bytes = Huffman(kTwoRows + std::string(kEol) + std::string(kEol));
    EXPECT_EQ(Drawn(bytes), (Pixels{kRed, kRed, kRed, kRed, kRed, kRed, kRed, kRed,  //
                                    kBlue, kBlue, kBlue, kRed, kRed, kBlue, kBlue, kBlue}));
    EXPECT_TRUE(Problems(bytes).empty());

    auto trailing = bytes;
    trailing.push_back(0xFF);
    const Layout layout = Inspect(Bytes(trailing)).layout;
    ASSERT_GE(layout.elements.size(), 2u);
    EXPECT_EQ(layout.elements.back().kind, ElementKind::Trailing);
    EXPECT_EQ(layout.elements.back().offset, bytes.size());

    // Stored row 0: white 64 + 3, black 3; stored row 1: white 64 + 0, black 6.
    const std::string wideRows = std::string(kEol) + "11011 1000 10 " + std::string(kEol) + "11011 00110101 0010";
    const Pixels wide = Drawn(Huffman(wideRows, 70));
    ASSERT_EQ(wide.size(), 140u);
    EXPECT_EQ(std::count(wide.begin(), wide.begin() + 70, kBlue), 64);
    EXPECT_EQ(std::count(wide.begin() + 70, wide.begin() + 137, kBlue), 67);
    EXPECT_EQ(std::count(wide.begin() + 137, wide.end(), kRed), 3);
}

// Each fault gives one finding at the bits where it starts, naming the pixel from the top left;
// only a stream the file cuts short draws missing pixels.
TEST(Huffman1D, FaultsNameTheirBitsAndPixelAndOnlyACutStreamDrawsMissingPixels)
{
    struct Case {
        std::string codes;
        FindingCode code;
        std::uint64_t offset;
        const char* message;
    };
    const std::string eol(kEol);
    const std::vector<Case> cases{
        // What follows the run up to the next end-of-line code is out of step: skipped.
        {eol + "1000 11 1011 0111 " + eol + "00110101 000101", FindingCode::HuffmanRowTooLong, 88,
         "A white run of 4 pixels at offset 88 (bit 2 from the high end) starts at pixel (5, 1) (stored row 0) and "
         "goes past the row's 8 pixels."},
        {eol + "1000 11 " + eol + "00110101 000101", FindingCode::HuffmanRowTooShort, 88,
         "An end-of-line code at offset 88 (bit 2 from the high end) ends the row at pixel (5, 1) (stored row 0), "
         "short of its 8 pixels."},
        {eol + "000000001 1 " + eol + "00110101 000101", FindingCode::HuffmanBadCode, 87,
         "The bits at offset 87 (bit 4 from the high end) are no code of a white run, at pixel (0, 1) (stored row "
         "0); the rest of the row is lost up to the next end-of-line code."},
        {"1000 11 1000 00110101 000101", FindingCode::HuffmanMissingEol, 86,
         "Pixel (0, 1) (stored row 0) starts a row at offset 86 with no end-of-line code before it, and 1 more row "
         "does the same."},
        {eol + "1000 11 1000 " + eol + "00110101", FindingCode::HuffmanTruncated, 91,
         "The Huffman stream runs to the end of the file at offset 92 with 1 of its 2 rows read, stopping at pixel "
         "(0, 0) (stored row 1)."},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(CodeName(test.code));
        const auto bytes = Huffman(test.codes);
        const std::vector<Finding> problems = Problems(bytes);
        ASSERT_EQ(problems.size(), 1u);
        EXPECT_EQ(problems[0].code, test.code);
        EXPECT_EQ(problems[0].offset, test.offset);
        EXPECT_EQ(problems[0].message.English(), test.message);
        // The faults the error counts, each in the words a byte's text names it by.
        const BitmapFormat format = ReadBitmapFormat(Bytes(bytes));
        const std::vector<HuffmanStep> faults = HuffmanFaultsIn(Bytes(bytes), format, {0, bytes.size()});
        ASSERT_EQ(faults.size(), test.code == FindingCode::HuffmanMissingEol ? 2u : 1u);
        EXPECT_EQ(DescribeHuffmanFault(format, faults[0]).code, test.code);
        if (faults.size() == 2) {
            EXPECT_EQ(DescribeHuffmanFault(format, faults[1]).Sentence().English(),
                      "Pixel (0, 0) (stored row 1) starts a row at offset 87 (bit 2 from the high end) with no "
                      "end-of-line code before it.");
        }
        const Pixels pixels = Drawn(bytes);
        const bool missing = std::any_of(pixels.begin(), pixels.end(), [](Argb pixel) {
            return pixel == kMissingLight || pixel == kMissingDark;
        });
        EXPECT_EQ(missing, test.code == FindingCode::HuffmanTruncated);
    }
}

TEST(Huffman1D, TheSuiteFileDrawsAsItsUncompressedTwin)
{
    if (BmpSuiteDir().empty())
        GTEST_SKIP() << "no bitmap suite";
    const auto huffman = ReadFileBytes(BmpSuiteDir() / "q/pal1huffmsb.bmp");
    EXPECT_EQ(Drawn(huffman), Drawn(ReadFileBytes(BmpSuiteDir() / "g/pal1.bmp")));
    EXPECT_TRUE(Problems(huffman).empty());
}

}  // namespace
}  // namespace hexlume::format
