#include "ExportWriter.h"

#include "texts/RegionText.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace hexlume {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

std::string Reason(const char* what)
{
    return std::string(what) + ": " + std::strerror(errno);
}

}  // namespace

std::string ExportFileName(std::string_view pictureName)
{
    return std::string(pictureName) + ".txt";
}

ExportResult WriteDataExport(ByteSpan data, const std::string& path)
{
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file)
        return {.ok = false, .reason = Reason("cannot create the file")};

    const bool written = StreamRegionText(data, kExportLineEnd, [&file](std::string_view piece) {
        return std::fwrite(piece.data(), 1, piece.size(), file.get()) == piece.size();
    });
    if (!written)
        return {.ok = false, .reason = Reason("cannot write the file")};
    // Closing flushes the last buffered bytes: a full disk may only show here.
    if (std::fclose(file.release()) != 0)
        return {.ok = false, .reason = Reason("cannot finish writing the file")};
    return {.ok = true, .reason = {}};
}

}  // namespace hexlume
