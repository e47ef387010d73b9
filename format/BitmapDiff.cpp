#include "BitmapDiff.h"

#include "NumberText.h"
#include "PixelBytes.h"

#include <algorithm>
#include <cstring>
#include <set>

namespace hexlume::format {

namespace {

// More pixels than 4 GiB of 1-bit data holds: no real bitmap, only headers that claim it.
constexpr std::uint64_t kMaxComparedPixels = std::uint64_t{1} << 35;

// Rows are walked in the stored order of an RLE stream (so it is read once), else from the top.
bool WalkTopDown(const RowDecoder& decoderA, const BitmapFormat& formatA, const RowDecoder& decoderB,
                 const BitmapFormat& formatB)
{
    if (decoderA.Sequential())
        return formatA.topDown;
    if (decoderB.Sequential())
        return formatB.topDown;
    return true;
}

std::uint64_t RowPixelBytes(const BitmapFormat& format)
{
    return (format.columns * format.bitCount + 7) / 8;
}

// Whether equal pixel bytes draw equal colours in both files: the same uncompressed pixel
// format, the same table for every index, the same alpha rule.
bool SameDrawing(Bytes a, const BitmapFormat& formatA, const RowDecoder& decoderA, Bytes b,
                 const BitmapFormat& formatB, const RowDecoder& decoderB)
{
    if (!IsUncompressed(formatA.encoding) || !IsUncompressed(formatB.encoding) ||
        formatA.bitCount != formatB.bitCount || decoderA.DrawsOpaque() != decoderB.DrawsOpaque())
        return false;
    const ChannelMasks& ma = formatA.masks;
    const ChannelMasks& mb = formatB.masks;
    if (ma.red != mb.red || ma.green != mb.green || ma.blue != mb.blue || ma.alpha != mb.alpha)
        return false;
    if (!IsIndexed(formatA.bitCount))
        return true;
    for (std::uint64_t index = 0; index < FullTableEntries(formatA.bitCount); ++index)
        if (TableColor(a, formatA, index) != TableColor(b, formatB, index))
            return false;
    return true;
}

enum class RowBytes { Whole, Partial, Absent };

RowBytes RowPresence(const BitmapFormat& format, std::uint64_t storedRow)
{
    const std::uint64_t whole = format.pixels.present / format.stride;
    if (storedRow < whole)
        return RowBytes::Whole;
    return storedRow == whole && format.pixels.present % format.stride != 0 ? RowBytes::Partial : RowBytes::Absent;
}

// Rows that draw the same for certain: equal whole pixel bytes, or no bytes in either file
// (both drawn as the same missing-pixel checker).
bool RowsAlike(Bytes a, const BitmapFormat& formatA, Bytes b, const BitmapFormat& formatB, std::uint64_t shownRow)
{
    const std::uint64_t storedA = formatA.ShownRow(shownRow);
    const std::uint64_t storedB = formatB.ShownRow(shownRow);
    const RowBytes presenceA = RowPresence(formatA, storedA);
    const RowBytes presenceB = RowPresence(formatB, storedB);
    if (presenceA == RowBytes::Absent && presenceB == RowBytes::Absent)
        return true;
    if (presenceA != RowBytes::Whole || presenceB != RowBytes::Whole)
        return false;
    return std::memcmp(a.data() + formatA.pixels.offset + storedA * formatA.stride,
                       b.data() + formatB.pixels.offset + storedB * formatB.stride, RowPixelBytes(formatA)) == 0;
}

std::string FieldValueText(Bytes file, const Field& field)
{
    if (!field.present)
        return "cut off";
    if (field.size > 8) {
        const Bytes bytes = file.subspan(field.offset, field.size);
        if (std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t byte) { return byte == 0; }))
            return ByteCount(field.size) + ", all 0";
        std::string hex;
        for (const std::uint8_t byte : bytes)
            hex += HexNumber(byte, 2).substr(2);
        return hex;
    }
    if (TypeSigned(field.type) && field.size == 4)
        return std::to_string(static_cast<std::int32_t>(field.value));
    if (TypeSigned(field.type) && field.size == 2)
        return std::to_string(static_cast<std::int16_t>(field.value));
    return GroupedNumber(field.value);
}

