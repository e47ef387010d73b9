#include "RleStream.h"

namespace hexlume::format {

std::uint64_t RleStreamEnd(Bytes file, PixelEncoding encoding, std::uint64_t start)
{
    RleReader reader(file, encoding, start);
    RleCode code;
    std::uint64_t end = std::min<std::uint64_t>(start, file.size());
    while (reader.Next(code))
        end = code.offset + code.length;
    return end;
}

}  // namespace hexlume::format
