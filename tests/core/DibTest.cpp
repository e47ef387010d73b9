#include "model/Dib.h"
#include "testsupport/BmpBuilder.h"
#include "testsupport/ShrinkingStream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <limits>
#include <optional>
#include <random>
#include <tuple>

namespace hexlume {
namespace {

using testing::BitmapFields;
using testing::BuildBitmap;
using testing::TempDir;

// Random bytes: unlike CountingBytes they never repeat with a period of 256, so a region
// whose bytes match the file's could only have come from that one place.
std::vector<std::uint8_t> NoisyBytes(std::size_t count, unsigned seed = 7)
{
    std::mt19937 engine(seed);
    std::vector<std::uint8_t> bytes(count);
    for (auto& byte : bytes)
        byte = static_cast<std::uint8_t>(engine());
    return bytes;
}

// Where a region should be: its offset in the buffer (the bytes after the file header) and
// its length, or nullopt when it should be absent.
struct Place {
    std::uint64_t at = 0;
    std::uint64_t size = 0;
};

void ExpectRegion(ByteSpan region, const std::vector<std::uint8_t>& file, std::optional<Place> expected)
{
    if (!expected) {
        EXPECT_EQ(region.data(), nullptr);
        EXPECT_EQ(region.size(), 0u);
        return;
    }
    ASSERT_NE(region.data(), nullptr);
    ASSERT_EQ(region.size(), expected->size);
    const auto from = file.begin() + static_cast<std::ptrdiff_t>(kFileHeaderBytes + expected->at);
    EXPECT_TRUE(std::equal(region.begin(), region.end(), from));
}

class DibTest : public ::testing::Test {
protected:
    std::vector<std::uint8_t> LoadOk(const BitmapFields& bitmap, const std::string& name = "a.bmp")
    {
        auto bytes = BuildBitmap(bitmap);
        EXPECT_TRUE(dib.LoadFile(dir.Write(name, bytes))) << dib.LastError();
        EXPECT_TRUE(dib.IsLoaded());
        return bytes;
    }

