// hexlume_open_bench: the main window's open command on one large 24-bit bitmap, from the
// call to OpenPicture() until the event queue is drained (preview, tables, dump pane, status
// bar, repaint), and the peak memory it takes.
//
//   hexlume_open_bench SIZE_MIB [--reps N] [--phases]
//
// One size per process, so the peak memory of one size is not hidden by an earlier, larger
// one. The bitmap (about SIZE_MIB MiB of pixels, nearly square) is generated into a fresh
// temporary folder, which is removed at the end. It was just written, so every open reads it
// from the page cache: this measures the program, not the disk.
//
// Memory is VmHWM from /proc/self/status, reset before every open (clear_refs), minus the
// resident size after start-up. Every open after the first replaces a loaded model, so the
// window still holds the previous file while it reads the next one, as when a user opens one
// large picture after another.
//
// --phases also times the open command's steps on their own, outside the window, to see where
// the time and memory go: model load, the preview drawn from its bytes, pixmap.
//
// The last line is "RESULT key=value …" for bench/open_bench.sh.

#include "bench/ProcessMemory.h"
#include "widgets/LayoutFonts.h"
#include "mainform/MainForm.h"
#include "picture/PreviewPicture.h"
#include "model/Dib.h"
#include "platform/ScriptedPlatform.h"
#include "primitives/Arithmetic.h"
#include "testsupport/BmpBuilder.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPixmap>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace hexlume;
using bench::ResetPeak;
using bench::StatusKiB;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::uint64_t kMiB = std::uint64_t{1} << 20;
// Room left on the disk beyond the bitmap, so the run never fills it up.
constexpr std::uint64_t kDiskMargin = 256 * kMiB;

struct Options {
    std::uint64_t sizeMiB = 0;
    int reps = 0;  // 0: chosen by size
    bool phases = false;
};

[[noreturn]] void Usage()
{
    std::fprintf(stderr, "usage: hexlume_open_bench SIZE_MIB [--reps N] [--phases]\n");
    std::exit(2);
}

Options ParseOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--reps" && i + 1 < argc)
            options.reps = std::atoi(argv[++i]);
        else if (arg == "--phases")
            options.phases = true;
        else if (options.sizeMiB == 0 && !arg.empty() && arg[0] != '-')
            options.sizeMiB = std::strtoull(arg.c_str(), nullptr, 10);
        else
            Usage();
    }
    if (options.sizeMiB == 0 || options.sizeMiB > 1400 || options.reps < 0)
        Usage();
    if (options.reps == 0)
        options.reps = options.sizeMiB > 64 ? 3 : 7;
    return options;
}

double Milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

double MiB(std::uint64_t bytes)
{
    return static_cast<double>(bytes) / static_cast<double>(kMiB);
}

// Counts the preview's paint events, to show that the timed drain included the repaint.
class PaintCounter final : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

void DrainEvents()
{
    // The first pass may post more (layout requests, the update request of the repaint).
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

struct TempFolder {
    fs::path path;

    TempFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "hexlume-open-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot create a temporary folder: " + std::string(std::strerror(errno)));
        path = pattern;
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder()
    {
        std::error_code error;
        fs::remove_all(path, error);
        if (error)
            std::fprintf(stderr, "hexlume_open_bench: cannot remove %s: %s\n", path.c_str(), error.message().c_str());
    }
};

// Nearly square, width a multiple of 4 so rows need no padding, about sizeMiB MiB of pixels.
std::pair<std::int32_t, std::int32_t> Dimensions(std::uint64_t sizeMiB)
{
    const double bytes = static_cast<double>(sizeMiB * kMiB);
    const auto width = static_cast<std::int32_t>(std::lround(std::sqrt(bytes / 3) / 4) * 4);
    const auto height = static_cast<std::int32_t>(std::lround(bytes / (3.0 * width)));
    return {width, height};
}

struct Step {
    const char* name;
    double ms = 0;
    std::int64_t peakKiB = 0;   // VmHWM during the step, over the resident size before it
    std::int64_t afterKiB = 0;  // resident size after it, over the one before it
};

