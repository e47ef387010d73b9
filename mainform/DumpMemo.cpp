#include "DumpMemo.h"

#include <QCoreApplication>
#include <QWheelEvent>

namespace hexlume {

namespace {

// Room past the bottom and right edges: more than the trailing empty line a text ending in a
// line break has, and more than the two blanks closing a sixteen-byte line that a 500-pixel memo
// does not show.
constexpr int kViewportSlack = 64;

}  // namespace

DumpMemo::DumpMemo(QWidget* parent) : QPlainTextEdit(parent)
{
    setViewportMargins(0, 0, -kViewportSlack, -kViewportSlack);
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

}  // namespace hexlume
