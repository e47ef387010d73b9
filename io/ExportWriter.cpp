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

// The system's own words for the error after what could not be done.
Message Reason(MessageTemplate what)
{
    return Message(what).Arg(std::strerror(errno));
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
        return {.ok = false, .reason = Reason(HX_TR("Files", "cannot create the file: %1"))};

    const bool written = StreamRegionText(data, kExportLineEnd, [&file](std::string_view piece) {
        return std::fwrite(piece.data(), 1, piece.size(), file.get()) == piece.size();
    });
    if (!written)
        return {.ok = false, .reason = Reason(HX_TR("Files", "cannot write the file: %1"))};
    // Closing flushes the last buffered bytes: a full disk may only show here.
    if (std::fclose(file.release()) != 0)
        return {.ok = false, .reason = Reason(HX_TR("Files", "cannot finish writing the file: %1"))};
    return {.ok = true, .reason = {}};
}

}  // namespace hexlume
