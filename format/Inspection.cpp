#include "Inspection.h"

#include "Decoder.h"

namespace hexlume::format {

Inspection Inspect(Bytes file, std::size_t image)
{
    Inspection inspection{.layout = ReadImageLayout(file, image), .findings = {}, .noPictureReason = {}};
    inspection.findings = CheckBitmap(inspection.layout, file);
    const Layout& layout = inspection.layout;
    const bool emptyIcon = (layout.kind == FileKind::Icon || layout.kind == FileKind::Cursor) && ImageCount(layout) == 0;
    inspection.noPictureReason = emptyIcon ? "the " + std::string(FileKindName(layout.kind)) + "'s directory holds no image"
                                           : NoPictureReason(layout.format);
    return inspection;
}

}  // namespace hexlume::format
