#include "CommandLine.h"

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
    CommandLine line;
    const auto only = [](CommandLine::Action action, std::string error = {}) {
        return CommandLine{.action = action, .file = std::nullopt, .error = std::move(error)};
    };
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (argument == "-h" || argument == "--help")) {
            return only(CommandLine::Action::Help);
        } else if (!optionsEnded && argument == "--version") {
            return only(CommandLine::Action::Version);
        } else if (!optionsEnded && argument.size() > 1 && argument.front() == '-') {
            return only(CommandLine::Action::UsageError, "unknown option " + std::string(argument));
        } else if (line.file) {
            return only(CommandLine::Action::UsageError, "one file at a time");
        } else {
            line.file = std::string(argument);
        }
    }
    return line;
}

}  // namespace hexlume
