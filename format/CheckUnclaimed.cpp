#include "CheckContext.h"

#include "HiddenRows.h"
#include "NumberText.h"
#include "Signatures.h"

#include <algorithm>

namespace hexlume::format::check {

namespace {

struct UnclaimedCheck : Part {
    using Part::Part;

    void NoteUnclaimedBytes()
    {
        for (const Element& element : m_layout.elements) {
            if (element.kind == ElementKind::Gap)
                m_list.Add(Severity::Note, FindingCode::Gap, element.offset, element.size,
                           Capitalised(ByteRangeText(element.offset, element.size)) + " (" + ByteCount(element.size) +
                               ") belong to no part of the bitmap" +
                               (element.offset + element.size == m_format.offBits ? ": a gap before the pixel data."
                                                                                  : ".") +
                               WhatUnclaimedBytesHold(element));
            else if (element.kind == ElementKind::Trailing)
                m_list.Add(Severity::Note, FindingCode::TrailingBytes, element.offset, element.size,
                           Capitalised(ByteRangeText(element.offset, element.size)) + " (" + ByteCount(element.size) +
                               ") follow the bitmap's last part." + WhatUnclaimedBytesHold(element));
        }
        NoteRowsPastPicture();
    }

    // Unclaimed bytes beside the pixel data that are whole rows: a lowered height may hide them.
    void NoteRowsPastPicture()
    {
        const std::optional<RowsPastPicture> found = FindRowsPastPicture(m_layout);
        if (!found)
            return;
        const std::uint64_t wholeRows = m_format.rows + found->rows;
        m_list.Add(Severity::Note, FindingCode::RowsPastPicture, found->offset, found->size,
                   Capitalised(ByteRangeText(found->offset, found->size)) + " (" + ByteCount(found->size) + ") " +
                       (found->beforePixels ? "before" : "after") + " the pixel data are exactly " +
                       Counted(found->rows, "more row", "more rows") + " of " +
                       Counted(m_format.columns, "pixel", "pixels") + ": the picture may have been " +
                       std::to_string(m_format.columns) + "x" + std::to_string(wholeRows) + ", with " +
                       std::string(CountWord(found->rows, "this row at its ", "these rows at its ")) +
                       (found->shownOnTop ? "top." : "bottom."));
    }

    // " They are all zero." or what files start inside them: hidden data announces itself.
    std::string WhatUnclaimedBytesHold(const Element& element) const
    {
        const Bytes bytes = m_file.subspan(element.offset, element.size);
        if (std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t byte) { return byte == 0; }))
            return std::string(CountWord(element.size, " It is zero.", " They are all zero."));
        constexpr std::size_t kNamed = 3;
        const SignatureSearch search = FindSignatures(m_file, {element.offset, element.size}, kNamed);
        if (search.count == 0)
            return std::string(CountWord(element.size, " It is not zero.", " They are not all zero."));
        std::string text = " They hold ";
        const bool allNamed = search.count == search.first.size();
        for (std::size_t i = 0; i < search.first.size(); ++i) {
            const bool last = i + 1 == search.first.size();
            text += std::string(i == 0 ? "" : last && allNamed ? " and " : ", ") +
                    std::string(search.first[i].name) + " at offset " + GroupedNumber(search.first[i].offset);
        }
        if (search.count > search.first.size())
            text += " and " + Counted(search.count - search.first.size(), "more file signature", "more file signatures");
        return text + ".";
    }
};

}  // namespace

void NoteUnclaimedBytes(Context& context)
{
    UnclaimedCheck(context).NoteUnclaimedBytes();
}

}  // namespace hexlume::format::check
