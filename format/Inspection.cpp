#include "Inspection.h"

#include "Decoder.h"

namespace hexlume::format {

Inspection Inspect(Bytes file)
{
    Inspection inspection{.layout = ReadLayout(file), .findings = {}, .noPictureReason = {}};
    inspection.findings = CheckBitmap(inspection.layout, file);
    inspection.noPictureReason = NoPictureReason(inspection.layout.format);
    return inspection;
}

}  // namespace hexlume::format
