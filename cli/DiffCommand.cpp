#include "DiffCommand.h"

#include "CommandOptions.h"

#include "JsonText.h"
#include "MappedFile.h"
#include "format/BitmapDiff.h"
#include "format/NumberText.h"

#include <QFile>
#include <QImage>

#include <exception>
#include <future>
#include <string_view>
#include <vector>

namespace hexlume {

namespace {

using format::Argb;
using format::BitmapDiff;

constexpr int kSame = 0;
constexpr int kDiffer = 1;
constexpr int kTrouble = 2;

// The marks of the -o picture: differing pixels stand out, the rest fade toward white.
constexpr QRgb kMarkColor = 0xFFFF0000;
constexpr unsigned kFadeKeeps = 3;  // a third of each channel's distance from white is kept

struct Input {
    std::string path;
    MappedFile file;
    format::Inspection checked;
};

std::string ColorText(Argb color)
{
    const format::Argb rgba = color << 8 | color >> 24;
    return "#" + format::HexNumber(rgba, 8).substr(2);
}

std::string ColorText(const std::optional<Argb>& color)
{
    return color ? ColorText(*color) : "none";
}

std::string OffsetText(const std::optional<std::uint64_t>& offset)
{
    return offset ? format::HexNumber(*offset, 4) : "none";
}

std::string SizeText(std::uint64_t width, std::uint64_t height)
{
    return std::to_string(width) + "x" + std::to_string(height);
}

// "2835 px/m = 72 dpi" says the value itself; "-3" needs "(top-down, 3 rows)" after it.
std::string ValueWithMeaning(const std::string& value, const std::string& meaning)
{
    if (meaning.empty() || meaning == value)
        return value;
    return meaning.starts_with(value + " ") ? meaning : value + " (" + meaning + ")";
}

std::string Verdict(const BitmapDiff& diff)
{
    if (!diff.sameSize)
        return "The pictures differ in size: " + SizeText(diff.widthA, diff.heightA) + " against " +
               SizeText(diff.widthB, diff.heightB) + ".";
    const std::string size = SizeText(diff.widthA, diff.heightA);
    if (diff.SamePicture())
        return "The pictures are the same: " + size + ", every pixel alike.";
    return "The pictures differ: " + format::GroupedNumber(diff.differingPixels) + " of " +
           format::GroupedNumber(diff.widthA * diff.heightA) + " pixels of " + size + ".";
}

void WriteText(const BitmapDiff& diff, const Input& a, const Input& b, std::FILE* out)
{
    std::fprintf(out, "%s\nA: %s\nB: %s\n", Verdict(diff).c_str(), a.path.c_str(), b.path.c_str());
    if (diff.differingPixels != 0) {
        std::fprintf(out, "\nPixels that differ: %s, within (%llu, %llu) to (%llu, %llu)\n",
                     format::GroupedNumber(diff.differingPixels).c_str(), static_cast<unsigned long long>(diff.left),
                     static_cast<unsigned long long>(diff.top), static_cast<unsigned long long>(diff.right),
                     static_cast<unsigned long long>(diff.bottom));
        for (const format::PixelDifference& pixel : diff.pixels)
            std::fprintf(out, "  %s: A %s at %s, B %s at %s\n", format::PixelText(pixel.x, pixel.y, pixel.y).c_str(),
                         ColorText(pixel.a).c_str(), OffsetText(pixel.offsetA).c_str(), ColorText(pixel.b).c_str(),
                         OffsetText(pixel.offsetB).c_str());
        if (diff.differingPixels > diff.pixels.size())
            std::fprintf(out, "  … and %s more\n",
                         format::GroupedNumber(diff.differingPixels - diff.pixels.size()).c_str());
    }
    if (!diff.storage.empty()) {
        std::fprintf(out, "\nStored differently:\n");
        for (const format::StorageDifference& storage : diff.storage)
            std::fprintf(out, "  %s: A %s, B %s\n", storage.what.c_str(), storage.a.c_str(), storage.b.c_str());
    }
    if (!diff.fields.empty()) {
        std::fprintf(out, "\nHeader fields that differ:\n");
        for (const format::FieldDifference& field : diff.fields) {
            if (field.nameB.empty())
                std::fprintf(out, "  %s: only in A, %s\n", field.nameA.c_str(),
                             ValueWithMeaning(field.valueA, field.meaningA).c_str());
            else if (field.nameA.empty())
                std::fprintf(out, "  %s: only in B, %s\n", field.nameB.c_str(),
                             ValueWithMeaning(field.valueB, field.meaningB).c_str());
            else
                std::fprintf(out, "  %s: A %s, B %s\n",
                             (field.nameA == field.nameB ? field.nameA : field.nameA + " / " + field.nameB).c_str(),
                             ValueWithMeaning(field.valueA, field.meaningA).c_str(),
                             ValueWithMeaning(field.valueB, field.meaningB).c_str());
        }
    }
    if (diff.differingEntries != 0) {
        std::fprintf(out, "\nColour-table entries that differ: %s\n", format::GroupedNumber(diff.differingEntries).c_str());
        for (const format::ColorEntryDifference& entry : diff.entries)
            std::fprintf(out, "  entry %llu: A %s, B %s\n", static_cast<unsigned long long>(entry.index),
                         ColorText(entry.a).c_str(), ColorText(entry.b).c_str());
    }
    if (!diff.hidden.empty()) {
        std::fprintf(out, "\nBytes outside the picture that differ:\n");
        for (const format::HiddenBytesDifference& hidden : diff.hidden)
            std::fprintf(out, "  %s: %s %s; A has %s, B %s; first at A %s, B %s\n", hidden.part.c_str(),
                         format::GroupedNumber(hidden.differing).c_str(),
                         hidden.part == "row padding" ? (hidden.differing == 1 ? "row differs" : "rows differ")
                                                      : (hidden.differing == 1 ? "byte differs" : "bytes differ"),
                         format::ByteCount(hidden.sizeA).c_str(), format::ByteCount(hidden.sizeB).c_str(),
                         OffsetText(hidden.firstA).c_str(), OffsetText(hidden.firstB).c_str());
    }
    const auto codes = [out](const char* title, const std::vector<std::string>& list) {
        if (list.empty())
            return;
        std::fprintf(out, "\n%s:", title);
        for (const std::string& code : list)
            std::fprintf(out, " %s", code.c_str());
        std::fprintf(out, "\n");
    };
    codes("Findings only in A", diff.findingsOnlyA);
    codes("Findings only in B", diff.findingsOnlyB);
}

std::string JsonOptional(const std::optional<std::uint64_t>& number)
{
    return number ? std::to_string(*number) : "null";
}

std::string JsonText(const std::string& text, bool present)
{
    return present ? JsonString(text) : "null";
}

std::string JsonList(const std::vector<std::string>& items)
{
    std::string json = "[";
    for (const std::string& item : items)
        json += (json.size() > 1 ? "," : "") + item;
    return json + "]";
}

void WriteJson(const BitmapDiff& diff, const Input& a, const Input& b, std::FILE* out)
{
    const auto size = [](std::uint64_t width, std::uint64_t height) {
        return "{\"width\":" + std::to_string(width) + ",\"height\":" + std::to_string(height) + "}";
    };
    std::vector<std::string> pixels;
    for (const format::PixelDifference& pixel : diff.pixels)
        pixels.push_back("{\"x\":" + std::to_string(pixel.x) + ",\"y\":" + std::to_string(pixel.y) + ",\"a\":" +
                         JsonString(ColorText(pixel.a)) + ",\"b\":" + JsonString(ColorText(pixel.b)) +
                         ",\"offsetA\":" + JsonOptional(pixel.offsetA) + ",\"offsetB\":" + JsonOptional(pixel.offsetB) +
                         "}");
    std::vector<std::string> storage;
    for (const format::StorageDifference& difference : diff.storage)
        storage.push_back("{\"what\":" + JsonString(difference.what) + ",\"a\":" + JsonString(difference.a) +
                          ",\"b\":" + JsonString(difference.b) + "}");
    std::vector<std::string> fields;
    for (const format::FieldDifference& field : diff.fields) {
        const bool inA = !field.nameA.empty();
        const bool inB = !field.nameB.empty();
        fields.push_back("{\"name\":" + JsonString(inA ? field.nameA : field.nameB) +
                         ",\"nameA\":" + JsonText(field.nameA, inA) + ",\"nameB\":" + JsonText(field.nameB, inB) +
                         ",\"a\":" + JsonText(field.valueA, inA) + ",\"b\":" + JsonText(field.valueB, inB) +
                         ",\"meaningA\":" + JsonText(field.meaningA, inA) +
                         ",\"meaningB\":" + JsonText(field.meaningB, inB) + "}");
    }
    std::vector<std::string> entries;
    for (const format::ColorEntryDifference& entry : diff.entries)
        entries.push_back("{\"index\":" + std::to_string(entry.index) +
                          ",\"a\":" + JsonText(ColorText(entry.a), entry.a.has_value()) +
                          ",\"b\":" + JsonText(ColorText(entry.b), entry.b.has_value()) + "}");
    std::vector<std::string> hidden;
    for (const format::HiddenBytesDifference& part : diff.hidden)
        hidden.push_back("{\"part\":" + JsonString(part.part) + ",\"sizeA\":" + std::to_string(part.sizeA) +
                         ",\"sizeB\":" + std::to_string(part.sizeB) + ",\"differing\":" +
                         std::to_string(part.differing) + ",\"firstA\":" + JsonOptional(part.firstA) +
                         ",\"firstB\":" + JsonOptional(part.firstB) + "}");
    const auto codes = [](const std::vector<std::string>& list) {
        std::vector<std::string> quoted;
        for (const std::string& code : list)
            quoted.push_back(JsonString(code));
        return JsonList(quoted);
    };
    const std::string box = diff.differingPixels == 0
                                ? "null"
                                : "{\"left\":" + std::to_string(diff.left) + ",\"top\":" + std::to_string(diff.top) +
                                      ",\"right\":" + std::to_string(diff.right) +
                                      ",\"bottom\":" + std::to_string(diff.bottom) + "}";
    const std::string json =
        "{\"a\":" + JsonString(a.path) + ",\"b\":" + JsonString(b.path) +
        ",\"samePicture\":" + (diff.SamePicture() ? "true" : "false") +
        ",\"sameSize\":" + (diff.sameSize ? "true" : "false") + ",\"sizeA\":" + size(diff.widthA, diff.heightA) +
        ",\"sizeB\":" + size(diff.widthB, diff.heightB) + ",\"differingPixels\":" +
        std::to_string(diff.differingPixels) + ",\"box\":" + box + ",\"pixels\":" + JsonList(pixels) +
        ",\"storage\":" + JsonList(storage) + ",\"fields\":" + JsonList(fields) +
        ",\"differingColorEntries\":" + std::to_string(diff.differingEntries) +
        ",\"colorEntries\":" + JsonList(entries) + ",\"hiddenBytes\":" + JsonList(hidden) +
        ",\"findingsOnlyA\":" + codes(diff.findingsOnlyA) + ",\"findingsOnlyB\":" + codes(diff.findingsOnlyB) + "}\n";
    std::fputs(json.c_str(), out);
}

// A channel a third of the way from white, over white where the pixel is see-through.
QRgb Faded(Argb color)
{
    const unsigned alpha = color >> 24;
    const auto channel = [&](unsigned shift) {
        const unsigned value = color >> shift & 0xFF;
        const unsigned overWhite = (value * alpha + 255 * (255 - alpha)) / 255;
        return 255 - (255 - overWhite) / kFadeKeeps;
    };
    return qRgb(static_cast<int>(channel(16)), static_cast<int>(channel(8)), static_cast<int>(channel(0)));
}

// Why the marked picture was not written; empty when it was.
std::string WriteMarked(const Input& a, const Input& b, const BitmapDiff& diff, const std::string& target)
{
    if (diff.widthB * diff.heightB > format::kMaxTargetPixels)
        return "not written: " + SizeText(diff.widthB, diff.heightB) + " pixels is too large to draw";
    QImage image(static_cast<int>(diff.widthB), static_cast<int>(diff.heightB), QImage::Format_RGB32);
    const format::BitmapFormat& formatA = a.checked.layout.format;
    const format::BitmapFormat& formatB = b.checked.layout.format;
    format::ForEachRowPair(a.file.Bytes(), formatA, b.file.Bytes(), formatB, false,
                           [&](std::uint64_t y, std::span<const Argb> rowA, std::span<const Argb> rowB) {
                               auto* line = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
                               for (std::size_t x = 0; x < rowB.size(); ++x)
                                   line[x] = rowA[x] == rowB[x] ? Faded(rowB[x]) : kMarkColor;
                           });
    return image.save(QFile::decodeName(target.c_str()), "PNG") ? std::string() : "cannot write the picture";
}

int Trouble(std::FILE* err, const std::string& path, const std::string& reason)
{
    std::fprintf(err, "hexlume-dump: %s: %s\n", path.c_str(), reason.c_str());
    return kTrouble;
}

int Diff(const DiffOptions& options, std::FILE* out, std::FILE* err)
{
    Input a{.path = options.fileA, .file = {}, .checked = {}};
    Input b{.path = options.fileB, .file = {}, .checked = {}};
    for (Input* input : {&a, &b})
        if (!input->file.Open(input->path))
            return Trouble(err, input->path, input->file.Error());
    // The checks read every byte of a file: the two files' take a core each.
    std::future<format::Inspection> checkedB =
        std::async(std::launch::async, [&b] { return format::Inspect(b.file.Bytes()); });
    a.checked = format::Inspect(a.file.Bytes());
    b.checked = checkedB.get();
    for (const Input* input : {&a, &b})
        if (const std::string reason = format::UncomparableReason(input->checked.layout.format); !reason.empty())
            return Trouble(err, input->path, "cannot be drawn: " + reason);
    const BitmapDiff diff = format::DiffBitmaps(a.file.Bytes(), a.checked, b.file.Bytes(), b.checked);
    if (options.json)
        WriteJson(diff, a, b, out);
    else
        WriteText(diff, a, b, out);
    if (std::fflush(out) != 0 || std::ferror(out))
        return Trouble(err, "<stdout>", "cannot write the output");
    // Pictures of different sizes have no pixels to mark: that is the verdict, not a failure.
    if (options.marked && !diff.sameSize)
        std::fprintf(err, "hexlume-dump: %s: not written: the pictures differ in size\n", options.marked->c_str());
    else if (options.marked)
        if (const std::string reason = WriteMarked(a, b, diff, *options.marked); !reason.empty())
            return Trouble(err, *options.marked, reason);
    return diff.SamePicture() ? kSame : kDiffer;
}

}  // namespace

bool WantsDiff(int argc, char** argv)
{
    return NamesOption(argc, argv, {"--diff"});
}

std::optional<DiffOptions> ParseDiffArguments(int argc, char** argv)
{
    DiffOptions options;
    std::vector<std::string> files;
    bool optionsEnded = false;
    bool diff = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (optionsEnded || argument.size() < 2 || argument.front() != '-')
            files.emplace_back(argument);
        else if (argument == "--")
            optionsEnded = true;
        else if (argument == "--diff" && !diff)
            diff = true;
        else if (argument == "--json" && !options.json)
            options.json = true;
        else if (argument == "-o" && !options.marked && i + 1 < argc)
            options.marked = argv[++i];
        else
            return std::nullopt;
    }
    if (files.size() != 2)
        return std::nullopt;
    options.fileA = files[0];
    options.fileB = files[1];
    return options;
}

int RunDiff(const DiffOptions& options, std::FILE* out, std::FILE* err)
{
    try {
        return Diff(options, out, err);
    } catch (const std::exception& error) {
        return Trouble(err, options.fileA + ", " + options.fileB, error.what());
    }
}

}  // namespace hexlume
