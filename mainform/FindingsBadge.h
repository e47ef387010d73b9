#pragma once

#include "texts/FindingsTexts.h"

#include <QWidget>

namespace hexlume {

// The findings at a glance, beside the window's buttons: the worst severity's icon and the
// counts. A click opens the list.
class FindingsBadge : public QWidget {
    Q_OBJECT

public:
    explicit FindingsBadge(QWidget* parent);

    // firstFinding: the tooltip's opening line ("" when there are none); dumpLimited: the dump
    // cannot show all of the file as it is, which the list says below its rows.
    void Show(const FindingCounts& counts, const QString& firstFinding, bool dumpLimited);
    QString Text() const { return m_text; }

signals:
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QIcon m_icon;
    QString m_text;
};

}  // namespace hexlume
