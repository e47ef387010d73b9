#include "texts/FileNamePart.h"
#include "texts/StatusTexts.h"

#include <gtest/gtest.h>

#include <limits>

namespace hexlume {
namespace {

using Status = std::array<std::string, kStatusPanelCount>;

TEST(StatusTexts, NameSizeAndType)
{
    EXPECT_EQ(StatusEnglish(StatusTexts("flower.bmp", 0x4D42, 100, 100)),
              (Status{"图像名称:flower.bmp", "图像大小:100×100", "图像类型:Bmp"}));
    EXPECT_EQ(StatusEnglish(StatusTexts("x", 0x4142, 100, -100)),
              (Status{"图像名称:x", "图像大小:100×-100", "图像类型:Unknown"}));
    EXPECT_EQ(StatusTexts("", 0x424D, std::numeric_limits<std::int32_t>::min(), 0)[1],
              "图像大小:-2147483648×0");
    EXPECT_EQ(StatusTexts("", 0x424D, 1, 1)[2], "图像类型:Unknown");
}

TEST(StatusTexts, CaptionsAndPanelWidth)
{
    EXPECT_EQ(kStatusCaptions[0], "图像名称");
    EXPECT_EQ(kStatusCaptions[1], "图像大小");
    EXPECT_EQ(kStatusCaptions[2], "图像类型");
    EXPECT_EQ(StatusPanelWidth(570, 3), 190);
    EXPECT_EQ(StatusPanelWidth(572, 3), 190);
    EXPECT_EQ(StatusPanelWidth(100, 1), 100);
}

TEST(FileNamePart, Posix)
{
    const std::pair<const char*, const char*> table[] = {
        {"/home/u/flower.bmp", "flower.bmp"}, {"flower.bmp", "flower.bmp"}, {"/flower.bmp", "flower.bmp"},
        {"dir/", ""}, {"a\\b.bmp", "a\\b.bmp"}, {"C:x.bmp", "C:x.bmp"}, {"", ""}};
    for (const auto& [path, name] : table)
        EXPECT_EQ(NamePartPosix(path), name) << path;
    EXPECT_EQ(NamePart("/tmp/a.bmp"), "a.bmp");
}

TEST(FileNamePart, WindowsCodePage936)
{
    const std::pair<const char*, const char*> table[] = {
        {"C:\\dir\\flower.bmp", "flower.bmp"},
        {"C:flower.bmp", "flower.bmp"},
        {"C:/dir/flower.bmp", "flower.bmp"},
        {"flower.bmp", "flower.bmp"},
        {"", ""},
        {"dir\\", ""},
        // 0x5C after a lead byte is the second half of a character, not a backslash.
        {"C:\\dir\\\x81\x5C.bmp", "\x81\x5C.bmp"},
        {"C:\\dir\\\xFE\x5C\\a.bmp", "a.bmp"},
        {"\xD6\x5C\xCE\xC4.bmp", "\xD6\x5C\xCE\xC4.bmp"},
        // 0x80 and 0xFF are no lead bytes, so the backslash after them separates.
        {"\x80\\a.bmp", "a.bmp"},
        {"\xFF\\a.bmp", "a.bmp"},
        // A lead byte pairs with the byte after it only: the next backslash separates again.
        {"\x81\x41\\b.bmp", "b.bmp"},
    };
    for (const auto& [path, name] : table)
        EXPECT_EQ(NamePartWindows(path), name) << path;
}

}  // namespace
}  // namespace hexlume
