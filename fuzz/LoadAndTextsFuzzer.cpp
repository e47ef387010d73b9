// Loads any bytes as a bitmap file, then builds every text the window and hexlume-dump show,
// the byte tooltips and finding marks included. Besides the sanitizers, it checks that every
// byte shown as palette or pixel data is the file's own byte at that place, also when the file
// shrinks while being read, and that every mark lies on bytes a memo holds.

#include "ScratchFile.h"
#include "texts/DumpPane.h"
#include "texts/DumpMarks.h"
#include "texts/DumpRelation.h"
#include "texts/FileNamePart.h"
#include "texts/HeaderTexts.h"
#include "texts/FindingsTexts.h"
#include "texts/InspectionTexts.h"
#include "texts/ShownImage.h"
#include "texts/RegionText.h"
#include "texts/StatusTexts.h"
#include "model/Dib.h"
#include "testsupport/ShrinkingStream.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

using namespace hexlume;

void Require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// The region must be the input's bytes at 14 + offset, cut at what was delivered.
void RequireFileBytes(ByteSpan region, const std::uint8_t* data, std::size_t delivered, std::uint64_t offset)
{
    if (region.data() == nullptr)
        return;
    Require(kFileHeaderBytes + offset + region.size() <= delivered);
    Require(std::memcmp(region.data(), data + kFileHeaderBytes + offset, region.size()) == 0);
}

// The window's tooltips for the first and last bytes each memo holds, its cells and its marks.
void InspectEveryMemo(const CDib& dib, const ShownImage& image, const DumpPaneView& pane)
{
    // As the window inspects the image it shows.
    format::Inspection inspected = format::Inspect(dib.FileBytes(), image.index);
    AddDumpNotes(inspected, image.dump);
    const auto& [layout, findings, noPictureReason] = inspected;
    const DumpFileMap map = MapDumpToFile(image.dump, pane);
    for (std::size_t memo = 0; memo < kMemoCount; ++memo) {
        for (const std::uint64_t byte : {std::uint64_t{0}, map[memo].shown / 2, map[memo].shown - 1}) {
            const auto offset = FileOffsetOf(map, memo, byte);
            if (!offset)
                continue;
            Require(*offset < dib.FileBytes().size());
            (void)ByteTooltipText(layout, findings, dib.FileBytes(), memo, *offset, dib.FileBytes()[*offset]);
        }
    }
    for (const MemoMark& mark : MarksInDump(findings, map))
        Require(mark.first < mark.end && mark.end <= map[mark.memo].shown);
    for (const MemoMark& mark : CountedFaultMarks(findings, layout.format, dib.FileBytes(), map))
        Require(mark.first < mark.end && mark.end <= map[mark.memo].shown);
    for (const format::Finding& finding : findings)
        Require(!PlaceInDump(finding, map).where.Empty());
    const HeaderCellFindings cells = FindingsByCell(findings);
    for (std::size_t row = 0; row < kFileHeaderFields.size(); ++row)
        (void)HeaderCellText(layout, dib.FileBytes(), dib.GetInfoHeaderBytes(), cells, {.infoHeader = false, .row = row});
    for (std::size_t row = 0; row < kInfoHeaderFields.size(); ++row)
        (void)HeaderCellText(layout, dib.FileBytes(), dib.GetInfoHeaderBytes(), cells, {.infoHeader = true, .row = row});
    const FindingsApart apart = SplitDumpNotes(findings);
    Require(std::none_of(apart.file.begin(), apart.file.end(), IsDumpNote));
    Require(std::all_of(apart.dump.begin(), apart.dump.end(), IsDumpNote));
    (void)DumpLimitLines(apart.dump, map);
}

void BuildEveryText(const CDib& dib, const std::uint8_t* data, std::size_t delivered)
{
    const BitmapInfoHeader info = dib.GetInfoHeader();
    const std::uint64_t paletteOffset = std::uint64_t{Le32At({data + kFileHeaderBytes, 4}, 0)};
    RequireFileBytes(dib.PaletteBytes(), data, delivered, paletteOffset);
    RequireFileBytes(dib.DataBytes(), data, delivered, paletteOffset + std::uint64_t{dib.GetColorCount()} * 4);

    (void)FileHeaderValueTexts(dib.GetFileHeader());
    (void)InfoHeaderValueTexts(info);
    const ShownImage image = ShowImage(dib, 0);
    const DumpPaneView pane = DescribeDumpPane(image.dump, 16);
    for (const MemoView& memo : pane.memos) {
        const std::string whole = MemoText(memo);
        const std::string shown = MemoShownText(memo);
        Require(whole.compare(0, shown.size(), shown) == 0);
        if (memo.bytes)
            Require(whole.size() == RegionTextSize(memo.bytes->size()));
    }
    (void)LineNumbersText(0, pane.numbersShown);
    InspectEveryMemo(dib, image, pane);
    (void)StatusTexts(NamePart(dib.GetFileName()), dib.GetFileHeader().bfType, info.biWidth, info.biHeight);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string path = ScratchPath(".bmp");
    if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    CDib dib;
    if (dib.LoadFile(path))
        BuildEveryText(dib, data, size);

    // The same bytes from a file that claims up to 255 bytes more than it delivers.
    const std::uint64_t claimed = size + (size > 0 ? data[size - 1] : 0);
    testing::ShrinkingStream shrinking(std::vector<char>(data, data + size), claimed);
    if (dib.LoadStream(shrinking, "shrinking.bmp"))
        BuildEveryText(dib, data, size);
    return 0;
}
