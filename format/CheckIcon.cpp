#include "CheckContext.h"

#include "NumberText.h"

#include <algorithm>
#include <optional>

namespace hexlume::format::check {

namespace {

struct IconCheck : Part {
    using Part::Part;

    const IconFile& icon = m_layout.icon;
    const FieldTable entryFields = IconEntryFields(icon.IsCursor());

    void OnDirectoryField(Severity severity, FindingCode code, FieldId id, Message message)
    {
        const FieldEntry& field = FieldOf(kIconDirectoryFields, id);
        m_list.Add(severity, code, field.offset, field.Size(), std::move(message), DirectoryFieldName(id));
    }

    static std::string DirectoryFieldName(FieldId id)
    {
        return std::string(FieldOf(kIconDirectoryFields, id).name.View());
    }

    void OnEntryField(Severity severity, FindingCode code, const IconEntry& entry, FieldId id, Message message)
    {
        const FieldEntry& field = FieldOf(entryFields, id);
        m_list.Add(severity, code, entry.at + field.offset, field.Size(), std::move(message), FieldName(id));
    }

    std::string FieldName(FieldId id) const { return std::string(FieldOf(entryFields, id).name.View()); }

    void CheckDirectory()
    {
        const std::size_t images = icon.entries.size();
        m_list.Add(Severity::Note, FindingCode::IconFile, 0, kIconDirectoryBytes,
                   Message(icon.IsCursor() ? HX_TR_N("Icons", "The file is a cursor of %n image(s); each is checked "
                                                              "at its own offset.")
                                           : HX_TR_N("Icons", "The file is an icon of %n image(s); each is checked "
                                                              "at its own offset."))
                       .Count(images));
        if (icon.reserved != 0)
            OnDirectoryField(Severity::Error, FindingCode::IconBadReserved, FieldId::IconReserved,
                             Message(HX_TR("Icons", "%1 is %2; it must be 0."))
                                 .Arg(DirectoryFieldName(FieldId::IconReserved))
                                 .Number(icon.reserved));
        if (icon.type != kIconType && icon.type != kCursorType)
            OnDirectoryField(Severity::Error, FindingCode::IconBadType, FieldId::IconType,
                             Message(HX_TR("Icons", "%1 is %2; an icon has 1, a cursor 2."))
                                 .Arg(DirectoryFieldName(FieldId::IconType))
                                 .Number(icon.type));
        if (icon.count == 0)
            OnDirectoryField(Severity::Error, FindingCode::IconNoImages, FieldId::IconCount,
                             Message(HX_TR("Icons", "%1 is 0: the directory holds no image."))
                                 .Arg(DirectoryFieldName(FieldId::IconCount)));
        else if (!icon.directory.Complete())
            OnDirectoryField(Severity::Error, FindingCode::IconDirectoryTruncated, FieldId::IconCount,
                             Message(HX_TR_N("Icons", "%1 says %n (entry|entries), which end at offset %2; the file "
                                                      "has only %3."))
                                 .Arg(DirectoryFieldName(FieldId::IconCount))
                                 .Count(icon.count)
                                 .Number(icon.directory.End())
                                 .Arg(say::Bytes(m_format.fileSize)));
    }

