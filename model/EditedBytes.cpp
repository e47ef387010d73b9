#include "EditedBytes.h"

#include <algorithm>
#include <cstring>

namespace hexlume {

namespace {

// Lays the runs of an overlay (separate runs by offset) over out, which holds the bytes from
// offset on.
template <typename Runs>
void LayRuns(const Runs& runs, std::uint64_t offset, std::span<std::uint8_t> out)
{
    const std::uint64_t end = offset + out.size();
    auto run = runs.upper_bound(offset);
    if (run != runs.begin())
        --run;
    for (; run != runs.end() && run->first < end; ++run) {
        const std::uint64_t from = std::max(offset, run->first);
        const std::uint64_t to = std::min<std::uint64_t>(end, run->first + run->second.size());
        if (from < to)
            std::memcpy(out.data() + (from - offset), run->second.data() + (from - run->first), to - from);
    }
}

}  // namespace

void SpanSource::ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) const
{
    std::memcpy(out.data(), m_bytes.data() + offset, out.size());
}

PatchedSource::PatchedSource(std::shared_ptr<std::uint8_t[]> block, std::uint64_t size, int descriptor)
    : m_block(std::move(block)), m_size(size), m_capacity(size), m_descriptor(descriptor)
{
}

void PatchedSource::ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) const
{
    std::memcpy(out.data(), m_block.get() + offset, out.size());
    LayRuns(m_kept, offset, out);
}

std::span<const std::uint8_t> PatchedSource::Held(std::uint64_t offset, std::uint64_t length) const
{
    auto run = m_kept.lower_bound(offset + length);
    if (run != m_kept.begin() && std::prev(run)->first + std::prev(run)->second.size() > offset)
        return {};
    return {m_block.get() + offset, static_cast<std::size_t>(length)};
}

void PatchedSource::Patch(std::uint64_t offset, std::span<const std::uint8_t> bytes)
{
    // The file's bytes under the patch that are not kept yet are the block's own: kept now,
    // each gap joined to a run it touches, so typing byte by byte keeps one run.
    const std::uint64_t end = std::min<std::uint64_t>(offset + bytes.size(), m_size);
    std::uint64_t at = offset;
    while (at < end) {
        auto next = m_kept.upper_bound(at);
        if (next != m_kept.begin()) {
            const auto before = std::prev(next);
            const std::uint64_t beforeEnd = before->first + before->second.size();
            if (beforeEnd > at) {
                at = beforeEnd;
                continue;
            }
        }
        const std::uint64_t gapEnd = next != m_kept.end() ? std::min(end, next->first) : end;
        std::vector<std::uint8_t> kept(m_block.get() + at, m_block.get() + gapEnd);
        if (next != m_kept.end() && next->first == gapEnd) {
            kept.insert(kept.end(), next->second.begin(), next->second.end());
            next = m_kept.erase(next);
        }
        if (next != m_kept.begin() && std::prev(next)->first + std::prev(next)->second.size() == at) {
            auto& before = std::prev(next)->second;
            before.insert(before.end(), kept.begin(), kept.end());
        } else {
            m_kept.emplace(at, std::move(kept));
        }
        at = gapEnd;
    }
    std::memcpy(m_block.get() + offset, bytes.data(), bytes.size());
}

void PatchedSource::Grow(std::shared_ptr<std::uint8_t[]> block, std::uint64_t capacity)
{
    m_block = std::move(block);
    m_capacity = capacity;
}

std::uint64_t PatchedSource::KeptBytes() const
{
    std::uint64_t kept = 0;
    for (const auto& [offset, bytes] : m_kept)
        kept += bytes.size();
    return kept;
}

EditedBytes::EditedBytes(std::shared_ptr<const ByteSource> source)
    : m_source(std::move(source)), m_size(m_source->Size()), m_sourceShown(m_size)
{
    m_saved = {.runs = {}, .size = m_size, .sourceShown = m_size};
}

void EditedBytes::ReadBase(std::uint64_t sourceShown, std::uint64_t offset, std::span<std::uint8_t> out) const
{
    const std::uint64_t shown =
        offset < sourceShown ? std::min<std::uint64_t>(out.size(), sourceShown - offset) : 0;
    if (shown != 0)
        m_source->ReadAt(offset, out.first(shown));
    std::fill(out.begin() + static_cast<std::ptrdiff_t>(shown), out.end(), std::uint8_t{0});
}

