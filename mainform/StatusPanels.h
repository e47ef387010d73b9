#pragma once

#include "texts/StatusTexts.h"

#include <array>
#include <string>

class QLabel;
class QStatusBar;

namespace hexlume {

// The status bar's three panels: the file's name, its size and its type.
class StatusPanels {
public:
    // Puts the panels on the bar with their captions, in the system's font and the button-text colour.
    explicit StatusPanels(QStatusBar* bar);

    // Each panel an equal share of the bar's width, for the bar's resize.
    void Resize();
    void Show(const StatusLine& texts);

private:
    QStatusBar* m_bar;
    std::array<QLabel*, kStatusPanelCount> m_panels{};
};

}  // namespace hexlume