    void CheckPlaces()
    {
        const auto& entries = icon.entries;
        std::vector<ByteRange> claimed;
        for (const IconEntry& entry : entries)
            claimed.push_back({entry.image.offset, entry.bytesInRes});
        const std::vector<std::optional<std::size_t>> partners = OverlappingImages(claimed);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const IconEntry& entry = entries[i];
            if (entry.image.offset < icon.directory.End())
                OnEntryField(Severity::Error, FindingCode::IconImagesOverlap, entry, FieldId::EntryOffset,
                             Message(HX_TR("Icons", "Entry %1's %2 is %3, inside the directory, which ends at "
                                                    "offset %4."))
                                 .Number(i + 1)
                                 .Arg(FieldName(FieldId::EntryOffset))
                                 .Number(entry.imageOffset)
                                 .Number(icon.directory.End()));
            if (!entry.image.Complete())
                OnEntryField(Severity::Error, FindingCode::IconImagePastEnd, entry, FieldId::EntryBytes,
                             Message(HX_TR("Icons", "Entry %1's image (%2 from offset %3) runs past the end of the "
                                                    "file, which has %4."))
                                 .Number(i + 1)
                                 .Arg(say::Bytes(entry.bytesInRes))
                                 .Number(entry.imageOffset)
                                 .Number(m_format.fileSize));
            if (const std::optional<std::size_t> j = partners[i])
                OnEntryField(Severity::Error, FindingCode::IconImagesOverlap, entry, FieldId::EntryOffset,
                             Message(HX_TR("Icons", "Entry %1's image (%2) overlaps entry %3's (%4)."))
                                 .Number(i + 1)
                                 .Arg(say::ByteRange(entry.image.offset, entry.bytesInRes))
                                 .Number(*j + 1)
                                 .Arg(say::ByteRange(entries[*j].image.offset, entries[*j].bytesInRes)));
        }
    }

    // What the entry says against what its image says.
    void CheckEntryAgainstImage(std::size_t index, const BitmapFormat& image, bool alone)
    {
        const IconEntry& entry = icon.entries[index];
        const std::uint64_t number = index + 1;
        if (entry.reserved != 0)
            OnEntryField(Severity::Warning, FindingCode::ReservedNotZero, entry, FieldId::EntryReserved,
                         Message(HX_TR("Icons", "Entry %1's %2 is %3; it must be 0."))
                             .Number(number)
                             .Arg(FieldName(FieldId::EntryReserved))
                             .Number(entry.reserved));
        if (entry.png && !ReadPngHeader(m_file, entry.imageOffset).valid) {
            OnEntryField(Severity::Error, FindingCode::IconBadPng, entry, FieldId::EntryOffset,
                         Message(HX_TR("Icons", "Entry %1's image starts with the PNG signature but has no IHDR chunk "
                                                "after it."))
                             .Number(number));
            return;
        }
        if (!entry.png && !image.HeaderReadable())
            return;  // the image's own checks tell
        if (!entry.png && std::abs(image.height) == entry.Height() && image.rows * 2 != entry.Height())
            m_list.Add(Severity::Error, FindingCode::IconHeightNotDoubled, image.header.offset + 8, 4,
                       Message(HX_TR("Icons", "Entry %1's image has %2 %3, the entry's height; an icon image's "
                                              "counts the AND mask too, so it is %4."))
                           .Number(number)
                           .Arg("biHeight")
                           .Arg(std::to_string(image.height))
                           .Number(2 * std::uint64_t{entry.Height()}));
        else if (image.columns != entry.Width() || image.rows != entry.Height())
            OnEntryField(Severity::Warning, FindingCode::IconSizeMismatch, entry, FieldId::EntryWidth,
                         Message(entry.png ? HX_TR("Icons", "Entry %1 says %2 by %3 pixels; its PNG stream's IHDR "
                                                            "says %4 by %5.")
                                           : HX_TR("Icons", "Entry %1 says %2 by %3 pixels; its image is %4 by %5."))
                             .Number(number)
                             .Number(entry.Width())
                             .Number(entry.Height())
                             .Number(image.columns)
                             .Number(image.rows));
        if (!icon.IsCursor() && entry.bitCount != 0 && entry.bitCount != image.bitCount)
            OnEntryField(Severity::Warning, FindingCode::IconBitCountMismatch, entry, FieldId::EntryBitCount,
                         Message(HX_TR_N("Icons", "Entry %1's %2 is %3; its image has %n bit(s) per pixel."))
                             .Number(number)
                             .Arg(FieldName(FieldId::EntryBitCount))
                             .Number(entry.bitCount)
                             .Count(image.bitCount));
        if (icon.IsCursor() && (entry.planes >= image.columns || entry.bitCount >= image.rows))
            OnEntryField(Severity::Warning, FindingCode::HotspotOutside, entry, FieldId::HotspotX,
                         Message(HX_TR("Icons", "Entry %1's hot spot (%2, %3) lies outside its %4 by %5 image."))
                             .Number(number)
                             .Number(entry.planes)
                             .Number(entry.bitCount)
                             .Number(image.columns)
                             .Number(image.rows));
        CheckBytes(index, image, alone);
    }

