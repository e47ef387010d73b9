// Reads any bytes as a bitmap's layout, checks it, relates it to a few shapes of the window's
// dump and describes a few of its bytes and their values. Traps when the layout's elements do
// not tile the file, when a finding lies outside the file, when a description names a part (or
// pixels, or an RLE code) that does not hold its byte, when a pixel a byte holds is located
// elsewhere or a located pixel's bytes lie outside the file, when the same bytes give a
// different answer, or when the decoder draws a pixel of an RLE or Huffman 1D picture as
// missing while the checks find no error.

#include "format/ByteDescription.h"
#include "format/Decoder.h"
#include "format/Findings.h"
#include "format/Inspection.h"
#include "format/Layout.h"
#include "format/Repair.h"
#include "format/PixelBytes.h"
#include "texts/DumpRelation.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

using namespace hexlume::format;
using hexlume::DumpRegions;
using hexlume::DumpRelationNotes;

void Require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

bool Inside(std::uint64_t offset, std::uint64_t length, std::uint64_t size)
{
    return offset <= size && length <= size - offset;
}

// Every byte in exactly one element, in file order.
void RequireLayoutTilesTheFile(const Layout& layout, std::uint64_t size)
{
    std::uint64_t covered = 0;
    for (const Element& element : layout.elements) {
        Require(element.offset == covered && element.size >= 1 && element.size <= element.claimed &&
                Inside(element.offset, element.size, size));
        covered += element.size;
        for (const Field& field : element.fields)
            Require(!field.present || Inside(field.offset, field.size, size));
    }
    Require(covered == size);
}

// Missing pixels mean the file ends before the stream does, which the checks call an error.
void RequireMissingPixelsAreAnError(const Inspection& inspection, Bytes bytes)
{
    const BitmapFormat& format = inspection.layout.format;
    const bool stream = IsRunLength(format.encoding) || format.encoding == PixelEncoding::Huffman1D;
    if (!stream || !inspection.noPictureReason.empty())
        return;
    const auto side = [](std::uint64_t pixels) { return static_cast<std::uint32_t>(std::min<std::uint64_t>(pixels, 64)); };
    const DecodeResult result = DecodePicture(bytes, format, side(format.columns), side(format.rows));
    const std::vector<Argb>& pixels = result.picture.pixels;
    const bool missing = std::any_of(pixels.begin(), pixels.end(),
                                     [](Argb pixel) { return pixel == kMissingLight || pixel == kMissingDark; });
    if (missing)
        Require(std::any_of(inspection.findings.begin(), inspection.findings.end(),
                            [](const Finding& finding) { return finding.severity == Severity::Error; }));
}

void RequireFindingsInside(const std::vector<Finding>& findings, std::uint64_t size)
{
    for (const Finding& finding : findings)
        Require(finding.length >= 1 && !CodeName(finding.code).empty() && !finding.message.English().empty() &&
                (size == 0 || Inside(finding.offset, finding.length, size)));
}

void RequireDescription(const Layout& layout, Bytes bytes, std::uint64_t offset)
{
    const std::uint64_t size = bytes.size();
    const ByteDescription description = DescribeByte(layout, offset);
    Require((description.element == nullptr) == (offset >= size));
    if (description.element != nullptr)
        Require(offset >= description.element->offset && offset - description.element->offset < description.element->size);
    if (description.field != nullptr)
        Require(description.field->offset + description.byteInField == offset &&
                description.byteInField < description.field->size);
    // The pixels a byte holds lie in its row, from the column it names on.
    const BytePixels held = PixelsOfByte(bytes, layout.format, description, offset);
    for (std::size_t i = 0; i < held.count; ++i)
        Require(held.pixels[i].x >= description.pixelColumn.value_or(0) && held.pixels[i].x < layout.format.columns);
    if (const std::optional<RleByte> rle = RleCodeOf(bytes, layout.format, offset))
        Require(offset >= rle->code.offset && offset - rle->code.offset < rle->code.length);
    // And back: each pixel the byte holds lives in it.
    const PixelSpan span = PixelsInByte(bytes, layout.format, description, offset);
    for (std::uint64_t x = span.x; x < span.x + std::min<std::uint64_t>(span.count, 4); ++x) {
        const std::optional<PixelLocation> where =
            LocatePixel(bytes, layout.format, x, layout.format.ShownRow(span.storedRow));
        Require(where && offset >= where->offset && offset - where->offset < where->length);
    }
}

// A pixel whose colour came from its bytes has them all inside the file.
void RequireLocations(const BitmapFormat& format, Bytes bytes)
{
    if (format.columns == 0 || format.rows == 0)
        return;
    for (const auto& [x, y] : {std::pair<std::uint64_t, std::uint64_t>{0, 0}, {format.columns - 1, format.rows - 1}})
        if (const std::optional<PixelLocation> where = LocatePixel(bytes, format, x, y); where && where->color)
            Require(where->length == 0 || Inside(where->offset, where->length, bytes.size()));
}

// The window's own rule (palette at 14 + biSize, data right after it), and shapes a broken
// caller might pass: empty, everything, past the end.
std::vector<DumpRegions> DumpShapes(const Layout& layout, std::uint64_t size)
{
    const BitmapFormat& format = layout.format;
    const std::uint64_t palette = 14 + std::uint64_t{format.headerSize};
    const std::uint64_t paletteSize = format.colorCount * 4;
    return {{palette, paletteSize, palette + paletteSize, format.rowBytes},
            {0, 0, 54, size},
            {0, size, 0, size},
            {size, 7, size + 3, UINT64_MAX}};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Bytes bytes(data, size);
    const Inspection inspection = Inspect(bytes);
    const Inspection twice = Inspect(bytes);
    const Layout& layout = inspection.layout;
    const Layout& again = twice.layout;
    Require(layout.elements == again.elements && inspection.findings == twice.findings &&
            inspection.noPictureReason == twice.noPictureReason);
    RequireLayoutTilesTheFile(layout, size);
    RequireFindingsInside(inspection.findings, size);
    RequireMissingPixelsAreAnError(inspection, bytes);

    for (const DumpRegions& dump : DumpShapes(layout, size)) {
        const std::vector<Finding> notes = DumpRelationNotes(layout, dump);
        Require(notes == DumpRelationNotes(again, dump));
        RequireFindingsInside(notes, size);
    }
    for (const std::uint64_t offset : {std::uint64_t{0}, std::uint64_t{20}, std::uint64_t{size / 2},
                                       std::uint64_t{size} - 1, std::uint64_t{size}, std::uint64_t{size} + 9})
        RequireDescription(layout, bytes, offset);
    RequireLocations(layout.format, bytes);

    // The safe repairs and the strip keep a file readable and never grow it by more than the
    // end code they may append.
    const FixResult fixed = FixBitmap(bytes, RepairRequest{.height = false, .pad = false, .redraw = false, .strip = true});
    Require(fixed.bytes.size() <= size + 2);
    RequireLayoutTilesTheFile(Inspect(Bytes(fixed.bytes)).layout, fixed.bytes.size());
    return 0;
}
