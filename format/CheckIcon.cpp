#include "CheckContext.h"

#include "NumberText.h"

#include <algorithm>

namespace hexlume::format::check {

namespace {

std::string EntryName(std::size_t index)
{
    return "Entry " + GroupedNumber(index + 1);
}

std::string SizeText(std::uint64_t width, std::uint64_t height)
{
    return GroupedNumber(width) + " by " + GroupedNumber(height);
}

// Bytes an image's parts take from its start: the last part's end.
std::uint64_t ImageEnd(const BitmapFormat& image)
{
    if (image.pngImage)
        return image.pixels.End();
    return std::max({image.header.End(), image.colorTable.End(), image.pixels.End(), image.andMask.End()});
}

struct IconCheck : Part {
    using Part::Part;

    const IconFile& icon = m_layout.icon;
    const FieldTable entryFields = IconEntryFields(icon.IsCursor());

    void OnDirectoryField(Severity severity, FindingCode code, FieldId id, std::string message)
    {
        const FieldEntry& field = FieldOf(kIconDirectoryFields, id);
        m_list.Add(severity, code, field.offset, field.Size(), std::move(message), std::string(field.name.View()));
    }

    void OnEntryField(Severity severity, FindingCode code, const IconEntry& entry, FieldId id, std::string message)
    {
        const FieldEntry& field = FieldOf(entryFields, id);
        m_list.Add(severity, code, entry.at + field.offset, field.Size(), std::move(message),
                   std::string(field.name.View()));
    }

    std::string FieldName(FieldId id) const { return std::string(FieldOf(entryFields, id).name.View()); }

    void CheckDirectory()
    {
        const std::size_t images = icon.entries.size();
        m_list.Add(Severity::Note, FindingCode::IconFile, 0, kIconDirectoryBytes,
                   "The file is " + std::string(icon.IsCursor() ? "a cursor" : "an icon") + " of " +
                       Counted(images, "image", "images") + "; each is checked at its own offset.");
        if (icon.reserved != 0)
            OnDirectoryField(Severity::Error, FindingCode::IconBadReserved, FieldId::IconReserved,
                             "idReserved is " + GroupedNumber(icon.reserved) + "; it must be 0.");
        if (icon.type != kIconType && icon.type != kCursorType)
            OnDirectoryField(Severity::Error, FindingCode::IconBadType, FieldId::IconType,
                             "idType is " + GroupedNumber(icon.type) + "; an icon has 1, a cursor 2.");
        if (icon.count == 0)
            OnDirectoryField(Severity::Error, FindingCode::IconNoImages, FieldId::IconCount,
                             "idCount is 0: the directory holds no image.");
        else if (!icon.directory.Complete())
            OnDirectoryField(Severity::Error, FindingCode::IconDirectoryTruncated, FieldId::IconCount,
                             "idCount says " + Counted(icon.count, "entry", "entries") + ", which end at offset " +
                                 GroupedNumber(icon.directory.End()) + "; the file has only " +
                                 ByteCount(m_format.fileSize) + ".");
    }

    void CheckPlaces()
    {
        const auto& entries = icon.entries;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const IconEntry& entry = entries[i];
            if (entry.image.offset < icon.directory.End())
                OnEntryField(Severity::Error, FindingCode::IconImagesOverlap, entry, FieldId::EntryOffset,
                             EntryName(i) + "'s " + FieldName(FieldId::EntryOffset) + " is " +
                                 GroupedNumber(entry.imageOffset) + ", inside the directory, which ends at offset " +
                                 GroupedNumber(icon.directory.End()) + ".");
            if (!entry.image.Complete())
                OnEntryField(Severity::Error, FindingCode::IconImagePastEnd, entry, FieldId::EntryBytes,
                             EntryName(i) + "'s image (" + ByteCount(entry.bytesInRes) + " from offset " +
                                 GroupedNumber(entry.imageOffset) + ") runs past the end of the file, which has " +
                                 GroupedNumber(m_format.fileSize) + ".");
            for (std::size_t j = 0; j < i; ++j) {
                const IconEntry& other = entries[j];
                if (entry.image.offset < other.image.End() && other.image.offset < entry.image.End() &&
                    entry.bytesInRes != 0 && other.bytesInRes != 0) {
                    OnEntryField(Severity::Error, FindingCode::IconImagesOverlap, entry, FieldId::EntryOffset,
                                 EntryName(i) + "'s image (" + ByteRangeText(entry.image.offset, entry.bytesInRes) +
                                     ") overlaps entry " + GroupedNumber(j + 1) + "'s (" +
                                     ByteRangeText(other.image.offset, other.bytesInRes) + ").");
                    break;
                }
            }
        }
    }

