#include "CheckContext.h"

#include "NumberText.h"

namespace hexlume::format::check {

namespace {

struct PlacementCheck : Part {
    using Part::Part;

    void CheckPlacement()
    {
        const std::uint64_t offBits = m_format.offBits;
        const std::string name = m_list.NameOf(FieldId::PixelOffset);
        // An undefined bit count gives no table length to hold the offset to.
        const std::uint64_t before = m_context.bitCountDefined ? m_format.colorTable.End() : m_format.colorTable.offset;
        if (offBits < before) {
            const auto [part, end] = PartHolding(offBits, before);
            m_list.AddOnField(Severity::Error, FindingCode::PixelOffsetOverlaps, FieldId::PixelOffset,
                              Message(HX_TR("Findings", "%1 is %2, inside the %3, which ends at %4."))
                                  .Arg(name)
                                  .Number(offBits)
                                  .Arg(part)
                                  .Number(end));
        } else if (offBits >= m_format.fileSize) {
            m_list.AddOnField(Severity::Error, FindingCode::PixelOffsetPastEnd, FieldId::PixelOffset,
                              Message(HX_TR("Findings", "%1 is %2; the file has only %3."))
                                  .Arg(name)
                                  .Number(offBits)
                                  .Arg(say::Bytes(m_format.fileSize)));
        }
    }

    // The part before the pixel data that holds `offset`, and where it ends (the colour table's
    // end is `tableEnd`).
    std::pair<MessageTemplate, std::uint64_t> PartHolding(std::uint64_t offset, std::uint64_t tableEnd) const
    {
        if (offset < m_format.base)
            return {HX_TR("Findings", "bitmap array's entries before this bitmap"), m_format.base};
        if (offset < m_format.header.offset)
            return {HX_TR("Findings", "file header"), m_format.header.offset};
        if (offset < m_format.header.End())
            return {HX_TR("Findings", "info header"), m_format.header.End()};
        if (offset < m_format.maskBytes.End())
            return {HX_TR("Findings", "bit-field masks"), m_format.maskBytes.End()};
        return {HX_TR("Findings", "colour table"), tableEnd};
    }
};

}  // namespace

void CheckPlacement(Context& context)
{
    PlacementCheck(context).CheckPlacement();
}

}  // namespace hexlume::format::check
