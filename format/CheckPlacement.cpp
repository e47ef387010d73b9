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
                              name + " is " + GroupedNumber(offBits) + ", inside the " + part + ", which ends at " +
                                  GroupedNumber(end) + ".");
        } else if (offBits >= m_format.fileSize) {
            m_list.AddOnField(Severity::Error, FindingCode::PixelOffsetPastEnd, FieldId::PixelOffset,
                              name + " is " + GroupedNumber(offBits) + "; the file has only " +
                                  ByteCount(m_format.fileSize) + ".");
        }
    }

    // The part before the pixel data that holds `offset`, and where it ends (the colour table's
    // end is `tableEnd`).
    std::pair<std::string, std::uint64_t> PartHolding(std::uint64_t offset, std::uint64_t tableEnd) const
    {
        if (offset < m_format.base)
            return {"bitmap array's entries before this bitmap", m_format.base};
        if (offset < m_format.header.offset)
            return {"file header", m_format.header.offset};
        if (offset < m_format.header.End())
            return {"info header", m_format.header.End()};
        if (offset < m_format.maskBytes.End())
            return {"bit-field masks", m_format.maskBytes.End()};
        return {"colour table", tableEnd};
    }
};

}  // namespace

void CheckPlacement(Context& context)
{
    PlacementCheck(context).CheckPlacement();
}

}  // namespace hexlume::format::check
