#include "StatusPanels.h"

#include "widgets/QtText.h"
#include "widgets/Translation.h"

#include <QApplication>
#include <QLabel>
#include <QStatusBar>

namespace hexlume {

StatusPanels::StatusPanels(QStatusBar* bar) : m_bar(bar)
{
    // The bar uses the system's font in the button-text colour, not the window's font.
    m_bar->setFont(QApplication::font());
    QPalette palette = m_bar->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::ButtonText));
    m_bar->setPalette(palette);
    for (std::size_t panel = 0; panel < m_panels.size(); ++panel) {
        m_panels[panel] = new QLabel(Say(kStatusCaptions[panel]), m_bar);
        m_panels[panel]->setObjectName(QStringLiteral("stbMainPanel%1").arg(panel));
    }
    Resize();
}

void StatusPanels::Resize()
{
    // Placed by hand, not by the bar's layout: that one adds a margin and a pixel between panels,
    // and each panel must start where the one before it ends.
    const int width = StatusPanelWidth(m_bar->width(), static_cast<int>(m_panels.size()));
    for (std::size_t panel = 0; panel < m_panels.size(); ++panel) {
        m_panels[panel]->setFixedWidth(width);
        m_panels[panel]->move(static_cast<int>(panel) * width, 0);
        m_panels[panel]->setFixedHeight(m_bar->height());
    }
}

void StatusPanels::Show(const StatusLine& texts)
{
    for (std::size_t panel = 0; panel < texts.size(); ++panel)
        m_panels[panel]->setText(Say(texts[panel]));
}

}  // namespace hexlume
