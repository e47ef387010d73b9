#include "io/ExportWriter.h"
#include "texts/RegionText.h"
#include "testsupport/BmpBuilder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace hexlume {
namespace {

using testing::CountingBytes;
using testing::ReadFileBytes;

std::string ReadText(const std::filesystem::path& path)
{
    const auto bytes = ReadFileBytes(path);
    return {bytes.begin(), bytes.end()};
}

class ExportWriterTest : public ::testing::Test {
protected:
    std::string PathOf(const std::string& name) const { return (dir.path() / name).string(); }
    testing::TempDir dir;
};

TEST_F(ExportWriterTest, LinesEndInCrCrLf)
{
    const std::string line = "00  01  02  03  04  05  06  07  08  09  0A  0B  0C  0D  0E  0F\r\r\n";
    const struct {
        std::size_t bytes;
        std::string text;
    } table[] = {{0, ""}, {1, "00  "}, {16, line}, {17, line + "10  "}};
    for (const auto& row : table) {
        const ExportResult result = WriteDataExport(CountingBytes(row.bytes), PathOf("out.txt"));
        EXPECT_TRUE(result.ok) << result.reason;
        EXPECT_EQ(ReadText(PathOf("out.txt")), row.text) << row.bytes << " bytes";
    }
    EXPECT_EQ(line.size(), 65u);
}

TEST_F(ExportWriterTest, TruncatesAnExistingFile)
{
    dir.Write("old.txt", CountingBytes(5000));
    ASSERT_TRUE(WriteDataExport(CountingBytes(17), PathOf("old.txt")).ok);
    EXPECT_EQ(std::filesystem::file_size(PathOf("old.txt")), 69u);
}

TEST_F(ExportWriterTest, LargeRegionWrittenWhole)
{
    const auto data = CountingBytes(16384 * 16 * 2 + 5, 1);  // more than one streamed piece
    ASSERT_TRUE(WriteDataExport(data, PathOf("big.txt")).ok);
    EXPECT_TRUE(ReadText(PathOf("big.txt")) == RegionText(data, kExportLineEnd));
}

TEST_F(ExportWriterTest, FailuresAreReported)
{
    std::filesystem::create_directory(PathOf("folder"));
    for (const std::string& path : {PathOf("folder"), PathOf("missing/out.txt")}) {
        const ExportResult result = WriteDataExport(CountingBytes(16), path);
        EXPECT_FALSE(result.ok) << path;
        EXPECT_FALSE(result.reason.Empty()) << path;
    }
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full to simulate a full disk";
    // Small and large: a small text only fails when the buffer is flushed on closing.
    for (const std::size_t size : {std::size_t{16}, std::size_t{200000}}) {
        const ExportResult result = WriteDataExport(CountingBytes(size), "/dev/full");
        EXPECT_FALSE(result.ok) << size << " bytes";
        EXPECT_FALSE(result.reason.Empty()) << size << " bytes";
    }
}

TEST(ExportFileName, AppendsTxt)
{
    EXPECT_EQ(ExportFileName("flower.bmp"), "flower.bmp.txt");
    EXPECT_EQ(ExportFileName("/a/b.c/pic"), "/a/b.c/pic.txt");
}

}  // namespace
}  // namespace hexlume
