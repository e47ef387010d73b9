// A pixel's bytes and a byte's pixels: the two readings must agree with each other and with the
// decoder, for every way of storing pixels.
#include "format/Decoder.h"
#include "format/Inspection.h"
#include "format/NumberText.h"
#include "format/PixelBytes.h"
#include "testsupport/BmpBuilder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace hexlume::format {
namespace {

using testing::BitmapFields;
using testing::BuildBitmap;
using testing::CountingBytes;

struct Case {
    std::string name;
    std::vector<std::uint8_t> bytes;
};

// 5 pixels a row (so rows end inside a byte and carry padding), 3 rows, either way up.
std::vector<Case> Uncompressed()
{
    std::vector<Case> cases;
    for (const std::uint16_t bits : {1, 2, 4, 8, 16, 24, 32, 64}) {
        for (const std::int32_t height : {3, -3}) {
            BitmapFields fields{.width = 5, .height = height, .bitCount = bits};
            fields.pixels = CountingBytes(RowStride(5, bits) * 3, 0x35);
            if (bits <= 8) {
                // 8 bits: indices past the 200 entries draw the marker.
                fields.clrUsed = bits == 8 ? 200 : 0;
                fields.palette = CountingBytes(4 * (bits == 8 ? 200 : 1u << bits), 9);
            }
            cases.push_back({std::to_string(bits) + " bits, height " + std::to_string(height), BuildBitmap(fields)});
        }
    }
    // Masks; and 24 bits cut in the middle of the second stored row.
    const std::vector<std::uint8_t> masks = {0, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0};  // 5-6-5
    cases.push_back({"16-bit masks", BuildBitmap({.width = 5, .height = 3, .bitCount = 16, .compression = kBiBitfields,
                                                  .palette = masks, .pixels = CountingBytes(36, 200)})});
    cases.push_back({"cut 24 bits", BuildBitmap({.width = 5, .height = 3, .pixels = CountingBytes(23)})});
    return cases;
}

std::vector<std::uint8_t> Rle(std::uint32_t compression, std::int32_t height, std::vector<std::uint8_t> stream)
{
    return BuildBitmap({.width = 5, .height = height, .bitCount = static_cast<std::uint16_t>(compression == kBiRle4 ? 4 : 8),
                        .compression = compression, .clrUsed = 6, .palette = CountingBytes(24, 40),
                        .pixels = std::move(stream)});
}

std::vector<Case> RunLength()
{
    // Runs past the row, odd literals with their pad byte, a delta, early ends of line and of
    // bitmap, indices past the 6 entries.
    const std::vector<std::uint8_t> rle8 = {3, 2, 0, 3, 4, 7, 1, 0, 0, 0,  0, 2, 1, 1, 2, 5, 0, 0, 9, 1, 0, 1};
    const std::vector<std::uint8_t> rle4 = {5, 0x12, 0, 0, 0, 3, 0x34, 0x70, 0, 2, 1, 0, 1, 0x09, 0, 1};
    const std::vector<std::uint8_t> rle24 = {0, 3, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0, 3, 0xFF, 0, 0, 0, 1};
    std::vector<Case> cases{{"RLE8", Rle(kBiRle8, 3, rle8)},
                            {"RLE8 top-down", Rle(kBiRle8, -3, rle8)},
                            {"RLE4", Rle(kBiRle4, 3, rle4)},
                            {"RLE4 top-down", Rle(kBiRle4, -3, rle4)},
                            {"RLE8 cut inside a literal", Rle(kBiRle8, 3, {5, 1, 0, 0, 0, 4, 2, 3})}};
    cases.push_back({"RLE24", BuildBitmap({.infoSize = 64, .width = 3, .height = 2, .bitCount = 24, .compression = 4,
                                           .palette = std::vector<std::uint8_t>(24), .pixels = rle24})});
    return cases;
}

bool Holds(const PixelSpan& span, std::uint64_t x, std::uint64_t storedRow)
{
    return span.count != 0 && span.storedRow == storedRow && x >= span.x && x - span.x < span.count;
}

TEST(PixelBytes, EveryPixelsBytesHoldItAndItsColourIsTheDecoders)
{
    std::vector<Case> cases = Uncompressed();
    for (Case& rle : RunLength())
        cases.push_back(std::move(rle));
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        const Bytes file(test.bytes);
        const Inspection inspected = Inspect(file);
        const BitmapFormat& format = inspected.layout.format;
        const Picture picture = DecodePicture(file, format, static_cast<std::uint32_t>(format.columns),
                                              static_cast<std::uint32_t>(format.rows))
                                    .picture;
        ASSERT_EQ(picture.pixels.size(), format.columns * format.rows);
        std::size_t drawnFromBytes = 0;
        for (std::uint64_t y = 0; y < format.rows; ++y) {
            for (std::uint64_t x = 0; x < format.columns; ++x) {
                SCOPED_TRACE(PixelText(x, y, format.ShownRow(y)));
                const std::optional<PixelLocation> where = LocatePixel(file, format, x, y);
                ASSERT_TRUE(where);
                EXPECT_EQ(where->storedRow, format.ShownRow(y));
                const Argb drawn = picture.pixels[y * format.columns + x];
                if (!where->color) {
                    EXPECT_TRUE(drawn == kMissingLight || drawn == kMissingDark) << std::hex << drawn;
                    EXPECT_TRUE(!where->code || where->code->op == RleOp::CutShort);
                    continue;
                }
                EXPECT_EQ(*where->color, drawn);
                EXPECT_EQ(where->skipped, where->length == 0);
                if (where->skipped) {  // passed over by a code that leaves pixels unwritten
                    const std::optional<RleByte> rle = RleCodeOf(file, format, where->offset);
                    EXPECT_TRUE(rle && rle->code.offset == where->code->offset && rle->step.skips);
                    continue;
                }
                ++drawnFromBytes;
                for (std::uint64_t offset = where->offset; offset < where->offset + where->length; ++offset) {
                    ASSERT_LT(offset, file.size());
                    EXPECT_TRUE(Holds(PixelsInByte(file, format, DescribeByte(inspected.layout, offset), offset), x,
                                      where->storedRow))
                        << "byte " << offset;
                }
                // The index sits in the bits the location names.
                if (where->index && where->bits <= 8) {
                    const unsigned value = file[where->offset] >> (8 - where->bitOffset - where->bits) &
                                           ((1u << where->bits) - 1);
                    EXPECT_EQ(value, *where->index);
                }
                if (IsRunLength(format.encoding)) {
                    const std::optional<RleByte> rle = RleCodeOf(file, format, where->offset);
                    ASSERT_TRUE(rle && where->code);
                    EXPECT_EQ(rle->code.offset, where->code->offset);
                } else {
                    const ByteDescription what = DescribeByte(inspected.layout, where->offset);
                    const BytePixels held = PixelsOfByte(file, format, what, where->offset);
                    ASSERT_NE(held.count, 0u);
                    EXPECT_EQ(held.pixels[x - held.pixels[0].x].index, where->index);
                }
            }
        }
        EXPECT_GT(drawnFromBytes, 0u);

        // And back: every pixel a byte holds lives in that byte.
        for (std::uint64_t offset = format.pixels.offset; offset < file.size(); ++offset) {
            const PixelSpan span = PixelsInByte(file, format, DescribeByte(inspected.layout, offset), offset);
            for (std::uint64_t x = span.x; x < span.x + span.count; ++x) {
                const std::optional<PixelLocation> where = LocatePixel(file, format, x, format.ShownRow(span.storedRow));
                ASSERT_TRUE(where);
                EXPECT_TRUE(offset >= where->offset && offset - where->offset < where->length)
                    << "byte " << offset << ", pixel " << x;
            }
        }
    }
}

TEST(PixelBytes, NoLocationOutsideThePictureOrWithoutPixels)
{
    const std::vector<std::uint8_t> bytes = BuildBitmap({.width = 5, .height = 3, .pixels = CountingBytes(48)});
    const Bytes file(bytes);
    const BitmapFormat format = ReadBitmapFormat(file);
    EXPECT_TRUE(LocatePixel(file, format, 4, 2));
    EXPECT_FALSE(LocatePixel(file, format, 5, 0));
    EXPECT_FALSE(LocatePixel(file, format, 0, 3));
    for (const BitmapFields& fields : {BitmapFields{.width = 5, .height = 3, .bitCount = 3, .pixels = CountingBytes(48)},
                                       BitmapFields{.width = 5, .height = 3, .compression = kBiPng, .pixels = {1, 2}}}) {
        const std::vector<std::uint8_t> none = BuildBitmap(fields);
        EXPECT_FALSE(LocatePixel(Bytes(none), ReadBitmapFormat(Bytes(none)), 0, 0));
    }
}

}  // namespace
}  // namespace hexlume::format
