#include "MappedFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace hexlume {

namespace {

// Files up to this size are read rather than mapped.
constexpr std::uint64_t kReadLimit = 1 << 20;
// What a HeadTest sees: enough for any signature.
constexpr std::size_t kHeadBytes = 16;

std::string SystemReason()
{
    return errno != 0 ? std::string(std::strerror(errno)) : std::string("unknown error");
}

}  // namespace

MappedFile::~MappedFile()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
    if (m_data != nullptr && !m_read)
        ::munmap(const_cast<std::uint8_t*>(m_data), m_size);
}

bool MappedFile::ReadWhole(int descriptor, std::uint64_t size)
{
    m_read = std::make_unique_for_overwrite<std::uint8_t[]>(size);
    std::uint64_t done = 0;
    while (done < size) {
        errno = 0;
        const ssize_t got = ::read(descriptor, m_read.get() + done, size - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            m_error = "cannot read the file: " + SystemReason();
            m_read.reset();
            return false;
        }
        if (got == 0)
            break;  // the file shrank since its size was taken: judge the bytes it has
        done += static_cast<std::uint64_t>(got);
    }
    m_data = m_read.get();
    m_size = done;
    return true;
}

bool MappedFile::Open(const std::string& path, HeadTest wanted, bool keepOpen)
{
    // A FIFO, socket or device is refused before it is opened: opening a FIFO waits for a
    // writer, for ever if none comes. O_NONBLOCK guards the moment between the two looks.
    errno = 0;
    struct stat named {};
    if (::stat(path.c_str(), &named) == 0 && !S_ISREG(named.st_mode)) {
        m_error = "not a regular file";
        return false;
    }
    errno = 0;
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) {
        m_error = "cannot open the file: " + SystemReason();
        return false;
    }
    struct stat status {};
    bool ok = ::fstat(descriptor, &status) == 0;
    if (!ok)
        m_error = "cannot find the size of the file: " + SystemReason();
    else if (!S_ISREG(status.st_mode))
        m_error = "not a regular file", ok = false;
    if (ok && wanted != nullptr) {
        std::uint8_t head[kHeadBytes];
        const ssize_t got = ::pread(descriptor, head, sizeof head, 0);
        m_unwanted = got >= 0 && !wanted(std::span(head, static_cast<std::size_t>(got)));
        ok = !m_unwanted;
    }
    if (ok && status.st_size > 0 && static_cast<std::uint64_t>(status.st_size) <= kReadLimit) {
        ok = ReadWhole(descriptor, static_cast<std::uint64_t>(status.st_size));
    } else if (ok && status.st_size > 0) {
        void* mapped = ::mmap(nullptr, static_cast<std::size_t>(status.st_size), PROT_READ, MAP_PRIVATE, descriptor, 0);
        if (mapped == MAP_FAILED) {
            m_error = "cannot read the file: " + SystemReason();
            ok = false;
        } else {
            m_data = static_cast<const std::uint8_t*>(mapped);
            m_size = static_cast<std::uint64_t>(status.st_size);
            // The checks read the pixel data front to back.
            ::madvise(mapped, m_size, MADV_SEQUENTIAL);
        }
    }
    if (ok && keepOpen)
        m_descriptor = descriptor;
    else
        ::close(descriptor);
    return ok;
}

}  // namespace hexlume
