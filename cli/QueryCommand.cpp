#include "QueryCommand.h"

#include "CommandOptions.h"

#include "JsonText.h"
#include "MappedFile.h"
#include "format/ByteDescription.h"
#include "format/Decoder.h"
#include "format/Inspection.h"
#include "format/NumberText.h"
#include "format/PixelBytes.h"
#include "texts/InspectionTexts.h"

#include <charconv>
#include <exception>
#include <string_view>

namespace hexlume {

namespace {

using format::Bytes;
using format::GroupedNumber;

// Decimal, or hexadecimal after "0x": nothing else, no sign.
std::optional<std::uint64_t> ParseNumber(std::string_view text)
{
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [parsedEnd, error] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || error != std::errc() || parsedEnd != end)
        return std::nullopt;
    return value;
}

int Fail(const std::string& file, const std::string& reason)
{
    std::fprintf(stderr, "hexlume-dump: %s: %s\n", file.c_str(), reason.c_str());
    return 1;
}

std::string Number(std::uint64_t value)
{
    return std::to_string(value);
}

std::string JsonOrNull(const std::optional<std::string>& text)
{
    return text ? JsonString(*text) : "null";
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
    const format::Layout& layout = inspected.layout;
    const std::string text = ByteText(layout, inspected.findings, file, offset);
    if (!options.json) {
        std::fprintf(out, "%s\n", text.c_str());
        return Finish(out) ? 0 : 1;
    }
    const format::ByteDescription what = format::DescribeByte(layout, offset);
    const format::PixelSpan span = format::PixelsInByte(file, layout.format, what, offset);
    std::string pixels;
    for (std::uint64_t k = 0; k < span.count; ++k)
        pixels += std::string(k == 0 ? "" : ", ") + "{\"x\": " + Number(span.x + k) +
                  ", \"y\": " + Number(layout.format.ShownRow(span.storedRow)) + "}";
    const std::optional<std::string> element =
        what.element ? std::optional(what.element->name) : std::nullopt;
    const std::optional<std::string> field = what.field ? std::optional(what.field->name) : std::nullopt;
    std::fprintf(out, "{\"file\": %s, \"offset\": %s, \"element\": %s, \"field\": %s, \"pixels\": [%s], \"text\": %s}\n",
                 JsonString(options.file).c_str(), Number(offset).c_str(), JsonOrNull(element).c_str(),
                 JsonOrNull(field).c_str(), pixels.c_str(), JsonString(text).c_str());
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
    return "the " + std::string(format::EncodingName(bitmap.encoding)) + " pixel data is not stored pixel by pixel";
}

// The colour-table entry of an index, where the table has one.
std::optional<format::Argb> EntryColor(const format::BitmapFormat& bitmap, Bytes file,
                                       const format::PixelLocation& where)
{
    return where.index ? format::TableColor(file, bitmap, *where.index) : std::nullopt;
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
                (EntryColor(bitmap, file, where) ? ColorEntryText(bitmap, file, *where.index)
                                                 : "no entry in the colour table (drawn as the bad-index marker)") +
                "\n";
    }
    if (where.code)
        text += "code: " + RleCodeText(bitmap, file, where.code->offset) + "\n";
    std::fputs(text.c_str(), out);
}

void WritePixelJson(const QueryOptions& options, const format::BitmapFormat& bitmap, Bytes file,
                    const format::PixelLocation& where, std::FILE* out)
{
    std::string entry = "null";
    if (const std::optional<format::Argb> color = EntryColor(bitmap, file, where))
        entry = "{\"offset\": " + Number(format::TableEntryOffset(bitmap, *where.index)) +
                ", \"color\": " + JsonString(ColorText(*color, true)) + "}";
    std::string code = "null";
    if (where.code)
        code = "{\"op\": " + JsonString(format::RleOpName(where.code->op)) + ", \"offset\": " +
               Number(where.code->offset) + ", \"length\": " + Number(where.code->length) + "}";
    const std::optional<std::string> color =
        where.color ? std::optional(ColorText(*where.color, true)) : std::nullopt;
    const std::string index = where.index ? Number(*where.index) : "null";
    std::fprintf(out,
                 "{\"file\": %s, \"x\": %s, \"y\": %s, \"storedRow\": %s, \"offset\": %s, \"length\": %s, "
                 "\"bitOffset\": %s, \"bits\": %s, \"color\": %s, \"index\": %s, \"entry\": %s, \"code\": %s, "
                 "\"skipped\": %s}\n",
                 JsonString(options.file).c_str(), Number(*options.x).c_str(), Number(*options.y).c_str(),
                 Number(where.storedRow).c_str(), Number(where.offset).c_str(), Number(where.length).c_str(),
                 Number(where.bitOffset).c_str(), Number(where.bits).c_str(), JsonOrNull(color).c_str(),
                 index.c_str(), entry.c_str(), code.c_str(), where.skipped ? "true" : "false");
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

bool WantsQuery(int argc, char** argv)
{
    return NamesOption(argc, argv, {"--at", "--pixel"});
}

std::optional<QueryOptions> ParseQueryArguments(int argc, char** argv)
{
    QueryOptions options;
    bool haveFile = false;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && argument == "--json" && !options.json) {
            options.json = true;
        } else if (!optionsEnded && (argument == "--at" || argument == "--pixel")) {
            if (i + 1 >= argc || options.offset || options.x)
                return std::nullopt;
            const std::string_view value = argv[++i];
            if (argument == "--at") {
                options.offset = ParseNumber(value);
                if (!options.offset)
                    return std::nullopt;
                continue;
            }
            const std::size_t comma = value.find(',');
            if (comma == std::string_view::npos)
                return std::nullopt;
            options.x = ParseNumber(value.substr(0, comma));
            options.y = ParseNumber(value.substr(comma + 1));
            if (!options.x || !options.y)
                return std::nullopt;
        } else if (!optionsEnded && argument.size() > 1 && argument.front() == '-') {
            return std::nullopt;
        } else {
            if (haveFile)
                return std::nullopt;
            options.file = argument;
            haveFile = true;
        }
    }
    if (!haveFile)
        return std::nullopt;
    return options;
}

int RunQuery(const QueryOptions& options, std::FILE* out)
{
    MappedFile file;
    if (!file.Open(options.file))
        return Fail(options.file, file.Error());
    try {
        const format::Inspection inspected = format::Inspect(file.Bytes());
        return options.offset ? AnswerByte(options, inspected, file.Bytes(), out)
                              : AnswerPixel(options, inspected, file.Bytes(), out);
    } catch (const std::exception& error) {
        return Fail(options.file, error.what());
    }
}

}  // namespace hexlume
