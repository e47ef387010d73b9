#include "DiffCommand.h"

#include "Failure.h"
#include "Json.h"
#include "MappedFile.h"
#include "format/BitmapDiff.h"
#include "format/NumberText.h"
#include "texts/InspectionTexts.h"

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

// "#RRGGBBAA": a compared colour always shows its alpha.
std::string ColorOrNone(const std::optional<Argb>& color)
{
    return color ? ColorText(*color, true) : "none";
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
                         ColorText(pixel.a, true).c_str(), OffsetText(pixel.offsetA).c_str(), ColorText(pixel.b, true).c_str(),
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
                         ColorOrNone(entry.a).c_str(), ColorOrNone(entry.b).c_str());
    }
    if (!diff.hidden.empty()) {
        std::fprintf(out, "\nBytes outside the picture that differ:\n");
        for (const format::HiddenBytesDifference& hidden : diff.hidden)
            std::fprintf(out, "  %s: %s; A has %s, B %s; first at A %s, B %s\n",
                         std::string(format::HiddenPartName(hidden.part)).c_str(),
                         (hidden.part == format::HiddenPart::RowPadding
                              ? format::Counted(hidden.differing, "row differs", "rows differ")
                              : format::Counted(hidden.differing, "byte differs", "bytes differ"))
                             .c_str(),
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

void WriteJson(const BitmapDiff& diff, const Input& a, const Input& b, std::FILE* out)
{
    const auto size = [](std::uint64_t width, std::uint64_t height) { return Json{{"width", width}, {"height", height}}; };
    // A field only one file has: null on the other side.
    const auto side = [](const std::string& text, bool present) { return present ? Json(text) : Json(nullptr); };
    const auto color = [](const std::optional<Argb>& value) { return value ? Json(ColorText(*value, true)) : Json(nullptr); };
    Json pixels = Json::array();
    for (const format::PixelDifference& pixel : diff.pixels)
        pixels.push_back({{"x", pixel.x},
                          {"y", pixel.y},
                          {"a", ColorText(pixel.a, true)},
                          {"b", ColorText(pixel.b, true)},
                          {"offsetA", OrNull(pixel.offsetA)},
                          {"offsetB", OrNull(pixel.offsetB)}});
    Json storage = Json::array();
    for (const format::StorageDifference& difference : diff.storage)
        storage.push_back({{"what", difference.what}, {"a", difference.a}, {"b", difference.b}});
    Json fields = Json::array();
    for (const format::FieldDifference& field : diff.fields) {
        const bool inA = !field.nameA.empty();
        const bool inB = !field.nameB.empty();
        fields.push_back({{"name", inA ? field.nameA : field.nameB},
                          {"nameA", side(field.nameA, inA)},
                          {"nameB", side(field.nameB, inB)},
                          {"a", side(field.valueA, inA)},
                          {"b", side(field.valueB, inB)},
                          {"meaningA", side(field.meaningA, inA)},
                          {"meaningB", side(field.meaningB, inB)}});
    }
    Json entries = Json::array();
    for (const format::ColorEntryDifference& entry : diff.entries)
        entries.push_back({{"index", entry.index}, {"a", color(entry.a)}, {"b", color(entry.b)}});
    Json hidden = Json::array();
    for (const format::HiddenBytesDifference& part : diff.hidden)
        hidden.push_back({{"part", format::HiddenPartName(part.part)},
                          {"sizeA", part.sizeA},
                          {"sizeB", part.sizeB},
                          {"differing", part.differing},
                          {"firstA", OrNull(part.firstA)},
                          {"firstB", OrNull(part.firstB)}});
    const Json box = diff.differingPixels == 0 ? Json(nullptr)
                                               : Json{{"left", diff.left},
                                                      {"top", diff.top},
                                                      {"right", diff.right},
                                                      {"bottom", diff.bottom}};
    const Json report{{"a", a.path},
                      {"b", b.path},
                      {"samePicture", diff.SamePicture()},
                      {"sameSize", diff.sameSize},
                      {"sizeA", size(diff.widthA, diff.heightA)},
                      {"sizeB", size(diff.widthB, diff.heightB)},
                      {"differingPixels", diff.differingPixels},
                      {"box", box},
                      {"pixels", std::move(pixels)},
                      {"storage", std::move(storage)},
                      {"fields", std::move(fields)},
                      {"differingColorEntries", diff.differingEntries},
                      {"colorEntries", std::move(entries)},
                      {"hiddenBytes", std::move(hidden)},
                      {"findingsOnlyA", diff.findingsOnlyA},
                      {"findingsOnlyB", diff.findingsOnlyB}};
    std::fprintf(out, "%s\n", JsonText(report).c_str());
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

int Diff(const DiffOptions& options, std::FILE* out)
{
    Input a{.path = options.fileA, .file = {}, .checked = {}};
    Input b{.path = options.fileB, .file = {}, .checked = {}};
    for (Input* input : {&a, &b})
        if (!input->file.Open(input->path))
            return Fail(input->path, input->file.Error(), kTrouble);
    // The checks read every byte of a file: the two files' take a core each.
    std::future<format::Inspection> checkedB =
        std::async(std::launch::async, [&b] { return format::Inspect(b.file.Bytes()); });
    a.checked = format::Inspect(a.file.Bytes());
    b.checked = checkedB.get();
    for (const Input* input : {&a, &b})
        if (const std::string reason = format::UncomparableReason(input->checked.layout.format); !reason.empty())
            return Fail(input->path, "cannot be drawn: " + reason, kTrouble);
    const BitmapDiff diff = format::DiffBitmaps(a.file.Bytes(), a.checked, b.file.Bytes(), b.checked);
    if (options.json)
        WriteJson(diff, a, b, out);
    else
        WriteText(diff, a, b, out);
    if (std::fflush(out) != 0 || std::ferror(out))
        return Fail("<stdout>", "cannot write the output", kTrouble);
    // Pictures of different sizes have no pixels to mark: that is the verdict, not a failure.
    if (options.marked && !diff.sameSize)
        Fail(*options.marked, "not written: the pictures differ in size");
    else if (options.marked)
        if (const std::string reason = WriteMarked(a, b, diff, *options.marked); !reason.empty())
            return Fail(*options.marked, reason, kTrouble);
    return diff.SamePicture() ? kSame : kDiffer;
}

}  // namespace

int RunDiff(const DiffOptions& options, std::FILE* out)
{
    try {
        return Diff(options, out);
    } catch (const std::exception& error) {
        return Fail(options.fileA + ", " + options.fileB, error.what(), kTrouble);
    }
}

}  // namespace hexlume
