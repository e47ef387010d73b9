#include "texts/DumpMarks.h"
#include "texts/DumpRelation.h"
#include "texts/FindingsTexts.h"
#include "texts/InspectionTexts.h"
#include "texts/PictureTexts.h"
#include "testsupport/BmpBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace hexlume {
namespace {

using testing::BitmapFields;
using testing::BuildBitmap;
using testing::CountingBytes;

// A file with its layout and findings, as the window holds them after an open.
struct Inspected {
    explicit Inspected(std::vector<std::uint8_t> fileBytes)
        : bytes(std::move(fileBytes)), layout(format::ReadLayout(bytes)), findings(format::CheckBitmap(layout, bytes))
    {
    }
    std::string Tip(std::size_t memo, std::uint64_t offset, std::optional<std::uint8_t> shown = std::nullopt) const
    {
        return ByteTooltipText(layout, findings, bytes, memo, offset, shown.value_or(bytes[offset])).English();
    }
    std::vector<std::uint8_t> bytes;
    format::Layout layout;
    std::vector<format::Finding> findings;
};

std::vector<std::uint8_t> Pal8(BitmapFields fields = {})
{
    fields.width = 4;
    fields.height = 2;
    fields.bitCount = 8;
    fields.clrUsed = 16;
    fields.palette = CountingBytes(16 * 4);
    fields.pixels = std::vector<std::uint8_t>(8, 3);
    return BuildBitmap(fields);
}

TEST(ByteTooltip, HeaderFieldsByTheirOwnVersionsNames)
{
    const Inspected plain(Pal8());
    const std::string size = plain.Tip(kFileHeaderMemo, 3);
    EXPECT_NE(size.find("Offset 0x00000003 (3)"), std::string::npos) << size;
    EXPECT_NE(size.find("BITMAPFILEHEADER, bfSize (DWORD, bytes 2–5; byte 2 of 4) = 126 (0x0000007E)"),
              std::string::npos) << size;

    // A V5 header: the 84 bytes after the first 40 hold masks, colour space, gamma and profile.
    std::vector<std::uint8_t> v5Fields(84, 0);
    v5Fields[16] = 0x42, v5Fields[17] = 0x47, v5Fields[18] = 0x52, v5Fields[19] = 0x73;  // LCS_sRGB
    BitmapFields v5{.infoSize = 124, .width = 1, .height = -1, .palette = v5Fields, .pixels = {1, 2, 3, 0}};
    const Inspected inspected(BuildBitmap(v5));
    const std::string width = inspected.Tip(kInfoHeaderMemo, 18);
    EXPECT_NE(width.find("BITMAPV5HEADER, bV5Width (LONG"), std::string::npos) << width;
    const std::string note = HeaderSizeNote(inspected.layout).English();
    EXPECT_NE(note.find("BITMAPV5HEADER, 124 bytes."), std::string::npos) << note;
    EXPECT_NE(note.find("bV5CSType = "), std::string::npos) << note;
    EXPECT_NE(note.find("LCS_sRGB"), std::string::npos) << note;
    EXPECT_EQ(note.find("bV5Width"), std::string::npos) << "the table shows the first 40 bytes itself";
}

TEST(ByteTooltip, PaletteEntriesPixelsAndDerivedValues)
{
    const Inspected inspected(Pal8());
    const std::string entry = inspected.Tip(kPaletteMemo, 54 + 5 * 4 + 1);
    EXPECT_NE(entry.find("colour table, entry 5 (blue 0x14, green 0x15, red 0x16, reserved 0x17): this byte is green"),
              std::string::npos) << entry;

    // Two bottom-up rows of four: the file's first row is the lower one on screen.
    const std::uint64_t pixels = 54 + 64;
    const std::string pixel = inspected.Tip(kDataMemo, pixels + 2);
    EXPECT_NE(pixel.find("pixel data, pixel (2, 1) (stored row 0): index 3, colour #0E0D0C"), std::string::npos)
        << pixel;

    // biClrUsed holds 16 here; a window that derived another count says the file's own byte.
    const std::string derived = inspected.Tip(kInfoHeaderMemo, 14 + 32, 0x00);
    EXPECT_NE(derived.find("the value the window derives; the file holds 10."), std::string::npos) << derived;
}

TEST(ByteTooltip, PixelBytesGiveTheirIndicesColoursAndChannels)
{
    // 4 bits, 3 pixels, a table of 2: orange and blue. The second byte's low nibble is padding.
    const std::vector<std::uint8_t> table = {0x00, 0x80, 0xFF, 0, 0xFF, 0x00, 0x00, 0};
    const Inspected indices(BuildBitmap(
        {.width = 3, .height = 1, .bitCount = 4, .clrUsed = 2, .palette = table, .pixels = {0x01, 0x90, 0, 0}}));
    const std::string two = indices.Tip(kDataMemo, 62);
    EXPECT_NE(two.find("pixel data, pixels (0, 0) to (1, 0):\npixel (0, 0): index 0, colour #FF8000\n"
                       "pixel (1, 0): index 1, colour #0000FF"),
              std::string::npos) << two;
    const std::string pastTable = indices.Tip(kDataMemo, 63);
    EXPECT_NE(pastTable.find("pixel data, pixel (2, 0): index 9, past the table's 2 entries\n"), std::string::npos)
        << pastTable;

    // 5-6-5 bit fields: 0x8410 is red 16 of 31, green 32 of 63, blue 16 of 31.
    const std::vector<std::uint8_t> masks = {0x00, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0};
    const Inspected packed(BuildBitmap(
        {.width = 1, .height = 1, .bitCount = 16, .compression = 3, .palette = masks, .pixels = {0x10, 0x84, 0, 0}}));
    const std::string low = packed.Tip(kDataMemo, 66);
    EXPECT_NE(low.find("pixel data, pixel (0, 0): byte 1 of 2, feeds green and blue; colour #848284"),
              std::string::npos) << low;
}

TEST(ByteTooltip, RleBytesNameTheirCodeAndThePixelsTheyHold)
{
    // RLE4, 10 x 2: a run alternating 1 and 2, a literal of 5 padded to 16 bits, end of line, end.
    const std::vector<std::uint8_t> table = {0, 0, 0, 0, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0};
    const std::vector<std::uint8_t> stream = {0x05, 0x12, 0x00, 0x05, 0x21, 0x02, 0x10, 0x00, 0, 0, 0, 1};
    const Inspected rle(BuildBitmap({.width = 10, .height = 2, .bitCount = 4, .compression = 2, .clrUsed = 3,
                                     .palette = table, .pixels = stream}));
    const std::string run = rle.Tip(kDataMemo, 67);
    EXPECT_NE(run.find("pixel data, RLE4 code at offset 66 (2 bytes): a run of 5 pixels of index 1, colour #FF0000, "
                       "alternating with index 2, colour #00FF00; draws pixels (0, 1) to (4, 1) (stored row 0)"),
              std::string::npos) << run;
    const std::string literal = rle.Tip(kDataMemo, 70);
    EXPECT_NE(literal.find("pixel data, RLE4 code at offset 68 (6 bytes): a literal of 5 pixels; draws pixels (5, 1) "
                           "to (9, 1) (stored row 0)\npixel (5, 1) (stored row 0): index 2, colour #00FF00\n"
                           "pixel (6, 1) (stored row 0): index 1, colour #FF0000"),
              std::string::npos) << literal;
    const std::string padding = rle.Tip(kDataMemo, 73);
    EXPECT_NE(padding.find("\nthis byte pads the literal to 16 bits"), std::string::npos) << padding;
}

// A stream whose every row moves out of the picture: one error with the exact count of the rest,
// and each of the rest marked in the dump and named as an error in its own bytes' text.
TEST(ByteTooltip, EveryCodeThatLeavesThePictureIsCountedMarkedAndNamed)
{
    // RLE8, 4 x rows: each row a run of 2, a delta 3 columns on (out of the row) and an end of line.
    const auto build = [](std::uint8_t rows) {
        std::vector<std::uint8_t> stream;
        for (std::uint8_t row = 0; row < rows; ++row)
            stream.insert(stream.end(), {2, 1, 0, 2, 3, 0, 0, 0});
        stream.insert(stream.end(), {0, 1});
        return Inspected(BuildBitmap({.width = 4, .height = rows, .bitCount = 8, .compression = 1, .clrUsed = 4,
                                      .palette = CountingBytes(16), .pixels = stream}));
    };
    const auto errors = [](const Inspected& file) {
        std::vector<std::string> messages;
        for (const format::Finding& finding : file.findings)
            if (finding.severity == format::Severity::Error)
                messages.push_back(finding.message.English());
        return messages;
    };
    EXPECT_EQ(errors(build(2)), std::vector<std::string>{"A delta of 3 columns and 0 rows at offset 72 from pixel (2, 1) "
                                                         "(stored row 0) moves out of the 4 by 2 picture, and 1 more "
                                                         "code does the same."});
    const Inspected file = build(10);
    EXPECT_EQ(errors(file), std::vector<std::string>{"A delta of 3 columns and 0 rows at offset 72 from pixel (2, 9) "
                                                     "(stored row 0) moves out of the 4 by 10 picture, and 9 more codes "
                                                     "do the same."});
    // The note on the first delta covers its 4 bytes, as the error does.
    const auto skips = std::find_if(file.findings.begin(), file.findings.end(), [](const format::Finding& finding) {
        return finding.code == format::FindingCode::RleSkipsPixels;
    });
    ASSERT_NE(skips, file.findings.end());
    EXPECT_EQ(skips->length, 4u);

    DumpFileMap map{};
    map[kDataMemo] = {.fileOffset = 70, .shown = 82, .held = 82, .firstLine = 5};
    const std::vector<MemoMark> marks = CountedFaultMarks(file.findings, file.layout.format, file.bytes, map);
    ASSERT_EQ(marks.size(), 10u);
    for (std::size_t row = 0; row < marks.size(); ++row) {
        EXPECT_EQ(marks[row].first, 2 + 8 * row);
        EXPECT_EQ(marks[row].end, 6 + 8 * row);
    }
    // The fourth delta: its byte's tooltip and hexlume-dump --at name it in the checker's words.
    const std::string named = "\nerror: A delta of 3 columns and 0 rows at offset 96 from pixel (2, 6) (stored row 3) "
                              "moves out of the 4 by 10 picture.";
    EXPECT_NE(file.Tip(kDataMemo, 98).find(named), std::string::npos) << file.Tip(kDataMemo, 98);
    EXPECT_TRUE(ByteText(file.layout, file.findings, file.bytes, 99).ends_with(named));
    // The first is named once, by its finding.
    const std::string first = ByteText(file.layout, file.findings, file.bytes, 72);
    EXPECT_EQ(first.find("error: "), first.rfind("error: ")) << first;
}

// The Picture window's pixel line: one bit is "bit 3"; an embedded JPEG's pixel is coded in a
// stream the library does not take apart, and its colour is the one the window draws.
TEST(PixelLine, NamesASingleBitAndSaysWhereAnEmbeddedStreamsPixelIsCoded)
{
    const std::vector<std::uint8_t> oneBit = BuildBitmap({.width = 8, .height = 1, .bitCount = 1, .clrUsed = 2,
                                                          .palette = CountingBytes(8), .pixels = {0x10, 0, 0, 0}});
    const std::string bit = PixelStatusText(oneBit, format::ReadBitmapFormat(oneBit), 3, 0, false).English();
    EXPECT_TRUE(bit.ends_with("\nHeld by the byte at offset 0x3E (62), bit 3 (0 = most significant)")) << bit;

    const std::vector<std::uint8_t> jpeg = BuildBitmap({.width = 3, .height = 2, .bitCount = 0, .compression = 4,
                                                        .pixels = {0xFF, 0xD8, 0xFF, 0xD9}});
    const format::BitmapFormat embedded = format::ReadBitmapFormat(jpeg);
    const std::string where = "\nCoded in the embedded JPEG stream of 4 bytes at offset 0x36 (54), which Hexlume does "
                              "not take apart: no bytes of the file hold this pixel alone";
    EXPECT_EQ(PixelStatusText(jpeg, embedded, 2, 1, false, 0xFF804020), "pixel (2, 1): colour #804020FF as the window draws it" + where);
    EXPECT_EQ(PixelStatusText(jpeg, embedded, 2, 1, false), "pixel (2, 1): no colour: the JPEG stream is not decoded here" + where);
}

TEST(ByteTooltip, SaysWhatTheDumpShowsWronglyAndTheFindingsOnTheByte)
{
    // 16-bit bit fields: the window's pixel-data memo starts on the 12 mask bytes.
    std::vector<std::uint8_t> masks = {0x00, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0, 1, 2, 3, 4};
    const Inspected bitfields(BuildBitmap({.width = 2, .height = 1, .bitCount = 16, .compression = 3, .palette = masks}));
    const std::string mask = bitfields.Tip(kDataMemo, 54 + 4);
    EXPECT_NE(mask.find("GreenMask"), std::string::npos) << mask;
    EXPECT_NE(mask.find("The dump shows this byte as pixel data; it is really part of the"), std::string::npos) << mask;

    const Inspected wrongSize(Pal8({.fileSize = 100}));
    const std::string size = wrongSize.Tip(kFileHeaderMemo, 2);
    EXPECT_NE(size.find("warning: "), std::string::npos) << size;
    EXPECT_NE(size.find("bfSize says 100 bytes"), std::string::npos) << size;
    const HeaderCellFindings cells = FindingsByCell(wrongSize.findings);
    EXPECT_EQ(cells.fileHeader[1].mark, Mark::Warning);
    EXPECT_EQ(cells.fileHeader[0].mark, Mark::None);
}

TEST(HeaderCellText, TheRowsBytesInTheByteTooltipsWordsWithTheirFindings)
{
    const Inspected planes(Pal8({.planes = 2}));
    const HeaderCell row{.infoHeader = true, .row = 3};
    std::vector<std::uint8_t> table(planes.bytes.begin() + 14, planes.bytes.begin() + 54);  // as the table reads it
    const HeaderCellFindings planeCells = FindingsByCell(planes.findings);
    const std::string cell = HeaderCellText(planes.layout, planes.bytes, table, planeCells, row).English();
    EXPECT_NE(cell.find("Offset 0x0000001A (26)\nBITMAPINFOHEADER, biPlanes (WORD, bytes 26–27) = 2 (0x0002)"),
              std::string::npos) << cell;
    // The finding in the very words the field's bytes give it in the dump.
    const std::string byte = planes.Tip(kInfoHeaderMemo, 26);
    const std::size_t error = byte.find("\nerror: ");
    ASSERT_NE(error, std::string::npos) << byte;
    EXPECT_NE(cell.find(byte.substr(error)), std::string::npos) << cell;
    EXPECT_EQ(cell.find("The table shows"), std::string::npos) << cell;
    // A value the window fills in where the file stores 0 is told apart from the file's.
    table[20] = 0x20;  // biSizeImage
    const std::string image =
        HeaderCellText(planes.layout, planes.bytes, table, planeCells, {.infoHeader = true, .row = 6}).English();
    EXPECT_NE(image.find("\nThe table shows 32 (0x20) here, the value the window derives; the file holds 0."),
              std::string::npos) << image;

    // A 12-byte header has two fields where the table's biWidth row stands, and its colour
    // table where the biPlanes row does.
    // bcWidth 2 and bcHeight 2 in biWidth's bytes, bcPlanes 1 and bcBitCount 8 in biHeight's; the
    // 256 3-byte entries run from offset 26 to the pixels at 54 + 740.
    const Inspected core(BuildBitmap({.infoSize = 12, .width = 0x20002, .height = 0x80001,
                                      .palette = CountingBytes(740), .pixels = std::vector<std::uint8_t>(8)}));
    const HeaderCellFindings cells = FindingsByCell(core.findings);
    const std::span<const std::uint8_t> coreTable(core.bytes.data() + 14, 40);
    const std::string width =
        HeaderCellText(core.layout, core.bytes, coreTable, cells, {.infoHeader = true, .row = 1}).English();
    EXPECT_NE(width.find("\nBITMAPCOREHEADER, bcWidth (WORD, bytes 18–19) = 2 (0x0002)"), std::string::npos) << width;
    EXPECT_NE(width.find("\nBITMAPCOREHEADER, bcHeight (WORD, bytes 20–21) = 2 (0x0002)"), std::string::npos) << width;
    const std::string plane =
        HeaderCellText(core.layout, core.bytes, coreTable, cells, {.infoHeader = true, .row = 3}).English();
    EXPECT_NE(plane.find("colour table, entry 0"), std::string::npos) << plane;
}

TEST(DumpMarks, OnlyTheBytesTheMemosHold)
{
    DumpFileMap map{};
    map[kFileHeaderMemo] = {.fileOffset = 0, .shown = 14, .held = 14, .firstLine = 0};
    map[kInfoHeaderMemo] = {.fileOffset = 14, .shown = 40, .held = 40, .firstLine = 1};
    map[kDataMemo] = {.fileOffset = 100, .shown = 32, .held = 2000, .firstLine = 5};  // a cut memo
    const std::vector<format::Finding> findings{
        {format::Severity::Error, format::FindingCode::PixelDataTruncated, 120, 1000, "", Message::Verbatim("cut")},
        {format::Severity::Note, format::FindingCode::Gap, 54, 46, "", Message::Verbatim("gap")},
        {format::Severity::Warning, format::FindingCode::FileSizeMismatch, 2, 4, "bfSize", Message::Verbatim("a field's bytes too")},
    };
    const std::vector<MemoMark> marks = MarksInDump(findings, map);
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_EQ(marks[0].memo, kDataMemo);
    EXPECT_EQ(marks[0].first, 20u);
    EXPECT_EQ(marks[0].end, 32u);
    EXPECT_EQ(marks[0].mark, Mark::Error);
    EXPECT_EQ(marks[1].memo, kFileHeaderMemo);
    EXPECT_EQ(marks[1].mark, Mark::Warning);
    EXPECT_EQ(FileOffsetOf(map, kDataMemo, 31), 131u);
    EXPECT_EQ(FileOffsetOf(map, kDataMemo, 32), std::nullopt);
    EXPECT_EQ(FileOffsetOf(map, kPaletteMemo, 0), std::nullopt);

    // The list says where each one is: on a line, past the cut, or nowhere in the dump.
    EXPECT_EQ(PlaceInDump(findings[0], map).where, "line 6");
    EXPECT_EQ(PlaceInDump({format::Severity::Error, format::FindingCode::PixelDataTruncated, 1500, 4, "", {}}, map).where, "past the cut");
    EXPECT_EQ(PlaceInDump(findings[1], map).where, "in no memo");
}

TEST(FindingsList, ErrorsFirstAndCopiedAsTheVerboseCheckPrintsThem)
{
    const std::vector<format::Finding> findings{
        {format::Severity::Note, format::FindingCode::Gap, 0x36, 8, "", Message::Verbatim("Bytes 54 to 61 belong to no part of the bitmap.")},
        {format::Severity::Warning, format::FindingCode::FileSizeMismatch, 2, 4, "bfSize", Message::Verbatim("bfSize says 100 bytes.")},
        {format::Severity::Error, format::FindingCode::IndexPastTable, 0x436, 1, "", Message::Verbatim("Pixel (2, 0) uses colour index 9.")},
    };
    const std::vector<std::size_t> order = FindingsListOrder(findings);
    EXPECT_EQ(order, (std::vector<std::size_t>{2, 1, 0}));
    EXPECT_EQ(FindingCountsText(CountFindings(findings)), "1 error · 1 warning · 1 note");
    EXPECT_EQ(FindingCountsText(CountFindings({})), "No findings");
    EXPECT_EQ(FirstFindingText(findings), "error index-past-table at 0x436:\nPixel (2, 0) uses colour index 9.");
    EXPECT_EQ(CopiedFindingsText(findings, order),
              "  error    index-past-table                0x436       Pixel (2, 0) uses colour index 9.\n"
              "  warning  file-size-mismatch              0x2         bfSize says 100 bytes.\n"
              "  note     gap                             0x36        Bytes 54 to 61 belong to no part of the bitmap.\n");
}

TEST(DumpRelationNotes, SayWhatTheWindowsMemosReallyShow)
{
    const auto notes = [](const std::vector<std::uint8_t>& bytes, const DumpRegions& dump) {
        return DumpRelationNotes(format::ReadLayout(bytes), dump);
    };
    // 16 bits with masks after the header: the window's data region starts at 54, on the masks.
    const std::vector<std::uint8_t> bitFields =
        BuildBitmap({.width = 2, .height = 1, .bitCount = 16, .compression = format::kBiBitfields, .sizeImage = 4,
                     .palette = {0x00, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0},
                     .pixels = std::vector<std::uint8_t>(4)});
    const std::vector<format::Finding> masks =
        notes(bitFields, {.paletteOffset = 0, .paletteSize = 0, .dataOffset = 54, .dataSize = 16});
    ASSERT_EQ(masks.size(), 1u);
    EXPECT_EQ(masks[0].message, "The pixel-data memo starts 12 bytes before bfOffBits because those 12 bytes are "
                                "the bit-field masks.");
    EXPECT_EQ(masks[0].offset, 54u);
    EXPECT_EQ(masks[0].length, 12u);

    // A 124-byte header: the window shows 40 of it and its palette starts after it all.
    const std::vector<std::uint8_t> v5 = BuildBitmap({.infoSize = 124, .palette = std::vector<std::uint8_t>(84),
                                                      .pixels = std::vector<std::uint8_t>(4)});
    const std::vector<format::Finding> header =
        notes(v5, {.paletteOffset = 0, .paletteSize = 0, .dataOffset = 138, .dataSize = 4});
    ASSERT_EQ(header.size(), 1u);
    EXPECT_EQ(header[0].message,
              "The info-header memo shows 40 of the BITMAPV5HEADER's 124 bytes; the 84 after them appear in no memo.");
    EXPECT_EQ(header[0].offset, 54u);
    EXPECT_EQ(header[0].length, 84u);

    // Plural parts take a plural verb.
    std::vector<std::uint8_t> trailing =
        BuildBitmap({.width = 4, .height = 2, .bitCount = 8, .sizeImage = 8, .clrUsed = 4,
                     .palette = std::vector<std::uint8_t>(16), .pixels = {0, 1, 2, 3, 3, 2, 1, 0}});
    trailing.resize(trailing.size() + 2);
    const std::vector<format::Finding> tail =
        notes(trailing, {.paletteOffset = 54, .paletteSize = 16, .dataOffset = 70, .dataSize = 8});
    ASSERT_EQ(tail.size(), 1u);
    EXPECT_EQ(tail[0].message, "The trailing bytes (bytes 78 to 79) appear in no memo.");
}

}  // namespace
}  // namespace hexlume
