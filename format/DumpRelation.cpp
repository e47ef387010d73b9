#include "Findings.h"

#include "FindingList.h"
#include "NumberText.h"

#include <algorithm>
#include <array>

namespace hexlume::format {

namespace {

// The window always shows a 40-byte info header.
constexpr std::uint64_t kInfoMemoEnd = kFileHeaderBytes + TableBytes(InfoHeaderFields(HeaderVersion::Info));

struct Span {
    std::uint64_t begin = 0;
    std::uint64_t end = 0;  // one past the last byte

    std::uint64_t Size() const { return end - begin; }
    bool Empty() const { return end <= begin; }
    Span Meet(const Span& other) const { return {std::max(begin, other.begin), std::min(end, other.end)}; }
};

struct Memo {
    std::string_view name;
    Span bytes;
};

std::string Possessive(const std::string& name)
{
    return name + (name.ends_with('s') ? "'" : "'s");
}

std::string RangeText(const Span& span)
{
    return ByteRangeText(span.begin, span.Size());
}

// The memo that should show each kind of element; none for the parts the window has no memo for.
std::string_view OwnMemo(ElementKind kind)
{
    switch (kind) {
    case ElementKind::FileHeader: return "file-header memo";
    case ElementKind::InfoHeader: return "info-header memo";
    case ElementKind::ColorTable: return "palette memo";
    case ElementKind::PixelData: return "pixel-data memo";
    default: return {};
    }
}

class DumpRelation {
public:
    DumpRelation(const Layout& layout, const DumpRegions& dump) : m_layout(layout), m_list(layout)
    {
        const std::uint64_t size = layout.format.fileSize;
        const auto clip = [size](std::uint64_t offset, std::uint64_t length) {
            const std::uint64_t begin = std::min(offset, size);
            return Span{begin, begin + std::min(length, size - begin)};
        };
        m_memos = {Memo{"file-header memo", clip(0, kFileHeaderBytes)},
                   Memo{"info-header memo", clip(kFileHeaderBytes, kInfoMemoEnd - kFileHeaderBytes)},
                   Memo{"palette memo", clip(dump.paletteOffset, dump.paletteSize)},
                   Memo{"pixel-data memo", clip(dump.dataOffset, dump.dataSize)}};
    }

    std::vector<Finding> Run()
    {
        for (const Element& element : m_layout.elements) {
            const Span bytes{element.offset, element.offset + element.size};
            for (const Memo& memo : m_memos)
                NoteShownElsewhere(element, bytes, memo);
            NoteNotShown(element, bytes);
        }
        NoteEntrySize();
        return m_list.Take();
    }

private:
    void NoteShownElsewhere(const Element& element, const Span& bytes, const Memo& memo)
    {
        const Span shown = bytes.Meet(memo.bytes);
        if (shown.Empty() || memo.name == OwnMemo(element.kind))
            return;
        const std::uint64_t offBits = m_layout.format.offBits;
        std::string message;
        if (memo.name == "pixel-data memo" && memo.bytes.begin == shown.begin && shown.end == offBits)
            message = "The pixel-data memo starts " + ByteCount(shown.Size()) + " before " +
                      m_list.NameOf(FieldId::PixelOffset) + " because those " +
                      ByteCount(shown.Size()) + " are the " + element.name + ".";
        else
            message = "The " + std::string(memo.name) + " shows " + RangeText(shown) + ", which are the " +
                      element.name + (shown.Size() < bytes.Size() ? " (" + ByteCount(shown.Size()) + " of its " +
                                                                        GroupedNumber(bytes.Size()) + ")."
                                                                  : ".");
        m_list.Add(Severity::Note, "dump-shows-other-part", shown.begin, shown.Size(), message);
    }

    void NoteNotShown(const Element& element, const Span& bytes)
    {
        const std::uint64_t hidden = bytes.Size() - ShownBytes(bytes);
        if (hidden == 0)
            return;
        const std::uint64_t first = FirstHidden(bytes);
        std::string message;
        if (element.kind == ElementKind::InfoHeader && first == kInfoMemoEnd && hidden == bytes.end - first)
            message = "The info-header memo shows 40 of the " + Possessive(element.name) + " " +
                      GroupedNumber(bytes.Size()) + " bytes; the " + GroupedNumber(hidden) +
                      " after them appear in no memo.";
        else if (hidden == bytes.Size())
            message = "The " + element.name + " (" + RangeText(bytes) + ") appears in no memo.";
        else
            message = GroupedNumber(hidden) + " of the " + Possessive(element.name) + " " + ByteCount(bytes.Size()) +
                      " appear in no memo, the first at offset " + GroupedNumber(first) + ".";
        m_list.Add(Severity::Note, "dump-hides-bytes", first, hidden, message);
    }

    // A core header's colour table has 3-byte entries; the palette memo groups it in fours.
    void NoteEntrySize()
    {
        const BitmapFormat& format = m_layout.format;
        const Span table{format.colorTable.offset, format.colorTable.offset + format.colorTable.present};
        if (format.colorEntrySize != 3 || table.Meet(m_memos[2].bytes).Empty())
            return;
        m_list.Add(Severity::Note, "dump-entry-size", table.begin, table.Size(),
                   "The palette memo reads 4-byte entries; this " +
                       Possessive(std::string(HeaderVersionName(format.version))) + " " + GroupedNumber(format.colorCount) + " colours are 3 bytes each (blue, green, red).");
    }

    // Bytes of `bytes` inside at least one memo.
    std::uint64_t ShownBytes(const Span& bytes) const
    {
        std::array<Span, 4> parts{};
        for (std::size_t i = 0; i < parts.size(); ++i)
            parts[i] = bytes.Meet(m_memos[i].bytes);
        std::sort(parts.begin(), parts.end(), [](const Span& a, const Span& b) { return a.begin < b.begin; });
        std::uint64_t shown = 0;
        std::uint64_t reached = bytes.begin;
        for (const Span& part : parts) {
            if (part.Empty())
                continue;
            const std::uint64_t from = std::max(reached, part.begin);
            if (part.end > from) {
                shown += part.end - from;
                reached = part.end;
            }
        }
        return shown;
    }

    std::uint64_t FirstHidden(const Span& bytes) const
    {
        std::uint64_t at = bytes.begin;
        for (bool moved = true; moved && at < bytes.end;) {
            moved = false;
            for (const Memo& memo : m_memos)
                if (at >= memo.bytes.begin && at < memo.bytes.end) {
                    at = memo.bytes.end;
                    moved = true;
                }
        }
        return at;
    }

    const Layout& m_layout;
    FindingList m_list;
    std::array<Memo, 4> m_memos;
};

}  // namespace

std::vector<Finding> DumpRelationNotes(const Layout& layout, const DumpRegions& dump)
{
    return DumpRelation(layout, dump).Run();
}

}  // namespace hexlume::format
