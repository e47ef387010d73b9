#include "HeaderLink.h"

#include "DumpMemo.h"

#include <QScrollArea>
#include <QTableWidget>

namespace hexlume {

HeaderLink::HeaderLink(QTableWidget* grid, DumpMemo* memo, std::span<const ByteRange> fields, QScrollArea* pane)
    : QObject(grid), m_grid(grid), m_memo(memo), m_fields(fields), m_pane(pane)
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
        m_memo->SetHighlight(std::nullopt);
        return;
    }
    const ByteRange& field = m_fields[static_cast<std::size_t>(row)];
    m_memo->SetHighlight(std::pair{field.offset, field.End()});
    const QRect bytes = m_memo->BytesRect(field.offset, field.End());
    const QPoint centre = m_memo->mapTo(m_pane->widget(), bytes.center());
    m_pane->ensureVisible(centre.x(), centre.y(), bytes.width() / 2 + 1, bytes.height());
}

void HeaderLink::SelectFieldOf(std::uint64_t byte)
{
    if (!m_active)
        return;
    if (const auto row = FieldRowAt(m_fields, byte))
        m_grid->selectRow(static_cast<int>(*row));
}

}  // namespace hexlume
