#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace hexlume {

inline QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Memo texts break lines with CR LF; a Qt text widget wants one LF.
inline QString MemoDisplayText(std::string_view text)
{
    QString display = FromUtf8(text);
    display.remove(QLatin1Char('\r'));
    return display;
}

}  // namespace hexlume
