#include "Repair.h"

#include "Decoder.h"
#include "FieldValue.h"
#include "FindingList.h"
#include "HiddenData.h"
#include "HiddenRows.h"
#include "Inspection.h"
#include "NumberText.h"
#include "RleStream.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace hexlume::format {

namespace {

constexpr std::uint64_t kDwordLimit = 0xFFFFFFFF;
constexpr std::uint32_t kSrgbSpace = 0x73524742;  // 'sRGB', what readers take for an unknown type

// A field's value as the messages write it: grouped, with its sign for a signed type.
std::string ValueText(std::uint64_t stored, FieldType type)
{
    const std::string text = FieldValueText(stored, type);
    return text.front() == '-' ? "-" + GroupedNumber(std::stoull(text.substr(1))) : GroupedNumber(std::stoull(text));
}

// Stores a field of `table` (a header starting at `at` of `bytes`) as its type stores it.
void PutField(std::vector<std::uint8_t>& bytes, std::uint64_t at, FieldTable table, FieldId id, std::uint64_t value)
{
    const FieldEntry& entry = FieldOf(table, id);
    const std::vector<std::uint8_t> stored = FieldValueBytes(value, entry.type);
    std::copy(stored.begin(), stored.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at + entry.offset));
}

std::string ColorText(Argb color)
{
    return "#" + HexDigits(color & 0xFFFFFF, 6);
}

// "a, b": a part said after the ones before it, or alone when it is the first.
Message ListedAfter(const Message& before, Message next)
{
    return before.Empty() ? next : Message(HX_TR("Repairs", "%1, %2")).Arg(before).Arg(std::move(next));
}

// "a; b": a further change said after a repair's sentence.
Message FollowedBy(const Message& sentence, Message next)
{
    return Message(HX_TR("Repairs", "%1; %2")).Arg(sentence).Arg(std::move(next));
}

// The picture as the decoder draws it, as uncompressed rows under a 40-byte header: indices into
// the file's own table (with room, stand-in colours become entries of their own) at `bits`, or
// else 24-bit colours. `said` gets what the stand-ins became, empty when nothing did.
std::vector<std::uint8_t> StorePicture(Bytes file, const BitmapFormat& format, const Picture& picture,
                                       unsigned& bits, Message& said)
{
    const auto bitCount = static_cast<std::uint16_t>(bits);
    const std::uint64_t room = FullTableEntries(bitCount);
    std::vector<Argb> table;
    std::unordered_map<Argb, std::uint32_t> indexOf;
    for (std::uint64_t i = 0; i < std::min<std::uint64_t>(format.colorCount, room); ++i) {
        const std::optional<Argb> color = TableColor(file, format, i);
        if (!color)
            break;
        table.push_back(*color | kOpaque);
        indexOf.emplace(*color | kOpaque, static_cast<std::uint32_t>(i));
    }
    const std::size_t own = table.size();
    std::vector<std::uint32_t> values(picture.pixels.size());
    bool fits = IsIndexed(bitCount) && !table.empty();
    bool skipped = false;
    for (std::size_t i = 0; i < values.size() && fits; ++i) {
        const Argb color = picture.pixels[i];
        // Readers show the pixels a stream skips in colour 0.
        const auto found = color == kSkippedColor ? indexOf.find(table[0]) : indexOf.find(color);
        skipped = skipped || color == kSkippedColor;
        if (found != indexOf.end()) {
            values[i] = found->second;
            continue;
        }
        fits = table.size() < room;
        values[i] = static_cast<std::uint32_t>(table.size());
        indexOf.emplace(color, values[i]);
        table.push_back(color);
    }
    said = {};
    if (fits) {
        for (std::size_t i = own; i < table.size(); ++i)
            said = ListedAfter(said, Message(table[i] == kBadIndexColor
                                                 ? HX_TR("Repairs", "%1 (indices past the table) became entry %2")
                                                 : HX_TR("Repairs", "%1 (missing pixels) became entry %2"))
                                         .Arg(ColorText(table[i]))
                                         .Number(i));
        if (skipped)
            said = ListedAfter(said, Message(HX_TR("Repairs", "pixels the stream skips became entry 0 (%1)"))
                                         .Arg(ColorText(table[0])));
    } else {
        bits = 24;
        table.clear();
        for (std::size_t i = 0; i < values.size(); ++i)
            values[i] = picture.pixels[i] & 0xFFFFFF;  // a skipped pixel, transparent black, becomes black
        if (std::find(picture.pixels.begin(), picture.pixels.end(), kSkippedColor) != picture.pixels.end())
            said = HX_TR("Repairs", "pixels the stream skips became black");
    }
    const FieldTable info = InfoHeaderFields(HeaderVersion::Info);
    const std::uint64_t stride = RowStride(picture.width, static_cast<std::uint16_t>(bits));
    const std::uint64_t tableStart = kFileHeaderBytes + TableBytes(info);
    const std::uint64_t offset = tableStart + 4 * table.size();
    const std::uint64_t rowBytes = stride * picture.height;
    std::vector<std::uint8_t> bytes(offset + rowBytes);
    const FieldTable header = dictionary::kFileHeader;
    PutField(bytes, 0, header, FieldId::Signature, kBitmapSignature);
    PutField(bytes, 0, header, FieldId::FileSize, bytes.size());
    PutField(bytes, 0, header, FieldId::PixelOffset, offset);
    const std::uint64_t at = kFileHeaderBytes;
    PutField(bytes, at, info, FieldId::HeaderSize, TableBytes(info));
    PutField(bytes, at, info, FieldId::Width, picture.width);
    PutField(bytes, at, info, FieldId::Height, picture.height);
    PutField(bytes, at, info, FieldId::Planes, 1);
    PutField(bytes, at, info, FieldId::BitCount, bits);
    PutField(bytes, at, info, FieldId::ImageSize, rowBytes);
    PutField(bytes, at, info, FieldId::XDensity, static_cast<std::uint32_t>(std::max(format.xPelsPerMeter, 0)));
    PutField(bytes, at, info, FieldId::YDensity, static_cast<std::uint32_t>(std::max(format.yPelsPerMeter, 0)));
    PutField(bytes, at, info, FieldId::ColorsUsed, table.size());
    for (std::size_t i = 0; i < table.size(); ++i)
        for (unsigned c = 0; c < 3; ++c)
            bytes[tableStart + 4 * i + c] = static_cast<std::uint8_t>(table[i] >> (8 * c));
    // Rows bottom-up, as a positive height stores them.
    for (std::uint64_t y = 0; y < picture.height; ++y) {
        std::uint8_t* row = bytes.data() + offset + (picture.height - 1 - y) * stride;
        for (std::uint64_t x = 0; x < picture.width; ++x) {
            const std::uint32_t value = values[y * picture.width + x];
            if (bits == 24) {
                for (unsigned c = 0; c < 3; ++c)
                    row[3 * x + c] = static_cast<std::uint8_t>(value >> (8 * c));
                continue;
            }
            const std::uint64_t bit = x * bits;
            row[bit / 8] |= static_cast<std::uint8_t>(value << (8 - bits - bit % 8));
        }
    }
    return bytes;
}

