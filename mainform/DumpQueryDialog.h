#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace hexlume {

// The small window of go-to and find, as desktop tools have them: a line to type in, Enter for
// the main button (go, or find the next), Escape to close, and a line under it that says what
// was wrong or what was found. It stays open until closed, so a mistake can be mended in place.
class DumpQueryDialog : public QDialog {
    Q_OBJECT

public:
    enum class Mode { GoTo, Find };
    DumpQueryDialog(Mode mode, QWidget* parent);

    QString Text() const;
    bool FindsText() const;  // find: the typed text's own bytes rather than hex bytes
    // Shows a sentence under the line; an error asks for a mend and keeps the typed text chosen.
    void Say(const QString& sentence, bool error);
    void Open();

signals:
    // Go (direction 1), or find the next (1) or previous (-1).
    void Asked(int direction);

private:
    void PlaceBesideOwner();

    QLineEdit* m_text;
    QComboBox* m_kind = nullptr;
    QLabel* m_message;
    bool m_placed = false;
};

}  // namespace hexlume
