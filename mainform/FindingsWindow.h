#pragma once

#include "format/Findings.h"

#include <QWidget>

#include <optional>
#include <string>
#include <vector>

class QLabel;
class QTreeWidget;

namespace hexlume {

// The open file's findings, a row each, errors first: choosing one shows its bytes in the main
// window. Not modal; it belongs to the main window and closes with it.
class FindingsWindow : public QWidget {
    Q_OBJECT

public:
    explicit FindingsWindow(QWidget* owner);

    // where: for each finding, its dump line or why the dump does not show it; dumpLimits: what
    // the dump cannot show as the file has it, said below the list and not counted among the findings.
    void ShowFindings(const QString& fileName, std::vector<format::Finding> findings, std::vector<std::string> where,
                      const QStringList& dumpLimits);
    void Clear();
    // Chooses the next finding in the list's order (direction 1) or the one before (-1), round
    // the end.
    void Step(int direction);
    // What the window says below the list about the chosen finding's place.
    void SetPlaceText(const QString& text);

signals:
    void FindingChosen(std::size_t finding);  // an index into the findings as given

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CopySelection() const;
    void ChooseCurrent();

    QTreeWidget* m_list;
    QLabel* m_place;
    QLabel* m_limits;
    std::vector<format::Finding> m_findings;
};

}  // namespace hexlume
