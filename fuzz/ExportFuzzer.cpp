// Exports any bytes as a pixel-data dump and checks the file against the memo text: the same
// text with every LF written as CR LF.

#include "ScratchFile.h"
#include "io/ExportWriter.h"
#include "texts/RegionText.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string WithCrBeforeEachLf(const std::string& text)
{
    std::string expected;
    for (const char c : text) {
        if (c == '\n')
            expected += '\r';
        expected += c;
    }
    return expected;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string path = ScratchPath(".txt");
    const hexlume::ByteSpan bytes(data, size);
    if (!hexlume::WriteDataExport(bytes, path).ok)
        __builtin_trap();
    std::ifstream written(path, std::ios::binary);
    const std::string content{std::istreambuf_iterator<char>(written), std::istreambuf_iterator<char>()};
    if (content != WithCrBeforeEachLf(hexlume::RegionText(bytes)))
        __builtin_trap();
    return 0;
}