    TempDir dir;
    CDib dib;
};

struct LoadCase {
    const char* name;
    BitmapFields bitmap;
    std::optional<Place> palette;
    std::optional<Place> data;
    std::uint32_t clrUsedAfter;
    std::uint32_t sizeImageAfter;
    std::uint64_t imageSize;
};

// Test names then show the case's name rather than its bytes.
void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }

class DibLoadTest : public DibTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(DibLoadTest, RegionsAndFilledInFields)
{
    const LoadCase& c = GetParam();
    const auto file = LoadOk(c.bitmap);
    EXPECT_EQ(dib.GetBufferSize(), file.size() - kFileHeaderBytes);
    ExpectRegion(dib.PaletteBytes(), file, c.palette);
    ExpectRegion(dib.DataBytes(), file, c.data);
    EXPECT_EQ(dib.GetPalette(), dib.PaletteBytes().data());
    EXPECT_EQ(dib.GetData(), dib.DataBytes().data());
    if (c.palette && c.data) {  // both views into the same block, the data right after the palette
        EXPECT_EQ(dib.GetData() - dib.GetPalette(), static_cast<std::ptrdiff_t>(c.data->at - c.palette->at));
    }
    EXPECT_EQ(dib.GetInfoHeader().biClrUsed, c.clrUsedAfter);
    EXPECT_EQ(dib.GetColorCount(), c.clrUsedAfter);
    EXPECT_EQ(dib.GetInfoHeader().biSizeImage, c.sizeImageAfter);
    EXPECT_EQ(dib.GetImageSize(), c.imageSize);
}

std::vector<LoadCase> LoadCases()
{
    const auto pal = [](std::size_t n) { return NoisyBytes(n, 1); };
    const auto px = [](std::size_t n) { return NoisyBytes(n, 2); };
    constexpr std::uint64_t kHugeImage = 4ull * 0x7FFFFFFFull * 0x7FFFFFFFull;  // fits 64 bits, not 32
    return {
        {"Pal8CountFromBits", {.width = 2, .height = 2, .bitCount = 8, .palette = pal(1024), .pixels = px(8)},
         Place{40, 1024}, Place{1064, 8}, 256, 8, 8},
        {"Rgb24NoPalette", {.width = 3, .height = 2, .pixels = px(24)}, std::nullopt, Place{40, 24}, 0, 24, 24},
        {"Rgb24ClrUsed16", {.width = 3, .height = 2, .clrUsed = 16, .palette = pal(64), .pixels = px(24)},
         Place{40, 64}, Place{104, 24}, 16, 24, 24},
        {"Pal1TenByTen", {.width = 10, .height = 10, .bitCount = 1, .palette = pal(8), .pixels = px(40)},
         Place{40, 8}, Place{48, 40}, 2, 40, 40},
        {"Pal4FiveByThree", {.width = 5, .height = 3, .bitCount = 4, .palette = pal(64), .pixels = px(12)},
         Place{40, 64}, Place{104, 12}, 16, 12, 12},
        {"TopDown", {.width = 3, .height = -2, .pixels = px(24)}, std::nullopt, Place{40, 24}, 0, 24, 24},
        {"WrongSizeImageKept", {.width = 3, .height = 2, .sizeImage = 5, .pixels = px(24)}, std::nullopt,
         Place{40, 5}, 0, 5, 5},
        // bfOffBits is never used: the gap bytes open the data region.
        {"GapBytesLeadData", {.offBits = 64, .width = 3, .height = 2, .pixels = px(34)}, std::nullopt,
         Place{40, 24}, 0, 24, 24},
        {"DataCutAtFileEnd", {.width = 3, .height = 2, .pixels = px(10)}, std::nullopt, Place{40, 10}, 0, 24, 24},
        {"DataStartsAtFileEnd", {.width = 2, .height = 2, .bitCount = 8, .palette = pal(1024)}, Place{40, 1024},
         std::nullopt, 256, 8, 8},
        {"PaletteCut", {.width = 2, .height = 2, .bitCount = 8, .palette = pal(100)}, Place{40, 100},
         std::nullopt, 256, 8, 8},
        {"HeadersOnly", {}, std::nullopt, std::nullopt, 0, 4, 4},
        {"ZeroBits", {.bitCount = 0, .sizeImage = 4, .pixels = px(4)}, std::nullopt, Place{40, 4}, 0, 4, 4},
        {"Rgb32", {.bitCount = 32, .pixels = px(4)}, std::nullopt, Place{40, 4}, 0, 4, 4},
        // A 12-byte header: the palette starts inside the 40 bytes read as the info header and
        // shows the file's own bytes there (biClrUsed still 0), not the filled-in copy.
        {"ShortHeaderOverlapsPalette",
         {.infoSize = 12, .width = 2, .height = 2, .bitCount = 8, .palette = pal(1024), .pixels = px(8)},
         Place{12, 1024}, Place{1036, 8}, 256, 8, 8},
        // Offsets past 4 GiB must not wrap round into the file.
        {"HugeInfoSize", {.infoSize = 0xFFFFFC00u, .bitCount = 8, .pixels = px(2000)}, std::nullopt,
         std::nullopt, 256, 4, 4},
        {"HugeClrUsed", {.clrUsed = 0x40000000u, .pixels = px(100)}, Place{40, 100}, std::nullopt,
         0x40000000u, 4, 4},
        {"HugeDimensions", {.width = 0x7FFFFFFF, .height = 0x7FFFFFFF, .bitCount = 32, .pixels = px(16)},
         std::nullopt, Place{40, 16}, 0, 0xFFFFFFFFu, kHugeImage},
    };
}

INSTANTIATE_TEST_SUITE_P(Cases, DibLoadTest, ::testing::ValuesIn(LoadCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DibColorCount, ByBitCountWhenClrUsedIsZero)
{
    const std::vector<std::pair<std::uint16_t, std::uint32_t>> table{
        {0, 0}, {1, 2}, {2, 4}, {3, 8}, {4, 16}, {5, 32}, {6, 64}, {7, 128}, {8, 256},
        {9, 0}, {16, 0}, {24, 0}, {32, 0}, {0xFFFF, 0}};
    for (const auto& [bits, count] : table) {
        EXPECT_EQ(CDib::ColorCountFor({.biBitCount = bits}), count) << bits << " bits";
        EXPECT_EQ(CDib::ColorCountFor({.biBitCount = bits, .biClrUsed = 3}), 3u) << bits << " bits";
    }
}

TEST(DibImageSize, NegativeWidthAndSaturation)
{
    EXPECT_EQ(CDib::ImageSizeFor({.biWidth = -3, .biHeight = 2, .biBitCount = 24}), 24u);
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(CDib::ImageSizeFor({.biWidth = kMin, .biHeight = kMin, .biBitCount = 0xFFFF}),
              std::numeric_limits<std::uint64_t>::max());
}

TEST_F(DibTest, ReadsEveryHeaderFieldLittleEndian)
{
    const BitmapFields bitmap{.fileSize = 0x01020304, .reserved1 = 0xA1B2, .reserved2 = 0xC3D4, .offBits = 0x0A0B0C0D,
                       .width = -5, .height = 0x11223344, .planes = 0x5566, .bitCount = 24,
                       .compression = 0x8899AABB, .sizeImage = 0x12345678, .xPelsPerMeter = -2,
                       .yPelsPerMeter = 0x7EADBEEF, .clrUsed = 1, .clrImportant = 0xCAFEF00D,
                       .palette = NoisyBytes(4), .pixels = NoisyBytes(30)};
    const auto file = LoadOk(bitmap);
    const BitmapFileHeader fh = dib.GetFileHeader();
    EXPECT_EQ(std::tuple(fh.bfType, fh.bfSize, fh.bfReserved1, fh.bfReserved2, fh.bfOffBits),
              std::tuple(0x4D42, 0x01020304u, 0xA1B2, 0xC3D4, 0x0A0B0C0Du));
    const BitmapInfoHeader ih = dib.GetInfoHeader();
    EXPECT_EQ(std::tuple(ih.biSize, ih.biWidth, ih.biHeight, ih.biPlanes, ih.biBitCount, ih.biCompression),
              std::tuple(40u, -5, 0x11223344, 0x5566, 24, 0x8899AABBu));
    EXPECT_EQ(std::tuple(ih.biSizeImage, ih.biXPelsPerMeter, ih.biYPelsPerMeter, ih.biClrUsed, ih.biClrImportant),
              std::tuple(0x12345678u, -2, 0x7EADBEEF, 1u, 0xCAFEF00Du));
    EXPECT_EQ(std::pair(dib.GetWidth(), dib.GetHeight()), std::pair(-5, 0x11223344));
    // Nothing to fill in here, so both copies are the file's bytes.
    EXPECT_TRUE(std::equal(dib.GetFileHeaderBytes().begin(), dib.GetFileHeaderBytes().end(), file.begin()));
    EXPECT_TRUE(std::equal(dib.GetInfoHeaderBytes().begin(), dib.GetInfoHeaderBytes().end(), file.begin() + 14));
}

TEST_F(DibTest, SecondLoadReplacesEveryRegion)
{
    LoadOk({.width = 2, .height = 2, .bitCount = 8, .palette = NoisyBytes(1024, 3), .pixels = NoisyBytes(8, 4)},
           "first.bmp");
    const auto second = LoadOk({.width = 3, .height = 2, .pixels = NoisyBytes(24, 5)}, "second.bmp");
    EXPECT_EQ(dib.GetFileName(), (dir.path() / "second.bmp").string());
    ExpectRegion(dib.PaletteBytes(), second, std::nullopt);
    ExpectRegion(dib.DataBytes(), second, Place{40, 24});
    EXPECT_EQ(dib.GetBufferSize(), second.size() - 14);
    EXPECT_EQ(dib.GetColorCount(), 0u);
    EXPECT_EQ(dib.GetFileHeader().bfSize, second.size());
}

TEST_F(DibTest, KeepsPathsLongerThan255Bytes)
{
    const std::string folder = std::string(100, 'a') + "/" + std::string(100, 'b') + "/" + std::string(100, 'c');
    std::filesystem::create_directories(dir.path() / folder);
    const std::string path = dir.Write(folder + "/picture.bmp", BuildBitmap({.pixels = NoisyBytes(4)}));
    ASSERT_GT(path.size(), 255u);
    ASSERT_TRUE(dib.LoadFile(path)) << dib.LastError();
    EXPECT_EQ(dib.GetFileName(), path);
}

// A refused load must leave the previous picture exactly as it was.
struct RefusalCase {
    const char* name;
    std::optional<std::vector<std::uint8_t>> bytes;  // nullopt: the path is not written
    bool folder = false;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class DibRefusalTest : public DibTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(DibRefusalTest, KeepsThePreviousLoad)
{
    const auto good = LoadOk({.width = 2, .height = 2, .bitCount = 8, .palette = NoisyBytes(1024),
                              .pixels = NoisyBytes(8, 9)},
                             "good.bmp");
    const std::string name = dib.GetFileName();
    const FileHeaderBytes fileHeader = dib.GetFileHeaderBytes();
    const InfoHeaderBytes infoHeader = dib.GetInfoHeaderBytes();
    const ByteSpan palette = dib.PaletteBytes();
    const ByteSpan data = dib.DataBytes();
    const std::uint64_t bufferSize = dib.GetBufferSize();

    const RefusalCase& c = GetParam();
    const std::string path = (dir.path() / "bad.bmp").string();
    if (c.folder)
        std::filesystem::create_directory(path);
    else if (c.bytes)
        dir.Write("bad.bmp", *c.bytes);

    EXPECT_FALSE(dib.LoadFile(path));
    EXPECT_FALSE(dib.IsLoaded());
    EXPECT_FALSE(dib.LastError().Empty());
    EXPECT_EQ(dib.GetFileName(), name);
    EXPECT_EQ(dib.GetFileHeaderBytes(), fileHeader);
    EXPECT_EQ(dib.GetInfoHeaderBytes(), infoHeader);
    EXPECT_EQ(dib.GetBufferSize(), bufferSize);
    ASSERT_EQ(dib.GetPalette(), palette.data());
    ASSERT_EQ(dib.GetData(), data.data());
    ExpectRegion(dib.PaletteBytes(), good, Place{40, 1024});  // still readable, still the same bytes
    ExpectRegion(dib.DataBytes(), good, Place{1064, 8});

    EXPECT_TRUE(dib.LoadFile(name));
    EXPECT_TRUE(dib.IsLoaded());
}

std::vector<RefusalCase> RefusalCases()
{
    auto notBm = BuildBitmap({.pixels = NoisyBytes(4)});
    notBm[1] = 'A';
    auto short53 = BuildBitmap({});
    short53.pop_back();
    return {
        {"Missing", std::nullopt},
        {"Folder", std::nullopt, true},
        {"Empty", std::vector<std::uint8_t>{}},
        {"Short53Bytes", short53},
        {"NotBM", notBm},
    };
}

INSTANTIATE_TEST_SUITE_P(Cases, DibRefusalTest, ::testing::ValuesIn(RefusalCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace hexlume

namespace hexlume {
namespace {

// A file truncated between the size query and the read: only the bytes delivered are shown.
TEST(DibShrinkingFile, RegionsEndAtTheBytesActuallyRead)
{
    const auto file = BuildBitmap({.width = 4, .height = 4, .bitCount = 8, .palette = NoisyBytes(1024),
                                   .pixels = NoisyBytes(16, 9)});
    const std::size_t delivered = 14 + 40 + 600;  // the file lost its last 440 palette bytes and all pixels
    CDib dib;
    testing::ShrinkingStream stream(std::vector<char>(file.begin(), file.begin() + delivered), file.size());
    ASSERT_TRUE(dib.LoadStream(stream, "shrunk.bmp")) << dib.LastError();
    EXPECT_EQ(dib.GetBufferSize(), delivered - 14);
    ExpectRegion(dib.PaletteBytes(), file, Place{40, 600});
    EXPECT_EQ(dib.GetData(), nullptr);
    EXPECT_EQ(dib.GetImageSize(), 16u);  // what the header claims is still shown as claimed

    testing::ShrinkingStream gone(std::vector<char>(file.begin(), file.begin() + 30), file.size());
    EXPECT_FALSE(dib.LoadStream(gone, "gone.bmp"));
    EXPECT_EQ(dib.GetFileName(), "shrunk.bmp");  // the refused load kept the previous file
}

}  // namespace
}  // namespace hexlume
