#pragma once

#include <QPlainTextEdit>

namespace hexlume {

// A memo of the dump pane. Each memo is exactly as tall as its lines and the pane scrolls the
// whole stack, so a memo never scrolls its own text: its bytes would stand beside the wrong line
// numbers. Its viewport reaches past its edges (clipped there), so every line fits and there is
// nothing for the keyboard or a dragged selection to scroll to; the wheel goes to the pane.
class DumpMemo : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit DumpMemo(QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;
};

}  // namespace hexlume
