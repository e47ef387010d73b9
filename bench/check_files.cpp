// Writes the inputs of bench/check_bench.sh:
//   hexlume_check_files small FOLDER COUNT   COUNT small bitmaps of a few kinds, 1 to 12 KiB each
//   hexlume_check_files large FILE MIB       one 8-bit bitmap of MIB MiB of pixel data, its
//                                            16-entry colour table making the check read
//                                            every index

#include "testsupport/BmpBuilder.h"

#include <charconv>
#include <cstdio>
#include <exception>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

using hexlume::testing::BitmapFields;

std::uint64_t Number(std::string_view text)
{
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value == 0)
        throw std::invalid_argument("not a positive number: " + std::string(text));
    return value;
}

// Kind i % 4: 24-bit 32x32, 8-bit 64x48 with a full table, 4-bit 48x48, 1-bit 96x96.
BitmapFields Kind(std::uint64_t i)
{
    struct Shape {
        std::int32_t width, height;
        std::uint16_t bitCount;
    };
    constexpr Shape kShapes[] = {{32, 32, 24}, {64, 48, 8}, {48, 48, 4}, {96, 96, 1}};
    const Shape shape = kShapes[i % 4];
    const std::size_t stride = (static_cast<std::size_t>(shape.width) * shape.bitCount + 31) / 32 * 4;
    BitmapFields fields;
    fields.width = shape.width;
    fields.height = shape.height;
    fields.bitCount = shape.bitCount;
    if (shape.bitCount <= 8)
        fields.palette = hexlume::testing::CountingBytes(std::size_t{4} << shape.bitCount, static_cast<std::uint8_t>(i));
    fields.pixels = hexlume::testing::CountingBytes(stride * static_cast<std::size_t>(shape.height),
                                                    static_cast<std::uint8_t>(i * 7));
    // Row padding must be zero for a clean verdict.
    const std::size_t used = (static_cast<std::size_t>(shape.width) * shape.bitCount + 7) / 8;
    for (std::size_t row = 0; row < static_cast<std::size_t>(shape.height); ++row)
        for (std::size_t at = used; at < stride; ++at)
            fields.pixels[row * stride + at] = 0;
    return fields;
}

void WriteSmall(const std::string& folder, std::uint64_t count)
{
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::vector<std::uint8_t> bytes = hexlume::testing::BuildBitmap(Kind(i));
        char name[32];
        std::snprintf(name, sizeof name, "/%06llu.bmp", static_cast<unsigned long long>(i));
        std::ofstream out(folder + name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out)
            throw std::runtime_error("cannot write " + folder + name);
    }
}

void WriteLarge(const std::string& path, std::uint64_t mib)
{
    constexpr std::int32_t kWidth = 8192;  // a multiple of 4: rows without padding
    constexpr std::uint32_t kColors = 16;
    const std::uint64_t imageSize = mib * 1048576;
    BitmapFields fields;
    fields.width = kWidth;
    fields.height = static_cast<std::int32_t>(imageSize / kWidth);
    fields.bitCount = 8;
    fields.clrUsed = kColors;
    fields.palette = hexlume::testing::CountingBytes(4 * kColors);
    fields.sizeImage = static_cast<std::uint32_t>(imageSize);
    fields.offBits = 14 + 40 + 4 * kColors;
    fields.fileSize = static_cast<std::uint32_t>(fields.offBits + imageSize);
    const std::vector<std::uint8_t> headers = hexlume::testing::BuildBitmap(fields);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(headers.data()), static_cast<std::streamsize>(headers.size()));
    // Pseudo-random indices into the table (xorshift64), a MiB at a time.
    std::vector<char> piece(1048576);
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
    for (std::uint64_t written = 0; written < imageSize && out; written += piece.size()) {
        for (char& byte : piece) {
            state ^= state << 13;
            state ^= state >> 7;
            state ^= state << 17;
            byte = static_cast<char>(state % kColors);
        }
        out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
    }
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        const std::string_view what = argc == 4 ? argv[1] : "";
        if (what == "small") {
            WriteSmall(argv[2], Number(argv[3]));
        } else if (what == "large") {
            WriteLarge(argv[2], Number(argv[3]));
        } else {
            std::fputs("usage: hexlume_check_files small FOLDER COUNT | large FILE MIB\n", stderr);
            return 2;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "hexlume_check_files: %s\n", error.what());
        return 1;
    }
    return 0;
}
