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

}  // namespace hexlume