Step Measure(const char* name, const std::function<void()>& body)
{
    ResetPeak();
    const std::uint64_t before = StatusKiB("VmRSS");
    const Clock::time_point start = Clock::now();
    body();
    const Clock::duration elapsed = Clock::now() - start;
    return {name, Milliseconds(elapsed), static_cast<std::int64_t>(StatusKiB("VmHWM") - before),
            static_cast<std::int64_t>(StatusKiB("VmRSS")) - static_cast<std::int64_t>(before)};
}

// The open command's steps in its order, each on its own, with the preview's size; each step's
// median over the rounds.
void RunPhases(const QString& path, const QSize& previewSize, int rounds)
{
    const std::string pathBytes = QFile::encodeName(path).toStdString();
    std::vector<std::vector<Step>> runs;
    for (int round = 0; round < rounds; ++round) {
        std::vector<Step>& steps = runs.emplace_back();
        CDib dib;
        DrawnPicture picture;
        QPixmap preview;
        steps.push_back(Measure("model load (CDib::LoadFile)", [&] {
            if (!dib.LoadFile(pathBytes))
                throw std::runtime_error("the model refused the bitmap: " + dib.LastError().English());
        }));
        steps.push_back(Measure("preview (DrawPreview)", [&] { picture = DrawPreview(dib.FileBytes(), previewSize); }));
        if (picture.image.isNull())
            throw std::runtime_error("no picture drawn: " + picture.reason.English());
        steps.push_back(Measure("pixmap (fromImage)", [&] { preview = QPixmap::fromImage(picture.image); }));
    }

    std::printf("\nsteps on their own, outside the window (times: median of %d rounds; memory: the last\n"
                "round, over the resident size before each step, which includes the window's file):\n", rounds);
    std::printf("  %-32s %10s %14s %14s\n", "step", "ms", "peak +MiB", "after +MiB");
    std::vector<double> medians;
    double total = 0;
    for (std::size_t index = 0; index < runs.front().size(); ++index) {
        std::vector<double> times;
        for (const auto& steps : runs)
            times.push_back(steps[index].ms);
        std::sort(times.begin(), times.end());
        medians.push_back(times[times.size() / 2]);
        total += medians.back();
        const Step& last = runs.back()[index];
        std::printf("  %-32s %10.1f %14.1f %14.1f\n", last.name, medians.back(),
                    static_cast<double>(last.peakKiB) / 1024, static_cast<double>(last.afterKiB) / 1024);
    }
    std::printf("  %-32s %10.1f\n", "sum", total);
    std::printf("PHASES model_ms=%.1f preview_ms=%.1f pixmap_ms=%.1f sum_ms=%.1f\n", medians[0], medians[1],
                medians[2], total);
}

