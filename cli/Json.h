#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <string>

// Every JSON text hexlume-dump writes goes through this one library: keys in the order they
// are set, and bytes that are not valid UTF-8 (a Linux path may hold any) written as U+FFFD,
// so the output is always valid UTF-8.
namespace hexlume {

using Json = nlohmann::ordered_json;

// Compact, on one line, without a line end.
inline std::string JsonText(const Json& value)
{
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

template <typename T>
Json OrNull(const std::optional<T>& value)
{
    return value ? Json(*value) : Json(nullptr);
}

}  // namespace hexlume
