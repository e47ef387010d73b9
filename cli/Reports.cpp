#include "Reports.h"

#include "texts/InspectionTexts.h"

#include "Json.h"
#include "format/NumberText.h"
#include "texts/DumpPane.h"
#include "texts/FileNamePart.h"
#include "texts/HeaderTexts.h"
#include "texts/RegionText.h"
#include "texts/StatusTexts.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

namespace hexlume {

namespace {

// A memo line break inside a JSON string.
constexpr std::string_view kJsonLineEnd = "\\r\\n";

class Output {
public:
    explicit Output(std::FILE* out) : m_out(out) {}
    bool Put(std::string_view text)
    {
        m_ok = m_ok && std::fwrite(text.data(), 1, text.size(), m_out) == text.size();
        return m_ok;
    }
    bool Finish() { return m_ok && std::fflush(m_out) == 0 && !std::ferror(m_out); }

private:
    std::FILE* m_out;
    bool m_ok = true;
};

std::array<std::string, kStatusPanelCount> StatusOf(const OpenedFile& file)
{
    const BitmapInfoHeader info = file.dib.GetInfoHeader();
    return StatusEnglish(
        StatusTexts(NamePart(file.path), file.dib.GetFileHeader().bfType, info.biWidth, info.biHeight));
}

template <std::size_t N>
Json JsonGrid(std::span<const HeaderField, N> fields, const std::array<std::string, N>& values)
{
    Json grid = Json::array({Json::array(
        {kHeaderGridTitles[0].English(), kHeaderGridTitles[1].English(), kHeaderGridTitles[2].English()})});
    for (std::size_t row = 0; row < N; ++row)
        grid.push_back(Json::array({fields[row].name, fields[row].type, values[row]}));
    return grid;
}

// A dump's bytes can run to gigabytes: they are streamed into the place of the memo's text,
// which the library writes as an empty string at the very end of the memo's object.
void PutJsonMemo(Output& out, const MemoView& memo)
{
    const Json object{{"name", memo.name},
                      {"top", memo.placement.top},
                      {"height", memo.placement.height},
                      {"textColor", memo.textColor},
                      {"text", memo.bytes ? std::string() : memo.absentText.English()}};
    const std::string text = JsonText(object);
    if (!memo.bytes) {
        out.Put(text);
        return;
    }
    constexpr std::string_view kClose = "\"}";
    out.Put(std::string_view(text).substr(0, text.size() - kClose.size()));
    // A dump holds only hex digits, spaces and CR LF: the line end is its only escape.
    StreamRegionText(*memo.bytes, kJsonLineEnd, [&out](std::string_view piece) { return out.Put(piece); });
    out.Put(kClose);
}

template <std::size_t N>
void PutTextGrid(Output& out, std::string_view title, std::span<const HeaderField, N> fields,
                 const std::array<std::string, N>& values)
{
    out.Put(std::string(title) + "\n");
    char line[96];
    std::snprintf(line, sizeof line, "  %-16s %-6s %s\n", kHeaderGridTitles[0].English().c_str(),
                  kHeaderGridTitles[1].English().c_str(), kHeaderGridTitles[2].English().c_str());
    out.Put(line);
    for (std::size_t row = 0; row < N; ++row) {
        std::snprintf(line, sizeof line, "  %-16s %-6s %s\n", std::string(fields[row].name).c_str(),
                      std::string(fields[row].type).c_str(), values[row].c_str());
        out.Put(line);
    }
    out.Put("\n");
}

// The memo's lines, each after its line number in the stacked pane; returns the next number.
std::uint64_t PutNumberedMemo(Output& out, const MemoView& memo, std::uint64_t number)
{
    char prefix[32];
    if (!memo.bytes) {
        std::snprintf(prefix, sizeof prefix, "%6llu  ", static_cast<unsigned long long>(number));
        out.Put(std::string(prefix) + memo.absentText.English() + "\n");
        return number + 1;
    }
    char text[kFullLineChars + 8];
    const std::uint64_t lines = LineCount(memo.bytes->size());
    for (std::uint64_t line = 0; line < lines; ++line, ++number) {
        std::snprintf(prefix, sizeof prefix, "%6llu  ", static_cast<unsigned long long>(number));
        const char* end = WriteRegionLines(*memo.bytes, line, 1, "\n", text);
        const std::string_view body(text, static_cast<std::size_t>(end - text));
        if (!out.Put(prefix) || !out.Put(body) || (body.back() != '\n' && !out.Put("\n")))
            break;
    }
    return number;
}

Json JsonLayout(const format::Layout& layout)
{
    Json elements = Json::array();
    for (const format::Element& element : layout.elements) {
        Json fields = Json::array();
        for (const format::Field& field : element.fields)
            fields.push_back({{"name", field.name},
                              {"offset", field.offset},
                              {"size", field.size},
                              {"type", format::TypeName(field.type)},
                              {"value", field.value},
                              {"meaning", field.meaning.English()},
                              {"present", field.present}});
        elements.push_back({{"kind", format::ElementKindName(element.kind)},
                            {"name", element.name},
                            {"offset", element.offset},
                            {"size", element.size},
                            {"claimed", element.claimed},
                            {"fields", std::move(fields)}});
    }
    return elements;
}

Json JsonFindings(const std::vector<format::Finding>& findings)
{
    Json list = Json::array();
    for (const format::Finding& finding : findings)
        list.push_back({{"severity", format::SeverityName(finding.severity)},
                        {"code", format::CodeName(finding.code)},
                        {"offset", finding.offset},
                        {"length", finding.length},
                        {"field", finding.field},
                        {"message", finding.message.English()}});
    return list;
}

// Every element with its offset and size, and each header field with its meaning.
void PutTextLayout(Output& out, const format::Layout& layout)
{
    out.Put("\nLayout (offset, size, what)\n");
    char line[256];
    for (const format::Element& element : layout.elements) {
        const std::string cut = element.claimed != element.size
                                    ? " (claims " + format::GroupedNumber(element.claimed) + ")"
                                    : std::string{};
        std::snprintf(line, sizeof line, "  %10llu  %10llu  ", static_cast<unsigned long long>(element.offset),
                      static_cast<unsigned long long>(element.size));
        out.Put(line + element.name + cut + "\n");
        for (const format::Field& field : element.fields) {
            std::snprintf(line, sizeof line, "  %10llu  %10u    %-18s %-12s ", static_cast<unsigned long long>(field.offset),
                          field.size, field.name.c_str(), std::string(format::TypeName(field.type)).c_str());
            const int digits = static_cast<int>(2 * std::min<std::uint32_t>(field.size, 8));
            const std::string value = !field.present                            ? std::string("(cut)")
                                      : format::TypeSize(field.type) == 0 ? std::string("(text)")
                                                                          : format::HexNumber(field.value, digits);
            out.Put(line + value + (field.meaning.Empty() ? "" : "  " + field.meaning.English()) + "\n");
        }
    }
}

void PutTextFindings(Output& out, const std::vector<format::Finding>& findings)
{
    out.Put("\nFindings (severity, code, offset, message)\n");
    if (findings.empty())
        out.Put("  none\n");
    for (const format::Finding& finding : findings)
        out.Put("  " + std::string(format::SeverityName(finding.severity)) + "  " + std::string(format::CodeName(finding.code)) + "  " +
                format::HexNumber(finding.offset) + "  " + finding.message.English() + "\n");
}

}  // namespace

bool WriteJsonReport(const OpenedFile& file, std::FILE* out)
{
    Output json(out);
    const DumpPaneView pane = DescribeDumpPane(file.dib, kLayoutLineHeight);
    // The members before the memos and those after them, each dumped whole; the memos between
    // them are written one by one, so that no dump text is ever held whole.
    const Json before{{"file", file.path},
                      {"name", NamePart(file.path)},
                      {"decodable", file.decodable},
                      {"decodeError", file.decodeError},
                      {"fileHeaderGrid", JsonGrid<5>(kFileHeaderFields, FileHeaderValueTexts(file.dib.GetFileHeader()))},
                      {"infoHeaderGrid", JsonGrid<11>(kInfoHeaderFields, InfoHeaderValueTexts(file.dib.GetInfoHeader()))}};
    const auto status = StatusOf(file);
    const format::Inspection checked = InspectLoadedFile(file.dib);
    const Json after{{"numbers", {{"top", 0}, {"height", pane.numbersHeight},
                                  {"text", LineNumbersText(0, pane.numberCount)}}},
                     {"prompt", pane.prompt},
                     {"status", status},
                     {"layout", JsonLayout(checked.layout)},
                     {"findings", JsonFindings(checked.findings)}};
    const std::string head = JsonText(before);
    const std::string tail = JsonText(after);
    json.Put(std::string_view(head).substr(0, head.size() - 1));  // open for more members
    json.Put(",\"memos\":[");
    for (std::size_t memo = 0; memo < kMemoCount; ++memo) {
        if (memo != 0)
            json.Put(",");
        PutJsonMemo(json, pane.memos[memo]);
    }
    json.Put("],");
    json.Put(std::string_view(tail).substr(1));  // the rest of the members, and the close
    json.Put("\n");
    return json.Finish();
}

bool WriteImageReport(const std::string& path, const format::Inspection& inspected, const OpenedImage& drawn,
                      bool json, std::FILE* out)
{
    Output text(out);
    const format::Layout& layout = inspected.layout;
    const format::BitmapFormat& image = layout.format;
    const std::size_t images = format::ImageCount(layout);
    const std::string kind(format::FileKindName(layout.kind));
    if (json) {
        const Json report{{"file", path},
                          {"name", NamePart(path)},
                          {"kind", kind},
                          {"entry", images == 0 ? Json(nullptr) : Json(layout.image + 1)},
                          {"entries", images},
                          {"width", image.columns},
                          {"height", image.rows},
                          {"bitCount", image.bitCount},
                          {"decodable", drawn.decodable},
                          {"decodeError", drawn.decodeError},
                          {"layout", JsonLayout(layout)},
                          {"findings", JsonFindings(inspected.findings)}};
        text.Put(JsonText(report) + "\n");
        return text.Finish();
    }
    text.Put("File: " + path + "\n");
    text.Put("Kind: " + kind +
             (images == 0 ? std::string(", no image")
                          : ", image " + std::to_string(layout.image + 1) + " of " + std::to_string(images) + ": " +
                                std::to_string(image.columns) + "x" + std::to_string(image.rows) + ", " +
                                format::Counted(image.bitCount, "bit", "bits") +
                                (image.pngImage ? ", PNG stream" : "")) +
             "\n");
    text.Put(drawn.decodable ? std::string("Preview: decodable\n")
                             : "Preview: not decodable (" + drawn.decodeError + ")\n");
    PutTextLayout(text, layout);
    PutTextFindings(text, inspected.findings);
    return text.Finish();
}

bool WriteTextReport(const OpenedFile& file, std::FILE* out)
{
    Output text(out);
    const DumpPaneView pane = DescribeDumpPane(file.dib, kLayoutLineHeight);
    text.Put("File: " + file.path + "\n");
    text.Put(file.decodable ? std::string("Preview: decodable\n")
                            : "Preview: not decodable (" + file.decodeError + ")\n");
    const auto status = StatusOf(file);
    text.Put("Status: " + status[0] + " | " + status[1] + " | " + status[2] + "\n\n");
    PutTextGrid<5>(text, "Bitmap File Header", kFileHeaderFields, FileHeaderValueTexts(file.dib.GetFileHeader()));
    PutTextGrid<11>(text, "Bitmap Info Header", kInfoHeaderFields, InfoHeaderValueTexts(file.dib.GetInfoHeader()));

    text.Put("Dump (line  file header, info header, palette, pixel data)\n");
    text.Put("        " + std::string(kColumnRuler) + "\n");
    std::uint64_t number = 0;
    for (const MemoView& memo : pane.memos)
        number = PutNumberedMemo(text, memo, number);
    if (pane.prompt)
        text.Put("\nThe window shows lines 0 to " + std::to_string(pane.numberCount - 1) +
                 " only; the whole pixel data goes to the export (--export).\n");
    const format::Inspection checked = InspectLoadedFile(file.dib);
    PutTextLayout(text, checked.layout);
    PutTextFindings(text, checked.findings);
    return text.Finish();
}

}  // namespace hexlume
