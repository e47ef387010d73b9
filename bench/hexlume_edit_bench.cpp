// hexlume_edit_bench: the main window's memory and times while a large bitmap is edited and
// saved: open, a first edit (a pixel byte), a header edit (biHeight), a later pixel edit, an
// undo, the save's writing alone (twice, to OUTPUT.alone, removed), and Save As, each until the
// event queue is drained; then the file extended by 1 MiB, which moves it to a larger block.
//
//   hexlume_edit_bench BITMAP OUTPUT
//
// After each step: the time it took, the resident size (VmRSS) and the step's peak (VmHWM,
// reset before it through clear_refs). The window should hold the file once however it is
// edited: resident after the edits about as after opening. OUTPUT is written by Save As and
// left for the caller to remove. The last line is "RESULT key=value …" for bench/edit_bench.sh.

#include "bench/ProcessMemory.h"
#include "io/SaveFile.h"
#include "mainform/FileDocument.h"
#include "mainform/MainForm.h"
#include "platform/ScriptedPlatform.h"
#include "widgets/LayoutFonts.h"

#include <QApplication>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>

namespace {

using namespace hexlume;
using bench::ResetPeak;
using bench::StatusKiB;
using Clock = std::chrono::steady_clock;

void DrainEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

std::string result;

void Step(const char* key, const char* name, const std::function<void()>& body)
{
    ResetPeak();
    const Clock::time_point start = Clock::now();
    body();
    DrainEvents();
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    const double rss = static_cast<double>(StatusKiB("VmRSS")) / 1024;
    const double peak = static_cast<double>(StatusKiB("VmHWM")) / 1024;
    std::printf("%-34s %9.1f ms   VmRSS %7.1f MiB   VmHWM %7.1f MiB\n", name, ms, rss, peak);
    char part[160];
    std::snprintf(part, sizeof part, " %s_ms=%.1f %s_rss_mib=%.1f %s_hwm_mib=%.1f", key, ms, key, rss, key, peak);
    result += part;
}

int Run(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: hexlume_edit_bench BITMAP OUTPUT\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RegisterLayoutFonts();
    ScriptedPlatform platform;
    TMainForm form(platform);
    form.show();
    DrainEvents();
    std::printf("%-34s %9s      VmRSS %7.1f MiB\n", "start-up", "", static_cast<double>(StatusKiB("VmRSS")) / 1024);

    const auto write = [&form](std::uint64_t offset, std::uint32_t value, std::size_t length) {
        std::uint8_t bytes[4];
        for (std::size_t i = 0; i < 4; ++i)
            bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
        if (!form.Document()->Write(offset, std::span(bytes, length)))
            throw std::runtime_error("the document refused an edit");
    };
    Step("open", "open", [&] {
        platform.openAnswers << QString::fromLocal8Bit(argv[1]);
        form.OpenPicture();
    });
    if (!platform.errors.isEmpty())
        throw std::runtime_error("the window reported: " + platform.errors.join(QStringLiteral(" | ")).toStdString());
    const std::uint64_t pixel = form.Model().FileBytes().size() / 2;
    Step("first", "first edit (a pixel byte)", [&] { write(pixel, form.Model().FileBytes()[pixel] ^ 0xFF, 1); });
    Step("height", "biHeight edit (-height)", [&] {
        write(22, static_cast<std::uint32_t>(-form.Model().GetHeight()), 4);
    });
    Step("later", "later edit (another pixel byte)", [&] { write(pixel + 4096, 0x5A, 1); });
    Step("undo", "undo", [&] { form.Document()->Undo(); });
    // The file written alone, without the views shown again: what Save As costs beyond them.
    const std::string alone = std::string(argv[2]) + ".alone";
    Step("write", "the save's writing alone", [&] {
        const SaveResult saved = SaveDocument(form.Document()->Bytes(), alone, argv[1]);
        if (!saved.ok)
            throw std::runtime_error("the save failed: " + saved.reason.English());
    });
    std::remove(alone.c_str());
    Step("write2", "the save's writing alone, again", [&] {
        const SaveResult saved = SaveDocument(form.Document()->Bytes(), alone, argv[1]);
        if (!saved.ok)
            throw std::runtime_error("the save failed: " + saved.reason.English());
    });
    std::remove(alone.c_str());
    Step("save", "Save As", [&] {
        platform.saveAnswers << QString::fromLocal8Bit(argv[2]);
        if (!form.SaveAs())
            throw std::runtime_error("Save As failed: " + platform.errors.join(QStringLiteral(" | ")).toStdString());
    });
    // A larger file needs a larger block: the old one goes once the views let go of it.
    Step("extend", "extended by 1 MiB (Set file size)", [&] {
        form.Document()->Resize(form.Document()->Bytes().Size() + (std::uint64_t{1} << 20));
    });
    std::printf("RESULT file_mib=%.1f%s\n", static_cast<double>(form.Model().FileBytes().size()) / (1 << 20),
                result.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "hexlume_edit_bench: %s\n", error.what());
        return 1;
    }
}