class Repairer {
public:
    Repairer(Bytes file, const RepairRequest& request)
        : m_file(file), m_request(request), m_inspection(Inspect(file)), m_fields(m_inspection.layout),
          m_format(m_inspection.layout.format)
    {
    }

    std::vector<Repair> All()
    {
        // A bitmap array's entries size each other: not repaired here.
        if (!m_inspection.layout.array.entries.empty())
            return {};
        std::vector<Repair> repairs;
        const auto add = [&repairs](std::optional<Repair> repair) {
            if (repair)
                repairs.push_back(std::move(*repair));
        };
        add(Planes());
        for (const FieldId id : {FieldId::Reserved1, FieldId::Reserved2})
            add(Reserved(id));
        add(ColorsUsed());
        add(PixelOffset());
        add(ColorsImportant());
        for (const FieldId id : {FieldId::XDensity, FieldId::YDensity})
            add(Density(id));
        add(ColorSpace());
        add(RleEnd());
        if (m_request.height)
            add(Height());
        if (m_request.pad)
            add(Pad());
        if (m_request.redraw)
            add(Redraw());
        if (m_request.strip) {
            add(StripPixels());
            add(StripGaps());
            add(StripTrailing());
        }
        add(ImageSize());
        add(FileSize());
        return repairs;
    }

private:
    const Finding* Found(FindingCode code) const
    {
        const auto found = std::find_if(m_inspection.findings.begin(), m_inspection.findings.end(),
                                        [code](const Finding& finding) { return finding.code == code; });
        return found != m_inspection.findings.end() ? &*found : nullptr;
    }
    bool Has(FindingCode code) const { return Found(code) != nullptr; }

    // The edit that stores `value` in the field, and its sentence: "bfSize: 9 000 → 9 270".
    std::optional<std::pair<ByteEdit, Message>> SetField(FieldId id, std::uint64_t value) const
    {
        const Field* field = m_fields.FieldFor(id);
        if (field == nullptr || !field->present || field->value == value)
            return std::nullopt;
        return std::pair{ByteEdit{field->offset, FieldValueBytes(value, field->type)},
                         Message(HX_TR("Repairs", "%1: %2 → %3"))
                             .Arg(field->name)
                             .Arg(ValueText(field->value, field->type))
                             .Arg(ValueText(value, field->type))};
    }

    std::optional<Repair> FieldRepair(FindingCode code, FieldId id, std::uint64_t value, Message why,
                                      bool guess = false) const
    {
        auto set = SetField(id, value);
        if (!set)
            return std::nullopt;
        return Repair{.code = code, .sentence = ListedAfter(set->second, std::move(why)), .newSize = std::nullopt,
                      .edits = {std::move(set->first)}, .guess = guess};
    }

    std::optional<Repair> Planes() const
    {
        if (!Has(FindingCode::BadPlanes))
            return std::nullopt;
        return FieldRepair(FindingCode::BadPlanes, FieldId::Planes, 1, HX_TR("Repairs", "as every bitmap has"));
    }

