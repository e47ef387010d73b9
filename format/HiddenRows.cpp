#include "HiddenRows.h"

#include <algorithm>

namespace hexlume::format {

namespace {

std::optional<RowsPastPicture> RowsIn(const Element& element, const BitmapFormat& format, bool before)
{
    if (element.size == 0 || element.size % format.stride != 0)
        return std::nullopt;
    // Stored before the first row lies below a bottom-up picture and above a top-down one.
    return RowsPastPicture{.offset = element.offset,
                           .size = element.size,
                           .rows = element.size / format.stride,
                           .beforePixels = before,
                           .shownOnTop = before == format.topDown};
}

}  // namespace

std::optional<RowsPastPicture> FindRowsPastPicture(const Layout& layout)
{
    const BitmapFormat& format = layout.format;
    if (!layout.array.entries.empty() || !format.HeaderReadable() || !IsUncompressed(format.encoding) ||
        !DrawsBitCount(format.encoding, format.bitCount) || format.stride == 0 || format.rows == 0 ||
        !format.pixels.Complete())
        return std::nullopt;
    std::optional<RowsPastPicture> before;
    for (const Element& element : layout.elements) {
        if (element.kind == ElementKind::Trailing && element.offset == format.pixels.End())
            return RowsIn(element, format, false);
        if (element.kind == ElementKind::Gap && element.offset + element.size == format.pixels.offset)
            before = RowsIn(element, format, true);
    }
    return before;
}

BitmapFormat WithRowsPastPicture(const BitmapFormat& format, const RowsPastPicture& rows)
{
    BitmapFormat whole = format;
    whole.rows = format.rows + rows.rows;
    whole.height = format.topDown ? -static_cast<std::int64_t>(whole.rows) : static_cast<std::int64_t>(whole.rows);
    whole.rowBytes = whole.rows * format.stride;
    if (rows.beforePixels)
        whole.pixels.offset = rows.offset;
    whole.pixels.claimed = whole.rowBytes;
    whole.pixels.present = whole.rowBytes;
    return whole;
}

Layout WithRowsPastPicture(const Layout& layout, const RowsPastPicture& rows)
{
    Layout whole = layout;
    whole.format = WithRowsPastPicture(layout.format, rows);
    const auto holdsRows = [&rows](const Element& element) {
        return element.offset == rows.offset && element.size == rows.size &&
               (element.kind == ElementKind::Trailing || element.kind == ElementKind::Gap);
    };
    const auto taken = std::find_if(whole.elements.begin(), whole.elements.end(), holdsRows);
    const auto pixels = std::find_if(whole.elements.begin(), whole.elements.end(),
                                     [](const Element& element) { return element.kind == ElementKind::PixelData; });
    if (taken == whole.elements.end() || pixels == whole.elements.end())
        return layout;  // not rows found in this layout
    if (rows.beforePixels)
        pixels->offset = rows.offset;
    pixels->size += rows.size;
    pixels->claimed += rows.size;
    whole.elements.erase(taken);
    return whole;
}

}  // namespace hexlume::format
