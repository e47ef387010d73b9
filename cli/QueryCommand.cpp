#include "QueryCommand.h"

#include "EntryChoice.h"
#include "Failure.h"
#include "Json.h"
#include "MappedFile.h"
#include "format/ByteDescription.h"
#include "format/Decoder.h"
#include "format/Inspection.h"
#include "format/NumberText.h"
#include "format/PixelBytes.h"
#include "texts/InspectionTexts.h"

#include <exception>
#include <string_view>

namespace hexlume {

namespace {

using format::Bytes;
using format::GroupedNumber;

std::string Number(std::uint64_t value)
{
    return std::to_string(value);
}

std::string OffsetText(std::uint64_t offset)
{
    return format::HexNumber(offset, 8) + " (" + GroupedNumber(offset) + ")";
}

bool Finish(std::FILE* out)
{
    return std::fflush(out) == 0 && !std::ferror(out);
}

int AnswerByte(const QueryOptions& options, const format::Inspection& inspected, Bytes file, std::FILE* out)
{
    const std::uint64_t offset = *options.offset;
    if (offset >= file.size())
        return Fail(options.file, "offset " + GroupedNumber(offset) + " lies past the end of the file (" +
                                      format::ByteCount(file.size()) + ")");
    // A byte of another image than the chosen one is told by its own image's headers.
    const std::optional<std::size_t> holder = format::ImageHolding(inspected.layout, file, offset);
    const format::Layout own = holder && *holder != inspected.layout.image ? format::ReadImageLayout(file, *holder)
                                                                          : format::Layout{};
    const format::Layout& layout = holder && *holder != inspected.layout.image ? own : inspected.layout;
    const std::string text = ByteText(layout, inspected.findings, file, offset);
    if (!options.json) {
        std::fprintf(out, "%s\n", text.c_str());
        return Finish(out) ? 0 : 1;
    }
    const format::ByteDescription what = format::DescribeByte(layout, offset);
    const format::PixelSpan span = format::PixelsInByte(file, layout.format, what, offset);
    Json pixels = Json::array();
    for (std::uint64_t k = 0; k < span.count; ++k)
        pixels.push_back({{"x", span.x + k}, {"y", layout.format.ShownRow(span.storedRow)}});
    const Json answer{{"file", options.file},
                      {"offset", offset},
                      {"element", what.element ? Json(what.element->name) : Json(nullptr)},
                      {"field", what.field ? Json(what.field->name) : Json(nullptr)},
                      {"pixels", std::move(pixels)},
                      {"text", text}};
    std::fprintf(out, "%s\n", JsonText(answer).c_str());
    return Finish(out) ? 0 : 1;
}

// Why a pixel has no place: no picture, a place outside it, or pixels that are not stored one by one.
std::string NoPlaceReason(const format::Inspection& inspected, std::uint64_t x, std::uint64_t y)
{
    const format::BitmapFormat& bitmap = inspected.layout.format;
    if (!inspected.noPictureReason.empty())
        return "the file has no picture: " + inspected.noPictureReason;
    if (x >= bitmap.columns || y >= bitmap.rows)
        return "pixel (" + GroupedNumber(x) + ", " + GroupedNumber(y) + ") lies outside the " +
               GroupedNumber(bitmap.columns) + " by " + GroupedNumber(bitmap.rows) + " picture";
    if (format::IsEmbeddedStream(bitmap.encoding))
        return "pixel (" + GroupedNumber(x) + ", " + GroupedNumber(y) + ") is coded in the embedded " +
               std::string(format::EncodingName(bitmap.encoding)) +
               " stream, which hexlume-dump does not decode: no bytes of the file hold it alone";
    return "the " + std::string(format::EncodingName(bitmap.encoding)) + " pixel data is not stored pixel by pixel";
}

// The colour-table entry of an index, where the table has one.
std::optional<format::Argb> EntryColor(const format::BitmapFormat& bitmap, Bytes file,
                                       const format::PixelLocation& where)
{
    return where.index ? format::TableColor(file, bitmap, *where.index) : std::nullopt;
}

// An icon image's AND-mask bit for a pixel, where the file holds it.
struct MaskBit {
    std::uint64_t offset = 0;
    unsigned bit = 0;  // 0 = most significant
    unsigned value = 0;
};
std::optional<MaskBit> MaskBitOf(const format::BitmapFormat& bitmap, Bytes file, std::uint64_t x,
                                 const format::PixelLocation& where)
{
    if (bitmap.andMask.claimed == 0)
        return std::nullopt;
    const std::uint64_t offset = bitmap.andMask.offset + where.storedRow * bitmap.maskStride + x / 8;
    if (offset >= file.size() || offset >= bitmap.andMask.End())
        return std::nullopt;
    const auto bit = static_cast<unsigned>(x % 8);
    return MaskBit{.offset = offset, .bit = bit, .value = (file[offset] >> (7 - bit)) & 1u};
}

void WritePixelText(const QueryOptions& options, const format::BitmapFormat& bitmap, Bytes file,
                    const format::PixelLocation& where, std::FILE* out)
{
    std::string text = format::PixelText(*options.x, *options.y, where.storedRow) + "\n";
    if (where.length != 0) {
        text += "offset: " + OffsetText(where.offset) + "\nlength: " + format::ByteCount(where.length) +
                "\nbits: " + Number(where.bits);
        if (where.bits < 8)
            text += ", from bit " + Number(where.bitOffset) + " of the byte (0 = most significant)";
        text += "\n";
    } else {
        text += where.skipped ? "bytes: none; no code draws this pixel, which is drawn transparent\n"
                              : "bytes: none; the file ends before the stream reaches this pixel\n";
    }
    if (where.color) {
        text += "colour: " + ColorText(*where.color, true) + "\n";
        if (!where.index && format::HasAlphaChannel(bitmap) && *where.color >> 24 == 0)
            text += "note: an alpha of 0 is drawn opaque when every pixel's alpha is 0\n";
    } else {
        text += "colour: none; the file ends before this pixel's bytes\n";
    }
    if (where.index) {
        text += "index: " + GroupedNumber(*where.index) + ", " +
                (EntryColor(bitmap, file, where) ? ColorEntryText(bitmap, file, *where.index).English()
                                                 : "no entry in the colour table (drawn as the bad-index marker)") +
                "\n";
    }
    if (where.code)
        text += "code: " + RleCodeText(bitmap, file, where.code->offset).English() + "\n";
    if (const std::optional<MaskBit> mask = MaskBitOf(bitmap, file, *options.x, where))
        text += "mask: bit " + Number(mask->bit) + " (0 = most significant) of the byte at " + OffsetText(mask->offset) +
                " is " + Number(mask->value) + (mask->value != 0 ? ": transparent" : ": the XOR pixel shows") +
                (format::AlphaUsed(file, bitmap) ? "; the alpha is drawn instead, the mask ignored" : "") + "\n";
    std::fputs(text.c_str(), out);
}

void WritePixelJson(const QueryOptions& options, const format::BitmapFormat& bitmap, Bytes file,
                    const format::PixelLocation& where, std::FILE* out)
{
    Json entry = nullptr;
    if (const std::optional<format::Argb> color = EntryColor(bitmap, file, where))
        entry = {{"offset", format::TableEntryOffset(bitmap, *where.index)}, {"color", ColorText(*color, true)}};
    Json code = nullptr;
    if (where.code)
        code = {{"op", format::RleOpName(where.code->op)}, {"offset", where.code->offset}, {"length", where.code->length}};
    const Json answer{{"file", options.file},
                      {"x", *options.x},
                      {"y", *options.y},
                      {"storedRow", where.storedRow},
                      {"offset", where.offset},
                      {"length", where.length},
                      {"bitOffset", where.bitOffset},
                      {"bits", where.bits},
                      {"color", where.color ? Json(ColorText(*where.color, true)) : Json(nullptr)},
                      {"index", OrNull(where.index)},
                      {"entry", std::move(entry)},
                      {"code", std::move(code)},
                      {"skipped", where.skipped},
                      {"maskBit", [&]() -> Json {
                           const std::optional<MaskBit> mask = MaskBitOf(bitmap, file, *options.x, where);
                           return mask ? Json{{"offset", mask->offset}, {"bit", mask->bit}, {"value", mask->value}}
                                       : Json(nullptr);
                       }()}};
    std::fprintf(out, "%s\n", JsonText(answer).c_str());
}

int AnswerPixel(const QueryOptions& options, const format::Inspection& inspected, Bytes file, std::FILE* out)
{
    const format::BitmapFormat& bitmap = inspected.layout.format;
    const std::optional<format::PixelLocation> where = format::LocatePixel(file, bitmap, *options.x, *options.y);
    if (!where)
        return Fail(options.file, NoPlaceReason(inspected, *options.x, *options.y));
    if (options.json)
        WritePixelJson(options, bitmap, file, *where, out);
    else
        WritePixelText(options, bitmap, file, *where, out);
    return Finish(out) ? 0 : 1;
}

}  // namespace

int RunQuery(const QueryOptions& options, std::FILE* out)
{
    MappedFile file;
    if (!file.Open(options.file))
        return Fail(options.file, file.Error());
    try {
        const format::Inspection inspected = format::Inspect(file.Bytes(), ChosenImage(options.entry));
        if (const int status = CheckEntry(options.file, inspected.layout, options.entry); status != kExitOk)
            return status;
        return options.offset ? AnswerByte(options, inspected, file.Bytes(), out)
                              : AnswerPixel(options, inspected, file.Bytes(), out);
    } catch (const std::exception& error) {
        return Fail(options.file, error.what());
    }
}

}  // namespace hexlume
