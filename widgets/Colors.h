#pragma once

#include <QColor>

#include <cstdint>

namespace hexlume {

// Colours are kept as 0x00BBGGRR, red in the low byte.
inline QColor ToQColor(std::uint32_t color)
{
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

}  // namespace hexlume
