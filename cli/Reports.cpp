#include "Reports.h"

#include "texts/InspectionTexts.h"

#include "JsonText.h"
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
    return StatusTexts(NamePart(file.path), file.dib.GetFileHeader().bfType, info.biWidth, info.biHeight);
}

template <std::size_t N>
void PutJsonGrid(Output& out, std::span<const HeaderField, N> fields, const std::array<std::string, N>& values)
{
    out.Put("[");
    out.Put("[" + JsonString(kHeaderGridTitles[0]) + "," + JsonString(kHeaderGridTitles[1]) + "," +
            JsonString(kHeaderGridTitles[2]) + "]");
    for (std::size_t row = 0; row < N; ++row)
        out.Put(",[" + JsonString(fields[row].name) + "," + JsonString(fields[row].type) + "," +
                JsonString(values[row]) + "]");
    out.Put("]");
}

void PutJsonMemo(Output& out, const MemoView& memo)
{
    out.Put("{\"name\":" + JsonString(memo.name) + ",\"top\":" + std::to_string(memo.placement.top) +
            ",\"height\":" + std::to_string(memo.placement.height) +
            ",\"textColor\":" + std::to_string(memo.textColor) + ",\"text\":");
    if (memo.bytes) {
        // A dump holds only hex digits, spaces and CR LF: the line end is its only escape.
        out.Put("\"");
        StreamRegionText(*memo.bytes, kJsonLineEnd, [&out](std::string_view piece) { return out.Put(piece); });
        out.Put("\"");
    } else {
        out.Put(JsonString(memo.absentText));
    }
    out.Put("}");
}

template <std::size_t N>
void PutTextGrid(Output& out, std::string_view title, std::span<const HeaderField, N> fields,
                 const std::array<std::string, N>& values)
{
    out.Put(std::string(title) + "\n");
    char line[96];
    std::snprintf(line, sizeof line, "  %-16s %-6s %s\n", kHeaderGridTitles[0].data(), kHeaderGridTitles[1].data(),
                  kHeaderGridTitles[2].data());
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
        out.Put(std::string(prefix) + std::string(memo.absentText) + "\n");
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

std::string JsonNumber(std::uint64_t value)
{
    return std::to_string(value);
}

void PutJsonField(Output& out, const format::Field& field)
{
    out.Put("{\"name\":" + JsonString(field.name) + ",\"offset\":" + JsonNumber(field.offset) +
            ",\"size\":" + JsonNumber(field.size) + ",\"type\":" + JsonString(format::TypeName(field.type)) +
            ",\"value\":" + JsonNumber(field.value) + ",\"meaning\":" + JsonString(field.meaning) +
            ",\"present\":" + (field.present ? "true" : "false") + "}");
}

void PutJsonLayout(Output& out, const format::Layout& layout)
{
    out.Put("[");
    for (std::size_t i = 0; i < layout.elements.size(); ++i) {
        const format::Element& element = layout.elements[i];
        out.Put(std::string(i != 0 ? "," : "") + "{\"kind\":" + JsonString(format::ElementKindName(element.kind)) +
                ",\"name\":" + JsonString(element.name) + ",\"offset\":" + JsonNumber(element.offset) +
                ",\"size\":" + JsonNumber(element.size) + ",\"claimed\":" + JsonNumber(element.claimed) +
                ",\"fields\":[");
        for (std::size_t f = 0; f < element.fields.size(); ++f) {
            if (f != 0)
                out.Put(",");
            PutJsonField(out, element.fields[f]);
        }
        out.Put("]}");
    }
    out.Put("]");
}

void PutJsonFindings(Output& out, const std::vector<format::Finding>& findings)
{
    out.Put("[");
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const format::Finding& finding = findings[i];
        out.Put(std::string(i != 0 ? "," : "") + "{\"severity\":" + JsonString(format::SeverityName(finding.severity)) +
                ",\"code\":" + JsonString(format::CodeName(finding.code)) + ",\"offset\":" + JsonNumber(finding.offset) +
                ",\"length\":" + JsonNumber(finding.length) + ",\"field\":" + JsonString(finding.field) +
                ",\"message\":" + JsonString(finding.message) + "}");
    }
    out.Put("]");
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
            const std::string value = field.present ? format::HexNumber(field.value, digits) : std::string("(cut)");
            out.Put(line + value + (field.meaning.empty() ? "" : "  " + field.meaning) + "\n");
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
                format::HexNumber(finding.offset) + "  " + finding.message + "\n");
}

}  // namespace

bool WriteJsonReport(const OpenedFile& file, std::FILE* out)
{
    Output json(out);
    const DumpPaneView pane = DescribeDumpPane(file.dib, kLayoutLineHeight);
    json.Put("{\"file\":" + JsonString(file.path) + ",\"name\":" + JsonString(NamePart(file.path)) +
             ",\"decodable\":" + (file.decodable ? "true" : "false") +
             ",\"decodeError\":" + JsonString(file.decodeError) + ",\"fileHeaderGrid\":");
    PutJsonGrid<5>(json, kFileHeaderFields, FileHeaderValueTexts(file.dib.GetFileHeader()));
    json.Put(",\"infoHeaderGrid\":");
    PutJsonGrid<11>(json, kInfoHeaderFields, InfoHeaderValueTexts(file.dib.GetInfoHeader()));
    json.Put(",\"memos\":[");
    for (std::size_t memo = 0; memo < kMemoCount; ++memo) {
        if (memo != 0)
            json.Put(",");
        PutJsonMemo(json, pane.memos[memo]);
    }
    json.Put("],\"numbers\":{\"top\":0,\"height\":" + std::to_string(pane.numbersHeight) +
             ",\"text\":" + JsonString(LineNumbersText(0, pane.numberCount)) + "}");
    json.Put(std::string(",\"prompt\":") + (pane.prompt ? "true" : "false") + ",\"status\":[");
    const auto status = StatusOf(file);
    json.Put(JsonString(status[0]) + "," + JsonString(status[1]) + "," + JsonString(status[2]) + "]");
    const format::Inspection checked = InspectLoadedFile(file.dib);
    json.Put(",\"layout\":");
    PutJsonLayout(json, checked.layout);
    json.Put(",\"findings\":");
    PutJsonFindings(json, checked.findings);
    json.Put("}\n");
    return json.Finish();
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
