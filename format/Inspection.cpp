#include "Inspection.h"

#include "Decoder.h"

namespace hexlume::format {

Inspection Inspect(Bytes file, std::size_t image)
{
    Inspection inspection{.layout = ReadImageLayout(file, image), .findings = {}, .noPictureReason = {}};
    inspection.findings = CheckBitmap(inspection.layout, file);
    inspection.noPictureReason = NoPictureReason(inspection.layout.format);
    return inspection;
}

}  // namespace hexlume::format
