#include "SetCommand.h"

#include "CheckCommand.h"
#include "Failure.h"
#include "MappedFile.h"
#include "format/FieldValue.h"
#include "format/Layout.h"
#include "format/NumberText.h"
#include "io/SaveFile.h"
#include "model/EditedBytes.h"
#include "primitives/HexDigits.h"
#include "primitives/WholeNumber.h"

#include <algorithm>
#include <charconv>
#include <exception>
#include <memory>
#include <string_view>

namespace hexlume {

namespace {

using format::Field;

// One edit made: its bytes and the line that reports it.
struct Change {
    std::uint64_t offset = 0;
    std::vector<std::uint8_t> bytes;
    std::string line;
};

// Why an edit cannot be made: a usage error.
struct Refusal {
    std::string what;
    std::string reason;
};

const Field* FieldAt(const format::Layout& layout, format::FieldId id, std::uint64_t offset)
{
    for (const format::Element& element : layout.elements)
        for (const Field& field : element.fields)
            if (field.id == id && field.offset == offset)
                return &field;
    return nullptr;
}

// Whether any header version of either family names a field so.
bool KnownName(std::string_view name)
{
    using namespace format;
    const auto has = [name](FieldTable table) {
        return std::any_of(table.begin(), table.end(),
                           [name](const FieldEntry& entry) { return entry.name.View() == name; });
    };
    for (const HeaderVersion version : {HeaderVersion::Core, HeaderVersion::Os2v2, HeaderVersion::Info,
                                        HeaderVersion::V2, HeaderVersion::V3, HeaderVersion::V4, HeaderVersion::V5})
        if (has(FileHeaderFields(version)) || has(InfoHeaderFields(version)))
            return true;
    return has(kMaskFields) || has(kArrayHeaderFields);
}

// The file's header field of that name: first in file order as its own version names it; else a
// 40-byte header's name (or a V2 and V3 mask's, which a 40-byte header's masks take the place
// of) where a later Windows header keeps the same field at the same offset.
const Field* FindNamedField(const format::Layout& layout, std::string_view name, std::string& why)
{
    using namespace format;
    // Only the headers' elements have fields.
    for (const Element& element : layout.elements)
        for (const Field& field : element.fields)
            if (field.name == name)
                return &field;
    const HeaderVersion version = layout.format.version;
    if (!IsOs2Header(version) && version != HeaderVersion::Unknown)
        for (const FieldEntry& entry : dictionary::kV3Header)
            if (entry.name.View() == name)
                if (const Field* field = FieldAt(layout, entry.id, layout.format.header.offset + entry.offset))
                    return field;
    const std::string named(name);
    why = KnownName(name) ? "the file's " + std::string(HeaderVersionName(version)) + " has no field " + named
                          : "no header field is named " + named;
    return nullptr;
}

std::string HexBytesText(std::span<const std::uint8_t> bytes)
{
    std::string text;
    for (const std::uint8_t byte : bytes) {
        if (!text.empty())
            text += ' ';
        text.append(&kByteHexPairs[2 * byte], 2);
    }
    return text;
}

std::optional<std::vector<std::uint8_t>> HexBytes(std::string_view text)
{
    if (text.empty() || text.size() % 2 != 0)
        return std::nullopt;
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        std::uint8_t byte = 0;
        const auto [end, error] = std::from_chars(text.data() + i, text.data() + i + 2, byte, 16);
        if (error != std::errc() || end != text.data() + i + 2)
            return std::nullopt;
        bytes.push_back(byte);
    }
    return bytes;
}

std::optional<Refusal> PastEnd(const std::string& what, std::uint64_t offset, std::uint64_t length, std::uint64_t size)
{
    if (offset <= size && length <= size - offset)
        return std::nullopt;
    return Refusal{what, format::ByteRangeText(offset, length) + " lie past the end of the file (" +
                             format::ByteCount(size) + ")"};
}

// One --set edit on the document as it stands after the ones before it; the fields are those of
// the file as read.
std::optional<Refusal> Apply(const std::string& edit, const format::Layout& layout, EditedBytes& document,
                             std::vector<Change>& changes)
{
    const std::string what = "--set " + edit;
    const std::size_t equals = edit.find('=');
    if (equals == std::string::npos || equals == 0)
        return Refusal{what, "--set takes FIELD=VALUE or @OFFSET=HEXBYTES"};
    const std::string_view name = std::string_view(edit).substr(0, equals);
    const std::string_view value = std::string_view(edit).substr(equals + 1);
    Change change;
    if (name.front() == '@') {
        const std::optional<std::uint64_t> offset = ParseWholeNumber(name.substr(1));
        const std::optional<std::vector<std::uint8_t>> bytes = HexBytes(value);
        if (!offset || !bytes)
            return Refusal{what, "@OFFSET=HEXBYTES takes an offset in decimal or 0x hex and pairs of hex digits: "
                                 "@0x36=FF00FF"};
        if (std::optional<Refusal> past = PastEnd(what, *offset, bytes->size(), document.Size()))
            return past;
        std::vector<std::uint8_t> old(bytes->size());
        document.Read(*offset, old);
        change = {*offset, *bytes,
                  format::ByteRangeText(*offset, bytes->size()) + ": " + HexBytesText(old) + " → " +
                      HexBytesText(*bytes)};
    } else {
        std::string why;
        const Field* field = FindNamedField(layout, name, why);
        if (field == nullptr)
            return Refusal{what, why};
        const format::ParsedFieldValue parsed = format::ParseFieldValue(value, field->name, field->type);
        if (!parsed.stored)
            return Refusal{what, parsed.error.English()};
        if (std::optional<Refusal> past = PastEnd(what, field->offset, field->size, document.Size()))
            return past;
        std::vector<std::uint8_t> old(field->size);
        document.Read(field->offset, old);
        const std::uint64_t before = LeAt(old, 0, field->size);
        change = {field->offset, format::FieldValueBytes(*parsed.stored, field->type),
                  field->name + ": " + format::FieldValueText(before, field->type) + " → " +
                      format::FieldValueText(*parsed.stored, field->type) + " (" +
                      format::ByteRangeText(field->offset, field->size) + ")"};
    }
    document.Write(change.offset, change.bytes);
    changes.push_back(std::move(change));
    return std::nullopt;
}

// Reads FILE, makes the edits and saves OUT; the mapping of FILE ends before OUT is checked.
int EditAndSave(const SetOptions& options, std::vector<Change>& changes)
{
    MappedFile file;
    // Kept open so the save copies the unedited bytes from it as cp does.
    if (!file.Open(options.file, nullptr, true))
        return Fail(options.file, file.Error());
    const format::Layout layout = format::ReadLayout(file.Bytes());
    EditedBytes document(std::make_shared<SpanSource>(file.Bytes(), nullptr, file.Descriptor()));
    for (const std::string& edit : options.edits)
        if (const std::optional<Refusal> refused = Apply(edit, layout, document, changes))
            return Fail(refused->what, refused->reason, kExitUsage);
    const SaveResult saved = SaveDocument(document, *options.output, options.file);
    return saved.ok ? kExitOk : Fail(*options.output, saved.reason.English());
}

}  // namespace

int RunSet(const SetOptions& options, std::FILE* out)
{
    if (!options.output)
        return Fail(options.file, "--set writes its changes to a new file: name it with -o OUT", kExitUsage);
    if (*options.output == options.file || SameFile(*options.output, options.file))
        return Fail(*options.output,
                    "the same file as " + options.file + ", which --set never writes: name another with -o",
                    kExitUsage);
    std::vector<Change> changes;
    try {
        if (const int status = EditAndSave(options, changes); status != kExitOk)
            return status;
    } catch (const std::exception& error) {
        return Fail(options.file, error.what());
    }
    std::string text;
    for (const Change& change : changes)
        text += change.line + "\n";
    text += CheckLine(*options.output);
    const bool written = std::fputs(text.c_str(), out) >= 0 && std::fflush(out) == 0 && !std::ferror(out);
    return written ? kExitOk : Fail("<stdout>", "cannot write the output");
}

}  // namespace hexlume
