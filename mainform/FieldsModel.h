#pragma once

#include "texts/FieldRows.h"

#include <QAbstractItemModel>

#include <vector>

namespace hexlume {

// The Fields window's rows as a model over the built rows: each part of the file at the top
// level, its fields or colour entries under it. The value cells are columns of their own, so an
// editor can take them over.
class FieldsModel : public QAbstractItemModel {
    Q_OBJECT

public:
    enum Column { kName, kOffset, kSize, kType, kHex, kDecimal, kMeaning, kColumnCount };

    explicit FieldsModel(QObject* parent);

    void SetGroups(std::vector<FieldGroup> groups);
    // The row behind an index (a part or one of its rows); null for none.
    const FieldRow* RowAt(const QModelIndex& index) const;
    // The most precise row holding a byte: a field or an entry, else its part; invalid for none.
    QModelIndex IndexOf(std::uint64_t offset) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // A row's value cells take an editor: a field's hex and decimal, a colour entry's colour.
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The cell the editor opens on for any cell of the row: the one clicked when it is a value
    // cell, else the hex (a colour entry: its colour).
    QModelIndex ValueCell(const QModelIndex& index) const;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<FieldGroup> m_groups;
};

}  // namespace hexlume
