#pragma once

#include "format/Layout.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The parts of a bitmap that hold bytes no picture shows, taken out whole: for a tool to look at
// what a file hides. (The bits of the pixels themselves are BitPlanes' work.)
namespace hexlume::format {

enum class HiddenPart {
    Gap,       // every gap, in file order
    Trailing,  // the bytes after the last part
    Padding,   // every row's whole padding bytes, in file order
    Embedded,  // the JPEG or PNG stream a BI_JPEG or BI_PNG bitmap holds
    Profile,   // the embedded colour profile
};

// "gap", "trailing", "padding", "embedded", "profile"; nullopt for any other name.
std::optional<HiddenPart> HiddenPartNamed(std::string_view name);

struct PartBytes {
    std::vector<std::uint8_t> bytes;
    std::string absent;  // why the file has none of it, as a sentence's tail; empty when it has
};

// The part's bytes as the file holds them.
PartBytes ReadHiddenPart(Bytes file, const Layout& layout, HiddenPart part);

}  // namespace hexlume::format
