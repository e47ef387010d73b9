#pragma once

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

namespace hexlume {

// Whether the event completes a left click on the watched widget: the left button let go over
// the widget (a press dragged away and let go elsewhere is no click).
inline bool IsLeftClick(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const auto* widget = qobject_cast<QWidget*>(watched);
    return mouse->button() == Qt::LeftButton && widget != nullptr &&
           widget->rect().contains(mouse->position().toPoint());
}

// A button drawn as two stacked images: the normal one, or the hover one, never both.
inline void ShowHoverPair(QWidget* normal, QWidget* hover, bool hovering)
{
    normal->setVisible(!hovering);
    hover->setVisible(hovering);
}

}  // namespace hexlume
