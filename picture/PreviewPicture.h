#pragma once

#include "format/BitmapFormat.h"
#include "format/Decoder.h"
#include "primitives/Message.h"

#include <QImage>
#include <QRgb>
#include <QSize>
#include <QString>
#include <QStringList>

namespace hexlume {

// Which of the decoder's stand-ins (format/Decoder.h) a drawing shows, as the decoder tells
// while drawing: a file's own grey or magenta is no mark.
struct PictureMarks {
    bool missing = false;      // the grey checker: no bytes for these pixels
    bool badIndex = false;     // magenta: a colour index past the colour table
    bool transparent = false;  // alpha below 255, the pixels an RLE stream skips among them
};

struct DrawnPicture {
    QImage image;    // Format_ARGB32; null when no picture exists
    Message reason;  // why, when it does not
    PictureMarks marks;
};

// What the preview lays under transparent pixels, as image viewers do, rather than the window's
// random colour, which would pass for picture content. Lighter than the decoder's missing-data
// checker (kMissingLight / kMissingDark) and in smaller cells, so "the file has nothing here"
// and "see-through here" never look alike.
inline constexpr QRgb kBackdropLight = 0xFFFFFFFF;
inline constexpr QRgb kBackdropDark = 0xFFE0E0E0;
inline constexpr int kBackdropCell = 4;

// The bitmap in file drawn at size by our decoder (the preview's stretch, or the picture's own
// size for full size), alpha kept. The one place Qt decodes: the JPEG or PNG stream a
// BI_JPEG/BI_PNG bitmap embeds, read straight at size.
DrawnPicture DrawPicture(format::Bytes file, QSize size);
// The same for one DIB of the file read already: an array's bitmap, an icon's image (its AND
// mask or alpha applied), a headerless DIB.
DrawnPicture DrawPicture(format::Bytes file, const format::BitmapFormat& format, QSize size);

// The same drawing as the window's preview shows it: opaque, transparency over the backdrop.
DrawnPicture DrawPreview(format::Bytes file, QSize size);
DrawnPicture DrawPreview(format::Bytes file, const format::BitmapFormat& format, QSize size);

// The preview's drawing fitted into box with the picture's own proportions (at least a pixel a
// side), for the open dialog's preview: a damaged file looks there as it does in the window.
DrawnPicture DrawFitted(format::Bytes file, QSize box);

// A part of the picture drawn at size over the backdrop, for a zoomed view: only that part is
// read. alphaUsed is the whole picture's answer to format::AlphaUsed. Embedded streams have no
// parts: they get a reason, and the view draws them whole with DrawPreview.
DrawnPicture DrawRegion(format::Bytes file, const format::BitmapFormat& format, format::PictureRegion region,
                        QSize size, bool alphaUsed);

// One line for each mark the drawing shows, saying what it means; empty for a plain picture.
QStringList MarkNotes(const PictureMarks& marks);

}  // namespace hexlume
