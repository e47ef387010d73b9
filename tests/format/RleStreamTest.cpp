// Run-length streams as the layout, the checks and the decoder see them: one reader, one
// extent, one way of naming a pixel.
#include "format/Decoder.h"
#include "format/Inspection.h"
#include "testsupport/BmpBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace hexlume::format {
namespace {

using testing::BitmapFields;
using testing::BuildBitmap;
using Pixels = std::vector<Argb>;

// 4 x 2 pixels, bottom-up, 4 colours; the stream starts at offset 70. Stored row 1 is y 0.
std::vector<std::uint8_t> Rle8(std::vector<std::uint8_t> stream, std::uint32_t sizeImage)
{
    return BuildBitmap({.width = 4, .height = 2, .bitCount = 8, .compression = kBiRle8, .sizeImage = sizeImage,
                        .clrUsed = 4, .palette = std::vector<std::uint8_t>(16, 0x40), .pixels = std::move(stream)});
}

const std::vector<std::uint8_t> kTwoRows = {4, 1, 0, 0, 4, 2, 0, 1};

Pixels Drawn(const std::vector<std::uint8_t>& bytes)
{
    const BitmapFormat format = ReadBitmapFormat(Bytes(bytes));
    return DecodePicture(Bytes(bytes), format, static_cast<std::uint32_t>(format.columns),
                         static_cast<std::uint32_t>(format.rows))
        .picture.pixels;
}

bool IsMissing(Argb pixel)
{
    return pixel == kMissingLight || pixel == kMissingDark;
}

std::vector<const Finding*> Problems(const Inspection& inspection)
{
    std::vector<const Finding*> problems;
    for (const Finding& finding : inspection.findings)
        if (finding.severity != Severity::Note)
            problems.push_back(&finding);
    return problems;
}

// The stream ends at its end code whatever biSizeImage says: too small, past the file's end or 0.
TEST(RleStream, ImageSizeNeitherCutsNorStretchesTheStream)
{
    const Pixels whole = Drawn(Rle8(kTwoRows, 8));
    ASSERT_EQ(std::count(whole.begin(), whole.end(), kSkippedColor), 0);
    for (const std::uint32_t sizeImage : {4u, 1000u, 0u}) {
        SCOPED_TRACE(sizeImage);
        const std::vector<std::uint8_t> bytes = Rle8(kTwoRows, sizeImage);
        const Inspection inspection = Inspect(Bytes(bytes));
        const Element& last = inspection.layout.elements.back();
        EXPECT_EQ(last.kind, ElementKind::PixelData);
        EXPECT_EQ(last.size, 8u);
        EXPECT_EQ(last.claimed, 8u);
        const auto problems = Problems(inspection);
        if (sizeImage == 0) {
            EXPECT_TRUE(problems.empty());
            EXPECT_TRUE(std::none_of(inspection.findings.begin(), inspection.findings.end(),
                                     [](const Finding& f) { return f.field == "biSizeImage"; }));
        } else {
            // Disagreeing inside the file bends the format; reaching past its end breaks it.
            ASSERT_EQ(problems.size(), 1u);
            EXPECT_EQ(problems[0]->severity, sizeImage == 4 ? Severity::Warning : Severity::Error);
            EXPECT_EQ(problems[0]->message,
                      sizeImage == 4
                          ? "biSizeImage says 4 bytes; the RLE stream takes 8 from offset 70 to its end-of-bitmap code."
                          : "biSizeImage says 1 000 bytes from offset 70, past the end of the file, which has 78.");
        }
        EXPECT_EQ(Drawn(bytes), whole);
    }
}

// Each way out of the picture and each early end: its finding names the pixel from the top left,
// and only a stream the file cuts short draws missing pixels.
TEST(RleStream, FindingsNameThePixelAndOnlyACutStreamDrawsMissingPixels)
{
    struct Case {
        std::vector<std::uint8_t> bytes;
        FindingCode code;
        std::uint64_t offset;
        const char* message;
        bool missing;
    };
    const std::vector<std::uint8_t> cutLiteral = [] {
        std::vector<std::uint8_t> bytes = Rle8({4, 1, 0, 0, 0, 4, 1, 2, 3, 0, 0, 1}, 12);
        bytes.resize(70 + 7);
        return bytes;
    }();
    const std::vector<Case> cases{
        {Rle8({4, 1, 0, 0, 5, 2, 0, 1}, 8), FindingCode::RleRunPastRow, 74,
         "A run of 5 pixels at offset 74 starts at pixel (0, 0) (stored row 1) and goes past the row's 4 pixels.",
         false},
        {Rle8({4, 1, 0, 0, 4, 2, 0, 0, 1, 1, 0, 1}, 12), FindingCode::RlePastLastRow, 78,
         "The stream goes on past the last of its 2 rows: the code at offset 78 is at stored row 2, past the picture.",
         false},
        {Rle8({3, 1, 0, 2, 0, 3, 0, 1}, 8), FindingCode::RleDeltaOutside, 72,
         "A delta of 0 columns and 3 rows at offset 72 from pixel (3, 1) (stored row 0) moves out of the 4 by 2 "
         "picture.",
         false},
        {Rle8({4, 1, 0, 0, 0, 4, 0, 1, 9, 2, 0, 1}, 12), FindingCode::IndexPastTable, 78,
         "Pixel (2, 0) (stored row 1) uses colour index 9; the colour table has 4 entries.", false},
        {cutLiteral, FindingCode::RleTruncated, 74,
         "The file ends at offset 77 inside the RLE code at offset 74, at pixel (1, 0) (stored row 1), before the "
         "end-of-bitmap code.",
         true},
        {Rle8({4, 1, 0, 0, 2, 2}, 0), FindingCode::RleMissingEnd, 74,
         "The RLE stream runs to the end of the file at offset 76 without an end-of-bitmap code, at pixel (2, 0) "
         "(stored row 1).",
         true},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(CodeName(test.code));
        const Inspection inspection = Inspect(Bytes(test.bytes));
        const auto found = std::find_if(inspection.findings.begin(), inspection.findings.end(),
                                        [&](const Finding& f) { return f.code == test.code; });
        ASSERT_NE(found, inspection.findings.end());
        EXPECT_EQ(found->severity, Severity::Error);
        EXPECT_EQ(found->offset, test.offset);
        EXPECT_EQ(found->message.English(), test.message);
        const Pixels pixels = Drawn(test.bytes);
        // Bottom-up, so the cut in stored row 1 leaves the top row's right part missing.
        EXPECT_EQ(std::any_of(pixels.begin(), pixels.end(), IsMissing), test.missing);
        if (test.missing) {
            const std::uint64_t drawnInTopRow = test.code == FindingCode::RleTruncated ? 1 : 2;
            EXPECT_EQ(std::count_if(pixels.begin(), pixels.begin() + 4, IsMissing), 4 - drawnInTopRow);
        }
    }
}

// OS/2 2.x RLE24: runs carry a 3-byte colour, literals 3 bytes a pixel padded to 16 bits.
TEST(RleStream, Rle24GoesThroughTheSameReader)
{
    const std::vector<std::uint8_t> stream = {0, 3, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0,  // literal of 3, one pad byte
                                              0, 0, 3, 0xFF, 0, 0, 0, 1};            // end of line, run, end
    const BitmapFields fields{.infoSize = 64, .width = 3, .height = 2, .bitCount = 24, .compression = 4,
                              .palette = std::vector<std::uint8_t>(24), .pixels = stream};
    const std::vector<std::uint8_t> bytes = BuildBitmap(fields);
    const Inspection inspection = Inspect(Bytes(bytes));
    EXPECT_TRUE(Problems(inspection).empty());
    EXPECT_EQ(inspection.layout.elements.back().kind, ElementKind::PixelData);
    EXPECT_EQ(inspection.layout.elements.back().size, stream.size());
    EXPECT_EQ(Drawn(bytes), (Pixels{0xFF0000FF, 0xFF0000FF, 0xFF0000FF, 0xFF030201, 0xFF060504, 0xFF090807}));

    // A run past the 3-pixel row is found by the same cursor.
    std::vector<std::uint8_t> wide = bytes;
    wide[bytes.size() - 6] = 4;
    const Inspection faulty = Inspect(Bytes(wide));
    EXPECT_TRUE(std::any_of(faulty.findings.begin(), faulty.findings.end(),
                            [](const Finding& f) { return f.code == FindingCode::RleRunPastRow; }));
}

}  // namespace
}  // namespace hexlume::format
