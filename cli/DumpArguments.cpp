#include "DumpArguments.h"

#include "platform/CommandArguments.h"
#include "primitives/WholeNumber.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace hexlume {

namespace {

using Command = DumpArguments::Command;

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

// More threads than this would only wait on the disk.
constexpr std::uint64_t kMostJobs = 1024;

class Parser {
    // Declared first: the named references below point into it.
    const QList<QCommandLineOption> m_all{
        QCommandLineOption(QStringList{"h", "help"}),
        QCommandLineOption("version"),
        QCommandLineOption("json"),
        QCommandLineOption("export"),
        QCommandLineOption("picture"),
        QCommandLineOption("check"),
        QCommandLineOption("diff"),
        QCommandLineOption("at", {}, "OFFSET"),
        QCommandLineOption("pixel", {}, "X,Y"),
        QCommandLineOption("o", {}, "OUT"),
        QCommandLineOption("size", {}, "WxH"),
        QCommandLineOption("q"),
        QCommandLineOption("v"),
        QCommandLineOption("strict"),
        QCommandLineOption(QStringList{"j", "jobs"}, {}, "N"),
        QCommandLineOption("files-from", {}, "FILE"),
        QCommandLineOption("0"),
        QCommandLineOption("set", {}, "FIELD=VALUE"),
        QCommandLineOption("all-rows"),
        QCommandLineOption("extract", {}, "WHAT"),
        QCommandLineOption("planes", {}, "DIR"),
        QCommandLineOption("scan"),
        QCommandLineOption("x", {}, "DIR"),
        QCommandLineOption("entry", {}, "N"),
        QCommandLineOption("fix"),
        QCommandLineOption("dry-run"),
        QCommandLineOption("strip"),
        QCommandLineOption("redraw"),
        QCommandLineOption("out-dir", {}, "DIR"),
    };

public:
    bool Parse(int argc, const char* const* argv)
    {
        m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
        m_parser.addOptions(m_all);
        // --fix is a flag, and --fix=GUESS names a guess as well: the parser takes one or the other.
        QStringList arguments = ArgumentList(argc, argv);
        for (QString& argument : arguments)
            if (argument.startsWith(QLatin1String("--fix="))) {
                m_guesses.push_back(ArgumentBytes(argument.mid(6)));
                argument = QStringLiteral("--fix");
            }
        if (!m_parser.parse(arguments))
            return false;
        for (const QString& file : m_parser.positionalArguments())
            m_files.push_back(ArgumentBytes(file));
        return true;
    }

    qsizetype Times(const QCommandLineOption& option) const { return TimesGiven(m_parser, option); }
    bool Given(const QCommandLineOption& option) const { return Times(option) != 0; }
    std::string Value(const QCommandLineOption& option) const { return ArgumentBytes(m_parser.value(option)); }
    std::vector<std::string> Values(const QCommandLineOption& option) const
    {
        std::vector<std::string> values;
        for (const QString& value : m_parser.values(option))
            values.push_back(ArgumentBytes(value));
        return values;
    }
    const std::vector<std::string>& Files() const { return m_files; }
    const std::vector<std::string>& Guesses() const { return m_guesses; }

    // No option outside `allowed` is given, and none of `once` more than once.
    bool Only(std::initializer_list<const QCommandLineOption*> allowed,
              std::initializer_list<const QCommandLineOption*> once) const
    {
        for (const QCommandLineOption& option : m_all) {
            const bool isAllowed = std::find(allowed.begin(), allowed.end(), &option) != allowed.end();
            const bool isOnce = std::find(once.begin(), once.end(), &option) != once.end();
            if ((!isAllowed && Given(option)) || (isOnce && Times(option) > 1))
                return false;
        }
        return true;
    }

    // An option of the list by one of its names, so the list's order means nothing.
    const QCommandLineOption& Named(const char* name) const
    {
        const auto found = std::find_if(m_all.begin(), m_all.end(), [name](const QCommandLineOption& option) {
            return option.names().contains(QLatin1String(name));
        });
        if (found == m_all.end())
            throw std::logic_error(std::string("no option named ") + name);
        return *found;
    }

    // The options of every command, each known to the parser, so that one command's option on
    // another's command line is a usage error rather than a file name.
    const QCommandLineOption& help = Named("help");
    const QCommandLineOption& version = Named("version");
    const QCommandLineOption& json = Named("json");
    const QCommandLineOption& exportDump = Named("export");
    const QCommandLineOption& picture = Named("picture");
    const QCommandLineOption& check = Named("check");
    const QCommandLineOption& diff = Named("diff");
    const QCommandLineOption& at = Named("at");
    const QCommandLineOption& pixel = Named("pixel");
    const QCommandLineOption& output = Named("o");
    const QCommandLineOption& size = Named("size");
    const QCommandLineOption& quiet = Named("q");
    const QCommandLineOption& verbose = Named("v");
    const QCommandLineOption& strict = Named("strict");
    const QCommandLineOption& jobs = Named("jobs");
    const QCommandLineOption& filesFrom = Named("files-from");
    const QCommandLineOption& nulSeparated = Named("0");
    const QCommandLineOption& set = Named("set");
    const QCommandLineOption& allRows = Named("all-rows");
    const QCommandLineOption& extract = Named("extract");
    const QCommandLineOption& planes = Named("planes");
    const QCommandLineOption& scan = Named("scan");
    const QCommandLineOption& extractTo = Named("x");
    const QCommandLineOption& entry = Named("entry");
    const QCommandLineOption& fix = Named("fix");
    const QCommandLineOption& dryRun = Named("dry-run");
    const QCommandLineOption& strip = Named("strip");
    const QCommandLineOption& redraw = Named("redraw");
    const QCommandLineOption& outDir = Named("out-dir");

