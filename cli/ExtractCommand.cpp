#include "ExtractCommand.h"

#include "Failure.h"
#include "MappedFile.h"
#include "format/BitPlanes.h"
#include "format/HiddenParts.h"
#include "format/NumberText.h"
#include "io/SaveFile.h"
#include "model/EditedBytes.h"

#include <exception>
#include <memory>
#include <string_view>

namespace hexlume {

namespace {

constexpr std::string_view kBitsPrefix = "bits:";

// The bytes WHAT (one Names accepts) names, or why the file has none (`absent`).
struct Taken {
    std::vector<std::uint8_t> bytes;
    std::string absent;
};

bool Names(const std::string& what)
{
    if (what.starts_with(kBitsPrefix))
        return format::ParseBitSelection(std::string_view(what).substr(kBitsPrefix.size())).has_value();
    return format::HiddenPartNamed(what).has_value();
}

Taken Take(const std::string& what, format::Bytes file)
{
    const format::Layout layout = format::ReadLayout(file);
    if (what.starts_with(kBitsPrefix)) {
        const format::BitSelection selection =
            *format::ParseBitSelection(std::string_view(what).substr(kBitsPrefix.size()));
        Taken taken{.bytes = {}, .absent = format::MissingBits(layout.format, selection)};
        if (taken.absent.empty()) {
            taken.bytes = format::ExtractBits(file, layout.format, selection);
            if (taken.bytes.empty())
                taken.absent = "the file holds no pixel of the picture";
        }
        return taken;
    }
    format::PartBytes read = format::ReadHiddenPart(file, layout, *format::HiddenPartNamed(what));
    return Taken{.bytes = std::move(read.bytes), .absent = std::move(read.absent)};
}

}  // namespace

int RunExtract(const ExtractOptions& options, std::FILE* out)
{
    if (!Names(options.what))
        return Fail("--extract " + options.what,
                    "WHAT is gap, trailing, padding, embedded, profile or bits:CHANNELS:BITS, CHANNELS of r, g, b, a "
                    "or i and BITS numbers with commas between them (bits:rgb:0, bits:b:1,0)",
                    kExitUsage);
    if (options.output == options.file || SameFile(options.output, options.file))
        return Fail(options.output,
                    "the same file as " + options.file + ", which --extract never writes: name another with -o",
                    kExitUsage);
    Taken taken;
    try {
        MappedFile file;
        if (!file.Open(options.file))
            return Fail(options.file, file.Error());
        taken = Take(options.what, file.Bytes());
    } catch (const std::exception& error) {
        return Fail(options.file, error.what());
    }
    if (!taken.absent.empty())
        return Fail(options.file, "nothing to extract as " + options.what + ": " + taken.absent);
    const std::uint64_t size = taken.bytes.size();
    auto bytes = std::make_shared<std::vector<std::uint8_t>>(std::move(taken.bytes));
    const EditedBytes document(std::make_shared<SpanSource>(std::span<const std::uint8_t>(*bytes), bytes));
    const SaveResult saved = SaveDocument(document, options.output, options.file);
    if (!saved.ok)
        return Fail(options.output, saved.reason.English());
    const bool written = std::fprintf(out, "%s  %s of %s\n", options.output.c_str(), format::ByteCount(size).c_str(),
                                      options.what.c_str()) > 0 &&
                         std::fflush(out) == 0;
    return written ? kExitOk : Fail("<stdout>", "cannot write the output");
}

}  // namespace hexlume
