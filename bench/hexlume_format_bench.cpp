// hexlume_format_bench: the checks' pass over the pixel data of big bitmaps held in memory. The bytes
// per second are bytes of pixel data.
//
//   BM_CheckIndexed8   512 MiB of 8-bit pixels with a 200-entry table, so every index is scanned
//   BM_CheckRle8       a 512 MiB RLE8 stream of literals and runs, walked code by code
//   BM_RleExtent       where that stream ends, as the header reader finds it once per open
//   BM_DescribeByte    what one byte is, as a window asks on every pointer move
//   BM_DrawRegion      an 800 x 600 view of the 512 MiB picture at 1/32, 1, 8 and 64 times, as the
//                      picture window draws on every paint, zoom and pan step

#include "format/ByteDescription.h"
#include "format/Decoder.h"
#include "format/Findings.h"
#include "format/RleStream.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

using namespace hexlume::format;

constexpr std::uint32_t kColors = 200;
constexpr std::uint32_t kHeaders = 14 + 40 + kColors * 4;
constexpr std::int32_t kWidth = 16384;

void PutLe(std::vector<std::uint8_t>& out, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// The file and info headers and a grey colour table of kColors entries.
std::vector<std::uint8_t> Headers(std::uint32_t compression, std::int32_t height, std::uint64_t pixelBytes)
{
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    PutLe(out, kHeaders + pixelBytes, 4);
    PutLe(out, 0, 4);
    PutLe(out, kHeaders, 4);
    for (const std::uint64_t value : {40, kWidth})
        PutLe(out, value, 4);
    PutLe(out, static_cast<std::uint32_t>(height), 4);
    PutLe(out, 1, 2);
    PutLe(out, 8, 2);
    for (const std::uint64_t value : {std::uint64_t{compression}, pixelBytes, std::uint64_t{2835}, std::uint64_t{2835},
                                      std::uint64_t{kColors}, std::uint64_t{0}})
        PutLe(out, value, 4);
    for (std::uint32_t i = 0; i < kColors; ++i)
        PutLe(out, i * 0x010101u, 4);
    return out;
}

const std::vector<std::uint8_t>& Indexed8()
{
    static const std::vector<std::uint8_t> bytes = [] {
        constexpr std::int32_t height = 32768;  // 16384 x 32768 = 512 MiB, no padding
        const std::uint64_t size = std::uint64_t{kWidth} * height;
        std::vector<std::uint8_t> file = Headers(0, height, size);
        file.resize(kHeaders + size);
        for (std::uint64_t i = 0; i < size; ++i)
            file[kHeaders + i] = static_cast<std::uint8_t>(i * 7 % kColors);
        return file;
    }();
    return bytes;
}

// Each row: 64 pieces of a 64-pixel literal and a 192-pixel run, then the end of the line.
const std::vector<std::uint8_t>& Rle8()
{
    static const std::vector<std::uint8_t> bytes = [] {
        std::vector<std::uint8_t> row;
        for (int piece = 0; piece < 64; ++piece) {
            row.insert(row.end(), {0, 64});
            for (int pixel = 0; pixel < 64; ++pixel)
                row.push_back(static_cast<std::uint8_t>((piece + pixel) % kColors));
            row.insert(row.end(), {192, static_cast<std::uint8_t>(piece)});
        }
        row.insert(row.end(), {0, 0});
        const std::int32_t height = static_cast<std::int32_t>((std::uint64_t{512} << 20) / row.size());
        const std::uint64_t size = row.size() * static_cast<std::uint64_t>(height) + 2;
        std::vector<std::uint8_t> file = Headers(kBiRle8, height, size);
        file.reserve(kHeaders + size);
        for (std::int32_t i = 0; i < height; ++i)
            file.insert(file.end(), row.begin(), row.end());
        file.insert(file.end(), {0, 1});
        return file;
    }();
    return bytes;
}

void RunCheck(benchmark::State& state, const std::vector<std::uint8_t>& file)
{
    const Bytes bytes(file);
    const Layout layout = ReadLayout(bytes);
    for (auto _ : state) {
        const std::vector<Finding> findings = CheckBitmap(layout, bytes);
        benchmark::DoNotOptimize(findings.data());
        if (findings.size() > 2)  // the short-table note, nothing else
            state.SkipWithError("unexpected findings");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * (file.size() - kHeaders)));
}

void BM_CheckIndexed8(benchmark::State& state)
{
    RunCheck(state, Indexed8());
}

void BM_CheckRle8(benchmark::State& state)
{
    RunCheck(state, Rle8());
}

void BM_RleExtent(benchmark::State& state)
{
    const Bytes bytes(Rle8());
    for (auto _ : state)
        benchmark::DoNotOptimize(RleStreamEnd(bytes, PixelEncoding::Rle8, kHeaders));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * (bytes.size() - kHeaders)));
}

void BM_DescribeByte(benchmark::State& state)
{
    const Bytes bytes(Indexed8());
    const Layout layout = ReadLayout(bytes);
    std::uint64_t offset = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(DescribeByte(layout, offset));
        offset = (offset + 4099) % bytes.size();
    }
}

void BM_DrawRegion(benchmark::State& state)
{
    const Bytes bytes(Indexed8());
    const BitmapFormat format = ReadBitmapFormat(bytes);
    const double scale = static_cast<double>(state.range(0)) / 32;  // the argument is 32 times the scale
    const auto columns = std::min<std::uint64_t>(static_cast<std::uint64_t>(800 / scale), format.columns - 1);
    const auto rows = static_cast<std::uint64_t>(600 / scale);
    std::uint64_t x = 0;
    for (auto _ : state) {
        const PictureRegion region{.x = x, .y = x / 2, .width = columns, .height = rows};
        benchmark::DoNotOptimize(DecodePictureRegion(bytes, format, region, 800, 600, false));
        x = (x + 37) % (format.columns - columns);  // panning
    }
}

}  // namespace

BENCHMARK(BM_DrawRegion)->Arg(1)->Arg(32)->Arg(256)->Arg(2048)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckIndexed8)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_CheckRle8)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_RleExtent)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_DescribeByte);

BENCHMARK_MAIN();
