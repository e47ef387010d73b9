#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <vector>

// A file's bytes as the user has changed them, with an undo history. The file's own bytes (the
// source) are never changed: edits are kept apart from them, as piece tables do, so a document
// over a 512 MiB file with a few edits costs the edits and not another copy of the file, and a
// source that reads on demand can later take the place of one held whole.
namespace hexlume {

// The bytes a document starts from. Read-only and unchanging while the document lives.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t Size() const = 0;
    // Copies out.size() bytes from offset on; the caller asks only for bytes inside Size().
    virtual void ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) const = 0;
    // The bytes [offset, offset + length) as a span of memory when the source holds them so
    // (read or mapped), so a save can hand them on without copying; empty otherwise.
    virtual std::span<const std::uint8_t> Held(std::uint64_t /*offset*/, std::uint64_t /*length*/) const { return {}; }
    // An open file that holds the same bytes at the same offsets, or -1: a save copies the
    // runs nobody edited from it inside the kernel, as cp does, without reading them.
    virtual int FileDescriptor() const { return -1; }
};

// A source over bytes in memory. `owner` keeps them alive (a vector, a mapping); it may be
// empty when the caller keeps them alive for longer than the document.
// `descriptor`, when not -1, is a file holding the same bytes, which the caller keeps open.
class SpanSource final : public ByteSource {
public:
    explicit SpanSource(std::span<const std::uint8_t> bytes, std::shared_ptr<const void> owner = {},
                        int descriptor = -1)
        : m_bytes(bytes), m_owner(std::move(owner)), m_descriptor(descriptor)
    {
    }
    std::uint64_t Size() const override { return m_bytes.size(); }
    void ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) const override;
    std::span<const std::uint8_t> Held(std::uint64_t offset, std::uint64_t length) const override
    {
        return m_bytes.subspan(offset, length);
    }
    int FileDescriptor() const override { return m_descriptor; }

private:
    std::span<const std::uint8_t> m_bytes;
    std::shared_ptr<const void> m_owner;
    int m_descriptor;
};

// The file's bytes in one block that the window's views also show. The window patches the block
// in place with the edits, so it holds one copy of the file however it is edited; before a byte
// is patched the first time, the source keeps the file's own value aside, so it still reads as
// the file everywhere (and a descriptor of that file stays good for every run).
class PatchedSource final : public ByteSource {
public:
    // The block holds the file's `size` bytes; it must outlive nothing, the source shares it.
    PatchedSource(std::shared_ptr<std::uint8_t[]> block, std::uint64_t size, int descriptor = -1);
    std::uint64_t Size() const override { return m_size; }
    void ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) const override;
    // The block's bytes where none is patched.
    std::span<const std::uint8_t> Held(std::uint64_t offset, std::uint64_t length) const override;
    int FileDescriptor() const override { return m_descriptor; }

    const std::shared_ptr<std::uint8_t[]>& Block() const { return m_block; }
    // How many bytes the block holds: the file's, or more once grown.
    std::uint64_t Capacity() const { return m_capacity; }
    // Writes bytes into the block from offset on (inside Capacity()), the file's own bytes
    // there kept aside first.
    void Patch(std::uint64_t offset, std::span<const std::uint8_t> bytes);
    // Moves to a larger block whose first Capacity() bytes are a copy of the current one's.
    void Grow(std::shared_ptr<std::uint8_t[]> block, std::uint64_t capacity);
    // How many of the file's bytes are kept aside.
    std::uint64_t KeptBytes() const;

private:
    std::shared_ptr<std::uint8_t[]> m_block;
    std::uint64_t m_size;
    std::uint64_t m_capacity;
    int m_descriptor;
    // The file's own bytes where the block is patched, as separate runs by offset.
    std::map<std::uint64_t, std::vector<std::uint8_t>> m_kept;
};

// A run of the document's bytes: [offset, offset + size).
struct EditedRange {
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
    bool operator==(const EditedRange&) const = default;
};

// The document. Its bytes are the source's, cut to or extended (with zero bytes) to Size(), with
// the written runs laid over them. Every change is one undo step; there is no depth limit.
//
// For the window: each committed cell is one Write; a run of typed bytes is Writes with
// joinPrevious true after the first, so Ctrl+Z takes the whole run back. Revision() changes with
// every edit, undo and redo, which tells the views to read the bytes again. MarkSaved() after a
// Save As makes HasUnsavedEdits() false until the next change, and undo keeps working across it.
class EditedBytes {
public:
    explicit EditedBytes(std::shared_ptr<const ByteSource> source);

    std::uint64_t Size() const { return m_size; }
    std::uint64_t SourceSize() const { return m_source->Size(); }
    const ByteSource& Source() const { return *m_source; }

    // Copies the current bytes from offset into out; returns how many there were (fewer than
    // out.size() at the end, 0 from Size() on).
    std::uint64_t Read(std::uint64_t offset, std::span<std::uint8_t> out) const;
    // The current byte at offset (inside Size()).
    std::uint8_t At(std::uint64_t offset) const;
    // All the current bytes as one copy, for a caller that needs them contiguous.
    std::vector<std::uint8_t> Copy() const;

