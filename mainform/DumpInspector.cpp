#include "DumpInspector.h"

#include "DumpMemo.h"
#include "model/Dib.h"
#include "widgets/QtText.h"

#include <QStyle>
#include <QTableWidget>

namespace hexlume {

namespace {

constexpr int kValueColumn = 2;

QTextCharFormat WavyUnderline(Mark mark)
{
    QTextCharFormat format;
    format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    format.setUnderlineColor(mark == Mark::Error ? QColor(Qt::red) : QColor(0xFF, 0x8C, 0x00));
    return format;
}

// The cell keeps its text; the icon and the tooltip say what is wrong with the field.
void MarkCell(QTableWidget* grid, int row, const CellFindings& findings, const std::string& note = {})
{
    QTableWidgetItem* cell = grid->item(row, kValueColumn);
    if (cell == nullptr || (findings.messages.empty() && note.empty()))
        return;
    if (findings.mark != Mark::None)
        cell->setIcon(grid->style()->standardIcon(findings.mark == Mark::Error ? QStyle::SP_MessageBoxCritical
                                                                               : QStyle::SP_MessageBoxWarning));
    QString tip = grid->toolTip();  // the grid's own hint stays first
    for (const std::string& line : findings.messages)
        tip += QLatin1Char('\n') + FromUtf8(line);
    if (!note.empty())
        tip += QLatin1Char('\n') + FromUtf8(note);
    cell->setToolTip(tip);
}

}  // namespace

DumpInspector::DumpInspector(std::array<DumpMemo*, kMemoCount> memos, QTableWidget* fileGrid,
                             QTableWidget* infoGrid, QObject* parent)
    : QObject(parent), m_memos(memos), m_fileGrid(fileGrid), m_infoGrid(infoGrid)
{
    for (std::size_t memo = 0; memo < kMemoCount; ++memo)
        m_memos[memo]->SetByteToolTip([this, memo](std::uint64_t byte) { return ToolTipFor(memo, byte); });
}

void DumpInspector::Clear()
{
    m_dib = nullptr;
    m_layout = {};
    m_findings.clear();
    m_map = {};
    m_changed.clear();
    for (DumpMemo* memo : m_memos)
        memo->SetMarks({});
}

void DumpInspector::Inspect(const CDib& dib, int lineHeight)
{
    format::Inspection inspected = InspectLoadedFile(dib);
    m_layout = std::move(inspected.layout);
    m_findings = std::move(inspected.findings);
    m_map = MapDumpToFile(dib, DescribeDumpPane(dib, lineHeight));
    m_dib = &dib;
    MarkCells();
    MarkDump();
}

QString DumpInspector::ToolTipFor(std::size_t memo, std::uint64_t byte) const
{
    const std::optional<std::uint64_t> offset = FileOffsetOf(m_map, memo, byte);
    if (m_dib == nullptr || !offset || *offset >= m_dib->FileBytes().size())
        return {};
    const std::uint8_t shown =
        memo == kInfoHeaderMemo ? m_dib->GetInfoHeaderBytes()[byte] : m_dib->FileBytes()[*offset];
    return FromUtf8(ByteTooltipText(m_layout, m_findings, m_dib->FileBytes(), memo, *offset, shown));
}

void DumpInspector::MarkCells()
{
    const HeaderCellFindings cells = FindingsByCell(m_findings);
    for (std::size_t row = 0; row < cells.fileHeader.size(); ++row)
        MarkCell(m_fileGrid, static_cast<int>(row), cells.fileHeader[row]);
    for (std::size_t row = 0; row < cells.infoHeader.size(); ++row)
        MarkCell(m_infoGrid, static_cast<int>(row), cells.infoHeader[row], row == 0 ? HeaderSizeNote(m_layout) : "");
}

std::uint64_t DumpInspector::MarkChangesFrom(ByteSpan previous)
{
    if (m_dib == nullptr)
        return 0;
    ChangedBytes changed = CompareVersions(previous, m_dib->FileBytes(), m_map);
    m_changed = std::move(changed.marks);
    MarkDump();
    return changed.count;
}

void DumpInspector::MarkDump()
{
    std::array<QList<QTextEdit::ExtraSelection>, kMemoCount> marks;
    // A tint under the text, so the findings' underlines still show on a changed byte.
    QTextCharFormat tint;
    tint.setBackground(QColor(0xFF, 0xE0, 0x40, 0x90));
    for (const MemoMark& mark : m_changed)
        marks[mark.memo] << m_memos[mark.memo]->Over(mark.first, mark.end, tint);
    for (const MemoMark& mark : MarksInDump(m_findings, m_map))
        marks[mark.memo] << m_memos[mark.memo]->Over(mark.first, mark.end, WavyUnderline(mark.mark));
    for (std::size_t memo = 0; memo < kMemoCount; ++memo)
        m_memos[memo]->SetMarks(marks[memo]);
}

}  // namespace hexlume
