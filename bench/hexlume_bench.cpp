// hexlume_bench: loading a 64 MB bitmap, building its dump text, exporting it and finding bytes in it.
//
// The bitmap is generated once into a fresh temporary folder on first use and the folder is
// removed when the run ends, so nothing is needed beforehand and nothing is left behind.

#include "io/ExportWriter.h"
#include "model/ByteSearch.h"
#include "texts/DumpQuery.h"
#include "texts/RegionText.h"
#include "model/Dib.h"
#include "primitives/Arithmetic.h"
#include "testsupport/BmpBuilder.h"

#include <benchmark/benchmark.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace {

using namespace hexlume;
namespace fs = std::filesystem;

// 5461 × 4096 pixels at 24 bits: rows of 16383 bytes padded to 16384, so the pixel data is
// exactly 64 MiB.
constexpr std::int32_t kWidth = 5461;
constexpr std::int32_t kHeight = 4096;
constexpr std::uint32_t kImageSize = static_cast<std::uint32_t>(RowStride(kWidth, 24) * kHeight);
constexpr std::uint32_t kHeadersSize = testing::kBuiltHeadersSize;

// The temporary folder, its bitmap and the bitmap loaded once for the benchmarks that only
// need its bytes.
struct Workspace {
    fs::path folder;
    fs::path bitmap;
    CDib dib;
};

std::optional<Workspace> g_workspace;

Workspace& GetWorkspace()
{
    if (!g_workspace) {
        std::string pattern = (fs::temp_directory_path() / "hexlume-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot create a temporary folder: " + std::string(std::strerror(errno)));
        Workspace& workspace = g_workspace.emplace();
        workspace.folder = pattern;
        workspace.bitmap = workspace.folder / "picture.bmp";
        testing::WriteNoiseBitmap(workspace.bitmap, {.width = kWidth, .height = kHeight, .sizeImage = kImageSize},
                                  kImageSize);
        if (!workspace.dib.LoadFile(workspace.bitmap.string()))
            throw std::runtime_error("cannot load the generated bitmap: " + workspace.dib.LastError());
        if (workspace.dib.GetDataSize() != kImageSize)
            throw std::runtime_error("the generated bitmap's pixel data has the wrong size");
    }
    return *g_workspace;
}

void RemoveWorkspace()
{
    if (!g_workspace)
        return;
    std::error_code error;
    fs::remove_all(g_workspace->folder, error);
    if (error)
        std::fprintf(stderr, "hexlume_bench: cannot remove %s: %s\n", g_workspace->folder.c_str(),
                     error.message().c_str());
    g_workspace.reset();
}

// Whole-file load. The file was just written, so it is read from the page cache: this is the
// cost of the two reads and the fresh 64 MB block, not of the disk.
void BM_LoadFile(benchmark::State& state)
{
    Workspace& workspace = GetWorkspace();
    const std::string path = workspace.bitmap.string();
    CDib dib;
    for (auto _ : state) {
        if (!dib.LoadFile(path)) {
            state.SkipWithError(dib.LastError().c_str());
            break;
        }
        benchmark::DoNotOptimize(dib.GetData());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * (kHeadersSize + kImageSize));
}
BENCHMARK(BM_LoadFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// The text of the whole pixel data into a buffer allocated (and touched) beforehand, so only
// the text building is timed. Bytes per second count the text, not the input.
void BM_WriteRegionLines(benchmark::State& state, std::string_view lineEnd)
{
    const ByteSpan bytes = GetWorkspace().dib.DataBytes();
    const std::uint64_t textSize = RegionTextSize(bytes.size(), lineEnd);
    const auto buffer = std::make_unique<char[]>(textSize);  // zeroed: its pages are mapped
    for (auto _ : state) {
        char* end = WriteRegionLines(bytes, 0, LineCount(bytes.size()), lineEnd, buffer.get());
        benchmark::DoNotOptimize(end);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * textSize));
    state.counters["input"] = benchmark::Counter(static_cast<double>(state.iterations() * bytes.size()),
                                                 benchmark::Counter::kIsRate, benchmark::Counter::kIs1024);
}
BENCHMARK_CAPTURE(BM_WriteRegionLines, memo_crlf, kMemoLineEnd)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WriteRegionLines, export_crcrlf, kExportLineEnd)->Unit(benchmark::kMillisecond);

// RegionText as the window calls it: the same text, into a string allocated on every call.
void BM_RegionText(benchmark::State& state)
{
    const ByteSpan bytes = GetWorkspace().dib.DataBytes();
    std::uint64_t textSize = 0;
    for (auto _ : state) {
        const std::string text = RegionText(bytes);
        textSize = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * textSize));
}
BENCHMARK(BM_RegionText)->Unit(benchmark::kMillisecond);

// The export's text in its ~1 MB pieces, handed to a sink that keeps nothing: the export
// without the file, to tell the text's share of the export from the writing's.
void BM_StreamRegionText(benchmark::State& state)
{
    const ByteSpan bytes = GetWorkspace().dib.DataBytes();
    std::uint64_t textSize = 0;
    for (auto _ : state) {
        textSize = 0;
        StreamRegionText(bytes, kExportLineEnd, [&textSize](std::string_view piece) {
            benchmark::DoNotOptimize(piece.data());
            textSize += piece.size();
            return true;
        });
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * textSize));
}
BENCHMARK(BM_StreamRegionText)->Unit(benchmark::kMillisecond);

// The whole export to a file in the temporary folder (page cache, as for the command line).
// The file from the previous round is removed untimed, so every round creates a new file.
void BM_WriteDataExport(benchmark::State& state)
{
    Workspace& workspace = GetWorkspace();
    const ByteSpan bytes = workspace.dib.DataBytes();
    const fs::path target = workspace.folder / "picture.bmp.txt";
    const std::string targetName = target.string();
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove(target);
        state.ResumeTiming();
        const ExportResult result = WriteDataExport(bytes, targetName);
        if (!result.ok) {
            state.SkipWithError(result.reason.c_str());
            break;
        }
    }
    fs::remove(target);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() *
                                                      RegionTextSize(bytes.size(), kExportLineEnd)));
}
BENCHMARK(BM_WriteDataExport)->Unit(benchmark::kMillisecond)->UseRealTime();

// The find of the window over the whole file, for a pattern it does not hold (so every byte is
// passed, going round), keyed on a byte that noise holds once in 256.
void BM_FindPattern(benchmark::State& state)
{
    const Workspace& workspace = GetWorkspace();
    const ByteSpan file = workspace.dib.FileBytes();
    const BytePattern pattern = ParsePattern("42 ?? 4D 00 DE AD BE EF", PatternKind::HexBytes).pattern;
    for (auto _ : state)
        benchmark::DoNotOptimize(FindForward(file, pattern, file.size() / 2));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_FindPattern)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    int status = 0;
    try {
        benchmark::RunSpecifiedBenchmarks();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "hexlume_bench: %s\n", error.what());
        status = 1;
    }
    benchmark::Shutdown();
    RemoveWorkspace();
    return status;
}
