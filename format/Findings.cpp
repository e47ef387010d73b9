#include "Findings.h"

#include "CheckContext.h"
#include "NumberText.h"

#include <algorithm>
#include <iterator>
#include <map>

namespace hexlume::format {

namespace {

using check::Context;

// Where an entry's link points and what is wrong with it: %1 the link's field, %2 the entry's
// offset, %3 the link, %4 the file's size.
MessageTemplate BadLinkSentence(ArrayFault fault)
{
    switch (fault) {
    case ArrayFault::NextBackward:
        return HX_TR("Findings", "%1 of the entry at offset %2 is %3, not past the entry: the chain would loop.");
    case ArrayFault::NextInside:
        return HX_TR("Findings", "%1 of the entry at offset %2 is %3, inside the entry's own headers.");
    case ArrayFault::NextPastEnd:
        return HX_TR("Findings", "%1 of the entry at offset %2 is %3; the file has only %4.");
    case ArrayFault::NotAnEntry:
        return HX_TR("Findings", "%1 of the entry at offset %2 is %3, where no array entry starts (no \"BA\").");
    case ArrayFault::None:
    case ArrayFault::Truncated: break;
    }
    return HX_TR("Findings", "%1 of the entry at offset %2 is %3.");
}

// An OS/2 bitmap array: its chain, then the bytes that no entry claims.
std::vector<Finding> CheckArrayChain(const Layout& layout, Bytes file)
{
    Context context(layout, file);
    FindingList& list = context.list;
    const BitmapArray& array = layout.array;
    const std::uint64_t fileSize = layout.format.fileSize;
    list.Add(Severity::Note, FindingCode::BitmapArray, 0, kArrayHeaderBytes,
             Message(HX_TR_N("Findings", "The file is an OS/2 bitmap array of %n bitmap(s); each is checked at its "
                                         "own offset."))
                 .Count(array.entries.size()));
    if (array.fault == ArrayFault::Truncated) {
        list.Add(Severity::Error, FindingCode::ArrayTruncated, array.faultEntry, fileSize - array.faultEntry,
                 Message(HX_TR("Findings", "The file ends at offset %1, inside the headers of the array entry at "
                                           "offset %2."))
                     .Number(fileSize)
                     .Number(array.faultEntry));
    } else if (array.fault != ArrayFault::None) {
        const FieldEntry& next = FieldOf(kArrayHeaderFields, FieldId::NextEntry);
        const std::string name(next.name.View());
        list.Add(Severity::Error, FindingCode::ArrayBadLink, array.faultEntry + next.offset, next.Size(),
                 Message(BadLinkSentence(array.fault))
                     .Arg(name)
                     .Number(array.faultEntry)
                     .Number(array.faultTarget)
                     .Arg(say::Bytes(fileSize)),
                 name);
    }
    check::NoteUnclaimedBytes(context);
    return list.Take();
}

// One bitmap, the parts in the order a reader meets them. In an array (`arrayEntry`) the bytes
// around the bitmap belong to the other entries.
std::vector<Finding> CheckOneBitmap(const Layout& layout, Bytes file, bool arrayEntry)
{
    Context context(layout, file);
    context.arrayEntry = arrayEntry;
    const bool fileHeader = layout.format.HasFileHeader();
    if ((fileHeader && check::FileHeaderBroken(context)) || check::InfoHeaderBroken(context))
        return context.list.Take();
    const bool picture = check::CheckPictureShape(context);
    if (fileHeader)
        check::CheckFileHeaderValues(context);
    if (context.bitCountDefined)
        check::CheckColorTable(context);
    check::CheckMasks(context);
    check::CheckDensities(context);
    check::CheckColorSpace(context);
    if (fileHeader)
        check::CheckPlacement(context);
    if (picture)
        check::CheckPixels(context);
    if (!arrayEntry)
        check::NoteUnclaimedBytes(context);
    return context.list.Take();
}

// An icon or cursor file: its directory, then each entry against its image and each DIB image
// by the checks of a bitmap, then the bytes no part claims.
std::vector<Finding> CheckIconFile(const Layout& layout, Bytes file)
{
    Context context(layout, file);
    check::CheckIconDirectory(context);
    const std::vector<IconEntry>& entries = layout.icon.entries;
    std::vector<Finding> findings = context.list.Take();
    // An image over another one's parts is not scanned again: the overlap is an error already,
    // and however many entries a file has, its bytes are read once.
    std::vector<BitmapFormat> images;
    std::vector<ByteRange> extents;
    std::map<std::uint64_t, std::size_t> dibAt;  // entries sharing a DIB read it once
    for (const IconEntry& entry : entries) {
        const auto shared = entry.png ? dibAt.end() : dibAt.find(entry.imageOffset);
        images.push_back(shared != dibAt.end() ? images[shared->second] : ReadIconImage(file, entry));
        if (!entry.png)
            dibAt.emplace(entry.imageOffset, images.size() - 1);
        const std::uint64_t end = std::max(entry.image.End(), ImageEnd(images.back()));
        extents.push_back(ByteRange{entry.image.offset, end - entry.image.offset}.Within(file.size()));
    }
    const std::vector<std::optional<std::size_t>> overlapping = check::OverlappingImages(extents);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        Context entryContext(layout, file);
        check::CheckIconEntry(entryContext, i, images[i], !overlapping[i]);
        std::vector<Finding> entryFindings = entryContext.list.Take();
        const BitmapFormat& image = images[i];
        if (!image.pngImage && entries[i].image.offset < file.size() && !overlapping[i]) {
            const Layout alone = ReadDibLayout(file, image);
            for (Finding& finding : CheckOneBitmap(alone, file, true)) {
                finding.message = Message(HX_TR("Findings", "Image %1 of %2 (offset %3): %4"))
                                      .Number(i + 1)
                                      .Number(entries.size())
                                      .Number(entries[i].imageOffset)
                                      .Arg(std::move(finding.message));
                entryFindings.push_back(std::move(finding));
            }
        }
        std::move(entryFindings.begin(), entryFindings.end(), std::back_inserter(findings));
    }
    Context unclaimed(layout, file);
    check::NoteUnclaimedBytes(unclaimed);
    std::vector<Finding> notes = unclaimed.list.Take();
    std::move(notes.begin(), notes.end(), std::back_inserter(findings));
    return findings;
}

}  // namespace

