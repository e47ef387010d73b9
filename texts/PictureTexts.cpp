#include "PictureTexts.h"

#include "InspectionTexts.h"
#include "format/NumberText.h"
#include "format/PixelBytes.h"

namespace hexlume {

using format::GroupedNumber;
using format::HexNumber;

namespace {

Message Explained(Message said, Message more)
{
    return Message(HX_TR("PictureTexts", "%1: %2")).Arg(std::move(said)).Arg(std::move(more));
}

}  // namespace

Message PixelStatusText(format::Bytes file, const format::BitmapFormat& format, std::uint64_t x, std::uint64_t y,
                        bool alphaUsed, std::optional<format::Argb> drawnColor)
{
    if (x >= format.columns || y >= format.rows)
        return {};
    TipLines lines;
    if (format::IsEmbeddedStream(format.encoding)) {
        // The stream's rows are its own, top first: no stored row to name.
        const std::string kind(format::EncodingName(format.encoding));
        lines.Add(Explained(format::say::Pixel(x, y, y),
                            drawnColor ? Message(HX_TR("PictureTexts", "colour %1 as the window draws it"))
                                             .Arg(ColorText(*drawnColor, true))
                                       : Message(HX_TR("PictureTexts", "no colour: the %1 stream is not decoded here"))
                                             .Arg(kind)));
        lines.Add(Message(HX_TR("PictureTexts", "Coded in the embedded %1 stream of %2 at offset %3 (%4), which Hexlume "
                                                "does not take apart: no bytes of the file hold this pixel alone"))
                      .Arg(kind)
                      .Arg(format::say::Bytes(format.pixels.present))
                      .Arg(HexNumber(format.pixels.offset))
                      .Number(format.pixels.offset));
        return lines.Take();
    }
    const std::optional<format::PixelLocation> at = format::LocatePixel(file, format, x, y);
    if (!at)  // a fax-coded stream: its codes stand for runs of pixels, not for one
        return Explained(format::say::Pixel(x, y, format.ShownRow(y)),
                         HX_TR("PictureTexts", "the pixel data codes runs of pixels, so no bytes hold this one alone"));
    Message value;
    if (at->skipped) {
        value = HX_TR("PictureTexts", "no code draws it, so the format leaves it undefined (drawn transparent)");
    } else if (at->color) {
        format::Argb color = *at->color;
        if (format::HasAlphaChannel(format) && !alphaUsed)
            color |= format::kOpaque;  // no pixel uses the alpha: the picture is opaque
        value = Message(HX_TR("PictureTexts", "colour %1")).Arg(ColorText(color, true));
    } else {
        value = HX_TR("PictureTexts", "no colour: the file ends before its bytes");
    }
    if (at->index)
        value = Message(HX_TR("PictureTexts", "%1, index %2, %3"))
                    .Arg(std::move(value))
                    .Number(*at->index)
                    .Arg(*at->index < format.colorCount
                             ? ColorEntryText(format, file, *at->index)
                             : Message(HX_TR_N("PictureTexts", "past the table's %n (entry|entries)"))
                                   .Count(format.colorCount));
    lines.Add(Explained(format::say::Pixel(x, y, at->storedRow), std::move(value)));
    if (at->code) {
        lines.Add(RleCodeText(format, file, at->code->offset));
    } else if (at->length != 0) {
        Message held = at->length == 1 ? Message(HX_TR("PictureTexts", "Held by the byte at offset %1 (%2)"))
                                       : Message(HX_TR("PictureTexts", "Held by the %3 bytes at offset %1 (%2)"));
        held.Arg(HexNumber(at->offset)).Number(at->offset);
        if (at->length != 1)
            held.Number(at->length);
        if (at->bits < 8)
            held = Message(HX_TR("PictureTexts", "%1, %2 (0 = most significant)"))
                       .Arg(std::move(held))
                       .Arg(format::say::BitRange(at->bitOffset, at->bits));
        lines.Add(std::move(held));
    }
    return lines.Take();
}

}  // namespace hexlume