    std::optional<Repair> Reserved(FieldId id) const
    {
        const Field* field = m_fields.FieldFor(id);
        const Finding* found = Found(FindingCode::ReservedNotZero);
        if (field == nullptr || found == nullptr)
            return std::nullopt;
        return FieldRepair(FindingCode::ReservedNotZero, id, 0, HX_TR("Repairs", "as it must be"));
    }

    // The entries of the colour table that must lie before the pixel data: every one the pixels
    // may index (up to the count the headers give), or a true-colour bitmap's hint.
    std::uint64_t TableBytesNeeded() const
    {
        const std::uint64_t entries = IsIndexed(m_format.bitCount)
                                          ? std::min<std::uint64_t>(m_format.colorCount, FullTableEntries(m_format.bitCount))
                                          : m_format.colorCount;
        return entries * m_format.colorEntrySize;
    }

    // Where the pixel data must start when the layout leaves one place: uncompressed rows that
    // end the file, or an RLE stream from right after the colour table that ends the file with
    // its end code.
    std::optional<Repair> PixelOffset() const
    {
        const FindingCode code = Has(FindingCode::PixelOffsetOverlaps)  ? FindingCode::PixelOffsetOverlaps
                                 : Has(FindingCode::PixelOffsetPastEnd) ? FindingCode::PixelOffsetPastEnd
                                                                        : FindingCode::Gap;
        // A table claiming more than the pixels can index overlaps them: the count is at fault.
        if (code == FindingCode::Gap || Has(FindingCode::ColourTableTooLarge))
            return std::nullopt;
        const std::uint64_t earliest = m_format.colorTable.offset + TableBytesNeeded();
        const std::uint64_t size = m_format.fileSize;
        if (IsUncompressed(m_format.encoding) && m_format.rowBytes != 0 && m_format.rowBytes <= size &&
            size - m_format.rowBytes >= earliest && size - m_format.rowBytes <= kDwordLimit)
            return FieldRepair(code, FieldId::PixelOffset, size - m_format.rowBytes,
                               Message(HX_TR("Repairs", "where the picture's %1 of rows end the file"))
                                   .Arg(say::Bytes(m_format.rowBytes)));
        if (IsRunLength(m_format.encoding) && earliest < size && CleanStreamToEnd(earliest))
            return FieldRepair(code, FieldId::PixelOffset, earliest,
                               HX_TR("Repairs", "right after the colour table, where an RLE stream starts that ends "
                                                "the file with its end-of-bitmap code"));
        return std::nullopt;
    }

    // Whether an RLE stream from `start` keeps inside the picture and ends the file with its
    // end-of-bitmap code.
    bool CleanStreamToEnd(std::uint64_t start) const
    {
        RleReader reader(m_file, m_format.encoding, start);
        RleCursor cursor(m_format.columns, m_format.rows);
        RleCode code;
        while (reader.Next(code))
            if (cursor.Apply(code).exit != RleExit::None || code.op == RleOp::CutShort)
                return false;
        return code.op == RleOp::EndOfBitmap && code.offset + code.length == m_file.size();
    }

    // biClrUsed as the entries that fit between the table's start and the pixel data.
    std::optional<Repair> ColorsUsed() const
    {
        const bool tooLarge = Has(FindingCode::ColourTableTooLarge);
        if ((!tooLarge && !Has(FindingCode::IndexPastTable)) || !IsIndexed(m_format.bitCount) ||
            m_format.offBits <= m_format.colorTable.offset || m_format.offBits > m_format.fileSize)
            return std::nullopt;
        const std::uint64_t fits = std::min<std::uint64_t>((m_format.offBits - m_format.colorTable.offset) /
                                                               m_format.colorEntrySize,
                                                           FullTableEntries(m_format.bitCount));
        if (fits == 0 || (!tooLarge && fits <= m_format.colorCount))
            return std::nullopt;
        return FieldRepair(tooLarge ? FindingCode::ColourTableTooLarge : FindingCode::IndexPastTable,
                           FieldId::ColorsUsed, fits, HX_TR("Repairs", "the entries that fit before the pixel data"));
    }

    std::optional<Repair> ColorsImportant() const
    {
        if (!Has(FindingCode::ImportantColoursExceedTable))
            return std::nullopt;
        return FieldRepair(FindingCode::ImportantColoursExceedTable, FieldId::ColorsImportant, 0, HX_TR("Repairs", "all colours"));
    }

    std::optional<Repair> Density(FieldId id) const
    {
        const Field* field = m_fields.FieldFor(id);
        const auto absurd = [field](const Finding& finding) {
            return finding.code == FindingCode::AbsurdDensity && finding.field == field->name;
        };
        if (field == nullptr ||
            std::none_of(m_inspection.findings.begin(), m_inspection.findings.end(), absurd))
            return std::nullopt;
        return FieldRepair(FindingCode::AbsurdDensity, id, 0, HX_TR("Repairs", "not given"));
    }