    // An image over another's is not walked again (`alone` false): the overlap is an error already.
    void CheckBytes(std::size_t index, const BitmapFormat& image, bool alone)
    {
        const IconEntry& entry = icon.entries[index];
        const std::uint64_t number = index + 1;
        const std::uint64_t entryEnd = entry.image.End();
        const FileRange& mask = image.andMask;
        if (!image.pngImage && mask.claimed != 0 && (mask.End() > entryEnd || !mask.Complete())) {
            const std::uint64_t end = std::min(entryEnd, mask.offset + mask.present);
            const std::uint64_t held = end > mask.offset ? end - mask.offset : 0;
            m_list.Add(Severity::Error, FindingCode::IconMaskTruncated, std::min(mask.offset, entryEnd), mask.claimed,
                       mask.End() > entryEnd
                           ? Message(HX_TR("Icons", "Entry %1's AND mask takes %2 from offset %3; the entry's %4 ends "
                                                    "after %5 of them."))
                                 .Number(number)
                                 .Arg(say::Bytes(mask.claimed))
                                 .Number(mask.offset)
                                 .Arg(FieldName(FieldId::EntryBytes))
                                 .Number(held)
                           : Message(HX_TR("Icons", "Entry %1's AND mask takes %2 from offset %3; the file ends after "
                                                    "%4 of them."))
                                 .Number(number)
                                 .Arg(say::Bytes(mask.claimed))
                                 .Number(mask.offset)
                                 .Number(held));
            return;
        }
        const std::uint64_t needed =
            image.pngImage ? (alone ? PngStreamEnd(m_file, entry.imageOffset) : 0) : ImageEnd(image);
        if (needed == 0 || needed <= entry.imageOffset)
            return;
        const std::uint64_t takes = needed - entry.imageOffset;
        if (takes != entry.bytesInRes)
            OnEntryField(takes > entry.bytesInRes ? Severity::Error : Severity::Warning, FindingCode::IconBytesMismatch,
                         entry, FieldId::EntryBytes,
                         Message(image.pngImage ? HX_TR("Icons", "Entry %1's %2 is %3; its image takes %4 (the PNG "
                                                                 "stream up to its IEND chunk).")
                                                : HX_TR("Icons", "Entry %1's %2 is %3; its image takes %4."))
                             .Number(number)
                             .Arg(FieldName(FieldId::EntryBytes))
                             .Number(entry.bytesInRes)
                             .Arg(say::Bytes(takes)));
    }
};

}  // namespace

std::vector<std::optional<std::size_t>> OverlappingImages(const std::vector<ByteRange>& ranges)
{
    // One sweep in offset order: a range that starts before the furthest end so far overlaps
    // the range reaching there.
    std::vector<std::size_t> order(ranges.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return ranges[a].offset < ranges[b].offset; });
    std::vector<std::optional<std::size_t>> partners(ranges.size());
    std::optional<std::size_t> furthest;
    for (const std::size_t i : order) {
        if (ranges[i].Empty())
            continue;
        if (furthest && ranges[i].offset < ranges[*furthest].End())
            partners[i] = *furthest;
        if (!furthest || ranges[i].End() > ranges[*furthest].End())
            furthest = i;
    }
    return partners;
}

void CheckIconDirectory(Context& context)
{
    IconCheck check(context);
    check.CheckDirectory();
    check.CheckPlaces();
}

void CheckIconEntry(Context& context, std::size_t index, const BitmapFormat& image, bool alone)
{
    IconCheck(context).CheckEntryAgainstImage(index, image, alone);
}

}  // namespace hexlume::format::check
