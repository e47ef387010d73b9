#include "HeaderLink.h"

#include "DumpInspector.h"
#include "DumpMemo.h"

#include <QScrollArea>
#include <QTableWidget>

namespace hexlume {

HeaderLink::HeaderLink(QTableWidget* grid, DumpMemo* memo, std::size_t memoIndex, GridIndex table,
                       QScrollArea* pane, DumpInspector* inspector)
    : QObject(grid), m_grid(grid), m_memo(memo), m_memoIndex(memoIndex), m_inspector(inspector), m_table(table),
      m_pane(pane)
{
    connect(grid, &QTableWidget::itemSelectionChanged, this, &HeaderLink::ShowSelectedField);
    connect(memo, &DumpMemo::ByteClicked, this, &HeaderLink::SelectFieldOf);
}

void HeaderLink::SetActive(bool active)
{
    m_active = active;
    ShowSelectedField();
}

void HeaderLink::ShowSelectedField()
{
    const QList<QTableWidgetSelectionRange> ranges = m_grid->selectedRanges();
    const int row = ranges.isEmpty() ? -1 : ranges.first().topRow();
    const std::vector<TableRow>& rows = m_inspector->Image().tables[m_table];
    const std::uint64_t memoStart = m_inspector->Map()[m_memoIndex].fileOffset;
    if (!m_active || row < 0 || static_cast<std::size_t>(row) >= rows.size() ||
        rows[static_cast<std::size_t>(row)].bytes.offset < memoStart) {
        m_inspector->UnlightMemo(m_memoIndex);
        return;
    }
    // The row's bytes in the memo that dumps its header.
    const ByteRange& inFile = rows[static_cast<std::size_t>(row)].bytes;
    const ByteRange field{inFile.offset - memoStart, inFile.size};
    m_inspector->LightMemoBytes(m_memoIndex, field.offset, field.End());
    const QRect bytes = m_memo->BytesRect(field.offset, field.End());
    const QPoint centre = m_memo->mapTo(m_pane->widget(), bytes.center());
    m_pane->ensureVisible(centre.x(), centre.y(), bytes.width() / 2 + 1, bytes.height());
}

void HeaderLink::SelectFieldOf(std::uint64_t byte)
{
    if (!m_active)
        return;
    const auto row = TableRowAt(m_inspector->Image().tables[m_table], m_inspector->Map()[m_memoIndex].fileOffset + byte);
    if (!row)
        return;
    const bool alreadySelected = m_grid->selectionModel()->isRowSelected(static_cast<int>(*row), QModelIndex());
    m_grid->selectRow(static_cast<int>(*row));
    if (alreadySelected)
        ShowSelectedField();  // the row stays, but another range may have been lit since
}

}  // namespace hexlume