    std::optional<Repair> ColorSpace() const
    {
        if (!Has(FindingCode::UnknownColourSpace))
            return std::nullopt;
        const Field* field = m_fields.FieldFor(FieldId::ColorSpace);
        if (field == nullptr)
            return std::nullopt;
        return Repair{.code = FindingCode::UnknownColourSpace,
                      .sentence = Message(HX_TR("Repairs", "%1: %2 → %3, LCS_sRGB, the colour space readers take"))
                                      .Arg(field->name)
                                      .Arg(HexNumber(field->value, 8))
                                      .Arg(HexNumber(kSrgbSpace, 8)),
                      .newSize = std::nullopt,
                      .edits = {{field->offset, FieldValueBytes(kSrgbSpace, field->type)}},
                      .guess = false};
    }

    // The sizes after the file becomes `size` bytes with a stream (or rows) of `pixelBytes`:
    // edits and their words, added to a repair that changes them.
    void FollowSizes(Repair& repair, std::uint64_t size, std::uint64_t pixelBytes, bool sizeImage) const
    {
        if (sizeImage && m_format.sizeImage != 0 && pixelBytes <= kDwordLimit)
            if (auto set = SetField(FieldId::ImageSize, pixelBytes)) {
                repair.edits.push_back(std::move(set->first));
                repair.sentence = FollowedBy(repair.sentence, std::move(set->second));
            }
        if (size <= kDwordLimit && m_format.declaredFileSize != size)
            if (auto set = SetField(FieldId::FileSize, size)) {
                repair.edits.push_back(std::move(set->first));
                repair.sentence = FollowedBy(repair.sentence, std::move(set->second));
            }
    }

    std::optional<Repair> RleEnd() const
    {
        if (!Has(FindingCode::RleMissingEnd))
            return std::nullopt;
        const std::uint64_t size = m_format.fileSize;
        Repair repair{.code = FindingCode::RleMissingEnd,
                      .sentence = Message(HX_TR("Repairs", "RLE end-of-bitmap code (00 01) appended at offset %1")).Number(size),
                      .newSize = size + kRleEndOfBitmap.size(),
                      .edits = {{size, {kRleEndOfBitmap.begin(), kRleEndOfBitmap.end()}}},
                      .guess = false};
        FollowSizes(repair, size + kRleEndOfBitmap.size(), m_format.pixels.present + kRleEndOfBitmap.size(), true);
        return repair;
    }

    // biHeight taking in the whole rows found next to the pixel data.
    std::optional<Repair> Height() const
    {
        const std::optional<RowsPastPicture> rows = FindRowsPastPicture(m_inspection.layout);
        if (!rows)
            return std::nullopt;
        const BitmapFormat whole = WithRowsPastPicture(m_format, *rows);
        const Field* height = m_fields.FieldFor(FieldId::Height);
        if (height == nullptr || whole.rows > (height->size == 2 ? 0xFFFFu : 0x7FFFFFFFu))
            return std::nullopt;
        const std::uint64_t stored = static_cast<std::uint64_t>(whole.height) & (height->size == 2 ? 0xFFFFu : kDwordLimit);
        auto set = SetField(FieldId::Height, stored);
        if (!set)
            return std::nullopt;
        Repair repair{.code = FindingCode::RowsPastPicture,
                      .sentence = Message(HX_TR("Repairs", "%1, taking in %2 of %3 (a guess)"))
                                      .Arg(set->second)
                                      .Arg(say::Rows(rows->rows))
                                      .Arg(say::ByteRange(rows->offset, rows->size)),
                      .newSize = std::nullopt,
                      .edits = {std::move(set->first)},
                      .guess = true};
        if (rows->beforePixels)
            if (auto offset = SetField(FieldId::PixelOffset, rows->offset)) {
                repair.edits.push_back(std::move(offset->first));
                repair.sentence = FollowedBy(repair.sentence, std::move(offset->second));
            }
        FollowSizes(repair, m_format.fileSize, whole.rowBytes, true);
        return repair;
    }

    // Uncompressed rows the file cuts short, filled with zero bytes.
    std::optional<Repair> Pad() const
    {
        const FileRange& pixels = m_format.pixels;
        if (!Has(FindingCode::PixelDataTruncated) || !IsUncompressed(m_format.encoding) ||
            pixels.offset > m_format.fileSize || pixels.End() > kDwordLimit)
            return std::nullopt;
        const std::uint64_t missing = pixels.claimed - pixels.present;
        const std::uint64_t firstRow = pixels.present / m_format.stride;
        Repair repair{.code = FindingCode::PixelDataTruncated,
                      .sentence = Message(HX_TR("Repairs", "Pixel data: the %1 the file lacks (stored rows %2 to %3) "
                                                           "filled with zero bytes, made up"))
                                      .Arg(say::Bytes(missing))
                                      .Number(firstRow)
                                      .Number(m_format.rows - 1),
                      .newSize = pixels.End(),
                      .edits = {},
                      .guess = true};
        FollowSizes(repair, pixels.End(), m_format.rowBytes, false);
        return repair;
    }

