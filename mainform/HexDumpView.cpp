#include "HexDumpView.h"

#include "BusyCursor.h"
#include "format/NumberText.h"
#include "texts/RegionText.h"
#include "io/ExportWriter.h"
#include "platform/Platform.h"
#include "texts/FileNamePart.h"
#include "widgets/Colors.h"
#include "widgets/QtText.h"
#include "widgets/Translation.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

namespace hexlume {

namespace {

int WidgetLength(std::int64_t pixels)
{
    return static_cast<int>(std::clamp<std::int64_t>(pixels, 0, QWIDGETSIZE_MAX));
}

// Puts a widget at the given top within its parent and gives it the height; left and width stay.
void Place(QWidget* widget, std::int64_t top, std::int64_t height)
{
    widget->setGeometry(widget->x(), WidgetLength(top), widget->width(), WidgetLength(height));
}

void ConfigureMemo(QPlainTextEdit* memo)
{
    memo->document()->setDocumentMargin(0);
    memo->setContentsMargins(0, 0, 0, 0);
    memo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

}  // namespace

HexDumpView::HexDumpView(const Widgets& widgets, int lineHeight, Platform& platform, QWidget* window)
    : m_widgets(widgets), m_windowNote(new QWidget(widgets.box)), m_windowNoteText(new QLabel(m_windowNote)),
      m_rulerToolTip(widgets.ruler != nullptr ? widgets.ruler->toolTip() : QString()),
      m_numbersWidth(widgets.numbers->width()), m_contentsWidth(widgets.contents->width()), m_lineHeight(lineHeight),
      m_platform(platform), m_window(window)
{
    // Over the pane's lower edge, outside the scrolled stack, so it stays while the stack scrolls;
    // the stack grows by its height so that no line has to stay under it.
    m_windowNote->setObjectName(QStringLiteral("pnlDataWindow"));
    m_windowNote->setAutoFillBackground(true);
    // A tooltip's colours: readable over whatever colour the window rolled.
    QPalette note = m_windowNote->palette();
    note.setColor(QPalette::Window, note.color(QPalette::ToolTipBase));
    note.setColor(QPalette::WindowText, note.color(QPalette::ToolTipText));
    note.setColor(QPalette::ButtonText, note.color(QPalette::ToolTipText));
    m_windowNote->setPalette(note);
    m_windowNote->setFont(QApplication::font());
    m_windowNoteText->setObjectName(QStringLiteral("lblDataWindow"));
    auto* row = new QHBoxLayout(m_windowNote);
    row->setContentsMargins(4, 0, 4, 0);
    row->addWidget(m_windowNoteText, 1);
    m_windowNote->hide();
}

void HexDumpView::SetBackToTop(QAction* backToTop)
{
    auto* button = new QToolButton(m_windowNote);
    button->setObjectName(QStringLiteral("btnBackToTop"));
    button->setDefaultAction(backToTop);
    button->setAutoRaise(true);
    m_windowNote->layout()->addWidget(button);
}

void HexDumpView::ShowCaptions()
{
    std::int64_t top = 0;
    for (std::size_t memo = 0; memo < kMemoCount; ++memo) {
        ConfigureMemo(m_widgets.memos[memo]);
        m_widgets.memos[memo]->setPlainText(Say(kMemoCaptions[memo]));
        Place(m_widgets.memos[memo], top, m_lineHeight);
        top += m_lineHeight;
    }
    ConfigureMemo(m_widgets.numbers);
    m_widgets.numbers->setPlainText(QString());
}

void HexDumpView::Show(const CDib& model, const DumpSource& source, bool reload)
{
    if (!reload) {
        m_widgets.box->verticalScrollBar()->setValue(0);
        m_widgets.box->horizontalScrollBar()->setValue(0);
    }

    // A reload keeps the window of the data it had, as far as the new version reaches.
    const std::uint64_t window = reload ? m_pane.memos[kDataMemo].firstLine : 0;
    m_pane = DescribeDumpPane(source, m_lineHeight, window);
    const DumpPaneView& pane = m_pane;
    for (std::size_t index = 0; index < kMemoCount; ++index) {
        const MemoView& view = pane.memos[index];
        QPlainTextEdit* memo = m_widgets.memos[index];
        SetColor(memo, QPalette::Text, view.textColor);
        SetColor(memo, QPalette::Base, kDumpBackgroundColor);
        Place(memo, view.placement.top, view.placement.height);
        memo->setPlainText(view.bytes ? MemoDisplayText(MemoShownText(view)) : Say(view.absentText));
    }
    ShowWindowNote();

    if (ShowLineNumbers(pane, !reload))
        ExportDataText(std::string(NamePart(model.GetFileName())), pane.memos[kDataMemo].bytes.value_or(ByteSpan()));
}

bool HexDumpView::ShowLineNumbers(const DumpPaneView& pane, bool mayAsk)
{
    Place(m_widgets.numbers, 0, m_widgets.numbers->height());
    const bool exportWanted = mayAsk && pane.prompt &&
                              m_platform.AskYesNo(m_window, Say(kTallStackPromptCaption), Say(kTallStackPromptText));
    Place(m_widgets.numbers, 0, pane.numbersHeight);
    m_widgets.numbers->setPlainText(MemoDisplayText(PaneNumbersText(pane)));
    return exportWanted;
}

bool HexDumpView::ShowDataWindow(const DumpSource& source, std::uint64_t firstLine)
{
    const std::uint64_t before = m_pane.memos[kDataMemo].firstLine;
    m_pane = DescribeDumpPane(source, m_lineHeight, firstLine);
    const MemoView& data = m_pane.memos[kDataMemo];
    if (data.firstLine == before)
        return false;
    m_widgets.memos[kDataMemo]->setPlainText(MemoDisplayText(MemoShownText(data)));
    m_widgets.numbers->setPlainText(MemoDisplayText(PaneNumbersText(m_pane)));
    ShowWindowNote();
    return true;
}

void HexDumpView::ShowWindowNote()
{
    const MemoView& data = m_pane.memos[kDataMemo];
    const bool windowed = data.firstLine > 0;
    const MemoPlacement& last = data.placement;
    const std::int64_t stack = std::max(last.top + last.height, m_pane.numbersHeight);
    const int noteHeight = m_lineHeight + 4;
    // The numbers of a window far down may be longer than the column the layout gives them.
    const std::uint64_t lastNumber = windowed ? data.firstLine + m_pane.numbersShown - 1 : 0;
    const int numbersWidth = std::max(m_numbersWidth, m_widgets.numbers->fontMetrics().horizontalAdvance(
                                                          QString::number(lastNumber)) + 2);
    m_widgets.numbers->resize(numbersWidth, m_widgets.numbers->height());
    m_widgets.contents->resize(m_contentsWidth + numbersWidth - m_numbersWidth,
                               WidgetLength(stack + (windowed ? noteHeight : 0)));
    m_windowNote->setVisible(windowed);
    if (m_widgets.ruler != nullptr)
        m_widgets.ruler->setToolTip(m_rulerToolTip);
    if (!windowed)
        return;
    const std::uint64_t above = DataFirstDumpLine(m_pane) - data.firstLine;  // lines of the memos above
    const std::uint64_t dumpLines = above + LineCount(data.bytes->size());
    m_windowNoteText->setText(QCoreApplication::translate("HexDumpView", "Window of the data: lines %1–%2 of %3")
                                  .arg(FromUtf8(format::GroupedNumber(above + data.firstLine)),
                                       FromUtf8(format::GroupedNumber(std::min(lastNumber + 1, dumpLines) - 1)),
                                       FromUtf8(format::GroupedNumber(dumpLines))));
    m_windowNote->setToolTip(QCoreApplication::translate("HexDumpView",
                                                         "The dump is cut at %1 pixels; its pixel-data memo shows "
                                                         "these lines of the data instead of its first ones. "
                                                         "Ctrl+Home goes back to the top.")
                                 .arg(kMaxStackHeight));
    if (m_widgets.ruler != nullptr)
        m_widgets.ruler->setToolTip(m_windowNoteText->text());
    // Where the viewport will stand once the stack's new size has shown the scroll bars (the box
    // lays them out later): a window is always taller than the box, and may be wider.
    QScrollArea* box = m_widgets.box;
    const QSize room = box->maximumViewportSize() - QSize(box->verticalScrollBar()->sizeHint().width(), 0);
    const int below = m_widgets.contents->width() > room.width() ? box->horizontalScrollBar()->sizeHint().height() : 0;
    const QPoint origin = box->viewport()->geometry().topLeft();
    m_windowNote->setGeometry(origin.x(), origin.y() + room.height() - below - noteHeight, room.width(), noteHeight);
    m_windowNote->raise();
}

void HexDumpView::ExportDataText(const std::string& name, ByteSpan data)
{
    const std::string fileName = ExportFileName(name);
    BusyCursor busy;
    const ExportResult result = WriteDataExport(data, fileName);
    busy.Release();
    if (!result.ok) {
        // Nothing sound to show in an editor: the file is missing or incomplete.
        m_platform.ShowMessage(m_window, Say(kExportFailedMessage));
        return;
    }
    const QString filePath = QDir::current().absoluteFilePath(QFile::decodeName(fileName.c_str()));
    if (!m_platform.StartTextEditor(filePath))
        m_platform.ShowMessage(m_window, Say(kExportedToFile).arg(QFile::decodeName(fileName.c_str())));
}

}  // namespace hexlume
