#pragma once

#include <cstdint>
#include <istream>
#include <streambuf>
#include <vector>

namespace hexlume::testing {

// A file that shrinks while it is read: seeking to its end reports claimedSize, but reading
// delivers only the bytes held, as when another program truncates the file in between.
class ShrinkingBuffer : public std::streambuf {
public:
    ShrinkingBuffer(std::vector<char> bytes, std::uint64_t claimedSize)
        : m_bytes(std::move(bytes)), m_claimedSize(claimedSize)
    {
        setg(m_bytes.data(), m_bytes.data(), m_bytes.data() + m_bytes.size());
    }

protected:
    pos_type seekoff(off_type offset, std::ios_base::seekdir direction, std::ios_base::openmode) override
    {
        if (direction == std::ios_base::end && offset == 0) {
            m_atClaimedEnd = true;
            return static_cast<pos_type>(static_cast<off_type>(m_claimedSize));
        }
        if (direction == std::ios_base::cur && offset == 0)
            return m_atClaimedEnd ? static_cast<pos_type>(static_cast<off_type>(m_claimedSize))
                                  : static_cast<pos_type>(gptr() - eback());
        if (direction == std::ios_base::beg)
            return seekpos(static_cast<pos_type>(offset), std::ios_base::in);
        return pos_type(off_type(-1));
    }

    pos_type seekpos(pos_type position, std::ios_base::openmode) override
    {
        const auto offset = static_cast<std::size_t>(static_cast<off_type>(position));
        if (offset > m_bytes.size())
            return pos_type(off_type(-1));
        setg(m_bytes.data(), m_bytes.data() + offset, m_bytes.data() + m_bytes.size());
        m_atClaimedEnd = false;
        return position;
    }

private:
    std::vector<char> m_bytes;
    std::uint64_t m_claimedSize;
    bool m_atClaimedEnd = false;
};

class ShrinkingStream : public std::istream {
public:
    ShrinkingStream(std::vector<char> bytes, std::uint64_t claimedSize)
        : std::istream(nullptr), m_buffer(std::move(bytes), claimedSize)
    {
        rdbuf(&m_buffer);
    }

private:
    ShrinkingBuffer m_buffer;
};

}  // namespace hexlume::testing
