#include "HexDumpView.h"

#include "BusyCursor.h"
#include "io/ExportWriter.h"
#include "platform/Platform.h"
#include "texts/FileNamePart.h"
#include "widgets/Colors.h"
#include "widgets/QtText.h"

#include <QDir>
#include <QFile>
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
    : m_widgets(widgets), m_lineHeight(lineHeight), m_platform(platform), m_window(window)
{
}

void HexDumpView::ShowCaptions()
{
    std::int64_t top = 0;
    for (std::size_t memo = 0; memo < kMemoCount; ++memo) {
        ConfigureMemo(m_widgets.memos[memo]);
        m_widgets.memos[memo]->setPlainText(FromUtf8(kMemoCaptions[memo]));
        Place(m_widgets.memos[memo], top, m_lineHeight);
        top += m_lineHeight;
    }
    ConfigureMemo(m_widgets.numbers);
    m_widgets.numbers->setPlainText(QString());
}

void HexDumpView::Show(const CDib& model, bool reload)
{
    if (!reload) {
        m_widgets.box->verticalScrollBar()->setValue(0);
        m_widgets.box->horizontalScrollBar()->setValue(0);
    }

    const DumpPaneView pane = DescribeDumpPane(model, m_lineHeight);
    for (std::size_t index = 0; index < kMemoCount; ++index) {
        const MemoView& view = pane.memos[index];
        QPlainTextEdit* memo = m_widgets.memos[index];
        SetColor(memo, QPalette::Text, view.textColor);
        SetColor(memo, QPalette::Base, kDumpBackgroundColor);
        Place(memo, view.placement.top, view.placement.height);
        memo->setPlainText(MemoDisplayText(MemoShownText(view)));
    }
    const MemoPlacement& last = pane.memos[kDataMemo].placement;
    m_widgets.contents->resize(m_widgets.contents->width(),
                               WidgetLength(std::max(last.top + last.height, pane.numbersHeight)));

    if (ShowLineNumbers(pane, !reload))
        ExportDataText(std::string(NamePart(model.GetFileName())), pane.memos[kDataMemo].bytes.value_or(ByteSpan()));
}

bool HexDumpView::ShowLineNumbers(const DumpPaneView& pane, bool mayAsk)
{
    Place(m_widgets.numbers, 0, m_widgets.numbers->height());
    const bool exportWanted = mayAsk && pane.prompt &&
                              m_platform.AskYesNo(m_window, FromUtf8(kTallStackPromptCaption), FromUtf8(kTallStackPromptText));
    Place(m_widgets.numbers, 0, pane.numbersHeight);
    m_widgets.numbers->setPlainText(MemoDisplayText(LineNumbersText(0, pane.numbersShown)));
    return exportWanted;
}

void HexDumpView::ExportDataText(const std::string& name, ByteSpan data)
{
    const std::string fileName = ExportFileName(name);
    BusyCursor busy;
    const ExportResult result = WriteDataExport(data, fileName);
    busy.Release();
    if (!result.ok) {
        // Nothing sound to show in an editor: the file is missing or incomplete.
        m_platform.ShowMessage(m_window, FromUtf8(kExportFailedMessage));
        return;
    }
    const QString filePath = QDir::current().absoluteFilePath(QFile::decodeName(fileName.c_str()));
    if (!m_platform.StartTextEditor(filePath))
        m_platform.ShowMessage(m_window, FromUtf8(kExportedToFilePrefix) + QFile::decodeName(fileName.c_str()));
}

}  // namespace hexlume
