#include "HeaderGrids.h"

#include "widgets/QtText.h"
#include "widgets/Translation.h"

#include <QHeaderView>
#include <QTableWidget>

namespace hexlume {

void WriteGridTitles(QTableWidget* grid)
{
    grid->horizontalHeader()->setFixedHeight(grid->verticalHeader()->defaultSectionSize());
    grid->setTextElideMode(Qt::ElideNone);  // a cell clips its text, as a grid cell should
    grid->setWordWrap(false);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int column = 0; column < 3; ++column)
        grid->setHorizontalHeaderItem(
            column, new QTableWidgetItem(Say(kHeaderGridTitles[static_cast<std::size_t>(column)])));
}

void WriteGridKeys(QTableWidget* grid, std::span<const HeaderField> fields)
{
    for (std::size_t row = 0; row < fields.size(); ++row)
        for (int column = 0; column < 2; ++column)
            grid->setItem(static_cast<int>(row), column,
                          new QTableWidgetItem(FromUtf8(column == 0 ? fields[row].name : fields[row].type)));
    for (int column = 0; column < 3; ++column)
        grid->setColumnWidth(column, kHeaderGridColumnWidths[static_cast<std::size_t>(column)]);
}

void WriteGridValues(QTableWidget* grid, std::span<const std::string> values)
{
    for (std::size_t row = 0; row < values.size(); ++row)
        grid->setItem(static_cast<int>(row), 2, new QTableWidgetItem(QString::fromStdString(values[row])));
}

}  // namespace hexlume

namespace hexlume {

void WriteGridRows(QTableWidget* grid, std::span<const TableRow> rows)
{
    grid->setRowCount(static_cast<int>(rows.size()));
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const std::array<const std::string*, 3> cells{&rows[row].name, &rows[row].type, &rows[row].value};
        for (int column = 0; column < 3; ++column)
            grid->setItem(static_cast<int>(row), column,
                          new QTableWidgetItem(QString::fromStdString(*cells[static_cast<std::size_t>(column)])));
    }
}

}  // namespace hexlume
