#pragma once

#include "texts/HeaderTexts.h"
#include "texts/ShownImage.h"

#include <span>
#include <string>

class QTableWidget;

namespace hexlume {

// The cells of the two header tables (sgdFileHeader, sgdInfoHeader), written from texts/HeaderTexts.h.

// The heading row, and the look every table cell has.
void WriteGridTitles(QTableWidget* grid);
// The name and type columns, and the column widths.
void WriteGridKeys(QTableWidget* grid, std::span<const HeaderField> fields);
// The value column, a row for each text.
void WriteGridValues(QTableWidget* grid, std::span<const std::string> values);
// A file's own fields: as many rows as it has, each with its name, type and value.
void WriteGridRows(QTableWidget* grid, std::span<const TableRow> rows);

}  // namespace hexlume
