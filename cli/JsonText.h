#pragma once

#include <string>
#include <string_view>

namespace hexlume {

// text as a JSON string literal, quotes included. Bytes that are not valid UTF-8 (a Linux
// path may hold any bytes) become U+FFFD, so the output is always valid UTF-8.
std::string JsonString(std::string_view text);

}  // namespace hexlume
