#pragma once

#include <unistd.h>

#include <cstdlib>
#include <string>

// A file of this fuzzer process's own in TMPDIR (or /tmp), rewritten at every input.
inline std::string ScratchPath(const char* extension)
{
    const char* folder = std::getenv("TMPDIR");
    return std::string(folder != nullptr ? folder : "/tmp") + "/hexlume-fuzz-" + std::to_string(::getpid()) +
           extension;
}
