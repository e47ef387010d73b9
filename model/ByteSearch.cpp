#include "ByteSearch.h"

#include <algorithm>
#include <cstring>

namespace hexlume {

namespace {

// The pattern as the search walks it: matches are found by the first byte that is not a
// wildcard (memchr/memrchr for it), then checked whole.
class Matcher {
public:
    Matcher(std::span<const std::uint8_t> bytes, const BytePattern& pattern)
        : m_bytes(bytes), m_pattern(pattern),
          m_anchor(static_cast<std::size_t>(std::find(pattern.wild.begin(), pattern.wild.end(), false) -
                                            pattern.wild.begin()))
    {
    }

    // Starts a match may have: 0 … LastStart().
    bool Fits() const { return !m_pattern.Empty() && m_pattern.bytes.size() <= m_bytes.size(); }
    std::size_t LastStart() const { return m_bytes.size() - m_pattern.bytes.size(); }

    // The first match starting in [first, last].
    std::optional<std::size_t> Forward(std::size_t first, std::size_t last) const
    {
        if (first > last)
            return std::nullopt;
        if (m_anchor == m_pattern.bytes.size())
            return first;  // all wildcards: every start matches
        const std::uint8_t anchor = m_pattern.bytes[m_anchor];
        for (std::size_t start = first; start <= last;) {
            const void* found = std::memchr(m_bytes.data() + start + m_anchor, anchor, last - start + 1);
            if (found == nullptr)
                return std::nullopt;
            start = static_cast<std::size_t>(static_cast<const std::uint8_t*>(found) - m_bytes.data()) - m_anchor;
            if (MatchesAt(start))
                return start;
            ++start;
        }
        return std::nullopt;
    }

    // The last match starting in [first, last].
    std::optional<std::size_t> Backward(std::size_t first, std::size_t last) const
    {
        if (first > last)
            return std::nullopt;
        if (m_anchor == m_pattern.bytes.size())
            return last;
        const std::uint8_t anchor = m_pattern.bytes[m_anchor];
        for (std::size_t end = last + 1; end > first;) {
            const void* found = memrchr(m_bytes.data() + first + m_anchor, anchor, end - first);
            if (found == nullptr)
                return std::nullopt;
            const std::size_t start =
                static_cast<std::size_t>(static_cast<const std::uint8_t*>(found) - m_bytes.data()) - m_anchor;
            if (MatchesAt(start))
                return start;
            end = start;
        }
        return std::nullopt;
    }

private:
    bool MatchesAt(std::size_t start) const
    {
        for (std::size_t index = 0; index < m_pattern.bytes.size(); ++index)
            if (!m_pattern.wild[index] && m_bytes[start + index] != m_pattern.bytes[index])
                return false;
        return true;
    }

    std::span<const std::uint8_t> m_bytes;
    const BytePattern& m_pattern;
    std::size_t m_anchor;  // index of the first fixed byte; the pattern's size when there is none
};

}  // namespace

std::optional<SearchHit> FindForward(std::span<const std::uint8_t> bytes, const BytePattern& pattern,
                                     std::uint64_t from)
{
    const Matcher matcher(bytes, pattern);
    if (!matcher.Fits())
        return std::nullopt;
    const std::size_t last = matcher.LastStart();
    const std::size_t start = static_cast<std::size_t>(std::min<std::uint64_t>(from, last + 1));
    if (const auto hit = matcher.Forward(start, last))
        return SearchHit{*hit, false};
    if (start == 0)
        return std::nullopt;
    if (const auto hit = matcher.Forward(0, std::min(start - 1, last)))
        return SearchHit{*hit, true};
    return std::nullopt;
}

std::optional<SearchHit> FindBackward(std::span<const std::uint8_t> bytes, const BytePattern& pattern,
                                      std::uint64_t before)
{
    const Matcher matcher(bytes, pattern);
    if (!matcher.Fits())
        return std::nullopt;
    const std::size_t last = matcher.LastStart();
    const std::size_t end = static_cast<std::size_t>(std::min<std::uint64_t>(before, last + 1));
    if (end > 0)
        if (const auto hit = matcher.Backward(0, end - 1))
            return SearchHit{*hit, false};
    if (end > last)
        return std::nullopt;
    if (const auto hit = matcher.Backward(end, last))
        return SearchHit{*hit, true};
    return std::nullopt;
}

}  // namespace hexlume
