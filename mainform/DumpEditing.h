#pragma once

#include "texts/DumpPane.h"

#include <QDialog>
#include <QObject>

#include <array>
#include <cstdint>
#include <optional>

class QAction;
class QLabel;
class QLineEdit;

namespace hexlume {

class DumpInspector;
class DumpMemo;
class FileDocument;

// The small window of "Set file size…": the size now, a line for the new one (decimal or 0x),
// and a red line saying why a size is refused; it stays open until a size is taken.
class FileSizeDialog : public QDialog {
    Q_OBJECT

public:
    explicit FileSizeDialog(QWidget* parent);

    void Open(std::uint64_t currentSize);
    QString Text() const;
    void Refuse(const QString& sentence);

signals:
    void Asked();

private:
    QLabel* m_current;
    QLineEdit* m_size;
    QLabel* m_problem;
};

// Changing the dump's bytes, as hex editors do: hex digits typed at the caret (the first lit
// byte) overwrite it, two digits a byte, and the caret moves on to the next byte; a run of typed
// bytes is one undo step until Escape or the caret moving elsewhere ends it. The arrow keys,
// Home and End move the caret as hex editors do. Typing stays inside
// the file's bytes: its size changes only through "Set file size…" in the dump's popup menu.
class DumpEditing : public QObject {
    Q_OBJECT

public:
    DumpEditing(QWidget* window, DumpInspector* inspector, const std::array<DumpMemo*, kMemoCount>& memos);

    void SetDocument(FileDocument* document) { m_document = document; }
    // One hex digit typed at the caret (0 to 15); false when no byte takes it.
    bool Type(int digit);
    void EndRun();
    void OpenFileSize();
    // Cuts or extends the document to the typed size; returns why not ("" when done).
    QString SetFileSize(const QString& typed);
    QAction* FileSizeAction() const { return m_fileSize; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Run {
        std::uint64_t at = 0;      // the byte the next digit goes to
        bool lowDigit = false;     // its high digit is typed
        bool written = false;      // a Write of the run is done: the next ones join it
    };
    void LightCaret();
    // Where an arrow key, Home or End moves the caret; nullopt for another key or no caret.
    std::optional<std::uint64_t> CaretMovedBy(int key) const;

    DumpInspector* m_inspector;
    FileDocument* m_document = nullptr;
    QAction* m_fileSize;
    FileSizeDialog* m_dialog;
    std::optional<Run> m_run;
    bool m_ownMove = false;  // the caret lit, or the views rebuilt, by the typing itself
};

}  // namespace hexlume
