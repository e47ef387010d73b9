#include "FieldsModel.h"

#include "SeverityLook.h"
#include "widgets/QtText.h"
#include "widgets/Translation.h"

#include <QFontDatabase>

#include <algorithm>
#include <iterator>

namespace hexlume {

namespace {

// A child's internal id is its group's number plus one; a part's is 0.
constexpr quintptr kPartId = 0;

std::optional<format::Severity> SeverityOf(Mark mark)
{
    switch (mark) {
    case Mark::Error: return format::Severity::Error;
    case Mark::Warning: return format::Severity::Warning;
    case Mark::Note: return format::Severity::Note;
    case Mark::Changed:
    case Mark::Edited:
    case Mark::None: break;
    }
    return std::nullopt;
}

QString CellText(const FieldRow& row, int column)
{
    switch (column) {
    case FieldsModel::kName: return Say(row.name);
    case FieldsModel::kOffset: return FromUtf8(row.offsetText);
    case FieldsModel::kSize: return FromUtf8(row.sizeText);
    case FieldsModel::kType: return FromUtf8(row.type);
    case FieldsModel::kHex: return FromUtf8(row.hex);
    case FieldsModel::kDecimal: return FromUtf8(row.decimal);
    case FieldsModel::kMeaning: return Say(row.meaning);
    default: return {};
    }
}

bool IsValueColumn(int column)
{
    return column == FieldsModel::kHex || column == FieldsModel::kDecimal;
}

}  // namespace

FieldsModel::FieldsModel(QObject* parent) : QAbstractItemModel(parent) {}

void FieldsModel::SetGroups(std::vector<FieldGroup> groups)
{
    beginResetModel();
    m_groups = std::move(groups);
    endResetModel();
}

const FieldRow* FieldsModel::RowAt(const QModelIndex& index) const
{
    if (!index.isValid())
        return nullptr;
    if (index.internalId() == kPartId)
        return &m_groups.at(static_cast<std::size_t>(index.row())).part;
    return &m_groups.at(index.internalId() - 1).rows.at(static_cast<std::size_t>(index.row()));
}

QModelIndex FieldsModel::IndexOf(std::uint64_t offset) const
{
    // Parts and their rows are in file order: the last one starting at or before the byte.
    const auto holds = [offset](const FieldRow& row) { return offset >= row.offset && offset - row.offset < row.size; };
    const auto group = std::upper_bound(m_groups.begin(), m_groups.end(), offset,
                                        [](std::uint64_t at, const FieldGroup& each) { return at < each.part.offset; });
    if (group == m_groups.begin() || !holds(std::prev(group)->part))
        return {};
    const auto part = static_cast<int>(std::prev(group) - m_groups.begin());
    const std::vector<FieldRow>& rows = std::prev(group)->rows;
    const auto row = std::upper_bound(rows.begin(), rows.end(), offset,
                                      [](std::uint64_t at, const FieldRow& each) { return at < each.offset; });
    if (row != rows.begin() && holds(*std::prev(row)))
        return index(static_cast<int>(std::prev(row) - rows.begin()), 0, index(part, 0));
    return index(part, 0);
}

QModelIndex FieldsModel::index(int row, int column, const QModelIndex& parent) const
{
    if (!hasIndex(row, column, parent))
        return {};
    return createIndex(row, column, parent.isValid() ? static_cast<quintptr>(parent.row()) + 1 : kPartId);
}

QModelIndex FieldsModel::parent(const QModelIndex& child) const
{
    if (!child.isValid() || child.internalId() == kPartId)
        return {};
    return createIndex(static_cast<int>(child.internalId() - 1), 0, kPartId);
}

int FieldsModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return static_cast<int>(m_groups.size());
    if (parent.internalId() != kPartId || parent.column() != 0)
        return 0;
    return static_cast<int>(m_groups.at(static_cast<std::size_t>(parent.row())).rows.size());
}

int FieldsModel::columnCount(const QModelIndex&) const
{
    return kColumnCount;
}

QVariant FieldsModel::data(const QModelIndex& index, int role) const
{
    const FieldRow* row = RowAt(index);
    if (row == nullptr)
        return {};
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole: return CellText(*row, column);
    case Qt::ToolTipRole: return Say(row->tip);
    case Qt::DecorationRole:
        if (column == kName)
            if (const std::optional<format::Severity> severity = SeverityOf(row->mark))
                return SeverityIcon(*severity);
        if (column == kMeaning && row->color)
            return QColor::fromRgb(*row->color & 0xFFFFFF);
        return {};
    // The value cells take a finding's tint, as the header tables' cells do.
    case Qt::BackgroundRole:
        return IsValueColumn(column) && MarkTint(row->mark).isValid() ? QVariant(MarkTint(row->mark)) : QVariant();
    case Qt::ForegroundRole:
        return IsValueColumn(column) && MarkTint(row->mark).isValid() ? QVariant(kMarkText) : QVariant();
    case Qt::FontRole:
        return column == kHex ? QVariant(QFontDatabase::systemFont(QFontDatabase::FixedFont)) : QVariant();
    case Qt::TextAlignmentRole:
        return column == kSize || column == kDecimal ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    default: return {};
    }
}

Qt::ItemFlags FieldsModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags flags = QAbstractItemModel::flags(index);
    const FieldRow* row = RowAt(index);
    if (row == nullptr || index != ValueCell(index))
        return flags;
    return flags | Qt::ItemIsEditable;
}

QModelIndex FieldsModel::ValueCell(const QModelIndex& index) const
{
    const FieldRow* row = RowAt(index);
    if (row == nullptr)
        return {};
    if (row->color)
        return index.siblingAtColumn(kMeaning);
    return index.siblingAtColumn(IsValueColumn(index.column()) ? index.column() : kHex);
}

QVariant FieldsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case kName: return tr("Name");
    case kOffset: return tr("Offset");
    case kSize: return tr("Size");
    case kType: return tr("Type");
    case kHex: return tr("Hex");
    case kDecimal: return tr("Decimal");
    case kMeaning: return tr("Meaning");
    default: return {};
    }
}

}  // namespace hexlume
