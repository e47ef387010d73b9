#pragma once

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>

// The process's own memory figures, as the benchmarks report them.
namespace hexlume::bench {

// Kilobytes of one "Vm…:" line of /proc/self/status.
inline std::uint64_t StatusKiB(const char* key)
{
    std::ifstream status("/proc/self/status");
    const std::string prefix = std::string(key) + ":";
    for (std::string line; std::getline(status, line);)
        if (line.rfind(prefix, 0) == 0)
            return std::strtoull(line.c_str() + prefix.size(), nullptr, 10);
    throw std::runtime_error(std::string("no ") + key + " in /proc/self/status");
}

// Sets VmHWM back to the current resident size, so the next reading is the peak of what
// follows only.
inline void ResetPeak()
{
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    clear.close();
    if (!clear)
        throw std::runtime_error("cannot reset the peak through /proc/self/clear_refs");
}

}  // namespace hexlume::bench
