#include "DumpMemo.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QHelpEvent>
#include <QTextBlock>
#include <QToolTip>
#include <QWheelEvent>

namespace hexlume {

namespace {

// Room past the bottom and right edges: more than the trailing empty line a text ending in a
// line break has, and more than the two blanks closing a sixteen-byte line that a 500-pixel memo
// does not show.
constexpr int kViewportSlack = 64;
constexpr std::uint64_t kBytesPerLine = 16;
constexpr int kCharsPerByte = 4;  // "XX  "
constexpr int kDigitsPerByte = 2;

}  // namespace

DumpMemo::DumpMemo(QWidget* parent) : QPlainTextEdit(parent)
{
    setViewportMargins(0, 0, -kViewportSlack, -kViewportSlack);
    // A dropped file goes to the window, which opens it.
    setAcceptDrops(false);
    viewport()->setAcceptDrops(false);
}

void DumpMemo::wheelEvent(QWheelEvent* event)
{
    // The scroll box holding the stack scrolls instead (Ctrl+wheel would zoom the text here).
    for (QWidget* up = parentWidget(); up != nullptr; up = up->parentWidget()) {
        if (auto* pane = qobject_cast<QAbstractScrollArea*>(up)) {
            QCoreApplication::sendEvent(pane->viewport(), event);
            break;
        }
    }
    event->accept();
}

std::optional<std::uint64_t> DumpMemo::ByteAt(QPoint viewportPoint) const
{
    const QTextBlock line = cursorForPosition(viewportPoint).block();
    const int charWidth = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    if (!line.isValid() || charWidth <= 0 || viewportPoint.x() < 0)
        return std::nullopt;
    const int column = viewportPoint.x() / charWidth;
    if (column >= line.length() - 1 || column / kCharsPerByte >= static_cast<int>(kBytesPerLine))
        return std::nullopt;
    return static_cast<std::uint64_t>(line.blockNumber()) * kBytesPerLine +
           static_cast<std::uint64_t>(column / kCharsPerByte);
}

QTextEdit::ExtraSelection DumpMemo::Over(std::uint64_t first, std::uint64_t end, const QTextCharFormat& format) const
{
    // A byte's position: its line's block, then four characters a byte before it; the range
    // ends after the last byte's two digits.
    const auto position = [this](std::uint64_t byte) {
        const QTextBlock line = document()->findBlockByNumber(static_cast<int>(byte / kBytesPerLine));
        return line.position() + static_cast<int>(byte % kBytesPerLine) * kCharsPerByte;
    };
    QTextEdit::ExtraSelection selection;
    selection.cursor = QTextCursor(document());
    selection.cursor.setPosition(position(first));
    selection.cursor.setPosition(std::min(position(end - 1) + kDigitsPerByte, document()->characterCount() - 1),
                                 QTextCursor::KeepAnchor);
    selection.format = format;
    return selection;
}

QRect DumpMemo::BytesRect(std::uint64_t first, std::uint64_t end) const
{
    const QTextCursor range = Over(first, end, {}).cursor;
    QTextCursor start = range;
    start.setPosition(range.selectionStart());
    QTextCursor stop = range;
    stop.setPosition(range.selectionEnd());
    return cursorRect(start).united(cursorRect(stop)).translated(viewport()->pos());
}

void DumpMemo::SetMarks(QList<QTextEdit::ExtraSelection> marks)
{
    m_marks = std::move(marks);
    ApplySelections();
}

void DumpMemo::SetHighlight(std::optional<std::pair<std::uint64_t, std::uint64_t>> bytes)
{
    m_highlight.clear();
    if (bytes && bytes->first < bytes->second) {
        QTextCharFormat format;
        format.setBackground(palette().color(QPalette::Active, QPalette::Highlight));
        format.setForeground(palette().color(QPalette::Active, QPalette::HighlightedText));
        m_highlight << Over(bytes->first, bytes->second, format);
    }
    ApplySelections();
}

void DumpMemo::ApplySelections()
{
    setExtraSelections(m_marks + m_highlight);
}

void DumpMemo::mouseReleaseEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || textCursor().hasSelection())
        return;  // a dragged selection is not a click on a byte
    if (const auto byte = ByteAt(viewport()->mapFromGlobal(event->globalPosition().toPoint())))
        emit ByteClicked(*byte);
}

void DumpMemo::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu(event->pos());
    menu->setObjectName(QStringLiteral("ppmDump"));
    if (!m_menuActions.isEmpty()) {
        menu->addSeparator();
        menu->addActions(m_menuActions);
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

bool DumpMemo::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QPlainTextEdit::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const auto byte = ByteAt(help->pos());
    const QString text = byte && m_toolTip ? m_toolTip(*byte) : QString();
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), text, viewport());
    }
    return true;
}

}  // namespace hexlume
