#pragma once

#include <initializer_list>
#include <string_view>

namespace hexlume {

// Whether the command line names one of the options that choose a command, before any "--"
// (after it, everything is a file name).
inline bool NamesOption(int argc, char** argv, std::initializer_list<std::string_view> options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--")
            return false;
        for (const std::string_view option : options)
            if (argument == option)
                return true;
    }
    return false;
}

}  // namespace hexlume
