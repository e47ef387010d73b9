#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace hexlume {

// A whole file's bytes, read-only, for the commands that judge a file by its own bytes (any
// length, any signature) rather than through the window's model. A large file is mapped, so it
// costs no fresh copy; a small one is read, since mapping and unmapping serialise the threads of a
// check over many small files.
class MappedFile {
public:
    MappedFile() = default;
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    // Whether a file's first bytes make it worth reading whole.
    using HeadTest = bool (*)(std::span<const std::uint8_t> head);

    // False with error() saying why when the file cannot be read, or with Unwanted() when
    // `wanted` turned it down after its first bytes, before the rest was read.
    // keepOpen keeps the file open while this lives, for a caller that copies from it.
    bool Open(const std::string& path, HeadTest wanted = nullptr, bool keepOpen = false);

    std::span<const std::uint8_t> Bytes() const { return {m_data, m_size}; }
    const std::string& Error() const { return m_error; }
    bool Unwanted() const { return m_unwanted; }
    // The open file, when Open was asked to keep it; -1 otherwise.
    int Descriptor() const { return m_descriptor; }

private:
    bool ReadWhole(int descriptor, std::uint64_t size);

    const std::uint8_t* m_data = nullptr;
    std::uint64_t m_size = 0;
    std::unique_ptr<std::uint8_t[]> m_read;  // a small file's bytes; a large one's are mapped
    std::string m_error;
    bool m_unwanted = false;
    int m_descriptor = -1;
};

}  // namespace hexlume
