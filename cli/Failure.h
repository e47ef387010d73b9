#pragma once

#include <cstdio>
#include <string>

namespace hexlume {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// "hexlume-dump: WHAT: REASON" on stderr, one line; returns the exit status to leave with.
inline int Fail(const std::string& what, const std::string& reason, int status = kExitFailure)
{
    std::fprintf(stderr, "hexlume-dump: %s: %s\n", what.c_str(), reason.c_str());
    return status;
}

}  // namespace hexlume
