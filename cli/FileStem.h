#pragma once

#include "texts/FileNamePart.h"

#include <string>

namespace hexlume {

// A file's name without its folders and its last extension, for the names of files made from
// it: /photos/flower.bmp → flower (a name that starts with its only dot keeps it).
inline std::string FileStem(const std::string& path)
{
    const std::string_view name = NamePart(path);
    const std::size_t dot = name.rfind('.');
    return std::string(dot == std::string_view::npos || dot == 0 ? name : name.substr(0, dot));
}

}  // namespace hexlume
