#include "DumpRelation.h"

#include "format/FindingList.h"
#include "format/NumberText.h"
#include "model/BitmapHeaders.h"

#include <algorithm>
#include <array>

namespace hexlume {

namespace {

using format::BitmapFormat;
using format::ByteCount;
using format::ByteRangeText;
using format::Element;
using format::ElementNameIsPlural;
using format::ElementKind;
using format::FieldId;
using format::Finding;
using format::FindingCode;
using format::FindingList;
using format::GroupedNumber;
using format::HeaderVersionName;
using format::kFileHeaderBytes;
using format::Layout;
using format::Severity;

// The window always shows a 40-byte info header.
constexpr std::uint64_t kInfoMemoEnd = kFileHeaderBytes + kInfoHeaderSize;

struct Memo {
    std::string_view name;
    ByteRange bytes;
};

std::string Possessive(const std::string& name)
{
    return name + (name.ends_with('s') ? "'" : "'s");
}

std::string RangeText(const ByteRange& range)
{
    return ByteRangeText(range.offset, range.size);
}

// The memo that should show each kind of element; none for the parts the window has no memo for.
std::string_view OwnMemo(ElementKind kind)
{
    switch (kind) {
    // The headers that lead to an image go with its file header, an icon's mask with its pixels.
    case ElementKind::ArrayHeader:
    case ElementKind::IconDirectory:
    case ElementKind::IconEntry:
    case ElementKind::FileHeader: return "file-header memo";
    case ElementKind::InfoHeader: return "info-header memo";
    case ElementKind::ColorTable: return "palette memo";
    case ElementKind::AndMask:
    case ElementKind::PngStream:
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
            return ByteRange{offset, length}.Within(size);
        };
        m_memos = {Memo{"file-header memo", clip(dump.fileHeader.offset, dump.fileHeader.size)},
                   Memo{"info-header memo", clip(dump.infoHeader.offset, dump.infoHeader.size)},
                   Memo{"palette memo", clip(dump.paletteOffset, dump.paletteSize)},
                   Memo{"pixel-data memo", clip(dump.dataOffset, dump.dataSize)}};
    }

    std::vector<Finding> Run()
    {
        for (const Element& element : m_layout.elements) {
            const ByteRange bytes{element.offset, element.size};
            for (const Memo& memo : m_memos)
                NoteShownElsewhere(element, bytes, memo);
            NoteNotShown(element, bytes);
        }
        NoteEntrySize();
        return m_list.Take();
    }

private:
    void NoteShownElsewhere(const Element& element, const ByteRange& bytes, const Memo& memo)
    {
        const ByteRange shown = bytes.Meet(memo.bytes);
        if (shown.Empty() || memo.name == OwnMemo(element.kind))
            return;
        const std::uint64_t offBits = m_layout.format.offBits;
        std::string message;
        if (memo.name == "pixel-data memo" && memo.bytes.offset == shown.offset && shown.End() == offBits)
            message = "The pixel-data memo starts " + ByteCount(shown.size) + " before " +
                      m_list.NameOf(FieldId::PixelOffset) + " because those " + ByteCount(shown.size) + " are the " +
                      element.name + ".";
        else
            message = "The " + std::string(memo.name) + " shows " + RangeText(shown) + ", which are the " +
                      element.name + (shown.size < bytes.size ? " (" + ByteCount(shown.size) + " of its " +
                                                                        GroupedNumber(bytes.size) + ")."
                                                                  : ".");
        m_list.Add(Severity::Note, FindingCode::DumpShowsOtherPart, shown.offset, shown.size, message);
    }

    void NoteNotShown(const Element& element, const ByteRange& bytes)
    {
        const std::uint64_t hidden = bytes.size - ShownBytes(bytes);
        if (hidden == 0)
            return;
        const std::uint64_t first = FirstHidden(bytes);
        std::string message;
        if (element.kind == ElementKind::InfoHeader && first == m_memos[1].bytes.End() && first == kInfoMemoEnd &&
            hidden == bytes.End() - first)
            message = "The info-header memo shows 40 of the " + Possessive(element.name) + " " +
                      GroupedNumber(bytes.size) + " bytes; the " + GroupedNumber(hidden) +
                      " after them appear in no memo.";
        else if (hidden == bytes.size)
            message = "The " + element.name + " (" + RangeText(bytes) + (ElementNameIsPlural(element.kind) ? ") appear" : ") appears") +
                      " in no memo.";
        else
            message = GroupedNumber(hidden) + " of the " + Possessive(element.name) + " " + ByteCount(bytes.size) +
                      " appear in no memo, the first at offset " + GroupedNumber(first) + ".";
        m_list.Add(Severity::Note, FindingCode::DumpHidesBytes, first, hidden, message);
    }

    // A core header's colour table has 3-byte entries; the palette memo groups it in fours.
    void NoteEntrySize()
    {
        const BitmapFormat& format = m_layout.format;
        const ByteRange table = format.colorTable.Present();
        if (format.colorEntrySize != 3 || table.Meet(m_memos[2].bytes).Empty())
            return;
        m_list.Add(Severity::Note, FindingCode::DumpEntrySize, table.offset, table.size,
                   "The palette memo reads 4-byte entries; this " +
                       Possessive(std::string(HeaderVersionName(format.version))) + " " + GroupedNumber(format.colorCount) + " colours are 3 bytes each (blue, green, red).");
    }

    // Bytes of `bytes` inside at least one memo.
    std::uint64_t ShownBytes(const ByteRange& bytes) const
    {
        std::array<ByteRange, 4> parts{};
        for (std::size_t i = 0; i < parts.size(); ++i)
            parts[i] = bytes.Meet(m_memos[i].bytes);
        std::sort(parts.begin(), parts.end(), [](const ByteRange& a, const ByteRange& b) { return a.offset < b.offset; });
        std::uint64_t shown = 0;
        std::uint64_t reached = bytes.offset;
        for (const ByteRange& part : parts) {
            if (part.Empty())
                continue;
            const std::uint64_t from = std::max(reached, part.offset);
            if (part.End() > from) {
                shown += part.End() - from;
                reached = part.End();
            }
        }
        return shown;
    }

    std::uint64_t FirstHidden(const ByteRange& bytes) const
    {
        std::uint64_t at = bytes.offset;
        for (bool moved = true; moved && at < bytes.End();) {
            moved = false;
            for (const Memo& memo : m_memos)
                if (memo.bytes.Contains(at)) {
                    at = memo.bytes.End();
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

bool IsDumpNote(const Finding& finding)
{
    switch (finding.code) {
    case FindingCode::DumpShowsOtherPart:
    case FindingCode::DumpHidesBytes:
    case FindingCode::DumpEntrySize: return true;
    default: return false;
    }
}

}  // namespace hexlume
