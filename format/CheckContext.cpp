#include "CheckContext.h"

#include "NumberText.h"

namespace hexlume::format::check {

void Part::ReportBadIndex(const IndexScan& scan)
{
    if (scan.offset == kNowhere)
        return;
    const std::uint64_t others = scan.rowsWithBadIndex - 1;
    m_list.Add(Severity::Error, FindingCode::IndexPastTable, scan.offset, 1,
               Capitalised(PixelText(scan.column, m_format.ShownRow(scan.row), scan.row)) + " uses colour index " +
                   GroupedNumber(scan.index) + "; the colour table has " +
                   Counted(m_format.colorCount, "entry", "entries") +
                   (others == 0 ? "." : ", and " + Counted(others, "more row does", "more rows do") + " the same."));
}

void Part::ReportSizeImagePastEnd()
{
    m_list.AddOnField(Severity::Error, FindingCode::SizeImagePastEnd, FieldId::ImageSize,
                      m_list.NameOf(FieldId::ImageSize) + " says " + ByteCount(m_format.sizeImage) + " from offset " +
                          GroupedNumber(m_format.pixels.offset) + ", past the end of the file, which has " +
                          GroupedNumber(m_format.fileSize) + ".");
}

}  // namespace hexlume::format::check
