#include "FileWindows.h"

#include "DumpInspector.h"
#include "DumpMemo.h"
#include "FindingsBadge.h"
#include "FindingsWindow.h"
#include "PictureWindow.h"
#include "format/NumberText.h"
#include "format/PixelBytes.h"
#include "model/Dib.h"
#include "texts/FileNamePart.h"
#include "texts/FindingsTexts.h"
#include "widgets/QtText.h"

#include <QScreen>
#include <QShortcut>

namespace hexlume {

FileWindows::FileWindows(QWidget* window, DumpInspector* inspector, FindingsBadge* badge,
                         const std::array<DumpMemo*, kMemoCount>& memos)
    : QObject(window), m_window(window), m_inspector(inspector), m_badge(badge),
      m_findings(new FindingsWindow(window)), m_picture(new PictureWindow(window))
{
    connect(m_badge, &FindingsBadge::Clicked, this, [this] { OpenFindings(); });
    connect(m_findings, &FindingsWindow::FindingChosen, this, &FileWindows::ShowChosenFinding);
    // As code editors step through problems; the list answers the same keys.
    for (QWidget* keys : std::initializer_list<QWidget*>{window, m_findings}) {
        connect(new QShortcut(Qt::Key_F8, keys), &QShortcut::activated, this, [this] { OpenFindings(1); });
        connect(new QShortcut(Qt::SHIFT | Qt::Key_F8, keys), &QShortcut::activated, this,
                [this] { OpenFindings(-1); });
    }
    connect(m_picture, &PictureWindow::PixelChosen, this, &FileWindows::ShowBytesOfPixel);
    for (std::size_t memo = 0; memo < kMemoCount; ++memo)
        connect(memos[memo], &DumpMemo::ByteClicked, this,
                [this, memo](std::uint64_t byte) { MarkPixelsOfByte(memo, byte); });
}

void FileWindows::Show(const CDib& model)
{
    m_model = &model;
    // The badge and the list count the file's findings as the checker does; what the dump cannot
    // show is the window's own limit, said under the list.
    const FindingsApart findings = SplitDumpNotes(m_inspector->Findings());
    std::vector<std::string> where;
    for (const FindingPlace& place : m_inspector->Places())
        where.push_back(place.where);
    where.resize(findings.file.size());
    QStringList limits;
    for (const std::string& line : DumpLimitLines(findings.dump, m_inspector->Map()))
        limits << FromUtf8(line);
    m_badge->Show(CountFindings(findings.file), FromUtf8(FirstFindingText(findings.file)), !limits.isEmpty());
    m_findings->ShowFindings(FromUtf8(NamePart(model.GetFileName())), {findings.file.begin(), findings.file.end()},
                             std::move(where), limits);
    if (m_picture->isVisible())
        ShowPictureOfFile();
}

void FileWindows::Clear()
{
    m_model = nullptr;
    m_badge->hide();
    m_findings->Clear();
    m_picture->Clear();
    m_pictureShowsFile = false;
}

void FileWindows::CloseAll()
{
    m_findings->close();
    m_picture->close();
}

void FileWindows::PlaceOnce(QWidget* other, QPoint at) const
{
    if (other->isVisible() || other->pos() != QPoint(0, 0))
        return;
    const QRect screen = m_window->screen() != nullptr ? m_window->screen()->availableGeometry() : QRect();
    if (screen.contains(QRect(at, other->size())))
        other->move(at);
}

void FileWindows::OpenFindings(int direction)
{
    if (m_model == nullptr)
        return;  // no file, or one being opened
    PlaceOnce(m_findings, m_window->frameGeometry().bottomLeft() + QPoint(0, 8));
    m_findings->show();
    m_findings->raise();
    if (direction != 0)
        m_findings->Step(direction);
    else
        m_findings->activateWindow();
}

void FileWindows::ShowChosenFinding(std::size_t finding)
{
    m_findings->SetPlaceText(FromUtf8(m_inspector->ShowFinding(finding).sentence));
}

void FileWindows::OpenPicture()
{
    PlaceOnce(m_picture, m_window->frameGeometry().topRight() + QPoint(8, 0));
    m_picture->show();
    m_picture->raise();
    m_picture->activateWindow();
    if (!m_pictureShowsFile && m_model != nullptr)
        ShowPictureOfFile();
}

void FileWindows::ShowPictureOfFile()
{
    m_picture->ShowFile(FromUtf8(NamePart(m_model->GetFileName())), m_model->FileBytes());
    m_pictureShowsFile = true;
}

void FileWindows::ShowBytesOfPixel(PixelPosition pixel)
{
    if (!m_pictureShowsFile)
        return;
    const std::optional<format::PixelLocation> at =
        format::LocatePixel(m_model->FileBytes(), m_inspector->Layout().format, pixel.x, pixel.y);
    if (!at || at->length == 0) {
        m_inspector->ClearHighlight();
        m_picture->SetLinkText(tr("No bytes of the file hold this pixel."));
        return;
    }
    const FindingPlace place = m_inspector->ShowBytes(at->offset, at->length);
    m_picture->View()->MarkPixels(pixel, 1);
    m_picture->SetLinkText(tr("Offset %1, %2. %3")
                               .arg(FromUtf8(format::HexNumber(at->offset)), FromUtf8(format::ByteCount(at->length)),
                                    FromUtf8(place.sentence)));
}

void FileWindows::MarkPixelsOfByte(std::size_t memo, std::uint64_t byte)
{
    if (!m_pictureShowsFile || !m_picture->isVisible())
        return;
    const std::optional<std::uint64_t> offset = m_inspector->FileOffset(memo, byte);
    const format::PixelSpan span =
        offset ? format::PixelsDrawnByByte(m_model->FileBytes(), m_inspector->Layout(), *offset) : format::PixelSpan{};
    if (span.count != 0)
        m_picture->View()->MarkPixels({.x = span.x, .y = m_inspector->Layout().format.ShownRow(span.storedRow)},
                                      span.count);
    else
        m_picture->View()->ClearMark();
}

}  // namespace hexlume
