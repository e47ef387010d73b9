// Writes the fuzzers' seed bitmaps into the folder given: the shapes the tests use, each a
// starting point the fuzzer mutates (palettes, short headers, top-down, claims past the end).

#include "format/BitmapFormat.h"
#include "testsupport/BmpBuilder.h"
#include "testsupport/IconBuilder.h"
#include "testsupport/ProfileBuilder.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using hexlume::testing::BitmapFields;
using hexlume::testing::BuildBitmap;
using hexlume::testing::CountingBytes;

// What follows the 40 bytes the builder writes of a 64-byte header (all 0), then a black and
// white colour table.
std::vector<std::uint8_t> Os2HeaderRestAndTable()
{
    std::vector<std::uint8_t> bytes(24, 0);
    bytes.insert(bytes.end(), {0, 0, 0, 0, 255, 255, 255, 0});
    return bytes;
}

bool WriteSeed(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

std::vector<std::pair<std::string, BitmapFields>> Seeds()
{
    return {
        {"rgb24-2x2", {.width = 2, .height = 2, .sizeImage = 16, .xPelsPerMeter = 2834, .yPelsPerMeter = 2834,
                       .palette = {}, .pixels = {0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0}}},
        {"pal8-count-filled", {.width = 4, .height = 4, .bitCount = 8, .palette = CountingBytes(1024),
                               .pixels = CountingBytes(16)}},
        {"pal1", {.width = 10, .height = 10, .bitCount = 1, .palette = {0, 0, 0, 0, 255, 255, 255, 0},
                  .pixels = CountingBytes(40)}},
        {"pal4-used3", {.width = 5, .height = 3, .bitCount = 4, .clrUsed = 3, .palette = CountingBytes(12),
                        .pixels = CountingBytes(12)}},
        {"os2-core-header", {.infoSize = 12, .width = 2, .height = 2, .bitCount = 8, .palette = CountingBytes(64),
                             .pixels = CountingBytes(8)}},
        {"top-down", {.width = 3, .height = -2, .palette = {}, .pixels = CountingBytes(24)}},
        {"claims-past-end", {.width = 100000, .height = 100000, .bitCount = 32, .clrUsed = 0xFFFFFFFF,
                             .palette = CountingBytes(20), .pixels = {}}},
        // 8 x 2 under a 64-byte OS/2 2.x header: end-of-line codes and runs of both colours.
        {"os2-huffman", {.infoSize = 64, .width = 8, .height = 2, .bitCount = 1, .compression = 3,
                         .palette = Os2HeaderRestAndTable(),
                         .pixels = {0x00, 0x18, 0xE0, 0x00, 0x4D, 0x45, 0x00, 0x10}}},
        {"tall-stack", {.width = 100, .height = 400, .bitCount = 8, .palette = CountingBytes(1024),
                        .pixels = CountingBytes(40000)}},
    };
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    for (const auto& [name, fields] : Seeds())
        if (!WriteSeed(folder + "/" + name + ".bmp", BuildBitmap(fields)))
            return 1;
    // An ICC profile for the fuzzer to damage: its header, tag table and the tags lcms2 reads.
    const std::vector<std::uint8_t> profile = hexlume::testing::BuildDisplayProfile(u"seed");
    if (!WriteSeed(folder + "/v5-profile.bmp", hexlume::testing::BuildV5WithProfile(hexlume::format::kProfileEmbedded, profile)))
        return 1;
    // An icon of a 1-bit and a 24-bit image, and the same directory as a cursor's.
    using hexlume::testing::IconDib;
    const std::vector<hexlume::testing::IconImageEntry> images = {
        {.image = IconDib(2, 2, 1, std::vector<std::uint8_t>(8, 0xFF), std::vector<std::uint8_t>(8, 0x40),
                          std::vector<std::uint8_t>(8, 0x80)),
         .width = 2, .height = 2, .planes = 1, .bitCount = 1},
        {.image = IconDib(2, 2, 24, {}, std::vector<std::uint8_t>(16, 0x7F), std::vector<std::uint8_t>(8, 0x40)),
         .width = 2, .height = 2, .planes = 1, .bitCount = 24},
    };
    return WriteSeed(folder + "/icon.bmp", hexlume::testing::BuildIconFile(1, images)) &&
                   WriteSeed(folder + "/cursor.bmp", hexlume::testing::BuildIconFile(2, images))
               ? 0
               : 1;
}