std::vector<const Field*> HeaderFields(const Layout& layout)
{
    std::vector<const Field*> fields;
    for (const Element& element : layout.elements)
        if (element.kind == ElementKind::FileHeader || element.kind == ElementKind::InfoHeader ||
            element.kind == ElementKind::BitMasks)
            for (const Field& field : element.fields)
                fields.push_back(&field);
    return fields;
}

bool SameField(Bytes a, const Field& fieldA, Bytes b, const Field& fieldB)
{
    if (!fieldA.present || !fieldB.present)
        return fieldA.present == fieldB.present;
    if (fieldA.size > 8 || fieldB.size > 8)
        return fieldA.size == fieldB.size &&
               std::equal(a.begin() + fieldA.offset, a.begin() + fieldA.offset + fieldA.size, b.begin() + fieldB.offset);
    return fieldA.value == fieldB.value;
}

std::vector<FieldDifference> FieldDifferences(Bytes a, const Layout& layoutA, Bytes b, const Layout& layoutB)
{
    const std::vector<const Field*> fieldsA = HeaderFields(layoutA);
    const std::vector<const Field*> fieldsB = HeaderFields(layoutB);
    const auto find = [](const std::vector<const Field*>& fields, FieldId id) {
        const auto found = std::find_if(fields.begin(), fields.end(), [id](const Field* field) { return field->id == id; });
        return found == fields.end() ? nullptr : *found;
    };
    std::vector<FieldDifference> differences;
    const auto add = [&](const Field* fieldA, const Field* fieldB) {
        FieldDifference difference;
        if (fieldA != nullptr) {
            difference.nameA = fieldA->name;
            difference.valueA = FieldValueText(a, *fieldA);
            difference.meaningA = fieldA->meaning.English();
        }
        if (fieldB != nullptr) {
            difference.nameB = fieldB->name;
            difference.valueB = FieldValueText(b, *fieldB);
            difference.meaningB = fieldB->meaning.English();
        }
        differences.push_back(std::move(difference));
    };
    for (const Field* fieldA : fieldsA) {
        const Field* fieldB = find(fieldsB, fieldA->id);
        if (fieldB == nullptr || !SameField(a, *fieldA, b, *fieldB))
            add(fieldA, fieldB);
    }
    for (const Field* fieldB : fieldsB)
        if (find(fieldsA, fieldB->id) == nullptr)
            add(nullptr, fieldB);
    return differences;
}

std::string RowOrderName(const BitmapFormat& format)
{
    return format.topDown ? "top-down" : "bottom-up";
}

std::string EncodingText(const BitmapFormat& format)
{
    const std::string_view name = EncodingName(format.encoding);
    return name.empty() ? "uncompressed" : std::string(name);
}

std::string TableText(const BitmapFormat& format)
{
    if (!format.HasColorTable())
        return "none";
    return Counted(format.colorCount, "entry", "entries") + " of " + ByteCount(format.colorEntrySize);
}

std::string MasksText(const BitmapFormat& format)
{
    if (format.maskSource == MaskSource::None)
        return "none";
    const ChannelMasks& masks = format.masks;
    return "red " + HexNumber(masks.red, 8) + ", green " + HexNumber(masks.green, 8) + ", blue " +
           HexNumber(masks.blue, 8) + ", alpha " + HexNumber(masks.alpha, 8);
}

