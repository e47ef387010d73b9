#include "CheckContext.h"

#include "NumberText.h"

namespace hexlume::format::check {

void Part::ReportBadIndex(const IndexScan& scan)
{
    if (scan.offset == kNowhere)
        return;
    const std::uint64_t others = scan.rowsWithBadIndex - 1;
    Message message = others == 0
                          ? Message(HX_TR("Findings", "%1 uses colour index %2; the colour table has %3."))
                          : Message(HX_TR_N("Findings", "%1 uses colour index %2; the colour table has %3, and %n "
                                                        "more (row does|rows do) the same."))
                                .Count(others);
    message.Arg(say::Pixel(scan.column, m_format.ShownRow(scan.row), scan.row).Capitalised())
        .Number(scan.index)
        .Arg(Message(HX_TR_N("Findings", "%n (entry|entries)")).Count(m_format.colorCount));
    m_list.Add(Severity::Error, FindingCode::IndexPastTable, scan.offset, 1, std::move(message));
}

void Part::ReportSizeImagePastEnd()
{
    m_list.AddOnField(Severity::Error, FindingCode::SizeImagePastEnd, FieldId::ImageSize,
                      Message(HX_TR("Findings", "%1 says %2 from offset %3, past the end of the file, which has %4."))
                          .Arg(m_list.NameOf(FieldId::ImageSize))
                          .Arg(say::Bytes(m_format.sizeImage))
                          .Number(m_format.pixels.offset)
                          .Number(m_format.fileSize));
}

}  // namespace hexlume::format::check
