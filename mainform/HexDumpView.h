#pragma once

#include "model/Dib.h"
#include "texts/DumpPane.h"

#include <QString>

#include <array>
#include <string>

class QAction;
class QLabel;
class QPlainTextEdit;
class QScrollArea;
class QWidget;

namespace hexlume {

class Platform;

// The hex dump pane: the four memos stacked in the scroll box, their line numbers, and the
// export of the whole pixel data when the stack is too tall to hold it.
class HexDumpView {
public:
    struct Widgets {
        std::array<QPlainTextEdit*, kMemoCount> memos{};  // in memo order (pane/PaneLayout.h)
        QPlainTextEdit* numbers = nullptr;
        QScrollArea* box = nullptr;  // scrolls `contents`, which holds the memos and the numbers
        QWidget* contents = nullptr;
        QWidget* ruler = nullptr;  // the column ruler above the pane
    };
    // lineHeight: the pixels of one memo line. Dialogs and messages sit over `window`.
    HexDumpView(const Widgets& widgets, int lineHeight, Platform& platform, QWidget* window);

    // Before the first load: each memo one line high with its caption, no line numbers.
    void ShowCaptions();
    // The model's dump. reload: the same file read again, so the pane keeps its place (and its
    // window of the data) and asks nothing; otherwise it starts at the top and, for a cut stack,
    // offers the export.
    // `source`: what each memo dumps of the model's bytes.
    void Show(const CDib& model, const DumpSource& source, bool reload);

    // What the pane shows now, for the model last shown.
    const DumpPaneView& Pane() const { return m_pane; }
    int LineHeight() const { return m_lineHeight; }
    // A cut pixel-data memo shows the data's lines from `firstLine` on instead (as far as the
    // data allows), with their line numbers and a note under the pane saying so, which offers
    // `backToTop`. Returns whether the memo's lines moved.
    bool ShowDataWindow(const DumpSource& source, std::uint64_t firstLine);
    void SetBackToTop(QAction* backToTop);

private:
    void ShowWindowNote();
    // Places the numbers and asks about the export first when mayAsk; true when it is wanted.
    bool ShowLineNumbers(const DumpPaneView& pane, bool mayAsk);
    void ExportDataText(const std::string& name, ByteSpan data);

    Widgets m_widgets;
    DumpPaneView m_pane;
    QWidget* m_windowNote;
    QLabel* m_windowNoteText;
    QString m_rulerToolTip;  // the layout's own
    int m_numbersWidth;   // as the layout gives them
    int m_contentsWidth;
    int m_lineHeight;
    Platform& m_platform;
    QWidget* m_window;
};

}  // namespace hexlume
