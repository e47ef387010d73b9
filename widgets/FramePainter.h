#pragma once

#include "Colors.h"
#include "WindowFrame.h"

#include <QPainter>
#include <QWidget>

namespace hexlume {

// Paints the borderless window's own frame on its surface (children that cover an edge hide it).
inline void PaintWindowFrame(QWidget* window, std::uint32_t shadowColor)
{
    QPainter painter(window);
    for (const FrameLine& line : WindowFrameLines(window->width(), window->height(), shadowColor))
        painter.fillRect(line.x, line.y, line.width, line.height, ToQColor(line.color));
}

}  // namespace hexlume