    // --entry N, from 1: nullopt when not given; false when its value is no such number.
    bool ReadEntry(std::optional<std::uint64_t>& entry) const
    {
        if (!Given(this->entry))
            return true;
        entry = ParseWholeNumber(Value(this->entry));
        return entry && *entry >= 1;
    }

private:
    QCommandLineParser m_parser;
    std::vector<std::string> m_files;
    std::vector<std::string> m_guesses;  // the values of --fix=GUESS
};

std::optional<DumpArguments> CheckArguments(const Parser& line)
{
    if (!line.Only({&line.check, &line.quiet, &line.verbose, &line.strict, &line.json, &line.jobs, &line.filesFrom,
                    &line.nulSeparated},
                   {&line.json, &line.jobs, &line.filesFrom, &line.nulSeparated}))
        return std::nullopt;
    DumpArguments arguments;
    arguments.command = Command::Check;
    CheckOptions& options = arguments.check;
    options.files = line.Files();
    options.strict = line.Given(line.strict);
    options.json = line.Given(line.json);
    options.nulSeparated = line.Given(line.nulSeparated);
    if (line.Given(line.filesFrom))
        options.filesFrom = line.Value(line.filesFrom);
    if (line.Given(line.jobs)) {
        const std::optional<std::uint64_t> jobs = ParseWholeNumber(line.Value(line.jobs));
        if (!jobs || *jobs < 1 || *jobs > kMostJobs)
            return std::nullopt;
        options.jobs = static_cast<unsigned>(*jobs);
    }
    const bool quiet = line.Given(line.quiet);
    const bool verbose = line.Given(line.verbose);
    if ((options.files.empty() && !options.filesFrom) || (quiet && verbose) ||
        (options.nulSeparated && !options.filesFrom))
        return std::nullopt;
    options.verbosity = quiet ? CheckVerbosity::Quiet : verbose ? CheckVerbosity::Verbose : CheckVerbosity::Normal;
    return arguments;
}

std::optional<DumpArguments> QueryArguments(const Parser& line)
{
    if (!line.Only({&line.at, &line.pixel, &line.json, &line.entry}, {&line.json, &line.entry}) ||
        line.Times(line.at) + line.Times(line.pixel) != 1 || line.Files().size() != 1)
        return std::nullopt;
    DumpArguments arguments;
    arguments.command = Command::Query;
    QueryOptions& options = arguments.query;
    if (!line.ReadEntry(options.entry))
        return std::nullopt;
    options.json = line.Given(line.json);
    options.file = line.Files().front();
    if (line.Given(line.at)) {
        options.offset = ParseWholeNumber(line.Value(line.at));
        return options.offset ? std::optional(arguments) : std::nullopt;
    }
    const std::string place = line.Value(line.pixel);
    const std::size_t comma = place.find(',');
    if (comma == std::string::npos)
        return std::nullopt;
    options.x = ParseWholeNumber(std::string_view(place).substr(0, comma));
    options.y = ParseWholeNumber(std::string_view(place).substr(comma + 1));
    if (!options.x || !options.y)
        return std::nullopt;
    return arguments;
}

std::optional<DumpArguments> DiffArguments(const Parser& line)
{
    if (!line.Only({&line.diff, &line.json, &line.output}, {&line.diff, &line.json, &line.output}) ||
        line.Files().size() != 2)
        return std::nullopt;
    DumpArguments arguments;
    arguments.command = Command::Diff;
    DiffOptions& options = arguments.diff;
    options.fileA = line.Files()[0];
    options.fileB = line.Files()[1];
    options.json = line.Given(line.json);
    if (line.Given(line.output))
        options.marked = line.Value(line.output);
    return arguments;
}

// Without -o it is still the --set command: it says in a sentence what is missing.
std::optional<DumpArguments> SetArguments(const Parser& line)
{
    if (!line.Only({&line.set, &line.output}, {&line.output}) || line.Files().size() != 1)
        return std::nullopt;
    DumpArguments arguments;
    arguments.command = Command::Set;
    SetOptions& options = arguments.set;
    options.edits = line.Values(line.set);
    options.file = line.Files().front();
    if (line.Given(line.output))
        options.output = line.Value(line.output);
    return arguments;
}

std::optional<DumpArguments> ExtractArguments(const Parser& line)
{
    if (!line.Only({&line.extract, &line.output}, {&line.extract, &line.output}) || !line.Given(line.output) ||
        line.Files().size() != 1)
        return std::nullopt;
    DumpArguments arguments;
    arguments.command = Command::Extract;
    arguments.extract = {.what = line.Value(line.extract), .file = line.Files().front(), .output = line.Value(line.output)};
    return arguments;
}

std::optional<DumpArguments> PlanesArguments(const Parser& line)
{
    if (!line.Only({&line.planes}, {&line.planes}) || line.Files().size() != 1)
        return std::nullopt;
    DumpArguments arguments;
    arguments.command = Command::Planes;
    arguments.planes = {.folder = line.Value(line.planes), .file = line.Files().front()};
    return arguments;
}

std::optional<DumpArguments> ScanArguments(const Parser& line)
{
    if (!line.Only({&line.scan, &line.json, &line.extractTo}, {&line.scan, &line.json, &line.extractTo}) ||
        line.Files().size() != 1)
        return std::nullopt;
    DumpArguments arguments;
    arguments.command = Command::Scan;
    ScanOptions& options = arguments.scan;
    options.file = line.Files().front();
    options.json = line.Given(line.json);
    if (line.Given(line.extractTo))
        options.extract = line.Value(line.extractTo);
    return arguments;
}

// Without -o or --out-dir it is still the --fix command: it says in a sentence what is missing.
std::optional<DumpArguments> FixArguments(const Parser& line)
{
    if (!line.Only({&line.fix, &line.dryRun, &line.strip, &line.redraw, &line.output, &line.outDir},
                   {&line.dryRun, &line.strip, &line.redraw, &line.output, &line.outDir}) ||
        line.Files().empty() || (line.Given(line.output) && (line.Given(line.outDir) || line.Files().size() != 1)))
        return std::nullopt;
    DumpArguments arguments;
    arguments.command = Command::Fix;
    FixOptions& options = arguments.fix;
    options.files = line.Files();
    options.dryRun = line.Given(line.dryRun);
    options.request.redraw = line.Given(line.redraw);
    options.request.strip = line.Given(line.strip);
    for (const std::string& guess : line.Guesses()) {
        bool* named = guess == "height" ? &options.request.height : guess == "pad" ? &options.request.pad : nullptr;
        if (named == nullptr || *named)
            return std::nullopt;  // no such guess, or one named twice
        *named = true;
    }
    if (line.Given(line.output))
        options.output = line.Value(line.output);
    if (line.Given(line.outDir))
        options.folder = line.Value(line.outDir);
    return arguments;
}

// The report, --json, --export or --picture of one file.
std::optional<DumpArguments> FileArguments(const Parser& line)
{
    if (!line.Only({&line.json, &line.exportDump, &line.picture, &line.output, &line.size, &line.allRows, &line.entry},
                   {&line.output, &line.size, &line.allRows, &line.entry}) ||
        line.Times(line.json) + line.Times(line.exportDump) + line.Times(line.picture) > 1 || line.Files().size() != 1)
        return std::nullopt;
    DumpArguments arguments;
    arguments.command = line.Given(line.json)         ? Command::Json
                        : line.Given(line.exportDump) ? Command::Export
                        : line.Given(line.picture)    ? Command::Picture
                                                      : Command::Report;
    arguments.file = line.Files().front();
    if (line.Given(line.output))
        arguments.output = line.Value(line.output);
    if (line.Given(line.size)) {
        arguments.size = ParseSize(line.Value(line.size));
        if (!arguments.size)
            return std::nullopt;
    }
    if (!line.ReadEntry(arguments.entry) || (arguments.entry && arguments.command == Command::Export))
        return std::nullopt;
    const bool picture = arguments.command == Command::Picture;
    const bool writesFile = arguments.command == Command::Export || picture;
    arguments.allRows = line.Given(line.allRows);
    if ((arguments.output && !writesFile) || (arguments.size && !picture) || (picture && !arguments.output) ||
        (arguments.allRows && !picture))
        return std::nullopt;
    return arguments;
}

}  // namespace

std::optional<DumpArguments> ParseDumpArguments(int argc, const char* const* argv)
{
    Parser line;
    if (!line.Parse(argc, argv))
        return std::nullopt;
    // --help and --version stand alone.
    if (line.Given(line.help) || line.Given(line.version)) {
        if (argc != 2)
            return std::nullopt;
        DumpArguments arguments;
        arguments.command = line.Given(line.help) ? Command::Help : Command::Version;
        return arguments;
    }
    if (line.Given(line.check))
        return CheckArguments(line);
    if (line.Given(line.at) || line.Given(line.pixel))
        return QueryArguments(line);
    if (line.Given(line.diff))
        return DiffArguments(line);
    if (line.Given(line.set))
        return SetArguments(line);
    if (line.Given(line.extract))
        return ExtractArguments(line);
    if (line.Given(line.planes))
        return PlanesArguments(line);
    if (line.Given(line.scan))
        return ScanArguments(line);
    if (line.Given(line.fix))
        return FixArguments(line);
    return FileArguments(line);
}

}  // namespace hexlume
