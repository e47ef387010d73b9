#pragma once

#include <QPlainTextEdit>

#include <cstdint>
#include <functional>
#include <optional>

namespace hexlume {

// A memo of the dump pane. Each memo is exactly as tall as its lines and the pane scrolls the
// whole stack, so a memo never scrolls its own text: its bytes would stand beside the wrong line
// numbers. Its viewport reaches past its edges (clipped there), so every line fits and there is
// nothing for the keyboard or a dragged selection to scroll to; the wheel goes to the pane.
//
// It also knows which byte of its region stands under the pointer (sixteen "XX  " groups to a
// line), shows a tooltip for it, reports clicks on bytes, and draws marks and a highlight over
// byte ranges without touching its text.
class DumpMemo : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit DumpMemo(QWidget* parent = nullptr);

    // The byte of the region at a point of the viewport; nullopt off the byte groups.
    std::optional<std::uint64_t> ByteAt(QPoint viewportPoint) const;
    // The rectangle of the memo (its own coordinates) that the bytes [first, end) cover.
    QRect BytesRect(std::uint64_t first, std::uint64_t end) const;

    // Text for the tooltip of a byte; an empty text shows none.
    void SetByteToolTip(std::function<QString(std::uint64_t byte)> text) { m_toolTip = std::move(text); }
    // Commands its popup menu offers after the text's own (copy, select all).
    void SetMenuActions(QList<QAction*> actions) { m_menuActions = std::move(actions); }
    void AddMenuAction(QAction* action) { m_menuActions << action; }
    // Wavy underlines (or any other format) over byte ranges, kept until replaced.
    void SetMarks(QList<QTextEdit::ExtraSelection> marks);
    void SetHighlight(std::optional<std::pair<std::uint64_t, std::uint64_t>> bytes);
    QTextEdit::ExtraSelection Over(std::uint64_t first, std::uint64_t end, const QTextCharFormat& format) const;

signals:
    void ByteClicked(std::uint64_t byte);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void ApplySelections();

    std::function<QString(std::uint64_t)> m_toolTip;
    QList<QTextEdit::ExtraSelection> m_marks;
    QList<QTextEdit::ExtraSelection> m_highlight;
    QList<QAction*> m_menuActions;
};

}  // namespace hexlume
