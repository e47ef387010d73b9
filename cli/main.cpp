// hexlume-dump: the window's texts without a window, for scripts and batch export.

#include "CheckCommand.h"
#include "CommandOptions.h"
#include "DiffCommand.h"
#include "QueryCommand.h"
#include "Reports.h"
#include "format/Decoder.h"
#include "picture/PreviewPicture.h"
#include "io/ExportWriter.h"
#include "texts/DumpPane.h"
#include "texts/FileNamePart.h"
#include "model/Dib.h"

#include <QFile>
#include <QImage>
#include <QSize>

#include <charconv>
#include <cstdio>
#include <exception>
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
    "                                          one verdict a file: OK, WARN or ERROR\n"
    "       hexlume-dump --picture FILE -o OUT.png [--size WxH]\n"
    "                                          the picture as PNG, at full size or stretched\n"
    "                                          to WxH as the window's preview is\n"
    "       hexlume-dump --at OFFSET [--json] FILE\n"
    "                                          what the byte at OFFSET (decimal or 0x hex) is\n"
    "       hexlume-dump --pixel X,Y [--json] FILE\n"
    "                                          where pixel (X, Y), y from the top, lives and\n"
    "                                          its colour\n"
    "       hexlume-dump --diff A B [--json] [-o DIFF.png]\n"
    "                                          compare two bitmaps' pictures, then how they\n"
    "                                          store them; exit 0 same picture, 1 different;\n"
    "                                          -o: B's picture with differing pixels in red\n"
    "       hexlume-dump --help | --version\n";

// The window's preview: what "decodable" reports on.
constexpr QSize kPreviewSize(200, 116);

enum class Mode { Report, Json, Export, Picture };

struct Arguments {
    Mode mode = Mode::Report;
    std::string file;
    std::optional<std::string> output;
    std::optional<QSize> size;
};

// "WxH", both from 1 on.
std::optional<QSize> ParseSize(std::string_view text)
{
    const std::size_t x = text.find('x');
    if (x == std::string_view::npos)
        return std::nullopt;
    int width = 0;
    int height = 0;
    const char* end = text.data() + text.size();
    const auto [widthEnd, widthError] = std::from_chars(text.data(), text.data() + x, width);
    const auto [heightEnd, heightError] = std::from_chars(text.data() + x + 1, end, height);
    if (widthError != std::errc() || heightError != std::errc() || widthEnd != text.data() + x || heightEnd != end ||
        width < 1 || height < 1)
        return std::nullopt;
    return QSize(width, height);
}

std::optional<Arguments> ParseArguments(int argc, char** argv)
{
    Arguments arguments;
    bool haveFile = false;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (argument == "--json" || argument == "--export" || argument == "--picture")) {
            if (arguments.mode != Mode::Report)
                return std::nullopt;
            arguments.mode = argument == "--json" ? Mode::Json : argument == "--export" ? Mode::Export : Mode::Picture;
        } else if (!optionsEnded && argument == "--size") {
            if (i + 1 >= argc || arguments.size)
                return std::nullopt;
            arguments.size = ParseSize(argv[++i]);
            if (!arguments.size)
                return std::nullopt;
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
    const bool writesFile = arguments.mode == Mode::Export || arguments.mode == Mode::Picture;
    if (!haveFile || (arguments.output && !writesFile) || (arguments.size && arguments.mode != Mode::Picture) ||
        (arguments.mode == Mode::Picture && !arguments.output))
        return std::nullopt;
    return arguments;
}

bool WantsCheck(int argc, char** argv)
{
    return NamesOption(argc, argv, {"--check"});
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

// The full-size picture, unless it would be absurdly large.
std::optional<QSize> FullSize(const CDib& dib, std::string& reason)
{
    const format::BitmapFormat layout = format::ReadBitmapFormat(dib.FileBytes());
    if (layout.columns * layout.rows > format::kMaxTargetPixels) {
        reason = std::to_string(layout.columns) + " x " + std::to_string(layout.rows) +
                 " pixels is too large to draw at full size; use --size WxH";
        return std::nullopt;
    }
    return QSize(static_cast<int>(layout.columns), static_cast<int>(layout.rows));
}

int WritePicture(const CDib& dib, const Arguments& arguments)
{
    std::string reason;
    const std::optional<QSize> size = arguments.size ? arguments.size : FullSize(dib, reason);
    if (!size)
        return Fail(arguments.file, reason);
    const DrawnPicture picture = DrawPicture(dib.FileBytes(), *size);
    if (picture.image.isNull())
        return Fail(arguments.file, picture.reason.toStdString());
    if (!picture.image.save(QFile::decodeName(arguments.output->c_str()), "PNG"))
        return Fail(*arguments.output, "cannot write the picture");
    return kExitOk;
}

int Run(const Arguments& arguments)
{
    CDib dib;
    if (!dib.LoadFile(arguments.file))
        return Fail(arguments.file, dib.LastError());
    if (arguments.mode == Mode::Export)
        return Export(dib, arguments);
    if (arguments.mode == Mode::Picture)
        return WritePicture(dib, arguments);

    const DrawnPicture picture = DrawPicture(dib.FileBytes(), kPreviewSize);
    const OpenedFile opened{.path = arguments.file,
                            .dib = dib,
                            .decodable = !picture.image.isNull(),
                            .decodeError = picture.reason.toStdString()};
    const bool written =
        arguments.mode == Mode::Json ? WriteJsonReport(opened, stdout) : WriteTextReport(opened, stdout);
    return written ? kExitOk : Fail("<stdout>", "cannot write the output");
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::puts("hexlume-dump " HEXLUME_VERSION);
        return kExitOk;
    }
    if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
        std::fputs(kUsage.data(), stdout);
        return kExitOk;
    }
    if (WantsCheck(argc, argv)) {
        const std::optional<CheckOptions> options = ParseCheckArguments(argc, argv);
        if (!options) {
            std::fputs(kUsage.data(), stderr);
            return kExitUsage;
        }
        return RunCheck(*options, stdout);
    }
    if (WantsQuery(argc, argv)) {
        const std::optional<QueryOptions> options = ParseQueryArguments(argc, argv);
        if (!options) {
            std::fputs(kUsage.data(), stderr);
            return kExitUsage;
        }
        return RunQuery(*options, stdout);
    }
    if (WantsDiff(argc, argv)) {
        const std::optional<DiffOptions> options = ParseDiffArguments(argc, argv);
        if (!options) {
            std::fputs(kUsage.data(), stderr);
            return kExitUsage;
        }
        return RunDiff(*options, stdout, stderr);
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