    // The picture as the decoder draws it, stored again uncompressed.
    std::optional<Repair> Redraw() const
    {
        constexpr std::array kDamage = {FindingCode::RleRunPastRow,  FindingCode::RlePastLastRow,
                                        FindingCode::RleDeltaOutside, FindingCode::RleTruncated,
                                        FindingCode::HuffmanRowTooLong, FindingCode::HuffmanRowTooShort,
                                        FindingCode::HuffmanBadCode,  FindingCode::HuffmanMissingEol,
                                        FindingCode::HuffmanTruncated, FindingCode::IndexPastTable};
        const auto damage = std::find_if(kDamage.begin(), kDamage.end(), [this](FindingCode code) { return Has(code); });
        const std::uint64_t pixels = m_format.columns * m_format.rows;
        if (damage == kDamage.end() || !m_inspection.noPictureReason.empty() || m_format.columns > kDwordLimit / 32 ||
            m_format.rows > 0x7FFFFFFF || pixels > kMaxTargetPixels)
            return std::nullopt;
        const DecodeResult drawn = DecodePicture(m_file, m_format, static_cast<std::uint32_t>(m_format.columns),
                                                 static_cast<std::uint32_t>(m_format.rows));
        if (drawn.outcome != DecodeOutcome::Drawn)
            return std::nullopt;
        const PixelEncoding encoding = m_format.encoding;
        unsigned bits = encoding == PixelEncoding::Rle8        ? 8
                        : encoding == PixelEncoding::Rle4      ? 4
                        : encoding == PixelEncoding::Huffman1D ? 1
                        : encoding == PixelEncoding::Rle24     ? 24
                                                               : m_format.bitCount;
        Message said;
        std::vector<std::uint8_t> bytes = StorePicture(m_file, m_format, drawn.picture, bits, said);
        const Message was = IsUncompressed(encoding)
                                ? Message(HX_TR_N("Repairs", "%n bit(s) rows")).Count(m_format.bitCount)
                                : Message(HX_TR("Repairs", "the %1 stream")).Arg(EncodingName(encoding));
        Message sentence = said.Empty() ? Message(HX_TR("Repairs", "Picture stored again as the decoder draws it, "
                                                                   "%1x%2 in uncompressed %3-bit rows under a "
                                                                   "BITMAPINFOHEADER, in place of %4 (a guess)"))
                                        : Message(HX_TR("Repairs", "Picture stored again as the decoder draws it, "
                                                                   "%1x%2 in uncompressed %3-bit rows under a "
                                                                   "BITMAPINFOHEADER, in place of %4; %5 (a guess)"));
        sentence.Arg(std::to_string(m_format.columns)).Arg(std::to_string(m_format.rows)).Arg(std::to_string(bits)).Arg(was);
        if (!said.Empty())
            sentence.Arg(said);
        Repair repair{.code = *damage,
                      .sentence = std::move(sentence),
                      .newSize = bytes.size(),
                      .edits = {},
                      .guess = true};
        repair.edits.push_back({0, std::move(bytes)});
        return repair;
    }

    // Row padding and bits outside the masks zeroed.
    std::optional<Repair> StripPixels() const
    {
        const bool padding = Has(FindingCode::PaddingNotZero);
        if (!padding && !Has(FindingCode::BitsOutsideMasks))
            return std::nullopt;
        const FileRange& pixels = m_format.pixels;
        const std::uint64_t whole = m_format.WholeRowsPresent() * m_format.stride;
        ByteEdit edit{pixels.offset, std::vector<std::uint8_t>(m_file.begin() + static_cast<std::ptrdiff_t>(pixels.offset),
                                                                m_file.begin() + static_cast<std::ptrdiff_t>(pixels.offset + whole))};
        ClearHiddenBits(edit.bytes, m_format);
        return Repair{.code = padding ? FindingCode::PaddingNotZero : FindingCode::BitsOutsideMasks,
                      .sentence = Message(!padding ? HX_TR("Repairs", "Bits outside the channel masks zeroed in %1")
                                          : Has(FindingCode::BitsOutsideMasks)
                                              ? HX_TR("Repairs", "Row padding and bits outside the channel masks zeroed in %1")
                                              : HX_TR("Repairs", "Row padding zeroed in %1"))
                                      .Arg(say::ByteRange(pixels.offset, whole)),
                      .newSize = std::nullopt,
                      .edits = {std::move(edit)},
                      .guess = false};
    }

    std::optional<Repair> StripGaps() const
    {
        Repair repair{.code = FindingCode::Gap, .sentence = {}, .newSize = std::nullopt, .edits = {}, .guess = false};
        std::uint64_t bytes = 0;
        for (const Element& element : m_inspection.layout.elements) {
            if (element.kind != ElementKind::Gap)
                continue;
            const Bytes held = m_file.subspan(element.offset, element.size);
            if (std::all_of(held.begin(), held.end(), [](std::uint8_t byte) { return byte == 0; }))
                continue;
            repair.edits.push_back({element.offset, std::vector<std::uint8_t>(element.size)});
            bytes += element.size;
        }
        if (repair.edits.empty())
            return std::nullopt;
        repair.sentence =
            Message(HX_TR_N("Repairs", "%n gap(s) zeroed (%1)")).Count(repair.edits.size()).Arg(say::Bytes(bytes));
        return repair;
    }

