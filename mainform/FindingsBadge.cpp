#include "FindingsBadge.h"

#include "SeverityLook.h"
#include "widgets/QtText.h"
#include "widgets/Translation.h"
#include "widgets/WindowFrame.h"
#include "widgets/Colors.h"

#include <QMouseEvent>
#include <QPainter>

namespace hexlume {

namespace {

constexpr int kIconSize = 14;
constexpr int kPadding = 3;
constexpr int kSmallestPixelSize = 7;

}  // namespace

FindingsBadge::FindingsBadge(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("lblFindings"));
    setCursor(Qt::PointingHandCursor);
    setFont(QApplication::font());
    hide();
}

void FindingsBadge::Show(const FindingCounts& counts, const QString& firstFinding, bool dumpLimited)
{
    m_text = Say(FindingCountsText(counts));
    const std::optional<format::Severity> worst = WorstSeverity(counts);
    m_icon = worst ? SeverityIcon(*worst) : style()->standardIcon(QStyle::SP_DialogApplyButton);
    setAccessibleName(m_text);
    QString tip = firstFinding.isEmpty() ? tr("The checker finds nothing wrong or worth noting in this file.")
                                         : firstFinding + tr("\n\nClick or press F8 for the list of findings.");
    if (dumpLimited)
        tip += tr("\n\nThe dump does not show all of this file as it is; the list (click, or F8) says what it "
                  "leaves out, apart from the findings.");
    setToolTip(tip);
    show();
    update();
}

void FindingsBadge::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Dark, as the buttons beside it, so it reads the same on every colour scheme.
    painter.setPen(Qt::NoPen);
    painter.setBrush(ToQColor(kFrameDark));
    painter.drawRoundedRect(rect(), 4, 4);
    const int iconTop = (height() - kIconSize) / 2;
    m_icon.paint(&painter, kPadding, iconTop, kIconSize, kIconSize);

    // The whole count must show: the font shrinks until it fits.
    const QRect textArea = rect().adjusted(kPadding + kIconSize + kPadding, 0, -kPadding, 0);
    QFont font = this->font();
    int pixelSize = QFontInfo(font).pixelSize();
    font.setPixelSize(pixelSize);
    while (pixelSize > kSmallestPixelSize && QFontMetrics(font).horizontalAdvance(m_text) > textArea.width())
        font.setPixelSize(--pixelSize);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(textArea, Qt::AlignVCenter | Qt::AlignLeft, m_text);
}

// Taken here: on the window's surface a press would start moving the window.
void FindingsBadge::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void FindingsBadge::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Clicked();
    event->accept();
}

}  // namespace hexlume