int Run(int argc, char** argv)
{
    const Options options = ParseOptions(argc, argv);

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RegisterLayoutFonts();
    ScriptedPlatform platform;
    TMainForm form(platform);
    form.show();
    DrainEvents();

    auto* previewLabel = form.findChild<QLabel*>(QStringLiteral("imgRevView"));
    auto* sizePanel = form.findChild<QLabel*>(QStringLiteral("stbMainPanel1"));
    if (previewLabel == nullptr || sizePanel == nullptr)
        throw std::runtime_error("the window has no imgRevView or stbMainPanel1");
    PaintCounter paintCounter;
    previewLabel->installEventFilter(&paintCounter);

    const auto [width, height] = Dimensions(options.sizeMiB);
    const std::uint64_t imageSize = RowStride(static_cast<std::uint64_t>(width), 24) * static_cast<std::uint64_t>(height);
    const std::uint64_t fileSize = testing::kBuiltHeadersSize + imageSize;
    const std::uint64_t decodedSize = std::uint64_t(width) * std::uint64_t(height) * 4;
    // No full-size picture ever exists: the previous file, this one and a margin.
    const std::uint64_t targetBytes = 2 * fileSize + 64 * kMiB;

    TempFolder folder;
    const fs::space_info space = fs::space(folder.path);
    if (space.available < fileSize + kDiskMargin)
        throw std::runtime_error("not enough free disk in " + folder.path.string() + ": " +
                                 std::to_string(space.available / kMiB) + " MiB free, " +
                                 std::to_string((fileSize + kDiskMargin) / kMiB) + " MiB needed");
    const fs::path bitmap = folder.path / "picture.bmp";
    testing::WriteNoiseBitmap(
        bitmap, {.width = width, .height = height, .sizeImage = static_cast<std::uint32_t>(imageSize)}, imageSize);
    const QString path = QFile::decodeName(bitmap.c_str());

    std::printf("bitmap: %d x %d, 24 bits, file %llu bytes (%.1f MiB), full size decoded %llu bytes (%.1f MiB)\n",
                width, height, static_cast<unsigned long long>(fileSize), MiB(fileSize),
                static_cast<unsigned long long>(decodedSize), MiB(decodedSize));
    std::printf("memory target: previous file + file + 64 MiB = %.1f MiB\n", MiB(targetBytes));

    ResetPeak();
    const std::uint64_t baselineKiB = StatusKiB("VmHWM");
    std::printf("start-up: VmRSS %llu KiB (the baseline)\n\n", static_cast<unsigned long long>(baselineKiB));

    const QString sizeText = QStringLiteral("%1").arg(width);
    std::vector<double> times;
    std::vector<std::uint64_t> peaks;
    for (int rep = 0; rep < options.reps; ++rep) {
        platform.openAnswers.push_back(path);
        const int paintsBefore = paintCounter.paints;
        ResetPeak();
        const Clock::time_point start = Clock::now();
        form.OpenPicture();
        DrainEvents();
        const Clock::duration elapsed = Clock::now() - start;
        const std::uint64_t hwmKiB = StatusKiB("VmHWM");
        const std::uint64_t rssKiB = StatusKiB("VmRSS");

        if (!platform.errors.isEmpty())
            throw std::runtime_error("the window reported: " + platform.errors.join(QStringLiteral(" | ")).toStdString());
        if (!sizePanel->text().contains(sizeText))
            throw std::runtime_error("the status bar does not show the picture: " + sizePanel->text().toStdString());

        const std::uint64_t peakBytes = (hwmKiB > baselineKiB ? hwmKiB - baselineKiB : 0) * 1024;
        times.push_back(Milliseconds(elapsed));
        peaks.push_back(peakBytes);
        std::printf("open %d: %8.1f ms   peak +%7.1f MiB   resident after +%7.1f MiB   preview paints %d%s\n",
                    rep + 1, times.back(), MiB(peakBytes),
                    MiB((rssKiB > baselineKiB ? rssKiB - baselineKiB : 0) * 1024),
                    paintCounter.paints - paintsBefore, rep == 0 ? "   (no file held before)" : "");
    }

    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    const double best = sorted.front();
    const double median = sorted.size() % 2 == 1 ? sorted[sorted.size() / 2]
                                                 : (sorted[sorted.size() / 2 - 1] + sorted[sorted.size() / 2]) / 2;
    const std::uint64_t peak = *std::max_element(peaks.begin(), peaks.end());
    std::printf("\nopen-to-ready: best %.1f ms, median %.1f ms over %d opens\n", best, median, options.reps);
    std::printf("peak memory: +%.1f MiB (first open +%.1f MiB), target %.1f MiB: %s\n", MiB(peak), MiB(peaks.front()),
                MiB(targetBytes), peak <= targetBytes ? "met" : "MISSED");
    std::printf("asked about exporting: %lld times (answered No)\n",
                static_cast<long long>(platform.questions.size()));

    if (options.phases)
        RunPhases(path, previewLabel->size(), options.reps);

    std::printf("RESULT size_mib=%llu width=%d height=%d file=%llu decoded=%llu reps=%d best_ms=%.1f "
                "median_ms=%.1f peak=%llu first_peak=%llu limit=%llu\n",
                static_cast<unsigned long long>(options.sizeMiB), width, height,
                static_cast<unsigned long long>(fileSize), static_cast<unsigned long long>(decodedSize), options.reps,
                best, median, static_cast<unsigned long long>(peak), static_cast<unsigned long long>(peaks.front()),
                static_cast<unsigned long long>(targetBytes));
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "hexlume_open_bench: %s\n", error.what());
        return 1;
    }
}
