#include "SaveFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace hexlume {

namespace {

// The system's own words for the error after what could not be done.
Message Because(MessageTemplate what, int error)
{
    return Message(what).Arg(std::strerror(error));
}

// Writes all of bytes, through interrupted and short writes.
bool WriteAll(int descriptor, std::span<const std::uint8_t> bytes, int& error)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            // A write that takes nothing and reports no error is a full disk by another name.
            error = written < 0 ? errno : ENOSPC;
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

// The kernel cannot copy between these files (another file system, an old kernel): the bytes
// are written the ordinary way instead.
bool CannotCopyHere(int error)
{
    return error == EXDEV || error == ENOSYS || error == EOPNOTSUPP || error == EINVAL || error == EBADF;
}

// The source's bytes [offset, offset + length) onto the end of the target: copied from the
// source's file inside the kernel, as cp does, else read and written.
bool CopySourceRun(const ByteSource& source, int target, std::uint64_t offset, std::uint64_t length, int& error)
{
    const int from = source.FileDescriptor();
    while (from >= 0 && length > 0) {
        loff_t at = static_cast<loff_t>(offset);
        const ssize_t copied = ::copy_file_range(from, &at, target, nullptr, length, 0);
        if (copied < 0 && errno == EINTR)
            continue;
        if (copied < 0 && !CannotCopyHere(errno)) {
            error = errno;
            return false;
        }
        if (copied <= 0)
            break;  // the file ends early or cannot be copied from: the source's bytes are written
        offset += static_cast<std::uint64_t>(copied);
        length -= static_cast<std::uint64_t>(copied);
    }
    constexpr std::uint64_t kPiece = std::uint64_t{1} << 20;
    std::vector<std::uint8_t> buffer;
    for (; length > 0;) {
        const std::uint64_t size = std::min(length, kPiece);
        std::span<const std::uint8_t> piece = source.Held(offset, size);
        if (piece.empty()) {
            buffer.resize(size);
            source.ReadAt(offset, buffer);
            piece = buffer;
        }
        if (!WriteAll(target, piece, error))
            return false;
        offset += size;
        length -= size;
    }
    return true;
}

// A fresh file beside the target, opened for writing: ".NAME.XXXXXX" with a random tail,
// created only if no file has that name yet.
int CreateTemporary(const std::filesystem::path& target, std::string& name, int& error)
{
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int tries = 0; tries < 100; ++tries) {
        char tail[8];
        for (char& c : std::span(tail, 6))
            c = "abcdefghijklmnopqrstuvwxyz0123456789"[random() % 36];
        tail[6] = '\0';
        const std::filesystem::path path = target.parent_path() / ("." + target.filename().string() + "." + tail);
        name = path.string();
        const int descriptor = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0 || errno != EEXIST) {
            error = errno;
            return descriptor;
        }
    }
    error = EEXIST;
    return -1;
}

bool SyncFolder(const std::filesystem::path& folder)
{
    const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    const bool synced = ::fsync(descriptor) == 0;
    ::close(descriptor);
    return synced;
}

}  // namespace

bool SameFile(const std::string& a, const std::string& b)
{
    struct stat first {};
    struct stat second {};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

SaveResult SaveDocument(const EditedBytes& document, const std::string& target, const std::string& opened)
{
    if (target == opened || SameFile(target, opened))
        return {false, HX_TR("Files", "that is the opened file, which is never written: choose another name")};
    const std::filesystem::path path(target);
    if (path.filename().empty())
        return {false, HX_TR("Files", "no file name given")};
    struct stat existing {};
    const bool replaces = ::stat(target.c_str(), &existing) == 0;
    if (replaces && S_ISDIR(existing.st_mode))
        return {false, HX_TR("Files", "a folder has that name")};

    std::string temporary;
    int error = 0;
    const int descriptor = CreateTemporary(path, temporary, error);
    if (descriptor < 0)
        return {false, Because(HX_TR("Files", "cannot create a file in its folder: %1"), error)};
    const auto fail = [&](Message why) {
        ::close(descriptor);
        ::unlink(temporary.c_str());
        return SaveResult{false, std::move(why)};
    };
    // A file replaced keeps its permissions, as when it is written over in place.
    if (replaces && ::fchmod(descriptor, existing.st_mode & 07777) != 0)
        return fail(Because(HX_TR("Files", "cannot give the file the permissions of the one it replaces: %1"), errno));
    const ByteSource& source = document.Source();
    const EditedBytes::SourceRunSink copyRuns = [&](std::uint64_t offset, std::uint64_t length) {
        return CopySourceRun(source, descriptor, offset, length, error);
    };
    const auto writeBytes = [&](std::span<const std::uint8_t> piece) { return WriteAll(descriptor, piece, error); };
    if (!document.WriteTo(writeBytes, std::uint64_t{1} << 20,
                          source.FileDescriptor() >= 0 ? copyRuns : EditedBytes::SourceRunSink{}))
        return fail(Because(HX_TR("Files", "cannot write the file: %1"), error));
    if (::fsync(descriptor) != 0)
        return fail(Because(HX_TR("Files", "cannot flush the file to the disk: %1"), errno));
    if (::close(descriptor) != 0) {
        error = errno;
        ::unlink(temporary.c_str());
        return {false, Because(HX_TR("Files", "cannot finish writing the file: %1"), error)};
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
        ::unlink(temporary.c_str());
        return {false, Because(HX_TR("Files", "cannot put the file in place: %1"), error)};
    }
    // The file is whole and in place; flushing the folder makes its new name survive a crash too.
    SyncFolder(path.parent_path());
    return {true, {}};
}

}  // namespace hexlume
