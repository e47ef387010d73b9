#pragma once

#include "model/ByteSearch.h"
#include "texts/DumpPane.h"

#include <QObject>

#include <array>
#include <cstdint>
#include <optional>

class QAction;
class QScrollArea;
class QWidget;

namespace hexlume {

class DumpInspector;
class DumpMemo;
class DumpQueryDialog;
class HexDumpView;

// Moving about the dump: go to an offset (Ctrl+G), find bytes or text (Ctrl+F, F3, Shift+F3),
// a page up or down, the top and the end (Ctrl+Home, Ctrl+End). Every byte of the file is in
// reach: past the dump's cut, the pixel-data memo shows a window of the data around it. The keys
// work anywhere in the window; the dump's popup menu offers the same.
class DumpNavigator : public QObject {
    Q_OBJECT

public:
    DumpNavigator(QWidget* window, DumpInspector* inspector, HexDumpView* dump, QScrollArea* pane,
                  const std::array<DumpMemo*, kMemoCount>& memos);

    void OpenGoTo();
    void OpenFind();
    // Goes to the offset typed as the go-to window reads it; returns what went wrong ("" when
    // the byte is lit).
    QString GoTo(const QString& typed);
    // Finds the next (1) or previous (-1) match of the find window's pattern; returns what the
    // find window says about it.
    QString Find(int direction);
    void ToTop();
    void ToEnd();
    void Page(int direction);

signals:
    // A go-to or find lit this byte: the Picture window says which pixel it draws.
    void Reached(std::uint64_t offset);

private:
    void AnswerGoTo();
    // fromDialog: the find window asked, with what it holds now; else a key asked again.
    void AnswerFind(int direction, bool fromDialog);
    // A word for the user when no find window shows it: beside the pane, briefly.
    void Note(const QString& sentence);
    QAction* AddAction(const QString& name, const QString& text, const QKeySequence& keys);

    QWidget* m_window;
    DumpInspector* m_inspector;
    HexDumpView* m_dump;
    QScrollArea* m_pane;
    DumpQueryDialog* m_goTo;
    DumpQueryDialog* m_find;
    QList<QAction*> m_actions;
    std::optional<BytePattern> m_pattern;  // the last pattern found with, for F3
    bool m_lastFoundLit = false;
};

}  // namespace hexlume
