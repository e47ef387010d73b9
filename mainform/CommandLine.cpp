#include "CommandLine.h"

#include "platform/CommandArguments.h"

#include <utility>

namespace hexlume {

std::string_view UsageText()
{
    return "usage: hexlume [FILE]\n"
           "Opens FILE, a Windows bitmap, in the Hexlume window; without it, an empty window.\n"
           "\n"
           "  -h, --help     print this help and exit\n"
           "      --version  print the version and exit\n"
           "\n"
           "hexlume-dump gives the window's texts, checks and pictures without a window.\n";
}

CommandLine ParseCommandLine(int argc, const char* const* argv)
{
    const auto only = [](CommandLine::Action action, std::string error = {}) {
        return CommandLine{.action = action, .file = std::nullopt, .error = std::move(error)};
    };
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption version("version");
    QCommandLineParser parser;
    parser.addOptions({help, version});
    if (!parser.parse(ArgumentList(argc, argv))) {
        const QStringList unknown = parser.unknownOptionNames();
        if (unknown.isEmpty())
            return only(CommandLine::Action::UsageError, ArgumentBytes(parser.errorText()));
        const QString& name = unknown.front();
        return only(CommandLine::Action::UsageError,
                    "unknown option " + std::string(name.size() == 1 ? "-" : "--") + ArgumentBytes(name));
    }
    if (parser.isSet(help))
        return only(CommandLine::Action::Help);
    if (parser.isSet(version))
        return only(CommandLine::Action::Version);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return only(CommandLine::Action::UsageError, "one file at a time");
    CommandLine line;
    if (!files.isEmpty())
        line.file = ArgumentBytes(files.front());
    return line;
}

}  // namespace hexlume