    // Overwrites bytes from offset on; the run must lie inside Size() (false, and nothing done,
    // when it does not; the size changes only through Resize). joinPrevious adds it to the step
    // of the Write just before, when that was the last change (not after an undo, redo or
    // resize), so a run of typed bytes is one step. An empty run changes nothing.
    bool Write(std::uint64_t offset, std::span<const std::uint8_t> bytes, bool joinPrevious = false);
    // Cuts the document to `size` bytes or extends it with zero bytes; one undo step. Bytes
    // cut off and then extended again come back as zeros.
    void Resize(std::uint64_t size);

    // The changes between the two (Writes and Resizes) become one undo step, so a change made of
    // several, such as a repair, is taken back whole. Groups do not nest.
    void BeginGroup();
    void EndGroup();

    bool CanUndo() const { return !m_done.empty(); }
    bool CanRedo() const { return !m_undone.empty(); }
    // Each gives the bytes back exactly as they were before the step (or after it); false when
    // there is nothing to undo (redo).
    bool Undo();
    bool Redo();

    // Bytes that differ from the saved ones (the source's until the first MarkSaved, then those
    // of the last save) at the same offset, and bytes past the saved ones' end or source bytes
    // cut off since and extended again (new bytes, whatever their value). A Write of a byte's own
    // value edits nothing. Bytes cut off are not counted: Size() against SavedSize() tells of them.
    std::uint64_t EditedByteCount() const;
    // Those bytes as sorted, separate runs (for a tint).
    std::vector<EditedRange> EditedRanges() const;
    bool IsEdited(std::uint64_t offset) const;
    std::uint64_t SavedSize() const { return m_saved.size; }
    // The same against the source whatever was saved: where the bytes are not the source's own.
    std::vector<EditedRange> RangesOffSource() const;

    // Hands the current bytes to sink in order, in pieces of at most `piece` bytes (the
    // source's own memory where it has it whole, so saving copies nothing); stops and returns
    // false as soon as sink does. With sourceRuns, the runs that are the source's own bytes at
    // the same offsets go to it instead, by offset and length, for a caller that copies them
    // from the source's file itself.
    using Sink = std::function<bool(std::span<const std::uint8_t>)>;
    using SourceRunSink = std::function<bool(std::uint64_t offset, std::uint64_t length)>;
    bool WriteTo(const Sink& sink, std::uint64_t piece = std::uint64_t{1} << 20,
                 const SourceRunSink& sourceRuns = {}) const;

    // Changes with every edit, undo and redo.
    std::uint64_t Revision() const { return m_revision; }
    // The current bytes become the ones edits are counted against; undo still reaches back
    // past them to the source's.
    void MarkSaved();
    bool HasUnsavedEdits() const { return m_savedStep != TopStep(); }

private:
    // The written bytes, as separate runs that neither overlap nor touch, by offset.
    using Overlay = std::map<std::uint64_t, std::vector<std::uint8_t>>;

    // What the document looked like over [from, to) before and after one step, and its size and
    // how much of the source it still shows.
    struct State {
        Overlay runs;  // the overlay's runs inside [from, to)
        std::uint64_t size = 0;
        std::uint64_t sourceShown = 0;
    };
    struct Step {
        std::uint64_t id = 0;
        std::uint64_t from = 0, to = 0;
        bool isWrite = false;
        State before, after;
    };

    State Capture(std::uint64_t from, std::uint64_t to) const;
    // The bytes of a state of the document (out inside its size).
    void ReadState(const State& state, std::uint64_t offset, std::span<std::uint8_t> out) const;
    State Current() const { return {.runs = m_overlay, .size = m_size, .sourceShown = m_sourceShown}; }
    std::vector<EditedRange> RangesOff(const State& saved) const;
    void Restore(const Step& step, const State& state);
    void CutOverlay(std::uint64_t from, std::uint64_t to);
    void PutRun(std::uint64_t offset, std::vector<std::uint8_t> bytes);
    // The bytes under an overlay: the source's below sourceShown, zeros past it.
    void ReadBase(std::uint64_t sourceShown, std::uint64_t offset, std::span<std::uint8_t> out) const;
    void Push(Step step);
    std::uint64_t TopStep() const { return m_done.empty() ? 0 : m_done.back().id; }

    std::shared_ptr<const ByteSource> m_source;
    std::uint64_t m_size = 0;
    std::uint64_t m_sourceShown = 0;  // the source's bytes below this still show; zeros above
    Overlay m_overlay;
    std::vector<Step> m_done;
    std::vector<Step> m_undone;
    bool m_joinable = false;
    std::uint64_t m_nextStep = 1;
    std::uint64_t m_savedStep = 0;
    State m_saved;  // the bytes edits are counted against (only when the state is not the source's)
    std::uint64_t m_revision = 0;
    std::size_t m_groupFirst = 0;  // the first step of the open group
    State m_groupBefore;           // the document as the open group found it
};

}  // namespace hexlume
