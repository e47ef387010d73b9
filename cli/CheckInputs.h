#pragma once

#include <cstdio>
#include <functional>
#include <string>

namespace hexlume {

// One path for --check to look at, in the order the command line names and the walk meets them.
struct CheckInput {
    enum class Kind {
        Named,     // named on the command line or in a list: always checked
        InFolder,  // met in a folder: checked only when it starts with a bitmap signature
        Skipped,   // met in a folder and not looked at; `reason` says why
        Failed,    // cannot be looked at (a folder that cannot be read); `reason` says why
    };
    std::string path;
    Kind kind = Kind::Named;
    std::string reason;
};

using CheckInputSink = std::function<void(CheckInput)>;

// A named path: a folder is walked (entries in name order, sub-folders in their place, linked
// folders not followed, so a walk always ends); anything else is handed on as it is.
void AddNamedPath(const std::string& path, const CheckInputSink& sink);

// Every path of a list, one a line or NUL-separated, each as AddNamedPath takes it. Empty
// entries are passed over. False when the list cannot be read to its end.
bool AddListedPaths(std::FILE* list, bool nulSeparated, const CheckInputSink& sink);

}  // namespace hexlume
