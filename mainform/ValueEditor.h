#pragma once

#include "texts/EditTargets.h"

#include <QPointer>
#include <QStyledItemDelegate>

#include <functional>
#include <optional>

class QAbstractItemView;
class QLabel;
class QLineEdit;

namespace hexlume {

class FileDocument;

// Edits a view's value cells in place: a double-click, F2 or Enter opens a line over the cell,
// holding the value as the tables show it (hex digits); Enter writes it, Escape cancels, and a
// value that does not fit says why on a red line under the editor, which stays open. A committed
// value is one Write of the field's bytes (or of a colour entry's blue, green and red) to the
// document, so one undo step.
class ValueEditor : public QStyledItemDelegate {
    Q_OBJECT

public:
    // The cell that holds a row's value, for any cell of the row; invalid where the row has none.
    using ValueCell = std::function<QModelIndex(const QModelIndex&)>;
    // What a value cell edits; nullopt where nothing does.
    using Resolve = std::function<std::optional<EditTarget>(const QModelIndex&)>;

    ValueEditor(QAbstractItemView* view, ValueCell valueCell, Resolve resolve);

    void SetDocument(FileDocument* document) { m_document = document; }
    // Opens the editor on the value cell of `index`'s row, or says why it cannot; false then.
    bool Open(const QModelIndex& index);
    // The line saying why a value or a cell was refused; hidden while there is nothing to say.
    QLabel* ProblemLine() const { return m_problem; }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Bytes {
        std::vector<std::uint8_t> bytes;
        std::string error;
    };
    Bytes BytesFor(const QString& text) const;
    // Writes the editor's value and closes it; a value that does not fit keeps it open when `stay`.
    void Commit(QLineEdit* editor, bool stay);
    void Say(const QString& sentence, const QRect& below);

    QAbstractItemView* m_view;
    ValueCell m_valueCell;
    Resolve m_resolve;
    FileDocument* m_document = nullptr;
    QLabel* m_problem;
    EditTarget m_target;  // of the open editor
    mutable QPointer<QLineEdit> m_editor;  // the one open editor, for its sentences
};

}  // namespace hexlume