    // What the entry says against what its image says.
    void CheckEntryAgainstImage(std::size_t index)
    {
        const IconEntry& entry = icon.entries[index];
        const BitmapFormat image = ReadIconImage(m_file, entry);
        const std::string name = EntryName(index);
        if (entry.reserved != 0)
            OnEntryField(Severity::Warning, FindingCode::ReservedNotZero, entry, FieldId::EntryReserved,
                         name + "'s bReserved is " + GroupedNumber(entry.reserved) + "; it must be 0.");
        if (entry.png && !ReadPngHeader(m_file, entry.imageOffset).valid) {
            OnEntryField(Severity::Error, FindingCode::IconBadPng, entry, FieldId::EntryOffset,
                         name + "'s image starts with the PNG signature but has no IHDR chunk after it.");
            return;
        }
        if (!entry.png && !image.HeaderReadable())
            return;  // the image's own checks tell
        if (!entry.png && std::abs(image.height) == entry.Height() && image.rows * 2 != entry.Height())
            m_list.Add(Severity::Error, FindingCode::IconHeightNotDoubled, image.header.offset + 8, 4,
                       name + "'s image has biHeight " + std::to_string(image.height) +
                           ", the entry's height; an icon image's counts the AND mask too, so it is " +
                           GroupedNumber(2 * std::uint64_t{entry.Height()}) + ".");
        else if (image.columns != entry.Width() || image.rows != entry.Height())
            OnEntryField(Severity::Warning, FindingCode::IconSizeMismatch, entry, FieldId::EntryWidth,
                         name + " says " + SizeText(entry.Width(), entry.Height()) + " pixels; its " +
                             (entry.png ? "PNG stream's IHDR says " : "image is ") +
                             SizeText(image.columns, image.rows) + ".");
        if (!icon.IsCursor() && entry.bitCount != 0 && entry.bitCount != image.bitCount)
            OnEntryField(Severity::Warning, FindingCode::IconBitCountMismatch, entry, FieldId::EntryBitCount,
                         name + "'s wBitCount is " + GroupedNumber(entry.bitCount) + "; its image has " +
                             Counted(image.bitCount, "bit", "bits") + " per pixel.");
        if (icon.IsCursor() && (entry.planes >= image.columns || entry.bitCount >= image.rows))
            OnEntryField(Severity::Warning, FindingCode::HotspotOutside, entry, FieldId::HotspotX,
                         name + "'s hot spot (" + GroupedNumber(entry.planes) + ", " + GroupedNumber(entry.bitCount) +
                             ") lies outside its " + SizeText(image.columns, image.rows) + " image.");
        CheckBytes(index, image);
    }

    void CheckBytes(std::size_t index, const BitmapFormat& image)
    {
        const IconEntry& entry = icon.entries[index];
        const std::string name = EntryName(index);
        const std::uint64_t entryEnd = entry.image.End();
        const FileRange& mask = image.andMask;
        if (!image.pngImage && mask.claimed != 0 && (mask.End() > entryEnd || !mask.Complete())) {
            const std::uint64_t end = std::min(entryEnd, mask.offset + mask.present);
            const std::uint64_t held = end > mask.offset ? end - mask.offset : 0;
            m_list.Add(Severity::Error, FindingCode::IconMaskTruncated, std::min(mask.offset, entryEnd), mask.claimed,
                       name + "'s AND mask takes " + ByteCount(mask.claimed) + " from offset " +
                           GroupedNumber(mask.offset) + "; " +
                           (mask.End() > entryEnd ? "the entry's " + FieldName(FieldId::EntryBytes) + " ends"
                                                  : std::string("the file ends")) +
                           " after " + GroupedNumber(held) + " of them.");
            return;
        }
        const std::uint64_t needed =
            image.pngImage ? ReadPngHeader(m_file, entry.imageOffset).end : ImageEnd(image);
        if (needed == 0 || needed <= entry.imageOffset)
            return;
        const std::uint64_t takes = needed - entry.imageOffset;
        if (takes != entry.bytesInRes)
            OnEntryField(takes > entry.bytesInRes ? Severity::Error : Severity::Warning, FindingCode::IconBytesMismatch,
                         entry, FieldId::EntryBytes,
                         name + "'s " + FieldName(FieldId::EntryBytes) + " is " + GroupedNumber(entry.bytesInRes) +
                             "; its image takes " + ByteCount(takes) +
                             (image.pngImage ? " (the PNG stream up to its IEND chunk)." : "."));
    }
};

}  // namespace

void CheckIconDirectory(Context& context)
{
    IconCheck check(context);
    check.CheckDirectory();
    check.CheckPlaces();
}

void CheckIconEntry(Context& context, std::size_t index)
{
    IconCheck(context).CheckEntryAgainstImage(index);
}

}  // namespace hexlume::format::check
