#pragma once

#include <string_view>

namespace hexlume {

// The name part of a path: everything after its last separator; a path without one is its
// own name. The view points into the path.

// POSIX: '/' is the only separator.
std::string_view NamePartPosix(std::string_view path);

// Windows, on code page 936 bytes: '\\', ':' and '/' separate, except a byte that is the
// second byte of a double-byte character (lead bytes 0x81–0xFE), which may be 0x5C.
std::string_view NamePartWindows(std::string_view path);

// The rule of the platform the program runs on.
std::string_view NamePart(std::string_view path);

}  // namespace hexlume