std::vector<StorageDifference> StorageDifferences(const BitmapFormat& formatA, const BitmapFormat& formatB)
{
    std::vector<StorageDifference> differences;
    const auto add = [&](std::string what, std::string a, std::string b) {
        if (a != b)
            differences.push_back({std::move(what), std::move(a), std::move(b)});
    };
    add("header", std::string(HeaderVersionName(formatA.version)), std::string(HeaderVersionName(formatB.version)));
    add("encoding", EncodingText(formatA), EncodingText(formatB));
    add("bits per pixel", std::to_string(formatA.bitCount), std::to_string(formatB.bitCount));
    add("row order", RowOrderName(formatA), RowOrderName(formatB));
    add("colour table", TableText(formatA), TableText(formatB));
    add("masks", MasksText(formatA), MasksText(formatB));
    add("pixel data", ByteCount(formatA.pixels.present) + " at offset " + GroupedNumber(formatA.pixels.offset),
        ByteCount(formatB.pixels.present) + " at offset " + GroupedNumber(formatB.pixels.offset));
    add("file size", ByteCount(formatA.fileSize), ByteCount(formatB.fileSize));
    return differences;
}

// The entries either file's table holds bytes for.
std::uint64_t EntriesPresent(const BitmapFormat& format)
{
    return std::min<std::uint64_t>(format.colorCount,
                                   (format.colorTable.present + format.colorEntrySize - 1) / format.colorEntrySize);
}

void DiffColorTables(Bytes a, const BitmapFormat& formatA, Bytes b, const BitmapFormat& formatB, BitmapDiff& diff)
{
    if (!formatA.HasColorTable() || !formatB.HasColorTable())
        return;
    const std::uint64_t entries = std::max(EntriesPresent(formatA), EntriesPresent(formatB));
    for (std::uint64_t index = 0; index < entries; ++index) {
        const std::optional<Argb> colorA = TableColor(a, formatA, index);
        const std::optional<Argb> colorB = TableColor(b, formatB, index);
        if (colorA == colorB)
            continue;
        if (diff.differingEntries++ < kListedDifferences)
            diff.entries.push_back({.index = index, .a = colorA, .b = colorB});
    }
}

// The bytes of every element of one kind, read as one run.
class PartBytes {
public:
    PartBytes(Bytes file, const Layout& layout, ElementKind kind) : m_file(file)
    {
        for (const Element& element : layout.elements)
            if (element.kind == kind) {
                m_parts.push_back(&element);
                m_size += element.size;
            }
    }

    std::uint64_t Size() const { return m_size; }
    // The file offset of byte `at` of the run; call with at rising.
    std::uint64_t OffsetOf(std::uint64_t at)
    {
        while (at >= m_partStart + m_parts[m_part]->size) {
            m_partStart += m_parts[m_part]->size;
            ++m_part;
        }
        return m_parts[m_part]->offset + at - m_partStart;
    }
    std::uint8_t At(std::uint64_t at) { return m_file[OffsetOf(at)]; }

private:
    Bytes m_file;
    std::vector<const Element*> m_parts;
    std::uint64_t m_size = 0;
    std::size_t m_part = 0;
    std::uint64_t m_partStart = 0;
};

void DiffPart(Bytes a, const Layout& layoutA, Bytes b, const Layout& layoutB, ElementKind kind, HiddenPart name,
              BitmapDiff& diff)
{
    PartBytes partA(a, layoutA, kind);
    PartBytes partB(b, layoutB, kind);
    HiddenBytesDifference difference;
    difference.part = name;
    difference.sizeA = partA.Size();
    difference.sizeB = partB.Size();
    const std::uint64_t common = std::min(partA.Size(), partB.Size());
    for (std::uint64_t at = 0; at < common; ++at) {
        if (partA.At(at) == partB.At(at))
            continue;
        if (difference.differing++ == 0) {
            difference.firstA = partA.OffsetOf(at);
            difference.firstB = partB.OffsetOf(at);
        }
    }
    if (partA.Size() != partB.Size()) {
        difference.differing += std::max(partA.Size(), partB.Size()) - common;
        if (!difference.firstA && partA.Size() > common)
            difference.firstA = partA.OffsetOf(common);
        if (!difference.firstB && partB.Size() > common)
            difference.firstB = partB.OffsetOf(common);
    }
    if (difference.differing != 0)
        diff.hidden.push_back(std::move(difference));
}

