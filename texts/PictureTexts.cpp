#include "PictureTexts.h"

#include "InspectionTexts.h"
#include "format/NumberText.h"
#include "format/PixelBytes.h"

namespace hexlume {

using format::GroupedNumber;
using format::HexNumber;

std::string PixelStatusText(format::Bytes file, const format::BitmapFormat& format, std::uint64_t x, std::uint64_t y,
                            bool alphaUsed)
{
    if (x >= format.columns || y >= format.rows)
        return {};
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
                                               : ", past the table's " + GroupedNumber(format.colorCount) + " entries";
    }
    if (at->code) {
        text += "\n" + RleCodeText(format, file, at->code->offset);
    } else if (at->length != 0) {
        text += "\nHeld by " + (at->length == 1 ? "the byte" : "the " + GroupedNumber(at->length) + " bytes") +
                " at offset " + HexNumber(at->offset) + " (" + GroupedNumber(at->offset) + ")";
        if (at->bits < 8)
            text += ", bits " + std::to_string(at->bitOffset) + "–" + std::to_string(at->bitOffset + at->bits - 1) +
                    " (0 = most significant)";
    }
    return text;
}

}  // namespace hexlume
