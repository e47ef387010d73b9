#pragma once

#include "format/Findings.h"
#include "texts/InspectionTexts.h"

#include <QApplication>
#include <QColor>
#include <QIcon>
#include <QStyle>

// How the window shows a severity: its icon, and the tint of the bytes and cells it marks.
namespace hexlume {

inline QIcon SeverityIcon(format::Severity severity)
{
    const QStyle::StandardPixmap pixmap = severity == format::Severity::Error     ? QStyle::SP_MessageBoxCritical
                                          : severity == format::Severity::Warning ? QStyle::SP_MessageBoxWarning
                                                                                  : QStyle::SP_MessageBoxInformation;
    return QApplication::style()->standardIcon(pixmap);
}

// Errors and warnings: light tints under black text: legible whatever colour the scheme gives the tables, and
// unlike the selection's own colour. A changed byte's yellow stays apart from a warning's orange,
// an edited byte's green from both.
inline QColor MarkTint(Mark mark)
{
    switch (mark) {
    case Mark::Error: return {0xFF, 0x8A, 0x8A};
    case Mark::Warning: return {0xFF, 0xB8, 0x4D};
    case Mark::Changed: return {0xFF, 0xF0, 0x6E};
    case Mark::Edited: return {0x9C, 0xE8, 0xB4};  // a green, apart from the reload's yellow
    case Mark::Note:
    case Mark::None: break;
    }
    return {};
}
inline const QColor kMarkText{Qt::black};
// Notes are underlined, not tinted.
inline const QColor kNoteLine{0x20, 0x60, 0xD0};

}  // namespace hexlume