    std::optional<Repair> StripTrailing() const
    {
        const auto trailing = std::find_if(m_inspection.layout.elements.begin(), m_inspection.layout.elements.end(),
                                           [](const Element& element) { return element.kind == ElementKind::Trailing; });
        if (trailing == m_inspection.layout.elements.end())
            return std::nullopt;
        Repair repair{.code = FindingCode::TrailingBytes,
                      .sentence = Message(HX_TR("Repairs", "The %1 after the bitmap's last part dropped"))
                                      .Arg(say::Bytes(trailing->size)),
                      .newSize = trailing->offset,
                      .edits = {},
                      .guess = false};
        FollowSizes(repair, trailing->offset, 0, false);
        return repair;
    }

    // The pixel data's real size: the rows, or a stream up to its end code.
    std::optional<Repair> ImageSize() const
    {
        const FindingCode code = Has(FindingCode::SizeImageMismatch)  ? FindingCode::SizeImageMismatch
                                 : Has(FindingCode::SizeImagePastEnd) ? FindingCode::SizeImagePastEnd
                                 : Has(FindingCode::SizeImageZero)    ? FindingCode::SizeImageZero
                                                                      : FindingCode::Gap;
        if (code == FindingCode::Gap)
            return std::nullopt;
        if (IsUncompressed(m_format.encoding)) {
            // 0 is right for uncompressed rows: their size follows from the headers.
            if (code == FindingCode::SizeImageZero || m_format.rowBytes > kDwordLimit)
                return std::nullopt;
            return FieldRepair(code, FieldId::ImageSize, m_format.rowBytes, HX_TR("Repairs", "the size of the rows"));
        }
        const bool stream = IsRunLength(m_format.encoding) || m_format.encoding == PixelEncoding::Huffman1D;
        if (!stream || !m_format.pixels.Complete() || m_format.pixels.claimed > kDwordLimit ||
            Has(FindingCode::RleMissingEnd) || Has(FindingCode::RleTruncated) || Has(FindingCode::HuffmanTruncated))
            return std::nullopt;
        return FieldRepair(code, FieldId::ImageSize, m_format.pixels.claimed,
                           IsRunLength(m_format.encoding) ? HX_TR("Repairs", "the RLE stream's size up to its end-of-bitmap code")
                                                          : HX_TR("Repairs", "the Huffman stream's size up to its last row"));
    }

    // The file's size, or the bitmap's extent when bytes trail it.
    std::optional<Repair> FileSize() const
    {
        if (!Has(FindingCode::FileSizeMismatch))
            return std::nullopt;
        const auto trailing = std::find_if(m_inspection.layout.elements.begin(), m_inspection.layout.elements.end(),
                                           [](const Element& element) { return element.kind == ElementKind::Trailing; });
        const bool trails = trailing != m_inspection.layout.elements.end();
        const std::uint64_t size = trails ? trailing->offset : m_format.fileSize;
        if (size > kDwordLimit)
            return std::nullopt;
        return FieldRepair(FindingCode::FileSizeMismatch, FieldId::FileSize, size,
                           trails ? Message(HX_TR("Repairs", "the bitmap's extent, before %1 that trail it"))
                                        .Arg(say::Bytes(trailing->size))
                                  : Message(HX_TR("Repairs", "the file's size")));
    }

    Bytes m_file;
    RepairRequest m_request;
    Inspection m_inspection;
    FindingList m_fields;  // names the fields of the layout
    const BitmapFormat& m_format;
};

}  // namespace

std::vector<Repair> RepairsFor(Bytes file, const RepairRequest& request)
{
    return Repairer(file, request).All();
}

void ApplyRepair(std::vector<std::uint8_t>& bytes, const Repair& repair)
{
    if (repair.newSize)
        bytes.resize(*repair.newSize, 0);
    for (const ByteEdit& edit : repair.edits)
        if (edit.offset <= bytes.size() && edit.bytes.size() <= bytes.size() - edit.offset)
            std::copy(edit.bytes.begin(), edit.bytes.end(), bytes.begin() + static_cast<std::ptrdiff_t>(edit.offset));
}

FixResult FixBitmap(Bytes file, const RepairRequest& request)
{
    FixResult result{.made = {}, .bytes = std::vector<std::uint8_t>(file.begin(), file.end())};
    // Each repair can change what the next finds (a stream's new end, a table's new length);
    // the bound only guards against a repair that would undo another.
    constexpr int kMostRepairs = 32;
    for (int i = 0; i < kMostRepairs; ++i) {
        const std::vector<Repair> repairs = RepairsFor(result.bytes, request);
        // A code with a repair a field (the two reserved words, the two densities) is told apart by its place.
        const auto same = [](const Repair& a, const Repair& b) {
            const auto at = [](const Repair& repair) { return repair.edits.empty() ? 0 : repair.edits.front().offset; };
            return a.code == b.code && at(a) == at(b);
        };
        const auto next = std::find_if(repairs.begin(), repairs.end(), [&](const Repair& repair) {
            return std::none_of(result.made.begin(), result.made.end(),
                                [&](const Repair& made) { return same(made, repair); });
        });
        if (next == repairs.end())
            break;
        ApplyRepair(result.bytes, *next);
        result.made.push_back(*next);
    }
    return result;
}