void EditedBytes::ReadState(const State& state, std::uint64_t offset, std::span<std::uint8_t> out) const
{
    ReadBase(state.sourceShown, offset, out);
    LayRuns(state.runs, offset, out);
}

std::uint64_t EditedBytes::Read(std::uint64_t offset, std::span<std::uint8_t> out) const
{
    if (offset >= m_size)
        return 0;
    const std::uint64_t count = std::min<std::uint64_t>(out.size(), m_size - offset);
    ReadBase(m_sourceShown, offset, out.first(count));
    LayRuns(m_overlay, offset, out.first(count));
    return count;
}

std::uint8_t EditedBytes::At(std::uint64_t offset) const
{
    std::uint8_t byte = 0;
    Read(offset, std::span(&byte, 1));
    return byte;
}

std::vector<std::uint8_t> EditedBytes::Copy() const
{
    std::vector<std::uint8_t> bytes(m_size);
    Read(0, bytes);
    return bytes;
}

void EditedBytes::CutOverlay(std::uint64_t from, std::uint64_t to)
{
    if (from >= to)
        return;
    auto run = m_overlay.upper_bound(from);
    if (run != m_overlay.begin())
        --run;
    while (run != m_overlay.end() && run->first < to) {
        const std::uint64_t start = run->first;
        const std::uint64_t end = start + run->second.size();
        if (end <= from) {
            ++run;
            continue;
        }
        std::vector<std::uint8_t> bytes = std::move(run->second);
        run = m_overlay.erase(run);
        const auto at = [&bytes, start](std::uint64_t offset) {
            return bytes.begin() + static_cast<std::ptrdiff_t>(offset - start);
        };
        if (start < from)
            m_overlay.emplace(start, std::vector<std::uint8_t>(bytes.begin(), at(from)));
        if (end > to) {
            m_overlay.emplace(to, std::vector<std::uint8_t>(at(to), bytes.end()));
            break;
        }
    }
}

void EditedBytes::PutRun(std::uint64_t offset, std::vector<std::uint8_t> bytes)
{
    if (bytes.empty())
        return;
    const std::uint64_t end = offset + bytes.size();
    CutOverlay(offset, end);
    // Runs that touch become one, so the overlay stays a few runs however a run was typed.
    auto next = m_overlay.find(end);
    if (next != m_overlay.end()) {
        bytes.insert(bytes.end(), next->second.begin(), next->second.end());
        m_overlay.erase(next);
    }
    auto before = m_overlay.lower_bound(offset);
    if (before != m_overlay.begin()) {
        --before;
        if (before->first + before->second.size() == offset) {
            before->second.insert(before->second.end(), bytes.begin(), bytes.end());
            return;
        }
    }
    m_overlay.emplace(offset, std::move(bytes));
}

EditedBytes::State EditedBytes::Capture(std::uint64_t from, std::uint64_t to) const
{
    State state{.runs = {}, .size = m_size, .sourceShown = m_sourceShown};
    auto run = m_overlay.upper_bound(from);
    if (run != m_overlay.begin())
        --run;
    for (; run != m_overlay.end() && run->first < to; ++run) {
        const std::uint64_t start = std::max(from, run->first);
        const std::uint64_t end = std::min(to, run->first + run->second.size());
        if (start < end) {
            const auto first = run->second.begin() + static_cast<std::ptrdiff_t>(start - run->first);
            state.runs.emplace(start,
                               std::vector<std::uint8_t>(first, first + static_cast<std::ptrdiff_t>(end - start)));
        }
    }
    return state;
}

void EditedBytes::Restore(const Step& step, const State& state)
{
    CutOverlay(step.from, step.to);
    for (const auto& [offset, bytes] : state.runs)
        PutRun(offset, bytes);
    m_size = state.size;
    m_sourceShown = state.sourceShown;
    ++m_revision;
}

void EditedBytes::Push(Step step)
{
    step.id = m_nextStep++;
    m_done.push_back(std::move(step));
    m_undone.clear();
    ++m_revision;
}

