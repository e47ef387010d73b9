#include "HiddenParts.h"

#include "Decoder.h"
#include "NumberText.h"

#include <iterator>

namespace hexlume::format {

namespace {

// Every element of the kind, in file order (a part the headers overlap may be in pieces).
PartBytes ElementBytes(Bytes file, const Layout& layout, ElementKind kind, std::string absent)
{
    PartBytes part;
    for (const Element& element : layout.elements)
        if (element.kind == kind) {
            const Bytes bytes = file.subspan(element.offset, element.size);
            part.bytes.insert(part.bytes.end(), bytes.begin(), bytes.end());
        }
    if (part.bytes.empty())
        part.absent = std::move(absent);
    return part;
}

// The bytes of each row after the last one holding a bit of a pixel, for the rows the file
// holds whole (and the padding the last, cut row still has).
PartBytes PaddingBytes(Bytes file, const BitmapFormat& format)
{
    PartBytes part;
    if (!format.HeaderReadable() || !IsUncompressed(format.encoding) || format.stride == 0) {
        part.absent = "the pixels are not stored in rows padded to 32 bits";
        return part;
    }
    const std::uint64_t used = (format.columns * format.bitCount + 7) / 8;
    if (used == format.stride) {
        part.absent = "rows of " + Counted(format.columns, "pixel", "pixels") + " at " +
                      Counted(format.bitCount, "bit", "bits") + " need no padding";
        return part;
    }
    const Bytes data = PresentBytes(file, format.pixels);
    for (std::uint64_t start = 0; start < data.size() && start / format.stride < format.rows; start += format.stride) {
        const std::uint64_t from = start + used;
        const std::uint64_t to = std::min<std::uint64_t>(start + format.stride, data.size());
        if (from < to)
            part.bytes.insert(part.bytes.end(), data.begin() + static_cast<std::ptrdiff_t>(from),
                              data.begin() + static_cast<std::ptrdiff_t>(to));
    }
    if (part.bytes.empty())
        part.absent = "the file holds no row's padding";
    return part;
}

}  // namespace

std::optional<HiddenPart> HiddenPartNamed(std::string_view name)
{
    constexpr std::pair<std::string_view, HiddenPart> kNames[] = {
        {"gap", HiddenPart::Gap},
        {"trailing", HiddenPart::Trailing},
        {"padding", HiddenPart::Padding},
        {"embedded", HiddenPart::Embedded},
        {"profile", HiddenPart::Profile},
    };
    for (const auto& [text, part] : kNames)
        if (text == name)
            return part;
    return std::nullopt;
}

PartBytes ReadHiddenPart(Bytes file, const Layout& layout, HiddenPart part)
{
    const BitmapFormat& format = layout.format;
    switch (part) {
    case HiddenPart::Gap: return ElementBytes(file, layout, ElementKind::Gap, "no bytes lie between the bitmap's parts");
    case HiddenPart::Trailing:
        return ElementBytes(file, layout, ElementKind::Trailing, "no bytes follow the bitmap's last part");
    case HiddenPart::Padding: return PaddingBytes(file, format);
    case HiddenPart::Embedded:
        if (!IsEmbeddedStream(format.encoding))
            return {{}, "the pixel data is no JPEG or PNG stream"};
        return ElementBytes(file, layout, ElementKind::PixelData, "the file holds none of the JPEG or PNG stream");
    case HiddenPart::Profile:
        if (format.csType == kProfileLinked && format.profile.claimed != 0)
            return {{}, "the bitmap links to a colour profile by name and embeds none"};
        if (format.csType != kProfileEmbedded || format.profile.claimed == 0)
            return {{}, "the bitmap embeds no colour profile"};
        return ElementBytes(file, layout, ElementKind::Profile, "the file holds none of the colour profile");
    }
    return {};
}

}  // namespace hexlume::format
