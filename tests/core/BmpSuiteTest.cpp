#include "format/NumberText.h"
#include "texts/DumpPane.h"
#include "texts/HeaderTexts.h"
#include "texts/RegionText.h"
#include "model/Dib.h"
#include "testsupport/BmpBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace hexlume {
namespace {

constexpr int kLineHeight = 16;

std::uint32_t ParseHex(const std::string& text)
{
    return static_cast<std::uint32_t>(std::stoul(text, nullptr, 16));
}

// Regions worked out from the raw file: palette right after the info header, data right
// after the palette, both cut at the end of the file.
void CheckRegions(const CDib& dib, const std::vector<std::uint8_t>& file)
{
    const std::uint64_t buffer = file.size() - kFileHeaderBytes;
    ASSERT_EQ(dib.GetBufferSize(), buffer);
    const std::uint32_t biSize = Le32At(file, 14);
    const std::uint16_t bits = Le16At(file, 28);
    const std::uint32_t stored = Le32At(file, 46);
    const std::uint64_t count = stored != 0 ? stored : (bits >= 1 && bits <= 8 ? 1u << bits : 0);
    const std::uint64_t width = std::llabs(static_cast<std::int32_t>(Le32At(file, 18)));
    const std::uint64_t height = std::llabs(static_cast<std::int32_t>(Le32At(file, 22)));
    const std::uint64_t storedImage = Le32At(file, 34);
    const std::uint64_t image = storedImage != 0 ? storedImage : (width * bits + 31) / 32 * 4 * height;

    const auto expect = [&](ByteSpan region, bool present, std::uint64_t at, std::uint64_t claimed) {
        if (!present || at >= buffer) {
            EXPECT_EQ(region.data(), nullptr);
            EXPECT_EQ(region.size(), 0u);
            return;
        }
        ASSERT_EQ(region.size(), std::min(claimed, buffer - at));
        EXPECT_TRUE(std::equal(region.begin(), region.end(), file.begin() + static_cast<std::ptrdiff_t>(14 + at)));
    };
    expect(dib.PaletteBytes(), count != 0, biSize, count * 4);
    expect(dib.DataBytes(), true, biSize + count * 4, image);
    if (dib.GetPalette() != nullptr && dib.GetData() != nullptr) {
        EXPECT_EQ(static_cast<std::uint64_t>(dib.GetData() - dib.GetPalette()), count * 4);
    }

    EXPECT_EQ(dib.GetColorCount(), count);
    EXPECT_EQ(dib.GetImageSize(), image);
}

// The header cells read back as the model's values.
void CheckHeaderTexts(const CDib& dib)
{
    const BitmapFileHeader fh = dib.GetFileHeader();
    const auto file = FileHeaderValueTexts(fh);
    // An OS/2 bitmap array loads too: its "BA" has no special text.
    EXPECT_EQ(file[0], fh.bfType == kBitmapSignature ? std::string(kBitmapTypeText) : format::HexDigits(fh.bfType, 2));
    EXPECT_EQ(ParseHex(file[1]), fh.bfSize);
    EXPECT_EQ(ParseHex(file[2]), fh.bfReserved1);
    EXPECT_EQ(ParseHex(file[3]), fh.bfReserved2);
    EXPECT_EQ(ParseHex(file[4]), fh.bfOffBits);
    const BitmapInfoHeader ih = dib.GetInfoHeader();
    const std::array<std::uint32_t, 11> values{ih.biSize, static_cast<std::uint32_t>(ih.biWidth),
        static_cast<std::uint32_t>(ih.biHeight), ih.biPlanes, ih.biBitCount, ih.biCompression, ih.biSizeImage,
        static_cast<std::uint32_t>(ih.biXPelsPerMeter), static_cast<std::uint32_t>(ih.biYPelsPerMeter),
        ih.biClrUsed, ih.biClrImportant};
    const auto info = InfoHeaderValueTexts(ih);
    for (std::size_t row = 0; row < values.size(); ++row)
        EXPECT_EQ(ParseHex(info[row]), values[row]) << kInfoHeaderFields[row].name;
}

// Memo texts, heights and the line numbers agree with the byte counts.
void CheckPane(const CDib& dib)
{
    const DumpPaneView view = DescribeDumpPane(dib, kLineHeight);
    std::int64_t top = 0;
    std::int64_t uncut = 0;
    for (std::size_t m = 0; m < kMemoCount; ++m) {
        const MemoView& memo = view.memos[m];
        SCOPED_TRACE(memo.name);
        const std::string text = MemoText(memo);
        const std::uint64_t lines = memo.bytes ? LineCount(memo.bytes->size()) : 1;
        if (memo.bytes) {
            EXPECT_EQ(text.size(), RegionTextSize(memo.bytes->size()));
            const auto ends = static_cast<std::uint64_t>(std::count(text.begin(), text.end(), '\n'));
            EXPECT_EQ(ends, memo.bytes->size() / kBytesPerLine);
        } else {
            EXPECT_EQ(text, memo.absentText);
        }
        EXPECT_EQ(memo.placement.top, top);
        if (m != kDataMemo || !view.prompt) {
            EXPECT_EQ(memo.placement.height, static_cast<std::int64_t>(lines) * kLineHeight);
            EXPECT_EQ(memo.placement.linesShown, lines);
        }
        const std::string shown = MemoShownText(memo);
        EXPECT_EQ(text.compare(0, shown.size(), shown), 0);
        top += memo.placement.height;
        uncut += static_cast<std::int64_t>(lines) * kLineHeight;
    }
    EXPECT_EQ(view.prompt, uncut > kMaxStackHeight);
    EXPECT_EQ(view.numbersHeight, top);
    EXPECT_EQ(view.numberCount, static_cast<std::uint64_t>(top / kLineHeight));
}

class BmpSuiteTest : public ::testing::TestWithParam<const char*> {};

TEST_P(BmpSuiteTest, EveryFileLoadsOrIsRefused)
{
    const std::filesystem::path suite = testing::BmpSuiteDir();
    if (suite.empty())
        GTEST_SKIP() << "bmpsuite not found";
    const std::string folder = GetParam();
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(suite / folder))
        if (entry.path().extension() == ".bmp")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    ASSERT_FALSE(files.empty());

    CDib dib;
    for (const auto& path : files) {
        SCOPED_TRACE(path.filename().string());
        if (!dib.LoadFile(path.string())) {
            EXPECT_NE(folder, "g") << "a good file refused: " << dib.LastError();
            EXPECT_FALSE(dib.LastError().Empty());
            continue;
        }
        const auto file = testing::ReadFileBytes(path);
        CheckRegions(dib, file);
        CheckHeaderTexts(dib);
        CheckPane(dib);
    }
}

INSTANTIATE_TEST_SUITE_P(Folders, BmpSuiteTest, ::testing::Values("g", "q", "x"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace hexlume
