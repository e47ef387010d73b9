#pragma once

#include "Failure.h"
#include "format/Layout.h"
#include "format/NumberText.h"

#include <cstdint>
#include <optional>
#include <string>

namespace hexlume {

// The image --entry N (from 1) chooses, from 0: the first when not given.
inline std::size_t ChosenImage(std::optional<std::uint64_t> entry)
{
    return entry ? static_cast<std::size_t>(*entry - 1) : 0;
}

// kExitOk when the file has the image --entry names; else the sentence on stderr and kExitUsage.
inline int CheckEntry(const std::string& path, const format::Layout& layout, std::optional<std::uint64_t> entry)
{
    const std::size_t images = format::ImageCount(layout);
    if (!entry || *entry <= images)
        return kExitOk;
    return Fail(path, "--entry " + std::to_string(*entry) + " names no image: the " +
                          std::string(format::FileKindName(layout.kind)) + " has " +
                          format::Counted(images, "image", "images"),
                kExitUsage);
}

}  // namespace hexlume
