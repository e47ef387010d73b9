#pragma once

#include "texts/FieldRows.h"

#include <QWidget>

#include <cstdint>
#include <vector>

class QLabel;
class QTreeView;

namespace hexlume {

class FieldsModel;
class FileDocument;
class ValueEditor;

// Every field of the open file's real layout, part by part in file order, with its value and
// meaning: choosing a row lights its bytes in the main window. Not modal; it belongs to the main
// window and closes with it.
class FieldsWindow : public QWidget {
    Q_OBJECT

public:
    explicit FieldsWindow(QWidget* owner);

    // The same file shown again (a reload) keeps the list's place.
    void ShowFields(const QString& fileName, std::vector<FieldGroup> groups);
    void Clear();
    // What the window says below the list about the chosen row's bytes, after the row's own words
    // (its columns may be cut where the window is narrow).
    void SetPlaceText(const QString& text);
    // A byte lit elsewhere (the dump, a table, a finding, go-to): its row becomes the chosen one,
    // without lighting anything again.
    void ShowLitByte(std::uint64_t offset);
    // The document the value cells write to; none: they open no editor.
    void SetDocument(FileDocument* document);
    ValueEditor* Editor() const { return m_editor; }

signals:
    void FieldChosen(std::uint64_t offset, std::uint64_t size);

private:
    void ChooseSelected();

    FieldsModel* m_model;
    QTreeView* m_view;
    QLabel* m_place;
    ValueEditor* m_editor = nullptr;  // made after the model: it follows the view's selection
    QString m_chosenTip;  // the chosen row's words, its findings included
    QString m_fileName;  // of the file shown, or shown last before a Clear
    int m_keptScroll = 0;
    bool m_following = false;  // selecting a row for a byte lit elsewhere
};

}  // namespace hexlume
