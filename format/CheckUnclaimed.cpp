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
            const Message range = say::ByteRange(element.offset, element.size).Capitalised();
            if (element.kind == ElementKind::Gap)
                m_list.Add(Severity::Note, FindingCode::Gap, element.offset, element.size,
                           Held(Message(element.offset + element.size == m_format.offBits
                                            ? HX_TR("Findings", "%1 (%2) belong to no part of the bitmap: a gap before "
                                                                "the pixel data.")
                                            : HX_TR("Findings", "%1 (%2) belong to no part of the bitmap."))
                                    .Arg(range)
                                    .Arg(say::Bytes(element.size)),
                                element));
            else if (element.kind == ElementKind::Trailing)
                m_list.Add(Severity::Note, FindingCode::TrailingBytes, element.offset, element.size,
                           Held(Message(HX_TR("Findings", "%1 (%2) follow the bitmap's last part."))
                                    .Arg(range)
                                    .Arg(say::Bytes(element.size)),
                                element));
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
        const MessageTemplate said =
            found->beforePixels
                ? (found->shownOnTop ? HX_TR_N("Findings", "%1 (%2) before the pixel data are exactly %n more row(s) "
                                                           "of %3: the picture may have been %4x%5, with (this "
                                                           "row|these rows) at its top.")
                                     : HX_TR_N("Findings", "%1 (%2) before the pixel data are exactly %n more row(s) "
                                                           "of %3: the picture may have been %4x%5, with (this "
                                                           "row|these rows) at its bottom."))
                : (found->shownOnTop ? HX_TR_N("Findings", "%1 (%2) after the pixel data are exactly %n more row(s) of "
                                                           "%3: the picture may have been %4x%5, with (this row|these "
                                                           "rows) at its top.")
                                     : HX_TR_N("Findings", "%1 (%2) after the pixel data are exactly %n more row(s) of "
                                                           "%3: the picture may have been %4x%5, with (this row|these "
                                                           "rows) at its bottom."));
        m_list.Add(Severity::Note, FindingCode::RowsPastPicture, found->offset, found->size,
                   Message(said)
                       .Count(found->rows)
                       .Arg(say::ByteRange(found->offset, found->size).Capitalised())
                       .Arg(say::Bytes(found->size))
                       .Arg(say::Pixels(m_format.columns))
                       .Arg(std::to_string(m_format.columns))
                       .Arg(std::to_string(wholeRows)));
    }

    // The sentence about unclaimed bytes, then whether they are all zero or what files start
    // inside them: hidden data announces itself.
    Message Held(Message sentence, const Element& element) const
    {
        return Message::Joined({std::move(sentence), Message::Verbatim(" "), WhatUnclaimedBytesHold(element)});
    }

    Message WhatUnclaimedBytesHold(const Element& element) const
    {
        const Bytes bytes = m_file.subspan(element.offset, element.size);
        if (std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t byte) { return byte == 0; }))
            return Message(HX_TR_N("Findings", "(It is|They are all) zero.")).Count(element.size);
        constexpr std::size_t kNamed = 3;
        const SignatureSearch search = FindSignatures(m_file, {element.offset, element.size}, kNamed);
        if (search.count == 0)
            return Message(HX_TR_N("Findings", "(It is not|They are not all) zero.")).Count(element.size);
        const bool allNamed = search.count == search.first.size();
        Message files;
        for (std::size_t i = 0; i < search.first.size(); ++i) {
            Message file = Message(HX_TR("Findings", "%1 at offset %2"))
                               .Arg(search.first[i].title)
                               .Number(search.first[i].offset);
            const bool last = i + 1 == search.first.size();
            files = i == 0 ? std::move(file)
                           : Message(last && allNamed ? HX_TR("Findings", "%1 and %2") : HX_TR("Findings", "%1, %2"))
                                 .Arg(std::move(files))
                                 .Arg(std::move(file));
        }
        if (search.count > search.first.size())
            files = Message(HX_TR_N("Findings", "%1 and %n more file signature(s)"))
                        .Count(search.count - search.first.size())
                        .Arg(std::move(files));
        return Message(HX_TR("Findings", "They hold %1.")).Arg(std::move(files));
    }
};

}  // namespace

void NoteUnclaimedBytes(Context& context)
{
    UnclaimedCheck(context).NoteUnclaimedBytes();
}

}  // namespace hexlume::format::check
