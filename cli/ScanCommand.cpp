#include "ScanCommand.h"

#include "CheckCommand.h"
#include "Failure.h"
#include "FileStem.h"
#include "Json.h"
#include "MappedFile.h"
#include "format/BitmapScan.h"
#include "format/NumberText.h"
#include "io/SaveFile.h"
#include "model/EditedBytes.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <filesystem>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace hexlume {

namespace {

std::string ScanLine(const format::FoundBitmap& found, bool json)
{
    const format::BitmapFormat& bitmap = found.inspection.layout.format;
    const FindingsVerdict verdict = JudgeFindings(found.inspection.layout, found.inspection.findings);
    if (json)
        return JsonText(Json{{"offset", found.offset},
                             {"length", found.length},
                             {"width", bitmap.columns},
                             {"height", bitmap.rows},
                             {"bitCount", bitmap.bitCount},
                             {"verdict", verdict.word}}) +
               "\n";
    char place[64];
    std::snprintf(place, sizeof place, "0x%08llx %12llu  %10llu bytes  ", static_cast<unsigned long long>(found.offset),
                  static_cast<unsigned long long>(found.offset), static_cast<unsigned long long>(found.length));
    return place + std::to_string(bitmap.columns) + "x" + std::to_string(bitmap.rows) + ", " +
           format::Counted(bitmap.bitCount, "bit", "bits") + "  " + std::string(verdict.word) + "  " + verdict.text +
           "\n";
}

// The file read a piece at a time into one small buffer, which stays in the processor's cache,
// the pieces overlapping by a byte; candidates are judged from the mapping. False when a read
// fails.
bool SearchThroughBuffer(const MappedFile& file, const std::function<bool(format::FoundBitmap&&)>& found)
{
    const format::Bytes bytes = file.Bytes();
    constexpr std::uint64_t kPiece = std::uint64_t{1} << 20;
    if (file.Descriptor() < 0 || bytes.size() <= kPiece) {
        format::FindBitmaps(bytes, found);
        return true;
    }
    std::vector<std::uint8_t> buffer(kPiece);
    for (std::uint64_t at = 0; at + 1 < bytes.size(); at += kPiece - 1) {
        const std::uint64_t want = std::min<std::uint64_t>(kPiece, bytes.size() - at);
        std::uint64_t got = 0;
        while (got < want) {
            const ssize_t read = ::pread(file.Descriptor(), buffer.data() + got, want - got, static_cast<off_t>(at + got));
            if (read < 0 && errno == EINTR)
                continue;
            if (read <= 0)
                return false;
            got += static_cast<std::uint64_t>(read);
        }
        if (!format::FindBitmapsIn(bytes, at, format::Bytes(buffer.data(), want), found))
            return true;
    }
    return true;
}

int Scan(const ScanOptions& options, std::FILE* out)
{
    MappedFile file;
    if (!file.Open(options.file, nullptr, true))
        return Fail(options.file, file.Error());
    if (options.extract) {
        std::error_code error;
        std::filesystem::create_directories(*options.extract, error);
        if (error || !std::filesystem::is_directory(*options.extract))
            return Fail(*options.extract, "cannot make the folder" + (error ? ": " + error.message() : std::string()));
    }
    const std::string stem = FileStem(options.file);
    std::uint64_t count = 0;
    int status = kExitOk;
    const auto write = [&](format::FoundBitmap&& found) {
        ++count;
        const std::string line = ScanLine(found, options.json);
        if (std::fwrite(line.data(), 1, line.size(), out) != line.size()) {
            status = Fail("<stdout>", "cannot write the output");
            return false;
        }
        if (!options.extract)
            return true;
        const std::string path =
            (std::filesystem::path(*options.extract) / (stem + "-at-" + std::to_string(found.offset) + ".bmp")).string();
        const EditedBytes bitmap(std::make_shared<SpanSource>(file.Bytes().subspan(found.offset, found.length)));
        const SaveResult saved = SaveDocument(bitmap, path, options.file);
        if (!saved.ok)
            status = Fail(path, saved.reason.English());
        return saved.ok;
    };
    if (!SearchThroughBuffer(file, write))
        status = status == kExitOk ? Fail(options.file, "cannot read the file: " + std::string(std::strerror(errno))) : status;
    std::fprintf(stderr, "%s in %s\n", format::Counted(count, "bitmap", "bitmaps").c_str(),
                 format::ByteCount(file.Bytes().size()).c_str());
    if (status == kExitOk && std::fflush(out) != 0)
        status = Fail("<stdout>", "cannot write the output");
    return status;
}

}  // namespace

int RunScan(const ScanOptions& options, std::FILE* out)
{
    try {
        return Scan(options, out);
    } catch (const std::exception& error) {
        return Fail(options.file, error.what());
    }
}

}  // namespace hexlume
