#pragma once

#include "format/Findings.h"
#include "format/Repair.h"

#include <QWidget>

#include <optional>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QToolButton;
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
    // The repairs the current bytes allow: a safe one marks its finding's row and Fix makes it;
    // a guess is only offered by name, with its sentence. After ShowFindings.
    void ShowRepairs(std::vector<format::Repair> safe, std::vector<format::Repair> guesses);
    void Clear();
    // Chooses the next finding in the list's order (direction 1) or the one before (-1), round
    // the end.
    void Step(int direction);
    // What the window says below the list about the chosen finding's place.
    void SetPlaceText(const QString& text);

signals:
    void FindingChosen(std::size_t finding);  // an index into the findings as given
    void FixAsked(const format::Repair& repair);  // the chosen finding's repair, or a guess by name
    void FixAllAsked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CopySelection() const;
    void ChooseCurrent();
    // The safe repair of the chosen finding, or null.
    const format::Repair* ChosenRepair() const;
    void UpdateFixActions();

    QTreeWidget* m_list;
    QLabel* m_place;
    QLabel* m_limits;
    QAction* m_fix;
    QAction* m_fixAll;
    QToolButton* m_guessButton;
    QMenu* m_guessMenu;
    std::vector<format::Finding> m_findings;
    std::vector<format::Repair> m_safe;
    std::vector<format::Repair> m_guesses;
};

}  // namespace hexlume
