#pragma once

#include "CheckCommand.h"
#include "DiffCommand.h"
#include "ExtractCommand.h"
#include "FixCommand.h"
#include "PlanesCommand.h"
#include "QueryCommand.h"
#include "ScanCommand.h"
#include "SetCommand.h"

#include <QSize>

#include <optional>
#include <string>

namespace hexlume {

// What one hexlume-dump command line asks for.
struct DumpArguments {
    enum class Command { Help, Version, Report, Json, Export, Picture, Check, Query, Diff, Set, Extract, Planes, Scan, Fix };
    Command command = Command::Report;
    std::string file;                   // Report, Json, Export, Picture
    std::optional<std::string> output;  // Export, Picture: -o
    std::optional<QSize> size;          // Picture: --size WxH
    bool allRows = false;               // Picture: --all-rows, whole rows past the pixel data too
    std::optional<std::uint64_t> entry;  // Report, Json, Picture: --entry N, the image from 1
    CheckOptions check;
    QueryOptions query;
    DiffOptions diff;
    SetOptions set;
    ExtractOptions extract;
    PlanesOptions planes;
    ScanOptions scan;
    FixOptions fix;
};

// nullopt for a usage error: an unknown option, one the command does not take or given twice,
// a bad value, or the wrong number of files. --check, then --at or --pixel, then --diff, then
// --set, then --extract, --planes, --scan and --fix choose the command; without them it is the
// report, --json, --export or --picture of one file.
std::optional<DumpArguments> ParseDumpArguments(int argc, const char* const* argv);

}  // namespace hexlume