// The padding after each row's pixel bytes, row by shown row, when both files lay rows out alike.
void DiffRowPadding(Bytes a, const BitmapFormat& formatA, Bytes b, const BitmapFormat& formatB, BitmapDiff& diff)
{
    if (!IsUncompressed(formatA.encoding) || !IsUncompressed(formatB.encoding) || formatA.stride != formatB.stride ||
        RowPixelBytes(formatA) != RowPixelBytes(formatB) || formatA.rows != formatB.rows)
        return;
    const std::uint64_t used = RowPixelBytes(formatA);
    const std::uint64_t padding = formatA.stride - used;
    HiddenBytesDifference difference;
    difference.part = HiddenPart::RowPadding;
    difference.sizeA = padding * formatA.WholeRowsPresent();
    difference.sizeB = padding * formatB.WholeRowsPresent();
    for (std::uint64_t shown = 0; padding != 0 && shown < formatA.rows; ++shown) {
        const std::uint64_t storedA = formatA.ShownRow(shown);
        const std::uint64_t storedB = formatB.ShownRow(shown);
        if (storedA >= formatA.WholeRowsPresent() || storedB >= formatB.WholeRowsPresent())
            continue;
        const std::uint64_t startA = formatA.pixels.offset + storedA * formatA.stride + used;
        const std::uint64_t startB = formatB.pixels.offset + storedB * formatB.stride + used;
        const auto [atA, atB] = std::mismatch(a.begin() + startA, a.begin() + startA + padding, b.begin() + startB);
        if (atA == a.begin() + startA + padding)
            continue;
        if (difference.differing++ == 0) {
            difference.firstA = static_cast<std::uint64_t>(atA - a.begin());
            difference.firstB = static_cast<std::uint64_t>(atB - b.begin());
        }
    }
    if (difference.differing != 0)
        diff.hidden.push_back(std::move(difference));
}

std::set<std::string> Codes(const std::vector<Finding>& findings)
{
    std::set<std::string> codes;
    for (const Finding& finding : findings)
        codes.insert(std::string(CodeName(finding.code)));
    return codes;
}

std::vector<std::string> OnlyIn(const std::set<std::string>& codes, const std::set<std::string>& others)
{
    std::vector<std::string> only;
    std::set_difference(codes.begin(), codes.end(), others.begin(), others.end(), std::back_inserter(only));
    return only;
}

// Counts the differing pixels and keeps the first few from the top, whatever order rows come in.
void DiffPixels(Bytes a, const BitmapFormat& formatA, Bytes b, const BitmapFormat& formatB, BitmapDiff& diff)
{
    diff.left = formatA.columns;
    diff.top = formatA.rows;
    ForEachRowPair(a, formatA, b, formatB, true, [&](std::uint64_t y, std::span<const Argb> rowA, std::span<const Argb> rowB) {
        for (std::uint64_t x = 0; x < rowA.size(); ++x) {
            if (rowA[x] == rowB[x])
                continue;
            ++diff.differingPixels;
            diff.left = std::min(diff.left, x);
            diff.right = std::max(diff.right, x);
            diff.top = std::min(diff.top, y);
            diff.bottom = std::max(diff.bottom, y);
            const auto later = std::find_if(diff.pixels.begin(), diff.pixels.end(), [&](const PixelDifference& listed) {
                return listed.y > y || (listed.y == y && listed.x > x);
            });
            if (later == diff.pixels.end() && diff.pixels.size() == kListedDifferences)
                continue;
            diff.pixels.insert(later, {.x = x, .y = y, .a = rowA[x], .b = rowB[x], .offsetA = {}, .offsetB = {}});
            if (diff.pixels.size() > kListedDifferences)
                diff.pixels.pop_back();
        }
    });
    for (PixelDifference& pixel : diff.pixels) {
        pixel.offsetA = PixelOffset(a, formatA, pixel.x, pixel.y);
        pixel.offsetB = PixelOffset(b, formatB, pixel.x, pixel.y);
    }
}

}  // namespace

