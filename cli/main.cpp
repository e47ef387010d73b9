// hexlume-dump: the window's texts without a window, for scripts and batch export.

#include "CheckCommand.h"
#include "Reports.h"
#include "mainform/PictureLoader.h"
#include "mainform/texts/ExportWriter.h"
#include "mainform/texts/FileNamePart.h"
#include "model/Dib.h"

#include <QFile>

#include <cstdio>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace hexlume;

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

constexpr std::string_view kUsage =
    "usage: hexlume-dump FILE                  readable report of a bitmap\n"
    "       hexlume-dump --json FILE           every text of the window as one JSON object\n"
    "       hexlume-dump --export FILE [-o OUT]\n"
    "                                          write the pixel-data dump (default OUT: the\n"
    "                                          file's name + \".txt\" in the current folder)\n"
    "       hexlume-dump --check [-q | -v] [--strict] FILE...\n"
    "                                          one verdict a file: OK, WARN or ERROR\n";

enum class Mode { Report, Json, Export };

struct Arguments {
    Mode mode = Mode::Report;
    std::string file;
    std::optional<std::string> output;
};

std::optional<Arguments> ParseArguments(int argc, char** argv)
{
    Arguments arguments;
    bool haveFile = false;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (argument == "--json" || argument == "--export")) {
            if (arguments.mode != Mode::Report)
                return std::nullopt;
            arguments.mode = argument == "--json" ? Mode::Json : Mode::Export;
        } else if (!optionsEnded && argument == "-o") {
            if (i + 1 >= argc || arguments.output)
                return std::nullopt;
            arguments.output = argv[++i];
        } else if (!optionsEnded && argument.size() > 1 && argument.front() == '-') {
            return std::nullopt;
        } else {
            if (haveFile)
                return std::nullopt;
            arguments.file = argument;
            haveFile = true;
        }
    }
    if (!haveFile || (arguments.output && arguments.mode != Mode::Export))
        return std::nullopt;
    return arguments;
}

bool WantsCheck(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--")
            return false;
        if (argument == "--check")
            return true;
    }
    return false;
}

std::optional<CheckOptions> ParseCheckArguments(int argc, char** argv)
{
    CheckOptions options;
    bool quiet = false;
    bool verbose = false;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (optionsEnded || argument.size() < 2 || argument.front() != '-')
            options.files.emplace_back(argument);
        else if (argument == "--")
            optionsEnded = true;
        else if (argument == "-q")
            quiet = true;
        else if (argument == "-v")
            verbose = true;
        else if (argument == "--strict")
            options.strict = true;
        else if (argument != "--check")
            return std::nullopt;
    }
    if (options.files.empty() || (quiet && verbose))
        return std::nullopt;
    options.verbosity = quiet ? CheckVerbosity::Quiet : verbose ? CheckVerbosity::Verbose : CheckVerbosity::Normal;
    return options;
}

int Fail(const std::string& file, const std::string& reason)
{
    std::fprintf(stderr, "hexlume-dump: %s: %s\n", file.c_str(), reason.c_str());
    return kExitFailure;
}

int Export(const CDib& dib, const Arguments& arguments)
{
    const std::string target = arguments.output.value_or(ExportFileName(NamePart(arguments.file)));
    const ExportResult result = WriteDataExport(dib.DataBytes(), target);
    if (!result.ok)
        return Fail(target, std::string(kExportFailedMessage) + " " + result.reason);
    std::printf("%s\n", target.c_str());
    return std::fflush(stdout) == 0 ? kExitOk : kExitFailure;
}

// Opened by its bytes: a Linux file name need not be valid UTF-8, and a QString would not hold it.
LoadedPicture LoadPictureAt(const std::string& path)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> stream(std::fopen(path.c_str(), "rb"), &std::fclose);
    QFile file;
    if (!stream || !file.open(stream.get(), QIODevice::ReadOnly))
        return {.image = {}, .error = QStringLiteral("cannot open the file")};
    return LoadPicture(file);
}

int Run(const Arguments& arguments)
{
    CDib dib;
    if (!dib.LoadFile(arguments.file))
        return Fail(arguments.file, dib.LastError());
    if (arguments.mode == Mode::Export)
        return Export(dib, arguments);

    const LoadedPicture picture = LoadPictureAt(arguments.file);
    const OpenedFile opened{.path = arguments.file,
                            .dib = dib,
                            .decodable = !picture.image.isNull(),
                            .decodeError = picture.error.toStdString()};
    const bool written =
        arguments.mode == Mode::Json ? WriteJsonReport(opened, stdout) : WriteTextReport(opened, stdout);
    return written ? kExitOk : Fail("<stdout>", "cannot write the output");
}

}  // namespace

int main(int argc, char** argv)
{
    if (WantsCheck(argc, argv)) {
        const std::optional<CheckOptions> options = ParseCheckArguments(argc, argv);
        if (!options) {
            std::fputs(kUsage.data(), stderr);
            return kExitUsage;
        }
        return RunCheck(*options, stdout);
    }
    const std::optional<Arguments> arguments = ParseArguments(argc, argv);
    if (!arguments) {
        std::fputs(kUsage.data(), stderr);
        return kExitUsage;
    }
    try {
        return Run(*arguments);
    } catch (const std::exception& error) {
        return Fail(arguments->file, error.what());
    }
}