Message RepairOfCode(FindingCode code)
{
    switch (code) {
    case FindingCode::FileTruncated: return HX_TR("Repairs", "None: fewer than 14 bytes leave no headers to repair.");
    case FindingCode::BadSignature: return HX_TR("Repairs", "None: the signature is what says the bytes are a bitmap at all.");
    case FindingCode::HeaderTruncated: return HX_TR("Repairs", "None: the header's missing fields have no other source.");
    case FindingCode::UnknownHeaderSize: return HX_TR("Repairs", "None: no other field tells the header's version.");
    case FindingCode::Os2Header: return HX_TR("Repairs", "None needed: a note.");
    case FindingCode::BadPlanes: return HX_TR("Repairs", "biPlanes set to 1.");
    case FindingCode::UnusualBitCount: return HX_TR("Repairs", "None needed: a rare but defined format.");
    case FindingCode::BadBitCount: return HX_TR("Repairs", "None: no other field tells how the pixels are stored.");
    case FindingCode::BadCompression: return HX_TR("Repairs", "None: no other field tells how the pixels are stored.");
    case FindingCode::CompressionMismatch: return HX_TR("Repairs", "None: either field may be the wrong one.");
    case FindingCode::BadWidth: return HX_TR("Repairs", "None: no other field tells the picture's width.");
    case FindingCode::BadHeight: return HX_TR("Repairs", "None: no other field tells the picture's height.");
    case FindingCode::TopDownCompressed: return HX_TR("Repairs", "None: readers differ on which way such rows run.");
    case FindingCode::SizeOverflow: return HX_TR("Repairs", "None: no size the fields can hold is right.");
    case FindingCode::FileSizeMismatch: return HX_TR("Repairs", "bfSize set to the file's size, or to the bitmap's extent when bytes trail it.");
    case FindingCode::Os2HeadersSize: return HX_TR("Repairs", "None needed: an OS/2 writer's custom.");
    case FindingCode::Os2HotSpot: return HX_TR("Repairs", "None needed: a note.");
    case FindingCode::ReservedNotZero: return HX_TR("Repairs", "The reserved word set to 0.");
    case FindingCode::ColourTableTooLarge: return HX_TR("Repairs", "biClrUsed set to the entries that fit before the pixel data.");
    case FindingCode::ShortColourTable: return HX_TR("Repairs", "None needed: a note.");
    case FindingCode::ColourTableInTrueColour: return HX_TR("Repairs", "None needed: a note.");
    case FindingCode::ColourTableTruncated: return HX_TR("Repairs", "None: the missing entries have no other source.");
    case FindingCode::ImportantColoursExceedTable: return HX_TR("Repairs", "biClrImportant set to 0, all colours.");
    case FindingCode::MasksTruncated: return HX_TR("Repairs", "None: the missing masks have no other source.");
    case FindingCode::MasksOverlap: return HX_TR("Repairs", "None: which mask is wrong is not in the file.");
    case FindingCode::MaskEmpty: return HX_TR("Repairs", "None: which bits the channel had is not in the file.");
    case FindingCode::MaskNotContiguous: return HX_TR("Repairs", "None: which bits the channel had is not in the file.");
    case FindingCode::MaskExceedsBitCount: return HX_TR("Repairs", "None: the mask's width sets the channel's scale.");
    case FindingCode::AbsurdDensity: return HX_TR("Repairs", "The density set to 0, not given.");
    case FindingCode::DensityMismatch: return HX_TR("Repairs", "None: which density is right is not in the file.");
    case FindingCode::UnknownColourSpace: return HX_TR("Repairs", "The colour-space type set to LCS_sRGB, which readers take.");
    case FindingCode::ColourProfile: return HX_TR("Repairs", "None needed: a note.");
    case FindingCode::ProfileOutsideFile: return HX_TR("Repairs", "None: the profile's bytes are not in the file.");
    case FindingCode::ProfileOverlapsHeaders: return HX_TR("Repairs", "None: the profile's own bytes are not apart from the headers.");
    case FindingCode::ProfileOverlapsPixels: return HX_TR("Repairs", "None: the profile's own bytes are not apart from the pixels.");
    case FindingCode::ProfileSizeMismatch: return HX_TR("Repairs", "None: which size is right is not in the file.");
    case FindingCode::NotAnIccProfile: return HX_TR("Repairs", "None: the bytes are no profile.");
    case FindingCode::ProfileTagPastEnd: return HX_TR("Repairs", "None: the tag's data is not in the profile.");
    case FindingCode::LinkedNameUnterminated: return HX_TR("Repairs", "None: where the name ends is not in the file.");
    case FindingCode::PixelOffsetOverlaps: return HX_TR("Repairs", "bfOffBits set where the pixel data is, when only one place fits: uncompressed rows that end the file, or an RLE stream from the colour table's end to the file's.");
    case FindingCode::PixelOffsetPastEnd: return HX_TR("Repairs", "As pixel-offset-overlaps.");
    case FindingCode::SizeImageZero: return HX_TR("Repairs", "For an RLE or Huffman stream, biSizeImage set to the stream's size; uncompressed rows need none.");
    case FindingCode::SizeImageMismatch: return HX_TR("Repairs", "biSizeImage set to the rows' size, or the stream's up to its end code.");
    case FindingCode::SizeImagePastEnd: return HX_TR("Repairs", "As size-image-mismatch.");
    case FindingCode::PixelDataTruncated: return HX_TR("Repairs", "Only with --fix=pad: the missing rows made up of zero bytes.");
    case FindingCode::IndexPastTable: return HX_TR("Repairs", "biClrUsed set to the entries that fit before the pixel data, when more fit than it gives.");
    case FindingCode::PaddingNotZero: return HX_TR("Repairs", "Only with --strip: zeroed.");
    case FindingCode::BitsOutsideMasks: return HX_TR("Repairs", "Only with --strip: zeroed.");
    case FindingCode::BadEmbeddedStream: return HX_TR("Repairs", "None: the stream's own bytes are wrong.");
    case FindingCode::EmbeddedStream: return HX_TR("Repairs", "None needed: a note.");
    case FindingCode::RleRunPastRow: return HX_TR("Repairs", "None: where the writer meant the pixels is not in the file.");
    case FindingCode::RlePastLastRow: return HX_TR("Repairs", "None: where the writer meant the pixels is not in the file.");
    case FindingCode::RleDeltaOutside: return HX_TR("Repairs", "None: where the writer meant the pixels is not in the file.");
    case FindingCode::RleTruncated: return HX_TR("Repairs", "None: the rest of the code is not in the file.");
    case FindingCode::RleMissingEnd: return HX_TR("Repairs", "The end-of-bitmap code appended, and the sizes set to match.");
    case FindingCode::RleSkipsPixels: return HX_TR("Repairs", "None needed: the format allows it.");
    case FindingCode::HuffmanRowTooLong: return HX_TR("Repairs", "None: where the writer meant the pixels is not in the file.");
    case FindingCode::HuffmanRowTooShort: return HX_TR("Repairs", "None: the missing pixels are not in the file.");
    case FindingCode::HuffmanBadCode: return HX_TR("Repairs", "None: the code meant is not in the file.");
    case FindingCode::HuffmanMissingEol: return HX_TR("Repairs", "None: where the row ends is not in the file.");
    case FindingCode::HuffmanTruncated: return HX_TR("Repairs", "None: the rest of the stream is not in the file.");
    case FindingCode::Gap: return HX_TR("Repairs", "Only with --strip: zeroed.");
    case FindingCode::TrailingBytes: return HX_TR("Repairs", "Only with --strip: dropped, and bfSize set to match.");
    case FindingCode::BitmapArray: return HX_TR("Repairs", "None: an OS/2 bitmap array is not repaired.");
    case FindingCode::ArrayTruncated: return HX_TR("Repairs", "None: the missing entry is not in the file.");
    case FindingCode::ArrayBadLink: return HX_TR("Repairs", "None: which entry the chain meant is not in the file.");
    case FindingCode::DumpShowsOtherPart: return HX_TR("Repairs", "None: about the window's dump, not the file.");
    case FindingCode::DumpHidesBytes: return HX_TR("Repairs", "None: about the window's dump, not the file.");
    case FindingCode::DumpEntrySize: return HX_TR("Repairs", "None: about the window's dump, not the file.");
    case FindingCode::RowsPastPicture: return HX_TR("Repairs", "Only with --fix=height: biHeight taking in the rows (and bfOffBits for rows before the pixel data).");
    case FindingCode::IconFile: return HX_TR("Repairs", "None needed: a note.");
    case FindingCode::IconBadReserved: return HX_TR("Repairs", "None: icon and cursor files are not repaired.");
    case FindingCode::IconBadType: return HX_TR("Repairs", "None: icon and cursor files are not repaired.");
    case FindingCode::IconNoImages: return HX_TR("Repairs", "None: the images are not in the file.");
    case FindingCode::IconDirectoryTruncated: return HX_TR("Repairs", "None: the missing entries are not in the file.");
    case FindingCode::IconImagePastEnd: return HX_TR("Repairs", "None: the image's missing bytes are not in the file.");
    case FindingCode::IconImagesOverlap: return HX_TR("Repairs", "None: which entry is wrong is not in the file.");
    case FindingCode::IconSizeMismatch: return HX_TR("Repairs", "None: icon and cursor files are not repaired.");
    case FindingCode::IconBitCountMismatch: return HX_TR("Repairs", "None: icon and cursor files are not repaired.");
    case FindingCode::IconBytesMismatch: return HX_TR("Repairs", "None: icon and cursor files are not repaired.");
    case FindingCode::IconHeightNotDoubled: return HX_TR("Repairs", "None: icon and cursor files are not repaired.");
    case FindingCode::IconMaskTruncated: return HX_TR("Repairs", "None: the mask's missing bytes are not in the file.");
    case FindingCode::IconBadPng: return HX_TR("Repairs", "None: the PNG stream is not taken apart.");
    case FindingCode::HotspotOutside: return HX_TR("Repairs", "None: where the hot spot was meant to be is not in the file.");
    case FindingCode::HeaderlessDib: return HX_TR("Repairs", "None needed: a note.");
    }
    return {};
}

bool MayHaveRepair(FindingCode code)
{
    return !RepairOfCode(code).English().starts_with("None");
}

}  // namespace hexlume::format