std::string UncomparableReason(const BitmapFormat& format)
{
    std::string reason = NoPictureReason(format);
    if (!reason.empty())
        return reason;
    if (IsEmbeddedStream(format.encoding))
        return "its " + EncodingText(format) + " pixels are not compared";
    if (format.columns > kMaxTargetPixels)
        return GroupedNumber(format.columns) + " pixels a row is too wide to compare";
    if (format.rows > kMaxComparedPixels / format.columns)
        return std::to_string(format.columns) + " x " + std::to_string(format.rows) + " pixels is too many to compare";
    return {};
}

void ForEachRowPair(Bytes a, const BitmapFormat& formatA, Bytes b, const BitmapFormat& formatB, bool skipAlike,
                    const RowPairVisitor& each)
{
    RowDecoder decoderA(a, formatA);
    RowDecoder decoderB(b, formatB);
    const bool topDown = WalkTopDown(decoderA, formatA, decoderB, formatB);
    const bool alike = skipAlike && SameDrawing(a, formatA, decoderA, b, formatB, decoderB);
    std::vector<Argb> rowA(formatA.columns);
    std::vector<Argb> rowB(formatB.columns);
    for (std::uint64_t walked = 0; walked < formatA.rows; ++walked) {
        const std::uint64_t shown = topDown ? walked : formatA.rows - 1 - walked;
        if (alike && RowsAlike(a, formatA, b, formatB, shown))
            continue;
        decoderA.Row(shown, rowA);
        decoderB.Row(shown, rowB);
        each(shown, rowA, rowB);
    }
}

std::string_view HiddenPartName(HiddenPart part)
{
    switch (part) {
    case HiddenPart::RowPadding: return "row padding";
    case HiddenPart::Gap: return "gap";
    case HiddenPart::TrailingBytes: return "trailing bytes";
    case HiddenPart::Profile: return "profile";
    }
    return {};
}

BitmapDiff DiffBitmaps(Bytes a, const Inspection& checkedA, Bytes b, const Inspection& checkedB)
{
    const BitmapFormat& formatA = checkedA.layout.format;
    const BitmapFormat& formatB = checkedB.layout.format;
    BitmapDiff diff;
    diff.widthA = formatA.columns;
    diff.heightA = formatA.rows;
    diff.widthB = formatB.columns;
    diff.heightB = formatB.rows;
    diff.sameSize = formatA.columns == formatB.columns && formatA.rows == formatB.rows;
    if (diff.sameSize)
        DiffPixels(a, formatA, b, formatB, diff);
    diff.storage = StorageDifferences(formatA, formatB);
    diff.fields = FieldDifferences(a, checkedA.layout, b, checkedB.layout);
    DiffColorTables(a, formatA, b, formatB, diff);
    DiffRowPadding(a, formatA, b, formatB, diff);
    DiffPart(a, checkedA.layout, b, checkedB.layout, ElementKind::Gap, HiddenPart::Gap, diff);
    DiffPart(a, checkedA.layout, b, checkedB.layout, ElementKind::Trailing, HiddenPart::TrailingBytes, diff);
    DiffPart(a, checkedA.layout, b, checkedB.layout, ElementKind::Profile, HiddenPart::Profile, diff);
    const std::set<std::string> codesA = Codes(checkedA.findings);
    const std::set<std::string> codesB = Codes(checkedB.findings);
    diff.findingsOnlyA = OnlyIn(codesA, codesB);
    diff.findingsOnlyB = OnlyIn(codesB, codesA);
    return diff;
}

}  // namespace hexlume::format
