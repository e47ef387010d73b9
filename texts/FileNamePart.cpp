#include "FileNamePart.h"

namespace hexlume {

namespace {

bool IsCp936LeadByte(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x81 && byte <= 0xFE;
}

}  // namespace

std::string_view NamePartPosix(std::string_view path)
{
    const std::size_t separator = path.rfind('/');
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

std::string_view NamePartWindows(std::string_view path)
{
    std::size_t nameStart = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (IsCp936LeadByte(path[i]) && i + 1 < path.size())
            ++i;  // skip the trail byte: it is never a separator
        else if (path[i] == '\\' || path[i] == ':' || path[i] == '/')
            nameStart = i + 1;
    }
    return path.substr(nameStart);
}

std::string_view NamePart(std::string_view path)
{
#ifdef _WIN32
    return NamePartWindows(path);
#else
    return NamePartPosix(path);
#endif
}

}  // namespace hexlume
