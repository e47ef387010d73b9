#include "PictureTexts.h"

#include "InspectionTexts.h"
#include "format/NumberText.h"
#include "format/PixelBytes.h"

namespace hexlume {

using format::GroupedNumber;
using format::HexNumber;

std::string PixelStatusText(format::Bytes file, const format::BitmapFormat& format, std::uint64_t x, std::uint64_t y,
                            bool alphaUsed, std::optional<format::Argb> drawnColor)
{
    if (x >= format.columns || y >= format.rows)
        return {};
    if (format::IsEmbeddedStream(format.encoding)) {
        // The stream's rows are its own, top first: no stored row to name.
        const std::string kind(format::EncodingName(format.encoding));
        std::string text = format::PixelText(x, y, y) + ": ";
        text += drawnColor ? "colour " + ColorText(*drawnColor, true) + " as the window draws it"
                           : "no colour: the " + kind + " stream is not decoded here";
        return text + "\nCoded in the embedded " + kind + " stream of " + format::ByteCount(format.pixels.present) +
               " at offset " + HexNumber(format.pixels.offset) + " (" + GroupedNumber(format.pixels.offset) +
               "), which Hexlume does not take apart: no bytes of the file hold this pixel alone";
    }
    const std::optional<format::PixelLocation> at = format::LocatePixel(file, format, x, y);
    if (!at)  // a fax-coded stream: its codes stand for runs of pixels, not for one
        return format::PixelText(x, y, format.ShownRow(y)) + ": the pixel data codes runs of pixels, so no bytes hold this one alone";
    std::string text = format::PixelText(x, y, at->storedRow) + ": ";
    if (at->skipped) {
        text += "no code draws it, so the format leaves it undefined (drawn transparent)";
    } else if (at->color) {
        format::Argb color = *at->color;
        if (format::HasAlphaChannel(format) && !alphaUsed)
            color |= format::kOpaque;  // no pixel uses the alpha: the picture is opaque
        text += "colour " + ColorText(color, true);
    } else {
        text += "no colour: the file ends before its bytes";
    }
    if (at->index) {
        text += ", index " + GroupedNumber(*at->index);
        text += *at->index < format.colorCount ? ", " + ColorEntryText(format, file, *at->index)
                                               : ", past the table's " + format::Counted(format.colorCount, "entry", "entries");
    }
    if (at->code) {
        text += "\n" + RleCodeText(format, file, at->code->offset);
    } else if (at->length != 0) {
        text += "\nHeld by " + (at->length == 1 ? "the byte" : "the " + GroupedNumber(at->length) + " bytes") +
                " at offset " + HexNumber(at->offset) + " (" + GroupedNumber(at->offset) + ")";
        if (at->bits < 8)
            text += ", " + format::BitRangeText(at->bitOffset, at->bits) +
                    " (0 = most significant)";
    }
    return text;
}

namespace {

std::uint64_t LargestValue(unsigned bits)
{
    return bits >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << bits) - 1;
}

std::string Binary(std::uint32_t value, unsigned bits)
{
    std::string digits;
    for (unsigned bit = bits; bit-- > 0;)
        digits += (bit < 32 && (value >> bit & 1) != 0) ? '1' : '0';
    return digits;
}

}  // namespace

std::string LookName(std::optional<format::PixelChannel> channel, std::optional<unsigned> bit)
{
    if (!channel)
        return "colours as drawn";
    std::string name(format::ChannelName(*channel));
    return bit ? name + ", bit " + std::to_string(*bit) : name;
}

std::string LookValueText(format::PixelChannel channel, unsigned bits, std::optional<unsigned> bit,
                          std::optional<std::uint32_t> value)
{
    const std::string name = LookName(channel, bit);
    if (!value)
        return name + ": no value, the file holds no bytes for this pixel";
    const std::string stored = GroupedNumber(*value) + " of " + GroupedNumber(LargestValue(bits)) + ", binary " +
                               Binary(*value, bits);
    if (!bit)
        return name + ": " + stored;
    return name + ": " + std::to_string(*value >> *bit & 1) + " (" + std::string(format::ChannelName(channel)) +
           " " + stored + ")";
}

std::string LookLegend(format::PixelChannel channel, unsigned bits, std::optional<unsigned> bit)
{
    const std::string name = LookName(channel, bit);
    if (bit)
        return name + ": white where the bit is 1, black where it is 0";
    return name + ": black for 0, white for " + GroupedNumber(LargestValue(bits)) + ", the most " +
           (bits == 1 ? "its bit holds" : "its " + std::to_string(bits) + " bits hold");
}

}  // namespace hexlume
