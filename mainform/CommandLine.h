#pragma once

#include <optional>
#include <string>
#include <string_view>

// What the hexlume command line asks for, read before any window or display exists, so that
// --help and --version work anywhere.
namespace hexlume {

struct CommandLine {
    enum class Action { OpenWindow, Help, Version, UsageError };
    Action action = Action::OpenWindow;
    std::optional<std::string> file;  // OpenWindow: the file to open at start
    std::string error;                // UsageError: what was wrong, one line
};

CommandLine ParseCommandLine(int argc, const char* const* argv);

// The --help text, ending in a newline.
std::string_view UsageText();

}  // namespace hexlume
