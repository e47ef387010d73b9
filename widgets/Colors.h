#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

#include <cstdint>

namespace hexlume {

// Colours are kept as 0x00BBGGRR, red in the low byte.
inline QColor ToQColor(std::uint32_t color)
{
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

inline std::uint32_t FromQColor(const QColor& color)
{
    return static_cast<std::uint32_t>(color.red()) | (static_cast<std::uint32_t>(color.green()) << 8) |
           (static_cast<std::uint32_t>(color.blue()) << 16);
}

// Gives one role of the widget's palette the colour.
inline void SetColor(QWidget* widget, QPalette::ColorRole role, std::uint32_t color)
{
    QPalette palette = widget->palette();
    palette.setColor(role, ToQColor(color));
    widget->setPalette(palette);
}

}  // namespace hexlume