std::string_view SeverityName(Severity severity)
{
    switch (severity) {
    case Severity::Error: return "error";
    case Severity::Warning: return "warning";
    case Severity::Note: return "note";
    }
    return "note";
}

Message SeverityWord(Severity severity)
{
    switch (severity) {
    case Severity::Error: return HX_TR("Findings", "error");
    case Severity::Warning: return HX_TR("Findings", "warning");
    case Severity::Note: return HX_TR("Findings", "note");
    }
    return HX_TR("Findings", "note");
}

std::vector<Finding> CheckBitmap(const Layout& layout, Bytes file)
{
    if (layout.kind == FileKind::Icon || layout.kind == FileKind::Cursor)
        return CheckIconFile(layout, file);
    const BitmapArray& array = layout.array;
    if (layout.kind == FileKind::Headerless) {
        std::vector<Finding> findings = CheckOneBitmap(layout, file, false);
        findings.insert(findings.begin(),
                        {.severity = Severity::Note, .code = FindingCode::HeaderlessDib, .offset = 0,
                         .length = std::min<std::uint64_t>(layout.format.header.present, layout.format.headerSize),
                         .field = {},
                         .message = Message(HX_TR("Findings", "The file starts with a %1: a DIB without a file "
                                                                              "header, as the clipboard holds one; its pixels "
                                                                              "follow the colour table."))
                                        .Arg(HeaderVersionName(layout.format.version))});
        return findings;
    }
    if (array.entries.empty())
        return CheckOneBitmap(layout, file, false);
    std::vector<Finding> findings = CheckArrayChain(layout, file);
    for (std::size_t i = 0; i < array.entries.size(); ++i) {
        const Layout entry = ReadLayout(file, array.BitmapAt(i));
        for (Finding& finding : CheckOneBitmap(entry, file, true)) {
            finding.message = Message(HX_TR("Findings", "Bitmap %1 of %2 (offset %3): %4"))
                                  .Number(i + 1)
                                  .Number(array.entries.size())
                                  .Number(array.BitmapAt(i))
                                  .Arg(std::move(finding.message));
            findings.push_back(std::move(finding));
        }
    }
    return findings;
}

}  // namespace hexlume::format
