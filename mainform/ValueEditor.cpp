#include "ValueEditor.h"

#include "FileDocument.h"
#include "format/FieldValue.h"
#include "format/NumberText.h"
#include "primitives/LittleEndian.h"
#include "texts/InspectionTexts.h"
#include "widgets/QtText.h"
#include "widgets/Translation.h"

#include <QAbstractItemView>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace hexlume {

ValueEditor::ValueEditor(QAbstractItemView* view, ValueCell valueCell, Resolve resolve)
    : QStyledItemDelegate(view), m_view(view), m_valueCell(std::move(valueCell)), m_resolve(std::move(resolve)),
      m_problem(new QLabel(view->viewport()))
{
    m_problem->setObjectName(QStringLiteral("lblValueProblem"));
    m_problem->setAutoFillBackground(true);
    QPalette palette = m_problem->palette();
    palette.setColor(QPalette::Window, QColor(0xFF, 0xE8, 0xE8));
    palette.setColor(QPalette::WindowText, QColor(0xC0, 0x00, 0x00));
    m_problem->setPalette(palette);
    m_problem->setMargin(2);
    m_problem->hide();
    view->setItemDelegate(this);
    view->installEventFilter(this);
    connect(view, &QAbstractItemView::doubleClicked, this, &ValueEditor::Open);
    connect(this, &QAbstractItemDelegate::closeEditor, m_problem, &QWidget::hide);
    // A refusal speaks of its cell: it goes when another is chosen.
    connect(view->selectionModel(), &QItemSelectionModel::currentChanged, m_problem, &QWidget::hide);
}

bool ValueEditor::Open(const QModelIndex& index)
{
    m_problem->hide();
    const QModelIndex cell = m_valueCell(index);
    if (!cell.isValid() || m_document == nullptr || !m_document->HasFile())
        return false;
    const std::optional<EditTarget> target = m_resolve(cell);
    if (!target)
        return false;
    if (!target->refusal.Empty()) {
        Say(hexlume::Say(target->refusal), m_view->visualRect(cell));
        return false;
    }
    m_target = *target;
    m_view->setCurrentIndex(cell);
    m_view->edit(cell);
    return m_editor != nullptr;
}

QWidget* ValueEditor::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const
{
    auto* editor = new QLineEdit(parent);
    editor->setObjectName(QStringLiteral("edtValue"));
    editor->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_editor = editor;
    return editor;
}

void ValueEditor::setEditorData(QWidget* editor, const QModelIndex&) const
{
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (line == nullptr || m_document == nullptr || !m_document->HasFile())
        return;
    // The value as the document holds it now, as the tables show it: what the user sees is what he types.
    const std::uint64_t size = m_target.type ? format::TypeSize(*m_target.type) : 3;
    std::vector<std::uint8_t> bytes(size);
    m_document->Bytes().Read(m_target.offset, bytes);
    const std::uint64_t stored = LeAt(bytes, 0, static_cast<std::uint32_t>(size));
    line->setText(m_target.type ? FromUtf8(format::HexDigits(stored, static_cast<int>(size) * 2))
                                : FromUtf8(ColorText(static_cast<format::Argb>(stored), false)));
    line->selectAll();
    line->setToolTip(m_target.type ? tr("Hex digits as shown, 0x and hex, or decimal with a sign or a trailing dot "
                                        "(64.); Enter writes, Escape cancels.")
                                   : tr("A colour as #RRGGBB; Enter writes, Escape cancels."));
}

// The document changes only on Enter or when the editor loses focus (Commit), never through the model.
void ValueEditor::setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const {}

ValueEditor::Bytes ValueEditor::BytesFor(const QString& text) const
{
    const std::string typed = text.toStdString();
    if (!m_target.type) {
        format::ParsedEntryColor color = format::ParseEntryColor(typed, m_target.name);
        if (!color.bytes)
            return {{}, hexlume::Say(color.error).toStdString()};
        return {{color.bytes->begin(), color.bytes->end()}, {}};
    }
    format::ParsedFieldValue value =
        format::ParseFieldValue(typed, m_target.name, *m_target.type, format::ValueNotation::Cell);
    if (!value.stored)
        return {{}, hexlume::Say(value.error).toStdString()};
    return {format::FieldValueBytes(*value.stored, *m_target.type), {}};
}

void ValueEditor::Commit(QLineEdit* editor, bool stay)
{
    const Bytes bytes = BytesFor(editor->text());
    if (!bytes.error.empty() && stay) {
        Say(FromUtf8(bytes.error), editor->geometry());
        return;
    }
    const EditTarget target = m_target;
    // Closed first: the write rebuilds the views, and the editor must not stand in one being rebuilt.
    emit closeEditor(editor, QAbstractItemDelegate::NoHint);
    if (bytes.error.empty() && m_document != nullptr)
        m_document->Write(target.offset, bytes.bytes);
}

void ValueEditor::Say(const QString& sentence, const QRect& below)
{
    m_problem->setText(sentence);
    m_problem->adjustSize();
    const int room = m_view->viewport()->width() - m_problem->width();
    m_problem->move(std::max(0, std::min(below.left(), room)), below.bottom() + 1);
    m_problem->show();
    m_problem->raise();
}

bool ValueEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_view) {
        if (event->type() != QEvent::KeyPress || (m_editor != nullptr && m_editor->isVisible()))
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_F2 && key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        Open(m_view->currentIndex());
        return true;
    }
    auto* editor = qobject_cast<QLineEdit*>(watched);
    if (editor == nullptr)
        return QStyledItemDelegate::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: Commit(editor, true); return true;
        case Qt::Key_Escape: emit closeEditor(editor, QAbstractItemDelegate::RevertModelCache); return true;
        default: return false;
        }
    }
    // Leaving the cell writes a value that fits and drops one that does not; a popup (the line's
    // own menu) or another window taking the focus leaves the editor open.
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason && editor->isVisible())
            Commit(editor, false);
        return false;
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}

}  // namespace hexlume
