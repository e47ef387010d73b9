#include "DumpRelation.h"

#include "format/FindingList.h"
#include "format/NumberText.h"
#include "model/BitmapHeaders.h"

#include <algorithm>
#include <array>

namespace hexlume {

namespace {

using format::BitmapFormat;
using format::Element;
using format::ElementNameIsPlural;
using format::ElementKind;
using format::FieldId;
using format::Finding;
using format::FindingCode;
using format::FindingList;
using format::HeaderVersionName;
using format::kFileHeaderBytes;
using format::Layout;
using format::Severity;

// The window always shows a 40-byte info header.
constexpr std::uint64_t kInfoMemoEnd = kFileHeaderBytes + kInfoHeaderSize;

// The window's four memos, as the notes call them.
constexpr MessageTemplate kFileHeaderMemo = HX_TR("Dump", "file-header memo");
constexpr MessageTemplate kInfoHeaderMemo = HX_TR("Dump", "info-header memo");
constexpr MessageTemplate kPaletteMemo = HX_TR("Dump", "palette memo");
constexpr MessageTemplate kPixelDataMemo = HX_TR("Dump", "pixel-data memo");

struct Memo {
    const MessageTemplate* name;
    ByteRange bytes;
};

// The English possessive of a name ending in s is a bare apostrophe ("the bit-field masks' 12 bytes"):
// the sentences that use one come in two forms.
bool EndsWithS(std::string_view name)
{
    return name.ends_with('s');
}
[[maybe_unused]] bool EndsWithS(const Message& name)
{
    return name.English().ends_with('s');
}

Message RangeText(const ByteRange& range)
{
    return format::say::ByteRange(range.offset, range.size);
}

// The memo that should show each kind of element; none for the parts the window has no memo for.
const MessageTemplate* OwnMemo(ElementKind kind)
{
    switch (kind) {
    // The headers that lead to an image go with its file header, an icon's mask with its pixels.
    case ElementKind::ArrayHeader:
    case ElementKind::IconDirectory:
    case ElementKind::IconEntry:
    case ElementKind::FileHeader: return &kFileHeaderMemo;
    case ElementKind::InfoHeader: return &kInfoHeaderMemo;
    case ElementKind::ColorTable: return &kPaletteMemo;
    case ElementKind::AndMask:
    case ElementKind::PngStream:
    case ElementKind::PixelData: return &kPixelDataMemo;
    default: return nullptr;
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
        m_memos = {Memo{&kFileHeaderMemo, clip(dump.fileHeader.offset, dump.fileHeader.size)},
                   Memo{&kInfoHeaderMemo, clip(dump.infoHeader.offset, dump.infoHeader.size)},
                   Memo{&kPaletteMemo, clip(dump.paletteOffset, dump.paletteSize)},
                   Memo{&kPixelDataMemo, clip(dump.dataOffset, dump.dataSize)}};
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
        Message message;
        if (memo.name == &kPixelDataMemo && memo.bytes.offset == shown.offset && shown.End() == offBits)
            message = Message(HX_TR("Dump", "The pixel-data memo starts %1 before %2 because those %1 are the %3."))
                          .Arg(format::say::Bytes(shown.size))
                          .Arg(m_list.NameOf(FieldId::PixelOffset))
                          .Arg(format::ElementTitle(element));
        else if (shown.size < bytes.size)
            message = Message(HX_TR("Dump", "The %1 shows %2, which are the %3 (%4 of its %5)."))
                          .Arg(*memo.name)
                          .Arg(RangeText(shown))
                          .Arg(format::ElementTitle(element))
                          .Arg(format::say::Bytes(shown.size))
                          .Number(bytes.size);
        else
            message = Message(HX_TR("Dump", "The %1 shows %2, which are the %3."))
                          .Arg(*memo.name)
                          .Arg(RangeText(shown))
                          .Arg(format::ElementTitle(element));
        m_list.Add(Severity::Note, FindingCode::DumpShowsOtherPart, shown.offset, shown.size, message);
    }

    void NoteNotShown(const Element& element, const ByteRange& bytes)
    {
        const std::uint64_t hidden = bytes.size - ShownBytes(bytes);
        if (hidden == 0)
            return;
        const std::uint64_t first = FirstHidden(bytes);
        const bool endsWithS = EndsWithS(element.name);
        Message message;
        if (element.kind == ElementKind::InfoHeader && first == m_memos[1].bytes.End() && first == kInfoMemoEnd &&
            hidden == bytes.End() - first)
            message = Message(endsWithS ? HX_TR("Dump", "The info-header memo shows 40 of the %1' %2 bytes; the %3 "
                                                        "after them appear in no memo.")
                                        : HX_TR("Dump", "The info-header memo shows 40 of the %1's %2 bytes; the %3 "
                                                        "after them appear in no memo."))
                          .Arg(format::ElementTitle(element))
                          .Number(bytes.size)
                          .Number(hidden);
        else if (hidden == bytes.size)
            message = Message(ElementNameIsPlural(element.kind) ? HX_TR("Dump", "The %1 (%2) appear in no memo.")
                                                                : HX_TR("Dump", "The %1 (%2) appears in no memo."))
                          .Arg(format::ElementTitle(element))
                          .Arg(RangeText(bytes));
        else
            message = Message(endsWithS ? HX_TR("Dump", "%1 of the %2' %3 appear in no memo, the first at offset %4.")
                                        : HX_TR("Dump", "%1 of the %2's %3 appear in no memo, the first at offset %4."))
                          .Number(hidden)
                          .Arg(format::ElementTitle(element))
                          .Arg(format::say::Bytes(bytes.size))
                          .Number(first);
        m_list.Add(Severity::Note, FindingCode::DumpHidesBytes, first, hidden, message);
    }

    // A core header's colour table has 3-byte entries; the palette memo groups it in fours.
    void NoteEntrySize()
    {
        const BitmapFormat& format = m_layout.format;
        const ByteRange table = format.colorTable.Present();
        if (format.colorEntrySize != 3 || table.Meet(m_memos[2].bytes).Empty())
            return;
        const std::string_view version = HeaderVersionName(format.version);
        m_list.Add(Severity::Note, FindingCode::DumpEntrySize, table.offset, table.size,
                   Message(EndsWithS(version) ? HX_TR("Dump", "The palette memo reads 4-byte entries; this %1' %2 "
                                                              "colours are 3 bytes each (blue, green, red).")
                                              : HX_TR("Dump", "The palette memo reads 4-byte entries; this %1's %2 "
                                                              "colours are 3 bytes each (blue, green, red)."))
                       .Arg(version)
                       .Number(format.colorCount));
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
