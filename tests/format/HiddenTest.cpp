// What a bitmap hides: rows past the picture, bits of its pixels, unclaimed parts, bitmaps
// inside other bytes.
#include "format/BitPlanes.h"
#include "format/BitmapScan.h"
#include "format/Decoder.h"
#include "format/Findings.h"
#include "format/HiddenParts.h"
#include "format/HiddenRows.h"
#include "format/PixelBytes.h"
#include "testsupport/BmpBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace hexlume::format {
namespace {

using testing::BitmapFields;
using testing::BuildBitmap;

std::vector<std::uint8_t> Bytes24(std::int32_t width, std::int32_t height, std::vector<std::uint8_t> pixels)
{
    return BuildBitmap({.width = width, .height = height, .bitCount = 24, .pixels = std::move(pixels)});
}

const Finding* FindingOf(const std::vector<Finding>& findings, FindingCode code)
{
    const auto found = std::find_if(findings.begin(), findings.end(), [code](const Finding& f) { return f.code == code; });
    return found != findings.end() ? &*found : nullptr;
}

// 13 pixels at 24 bits: 39 bytes a row, padded to 40. Row r's pixels hold the value r.
std::vector<std::uint8_t> Rows13(std::uint64_t rows)
{
    std::vector<std::uint8_t> bytes;
    for (std::uint64_t row = 0; row < rows; ++row) {
        bytes.insert(bytes.end(), 39, static_cast<std::uint8_t>(row));
        bytes.insert(bytes.end(), 1, 0);
    }
    return bytes;
}

TEST(HiddenRowsTest, LoweredHeightLeavesWholeRowsThatTheFindingAndTheWholePictureName)
{
    // 40 rows stored, biHeight lowered to 25: bottom-up, the 15 rows stored last are the top.
    for (const bool topDown : {false, true}) {
        const std::vector<std::uint8_t> file = Bytes24(13, topDown ? -25 : 25, Rows13(40));
        const Layout layout = ReadLayout(file);
        const std::vector<Finding> findings = CheckBitmap(layout, file);
        const Finding* rows = FindingOf(findings, FindingCode::RowsPastPicture);
        ASSERT_NE(rows, nullptr) << topDown;
        EXPECT_EQ(rows->offset, 54u + 25 * 40);
        EXPECT_EQ(rows->length, 15u * 40);
        EXPECT_NE(rows->message.English().find("after the pixel data are exactly 15 more rows of 13 pixels: the picture may "
                                     "have been 13x40, with these rows at its "),
                  std::string::npos)
            << rows->message;
        EXPECT_TRUE(rows->message.English().ends_with(topDown ? "bottom." : "top.")) << rows->message;

        const BitmapFormat whole = WithRowsPastPicture(layout.format, *FindRowsPastPicture(layout));
        const DecodeResult drawn = DecodePicture(file, whole, 13, 40);
        ASSERT_EQ(drawn.outcome, DecodeOutcome::Drawn);
        // The top row as shown is the last stored (39) bottom-up, the first (0) top-down.
        EXPECT_EQ(drawn.picture.pixels.front(), topDown ? 0xFF000000u : 0xFF272727u);
        EXPECT_EQ(drawn.picture.pixels.back(), topDown ? 0xFF272727u : 0xFF000000u);
    }
    // Trailing bytes that are not whole rows, or rows of a compressed picture, are not rows.
    std::vector<std::uint8_t> ragged = Bytes24(13, 25, Rows13(40));
    ragged.pop_back();
    EXPECT_FALSE(FindRowsPastPicture(ReadLayout(ragged)));
    EXPECT_FALSE(FindRowsPastPicture(ReadLayout(Bytes24(13, 40, Rows13(40)))));

    // Rows hidden by moving bfOffBits past the first 5 stored: the layout with them taken in
    // has their bytes name their pixels, the bottom rows of a bottom-up picture.
    const std::vector<std::uint8_t> moved =
        BuildBitmap({.offBits = 54 + 5 * 40, .width = 13, .height = 35, .bitCount = 24, .pixels = Rows13(40)});
    const Layout layout = ReadLayout(moved);
    const std::optional<RowsPastPicture> rows = FindRowsPastPicture(layout);
    ASSERT_TRUE(rows && rows->beforePixels);
    const Layout whole = WithRowsPastPicture(layout, *rows);
    EXPECT_EQ(whole.elements.size(), layout.elements.size() - 1);
    EXPECT_EQ(PixelsDrawnByByte(moved, layout, 54 + 3).count, 0u);
    const PixelSpan second = PixelsDrawnByByte(moved, whole, 54 + 3);
    EXPECT_EQ(second.x, 1u);
    EXPECT_EQ(second.count, 1u);
    EXPECT_EQ(whole.format.ShownRow(second.storedRow), 39u);
}

TEST(BitPlanesTest, AMessageHiddenInTheLowBitsComesBackOut)
{
    const std::string message = "Hexlume was here";
    // 8 x 6 pixels, 3 bits a pixel: 144 bits, room for the message's 128.
    std::vector<std::uint8_t> rows;
    std::size_t bit = 0;
    const auto next = [&] {
        const std::size_t byte = bit / 8;
        const int value = byte < message.size() ? message[byte] >> (7 - bit % 8) & 1 : 0;
        ++bit;
        return value;
    };
    // Stored bottom-up: shown row y is stored row 5 - y, so the rows are built top first and
    // then put in stored order. Each pixel is B, G, R in the file; the message goes r, g, b.
    std::vector<std::vector<std::uint8_t>> shown;
    for (int y = 0; y < 6; ++y) {
        std::vector<std::uint8_t> row;
        for (int x = 0; x < 8; ++x) {
            const int r = next(), g = next(), b = next();
            row.insert(row.end(), {static_cast<std::uint8_t>(0xA0 | b), static_cast<std::uint8_t>(0x50 | g),
                                   static_cast<std::uint8_t>(0x30 | r)});
        }
        shown.push_back(row);
    }
    for (int y = 5; y >= 0; --y)
        rows.insert(rows.end(), shown[y].begin(), shown[y].end());
    const std::vector<std::uint8_t> file = Bytes24(8, 6, rows);
    const BitmapFormat format = ReadBitmapFormat(file);

    const std::optional<BitSelection> rgb0 = ParseBitSelection("rgb:0");
    ASSERT_TRUE(rgb0);
    const std::vector<std::uint8_t> bits = ExtractBits(file, format, *rgb0);
    ASSERT_EQ(bits.size(), 18u);
    EXPECT_EQ(std::string(bits.begin(), bits.begin() + 16), message);

    // Bits in the order written: blue's 0xA0 | b read as bits 5, 4 is 1, 0 for every pixel.
    const std::vector<std::uint8_t> blue54 = ExtractBits(file, format, *ParseBitSelection("b:5,4"));
    EXPECT_TRUE(std::all_of(blue54.begin(), blue54.end(), [](std::uint8_t byte) { return byte == 0xAA; }));

    EXPECT_EQ(MissingBits(format, *ParseBitSelection("a:0")), "the picture has no alpha channel");
    EXPECT_EQ(MissingBits(format, *ParseBitSelection("r:8")), "the red channel has 8 bits, 0 to 7");
    for (const char* bad : {"rgb", "x:0", "r:", ":0", "r:0,", "r:1,,2", "r:64"})
        EXPECT_FALSE(ParseBitSelection(bad)) << bad;
}

TEST(BitPlanesTest, PlanesFollowTheMasksAndTheIndicesAndMarkMissingPixels)
{
    // 2 x 2 pixels at 16 bits, masks 5-6-5; one row cut off.
    const std::vector<std::uint8_t> file =
        BuildBitmap({.width = 2, .height = 2, .bitCount = 16, .compression = kBiBitfields,
                     .palette = {0x00, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0}, .pixels = {0x20, 0x00, 0xE0, 0x07}});
    const BitmapFormat format = ReadBitmapFormat(file);
    const std::vector<StoredChannel> channels = StoredChannels(format);
    ASSERT_EQ(channels.size(), 3u);
    EXPECT_EQ(channels[0].channel, PixelChannel::Red);
    EXPECT_EQ(channels[0].bits, 5u);
    EXPECT_EQ(channels[1].bits, 6u);
    // Green bit 0 is pixel value bit 5: the first stored row (the bottom) is 0x0020, 0x07E0.
    EXPECT_EQ(BitPlane(file, format, PixelChannel::Green, 0), (std::vector<std::uint8_t>{kNoPixel, kNoPixel, 1, 1}));
    EXPECT_EQ(BitPlane(file, format, PixelChannel::Green, 1), (std::vector<std::uint8_t>{kNoPixel, kNoPixel, 0, 1}));

    // 4 pixels at 4 bits, indices 1, 14, 5, 2: the index alone.
    const std::vector<std::uint8_t> indexed =
        BuildBitmap({.width = 4, .height = 1, .bitCount = 4, .palette = std::vector<std::uint8_t>(64),
                     .pixels = {0x1E, 0x52, 0, 0}});
    const BitmapFormat indexFormat = ReadBitmapFormat(indexed);
    ASSERT_EQ(StoredChannels(indexFormat).size(), 1u);
    EXPECT_EQ(StoredChannels(indexFormat)[0].bits, 4u);
    EXPECT_EQ(BitPlane(indexed, indexFormat, PixelChannel::Index, 1), (std::vector<std::uint8_t>{0, 1, 0, 1}));
    EXPECT_EQ(MissingBits(indexFormat, *ParseBitSelection("r:0")),
              "the picture stores colour indices: its only channel is i");
}

TEST(HiddenPartsTest, EachPartComesOutInFileOrderOrSaysWhyNot)
{
    // 1 pixel at 24 bits: 3 bytes a row and 1 of padding; 3 rows; a gap of 2 and 3 trailing bytes.
    const BitmapFields fields{.offBits = 56, .width = 1, .height = 3, .bitCount = 24,
                        .pixels = {0x67, 0x61, 1, 2, 3, 'P', 4, 5, 6, 'A', 7, 8, 9, 'D', 't', 'x', 't'}};
    const std::vector<std::uint8_t> file = BuildBitmap(fields);
    const Layout layout = ReadLayout(file);
    const auto text = [&](HiddenPart part) {
        const PartBytes bytes = ReadHiddenPart(file, layout, part);
        return std::string(bytes.bytes.begin(), bytes.bytes.end()) + bytes.absent;
    };
    EXPECT_EQ(text(HiddenPart::Gap), "ga");
    EXPECT_EQ(text(HiddenPart::Padding), "PAD");
    EXPECT_EQ(text(HiddenPart::Trailing), "txt");
    EXPECT_EQ(text(HiddenPart::Embedded), "the pixel data is no JPEG or PNG stream");
    EXPECT_EQ(text(HiddenPart::Profile), "the bitmap embeds no colour profile");
    const std::vector<std::uint8_t> unpadded = Bytes24(4, 1, std::vector<std::uint8_t>(12));
    EXPECT_EQ(ReadHiddenPart(unpadded, ReadLayout(unpadded), HiddenPart::Padding).absent,
              "rows of 4 pixels at 24 bits need no padding");
    // A V5 header (the 84 bytes after its first 40 given as they are) embedding 8 bytes of
    // profile after its one pixel.
    std::vector<std::uint8_t> v5Rest(84);
    const auto put32 = [&v5Rest](std::size_t headerOffset, std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            v5Rest[headerOffset - 40 + i] = static_cast<std::uint8_t>(value >> (8 * i));
    };
    put32(56, kProfileEmbedded);
    put32(112, 124 + 4);  // counted from the info header's start
    put32(116, 8);
    const std::vector<std::uint8_t> v5 = BuildBitmap(
        {.offBits = 138, .infoSize = 124, .palette = v5Rest, .pixels = {1, 2, 3, 0, 'I', 'C', 'C', ' ', 'd', 'a', 't', 'a'}});
    const PartBytes profile = ReadHiddenPart(v5, ReadLayout(v5), HiddenPart::Profile);
    EXPECT_EQ(std::string(profile.bytes.begin(), profile.bytes.end()), "ICC data") << profile.absent;
    EXPECT_EQ(HiddenPartNamed("trailing"), HiddenPart::Trailing);
    EXPECT_FALSE(HiddenPartNamed("bits"));
}

TEST(BitmapScanTest, FindsTheBitmapsAmongRandomBytesAndDecoys)
{
    std::uint64_t state = 0x9E3779B97F4A7C15;
    const auto noise = [&](std::size_t count) {
        std::vector<std::uint8_t> bytes(count);
        for (std::uint8_t& byte : bytes) {
            state ^= state << 13, state ^= state >> 7, state ^= state << 17;
            byte = static_cast<std::uint8_t>(state);
        }
        return bytes;
    };
    std::vector<std::uint8_t> haystack = noise(5000);
    const auto put = [&haystack](const std::vector<std::uint8_t>& bytes) {
        const std::uint64_t at = haystack.size();
        haystack.insert(haystack.end(), bytes.begin(), bytes.end());
        return at;
    };
    const std::vector<std::uint8_t> first = Bytes24(13, 25, Rows13(25));
    const std::uint64_t firstAt = put(first);
    put(noise(300));
    // Decoys: "BM" and nonsense; a width of 0; a bit count of 7; rows no 32-bit size can hold;
    // pixels far past the end that bfSize does not agree with.
    put({'B', 'M', 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
    put(BuildBitmap({.width = 0, .height = 5, .pixels = std::vector<std::uint8_t>(20)}));
    put(BuildBitmap({.width = 4, .height = 5, .bitCount = 7, .pixels = std::vector<std::uint8_t>(20)}));
    put(BuildBitmap({.width = 100000, .height = 100000, .pixels = std::vector<std::uint8_t>(20)}));
    put(BuildBitmap({.fileSize = 70, .width = 4000, .height = 4000, .pixels = std::vector<std::uint8_t>(20)}));
    put(noise(300));
    // An 8-bit bitmap whose last row the file cuts off, bfSize still whole.
    std::vector<std::uint8_t> cut = BuildBitmap({.width = 8, .height = 4, .bitCount = 8,
                                                 .palette = std::vector<std::uint8_t>(1024),
                                                 .pixels = std::vector<std::uint8_t>(32, 7)});
    cut.resize(cut.size() - 5);
    const std::uint64_t cutAt = put(cut);

    std::vector<FoundBitmap> found;
    FindBitmaps(haystack, [&found](FoundBitmap&& bitmap) {
        found.push_back(std::move(bitmap));
        return true;
    });
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].offset, firstAt);
    EXPECT_EQ(found[0].length, first.size());
    EXPECT_EQ(found[0].inspection.layout.format.columns, 13u);
    EXPECT_EQ(found[1].offset, cutAt);
    EXPECT_EQ(found[1].length, cut.size());  // to the end of the file
    EXPECT_TRUE(FindingOf(found[1].inspection.findings, FindingCode::PixelDataTruncated));
}

}  // namespace
}  // namespace hexlume::format
