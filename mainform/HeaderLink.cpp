#include "HeaderLink.h"

#include "DumpInspector.h"
#include "DumpMemo.h"

#include <QScrollArea>
#include <QTableWidget>

namespace hexlume {

HeaderLink::HeaderLink(QTableWidget* grid, DumpMemo* memo, std::size_t memoIndex, std::span<const ByteRange> fields,
                       QScrollArea* pane, DumpInspector* inspector)
    : QObject(grid), m_grid(grid), m_memo(memo), m_memoIndex(memoIndex), m_inspector(inspector), m_fields(fields),
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
    if (!m_active || row < 0 || static_cast<std::size_t>(row) >= m_fields.size()) {
        m_inspector->UnlightMemo(m_memoIndex);
        return;
    }
    const ByteRange& field = m_fields[static_cast<std::size_t>(row)];
    m_inspector->LightMemoBytes(m_memoIndex, field.offset, field.End());
    const QRect bytes = m_memo->BytesRect(field.offset, field.End());
    const QPoint centre = m_memo->mapTo(m_pane->widget(), bytes.center());
    m_pane->ensureVisible(centre.x(), centre.y(), bytes.width() / 2 + 1, bytes.height());
}

void HeaderLink::SelectFieldOf(std::uint64_t byte)
{
    if (!m_active)
        return;
    const auto row = FieldRowAt(m_fields, byte);
    if (!row)
        return;
    const bool alreadySelected = m_grid->selectionModel()->isRowSelected(static_cast<int>(*row), QModelIndex());
    m_grid->selectRow(static_cast<int>(*row));
    if (alreadySelected)
        ShowSelectedField();  // the row stays, but another range may have been lit since
}

}  // namespace hexlume