bool EditedBytes::Write(std::uint64_t offset, std::span<const std::uint8_t> bytes, bool joinPrevious)
{
    if (offset > m_size || bytes.size() > m_size - offset)
        return false;
    if (bytes.empty())
        return true;
    const std::uint64_t end = offset + bytes.size();
    if (joinPrevious && m_joinable && !m_done.empty() && m_done.back().isWrite) {
        Step step = std::move(m_done.back());
        m_done.pop_back();
        // Before the joined step, the bytes outside the earlier write's run were as they are now.
        const std::uint64_t from = std::min(step.from, offset);
        const std::uint64_t to = std::max(step.to, end);
        step.before.runs.merge(Capture(from, step.from).runs);
        step.before.runs.merge(Capture(step.to, to).runs);
        step.from = from;
        step.to = to;
        PutRun(offset, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
        step.after = Capture(from, to);
        Push(std::move(step));
    } else {
        Step step{.id = 0, .from = offset, .to = end, .isWrite = true, .before = Capture(offset, end), .after = {}};
        PutRun(offset, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
        step.after = Capture(offset, end);
        Push(std::move(step));
    }
    m_joinable = true;
    return true;
}

void EditedBytes::Resize(std::uint64_t size)
{
    const std::uint64_t from = std::min(size, m_size);
    const std::uint64_t to = std::max(size, m_size);
    Step step{.id = 0, .from = from, .to = to, .isWrite = false, .before = Capture(from, to), .after = {}};
    CutOverlay(from, to);
    m_size = size;
    m_sourceShown = std::min(m_sourceShown, size);
    step.after = Capture(from, to);
    Push(std::move(step));
    m_joinable = false;
}

void EditedBytes::BeginGroup()
{
    m_groupFirst = m_done.size();
    m_groupBefore = Current();
}

void EditedBytes::EndGroup()
{
    if (m_done.size() <= m_groupFirst + 1) {
        m_groupBefore = {};
        return;  // no step, or one already whole
    }
    std::uint64_t from = m_done[m_groupFirst].from;
    std::uint64_t to = m_done[m_groupFirst].to;
    for (std::size_t index = m_groupFirst; index < m_done.size(); ++index) {
        from = std::min(from, m_done[index].from);
        to = std::max(to, m_done[index].to);
    }
    m_done.erase(m_done.begin() + static_cast<std::ptrdiff_t>(m_groupFirst), m_done.end());
    // The group's own steps' ranges cover every byte it changed, so [from, to) of the document
    // before and after are all an undo and a redo need.
    State before{.runs = {}, .size = m_groupBefore.size, .sourceShown = m_groupBefore.sourceShown};
    std::swap(m_overlay, m_groupBefore.runs);
    before.runs = Capture(from, to).runs;
    std::swap(m_overlay, m_groupBefore.runs);
    m_groupBefore = {};
    Step step{.id = 0, .from = from, .to = to, .isWrite = false, .before = std::move(before), .after = Capture(from, to)};
    Push(std::move(step));
    m_joinable = false;
}

bool EditedBytes::Undo()
{
    if (m_done.empty())
        return false;
    Restore(m_done.back(), m_done.back().before);
    m_undone.push_back(std::move(m_done.back()));
    m_done.pop_back();
    m_joinable = false;
    return true;
}

bool EditedBytes::Redo()
{
    if (m_undone.empty())
        return false;
    Restore(m_undone.back(), m_undone.back().after);
    m_done.push_back(std::move(m_undone.back()));
    m_undone.pop_back();
    m_joinable = false;
    return true;
}

void EditedBytes::MarkSaved()
{
    m_savedStep = TopStep();
    m_saved = {.runs = m_overlay, .size = m_size, .sourceShown = m_sourceShown};
}

std::vector<EditedRange> EditedBytes::RangesOff(const State& saved) const
{
    std::vector<EditedRange> ranges;
    const auto add = [&ranges](std::uint64_t offset, std::uint64_t size) {
        if (!ranges.empty() && ranges.back().offset + ranges.back().size == offset)
            ranges.back().size += size;
        else
            ranges.push_back({offset, size});
    };
    // A byte both have can differ only under a run of either, or between where each stops
    // showing the source.
    const std::uint64_t limit = std::min(m_size, saved.size);
    std::vector<EditedRange> candidates;
    for (const Overlay* runs : {&m_overlay, &saved.runs})
        for (const auto& [offset, bytes] : *runs) {
            if (offset >= limit)
                break;
            candidates.push_back({offset, std::min<std::uint64_t>(bytes.size(), limit - offset)});
        }
    const std::uint64_t low = std::min(m_sourceShown, saved.sourceShown);
    const std::uint64_t high = std::min(std::max(m_sourceShown, saved.sourceShown), limit);
    if (low < high)
        candidates.push_back({low, high - low});
    std::sort(candidates.begin(), candidates.end(),
              [](const EditedRange& a, const EditedRange& b) { return a.offset < b.offset; });

    constexpr std::uint64_t kPiece = 64 * 1024;
    std::vector<std::uint8_t> now;
    std::vector<std::uint8_t> then;
    std::uint64_t done = 0;  // candidates overlap: each byte is compared once
    for (const EditedRange& candidate : candidates) {
        for (std::uint64_t at = std::max(done, candidate.offset); at < candidate.offset + candidate.size;) {
            const std::uint64_t length = std::min(kPiece, candidate.offset + candidate.size - at);
            now.resize(length);
            then.resize(length);
            Read(at, now);
            ReadState(saved, at, then);
            for (std::uint64_t i = 0; i < length; ++i) {
                const std::uint64_t offset = at + i;
                // Source bytes cut off since and extended again are new, whatever their value.
                const bool cut = offset >= m_sourceShown && offset < saved.sourceShown;
                if (cut || now[i] != then[i])
                    add(offset, 1);
            }
            at += length;
            done = at;
        }
    }
    // Past the saved bytes' end every byte is new.
    if (m_size > limit)
        add(limit, m_size - limit);
    return ranges;
}

std::vector<EditedRange> EditedBytes::EditedRanges() const
{
    return RangesOff(m_saved);
}

std::vector<EditedRange> EditedBytes::RangesOffSource() const
{
    return RangesOff({.runs = {}, .size = SourceSize(), .sourceShown = SourceSize()});
}

std::uint64_t EditedBytes::EditedByteCount() const
{
    std::uint64_t count = 0;
    for (const EditedRange& range : EditedRanges())
        count += range.size;
    return count;
}

bool EditedBytes::IsEdited(std::uint64_t offset) const
{
    if (offset >= m_size)
        return false;
    if (offset >= m_saved.size || (offset >= m_sourceShown && offset < m_saved.sourceShown))
        return true;
    std::uint8_t saved = 0;
    ReadState(m_saved, offset, std::span(&saved, 1));
    return At(offset) != saved;
}

bool EditedBytes::WriteTo(const Sink& sink, std::uint64_t piece, const SourceRunSink& sourceRuns) const
{
    piece = std::max<std::uint64_t>(piece, 1);
    std::vector<std::uint8_t> buffer;
    // The bytes of [from, to) that no run covers, in pieces.
    const auto base = [&](std::uint64_t from, std::uint64_t to) {
        if (sourceRuns && from < std::min(to, m_sourceShown)) {
            const std::uint64_t shown = std::min(to, m_sourceShown);
            if (!sourceRuns(from, shown - from))
                return false;
            from = shown;
        }
        while (from < to) {
            const std::uint64_t length = std::min(piece, to - from);
            if (from < m_sourceShown) {
                const std::uint64_t shown = std::min(length, m_sourceShown - from);
                if (const std::span<const std::uint8_t> held = m_source->Held(from, shown); !held.empty()) {
                    if (!sink(held))
                        return false;
                    from += shown;
                    continue;
                }
            }
            buffer.resize(length);
            ReadBase(m_sourceShown, from, buffer);
            if (!sink(buffer))
                return false;
            from += length;
        }
        return true;
    };
    std::uint64_t at = 0;
    for (const auto& [offset, bytes] : m_overlay) {
        if (!base(at, offset))
            return false;
        for (std::uint64_t done = 0; done < bytes.size(); done += piece)
            if (!sink(std::span(bytes).subspan(done, std::min<std::uint64_t>(piece, bytes.size() - done))))
                return false;
        at = offset + bytes.size();
    }
    return base(at, m_size);
}

}  // namespace hexlume
