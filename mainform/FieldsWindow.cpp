#include "FieldsWindow.h"

#include "FieldsModel.h"
#include "ValueEditor.h"
#include "widgets/QtText.h"
#include "widgets/Translation.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QScrollBar>
#include <QTreeView>
#include <QVBoxLayout>

namespace hexlume {

namespace {

// Room for a colour entry's four bytes: a CIEXYZTRIPLE's 36 bytes or a part's first eight would
// push the meanings out of sight, so they are cut there (the column widens by hand).
int WidestHexColumn()
{
    return QFontMetrics(QFontDatabase::systemFont(QFontDatabase::FixedFont))
               .horizontalAdvance(QStringLiteral("00 00 00 00 …")) +
           12;
}

// How much of the meaning column shows at least beside the others.
constexpr int kMeaningRoom = 240;

}  // namespace

FieldsWindow::FieldsWindow(QWidget* owner)
    : QWidget(owner, Qt::Window), m_model(new FieldsModel(this)), m_view(new QTreeView(this)),
      m_place(new QLabel(this))
{
    setObjectName(QStringLiteral("FieldsWindow"));
    setWindowTitle(tr("Fields"));
    resize(820, 560);
    m_view->setObjectName(QStringLiteral("tvwFields"));
    m_view->setModel(m_model);
    m_editor = new ValueEditor(
        m_view, [this](const QModelIndex& index) { return m_model->ValueCell(index); },
        [this](const QModelIndex& cell) -> std::optional<EditTarget> {
            const FieldRow* row = m_model->RowAt(cell);
            return row != nullptr ? std::optional(FieldRowTarget(*row)) : std::nullopt;
        });
    m_view->setUniformRowHeights(true);
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->header()->setStretchLastSection(true);
    m_place->setObjectName(QStringLiteral("lblFieldPlace"));
    m_place->setWordWrap(true);
    m_place->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_place);

    // Chosen rows only: the view makes its first row current on focus, unselected, and that
    // lights nothing.
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this, &FieldsWindow::ChooseSelected);
}

void FieldsWindow::ShowFields(const QString& fileName, std::vector<FieldGroup> groups)
{
    const int scroll = fileName == m_fileName ? m_keptScroll : 0;
    m_fileName = fileName;
    setWindowTitle(tr("Fields — %1").arg(fileName));
    {
        const QSignalBlocker quiet(m_view->selectionModel());
        m_model->SetGroups(std::move(groups));
    }
    m_view->expandAll();
    for (int column = 0; column < FieldsModel::kMeaning; ++column)
        m_view->resizeColumnToContents(column);
    m_view->setColumnWidth(FieldsModel::kHex, std::min(m_view->columnWidth(FieldsModel::kHex), WidestHexColumn()));
    // Every column in sight, the meaning's start too: the window widens when a file's fields
    // need more room than it has, as far as the screen allows.
    int needed = 2 * m_view->frameWidth() + m_view->verticalScrollBar()->sizeHint().width() + kMeaningRoom;
    for (int column = 0; column < FieldsModel::kMeaning; ++column)
        needed += m_view->columnWidth(column);
    needed += layout()->contentsMargins().left() + layout()->contentsMargins().right();
    const QScreen* screen = this->screen();
    if (needed > width())
        resize(screen != nullptr ? std::min(needed, screen->availableGeometry().width()) : needed, height());
    m_view->verticalScrollBar()->setValue(scroll);
    m_chosenTip.clear();
    m_place->setText(tr("Choose a row to light its bytes in the dump."));
}

void FieldsWindow::Clear()
{
    m_keptScroll = m_view->verticalScrollBar()->value();
    const QSignalBlocker quiet(m_view->selectionModel());
    m_model->SetGroups({});
    m_chosenTip.clear();
    m_place->clear();
    setWindowTitle(tr("Fields"));
}

void FieldsWindow::SetPlaceText(const QString& text)
{
    m_place->setText(m_chosenTip.isEmpty() ? text : m_chosenTip + QLatin1Char('\n') + text);
}

void FieldsWindow::ShowLitByte(std::uint64_t offset)
{
    // A row chosen here lit its own bytes: it stays chosen, even where a finer row holds the byte.
    const QModelIndexList chosen = m_view->selectionModel()->selectedRows();
    if (const FieldRow* row = chosen.isEmpty() ? nullptr : m_model->RowAt(chosen.first());
        row != nullptr && offset >= row->offset && offset - row->offset < row->size)
        return;
    const QModelIndex index = m_model->IndexOf(offset);
    if (!index.isValid())
        return;
    const FieldRow* row = m_model->RowAt(index);
    m_following = true;
    m_view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_following = false;
    m_view->scrollTo(index);
    m_chosenTip = Say(row->tip);
    m_place->setText(m_chosenTip);
}

void FieldsWindow::SetDocument(FileDocument* document)
{
    m_editor->SetDocument(document);
}

void FieldsWindow::ChooseSelected()
{
    if (m_following)
        return;
    const QModelIndexList rows = m_view->selectionModel()->selectedRows();
    const FieldRow* row = rows.isEmpty() ? nullptr : m_model->RowAt(rows.first());
    if (row == nullptr)
        return;
    m_chosenTip = Say(row->tip);
    emit FieldChosen(row->offset, row->size);
}

}  // namespace hexlume
