#include "FileWindows.h"

#include "DumpInspector.h"
#include "DumpMemo.h"
#include "FieldsWindow.h"
#include "FileDocument.h"
#include "FindingsBadge.h"
#include "FindingsWindow.h"
#include "PictureWindow.h"
#include "WindowPlacement.h"
#include "format/NumberText.h"
#include "format/PixelBytes.h"
#include "model/Dib.h"
#include "texts/FieldRows.h"
#include "texts/FileNamePart.h"
#include "texts/FindingsTexts.h"
#include "widgets/QtText.h"
#include "widgets/Translation.h"

#include <QScreen>
#include <QShortcut>
#include <QTableWidget>

#include <algorithm>

namespace hexlume {

FileWindows::FileWindows(QWidget* window, DumpInspector* inspector, FindingsBadge* badge,
                         const std::array<DumpMemo*, kMemoCount>& memos)
    : QObject(window), m_window(window), m_inspector(inspector), m_badge(badge),
      m_findings(new FindingsWindow(window)), m_picture(new PictureWindow(window)), m_fields(new FieldsWindow(window))
{
    connect(m_badge, &FindingsBadge::Clicked, this, [this] { OpenFindings(); });
    connect(m_findings, &FindingsWindow::FindingChosen, this, &FileWindows::ShowChosenFinding);
    connect(m_findings, &FindingsWindow::FixAsked, this,
            [this](const format::Repair& repair) { MakeRepairs(std::span(&repair, 1)); });
    connect(m_findings, &FindingsWindow::FixAllAsked, this, [this] {
        if (m_model != nullptr)
            MakeRepairs(format::FixBitmap(m_model->FileBytes()).made);
    });
    window->addActions(m_findings->actions());  // Fix and Fix all from the main window too
    // As code editors step through problems; the list answers the same keys.
    for (QWidget* keys : std::initializer_list<QWidget*>{window, m_findings}) {
        connect(new QShortcut(Qt::Key_F8, keys), &QShortcut::activated, this, [this] { OpenFindings(1); });
        connect(new QShortcut(Qt::SHIFT | Qt::Key_F8, keys), &QShortcut::activated, this,
                [this] { OpenFindings(-1); });
    }
    connect(m_picture, &PictureWindow::PixelChosen, this, &FileWindows::ShowBytesOfPixel);
    connect(m_fields, &FieldsWindow::FieldChosen, this, &FileWindows::ShowChosenField);
    connect(m_inspector, &DumpInspector::Selected, this, [this](std::uint64_t offset, std::uint64_t length) {
        if (length > 0 && m_fieldsShowFile && m_fields->isVisible())
            m_fields->ShowLitByte(offset);
    });
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
        where.push_back(Say(place.where).toStdString());
    where.resize(findings.file.size());
    QStringList limits;
    for (const Message& line : DumpLimitLines(findings.dump, m_inspector->Map()))
        limits << Say(line);
    m_badge->Show(CountFindings(findings.file), Say(FirstFindingText(findings.file)), !limits.isEmpty());
    m_findings->ShowFindings(FromUtf8(NamePart(model.GetFileName())), {findings.file.begin(), findings.file.end()},
                             std::move(where), limits);
    // Working the repairs out reads the whole file again: only when a finding may have one.
    std::vector<format::Repair> safe;
    std::vector<format::Repair> guesses;
    if (std::ranges::any_of(findings.file, [](const format::Finding& finding) { return format::MayHaveRepair(finding.code); })) {
        safe = format::RepairsFor(model.FileBytes());
        guesses = format::RepairsFor(model.FileBytes(), {.height = true, .pad = true, .redraw = true});
        std::erase_if(guesses, [](const format::Repair& repair) { return !repair.guess; });
    }
    m_findings->ShowRepairs(std::move(safe), std::move(guesses));
    if (m_picture->isVisible())
        ShowPictureOfFile();
    if (m_fields->isVisible())
        ShowFieldsOfFile();
}

void FileWindows::Clear()
{
    m_model = nullptr;
    m_badge->hide();
    m_findings->Clear();
    m_picture->Clear();
    m_pictureShowsFile = false;
    m_fields->Clear();
    m_fieldsShowFile = false;
}

void FileWindows::CloseAll()
{
    m_findings->close();
    m_picture->close();
    m_fields->close();
}

void FileWindows::SetDocument(FileDocument* document)
{
    m_document = document;
    m_fields->SetDocument(document);
}

void FileWindows::PlaceBesideWindow(QWidget* other) const
{
    if (other->isVisible() || m_window->screen() == nullptr)
        return;  // where it stands, or where the user moved it
    QRect owner = m_window->frameGeometry();
    for (QWidget* sibling : std::initializer_list<QWidget*>{m_findings, m_picture, m_fields})
        if (sibling != other && sibling->isVisible())
            owner = owner.united(sibling->frameGeometry());
    // A window not yet shown has no frame: the main window's stands in for it.
    const QSize frame = m_window->frameGeometry().size() - m_window->geometry().size();
    const QSize smallest = other->minimumSizeHint().expandedTo(other->minimumSize()) + frame;
    const QRect place = PlaceBeside(owner, other->size() + frame, smallest, m_window->screen()->availableGeometry());
    other->resize(place.size() - frame);
    other->move(place.topLeft());
}

void FileWindows::OpenFindings(int direction)
{
    if (m_model == nullptr)
        return;  // no file, or one being opened
    PlaceBesideWindow(m_findings);
    m_findings->show();
    m_findings->raise();
    if (direction != 0)
        m_findings->Step(direction);
    else
        m_findings->activateWindow();
}

void FileWindows::ShowChosenFinding(std::size_t finding)
{
    m_findings->SetPlaceText(Say(m_inspector->ShowFinding(finding).sentence));
    const std::vector<format::Finding>& findings = m_inspector->Findings();
    if (finding < findings.size())
        ShowPixelsOfBytes(findings[finding].offset, tr("The finding's first byte"));
}

void FileWindows::MakeRepairs(std::span<const format::Repair> repairs)
{
    if (m_document == nullptr || !m_document->HasFile() || repairs.empty())
        return;
    m_document->ChangeAsOneStep([this, repairs] {
        for (const format::Repair& repair : repairs) {
            if (repair.newSize)
                m_document->Resize(*repair.newSize);
            for (const format::ByteEdit& edit : repair.edits)
                m_document->Write(edit.offset, edit.bytes);
        }
    });
}

void FileWindows::ShowChosenByte(std::uint64_t offset)
{
    ShowPixelsOfBytes(offset, tr("The chosen byte"));
}

void FileWindows::FollowHeaderTable(QTableWidget* grid, GridIndex table)
{
    connect(grid, &QTableWidget::itemSelectionChanged, this, [this, grid, table] {
        const QList<QTableWidgetSelectionRange> ranges = grid->selectedRanges();
        const int row = ranges.isEmpty() ? -1 : ranges.first().topRow();
        const std::vector<TableRow>& rows = m_inspector->Image().tables[table];
        if (m_model == nullptr || row < 0 || static_cast<std::size_t>(row) >= rows.size())
            return;
        ShowPixelsOfBytes(rows[static_cast<std::size_t>(row)].bytes.offset, tr("The chosen field"));
    });
}

void FileWindows::OpenPicture()
{
    PlaceBesideWindow(m_picture);
    m_picture->show();
    m_picture->raise();
    m_picture->activateWindow();
    if (!m_pictureShowsFile && m_model != nullptr)
        ShowPictureOfFile();
}

void FileWindows::OpenFields()
{
    PlaceBesideWindow(m_fields);
    m_fields->show();
    m_fields->raise();
    m_fields->activateWindow();
    if (!m_fieldsShowFile && m_model != nullptr)
        ShowFieldsOfFile();
}

// Built only while the window is open: the rows say everything about every field.
void FileWindows::ShowFieldsOfFile()
{
    const ShownImage& image = m_inspector->Image();
    const std::span<const format::Finding> findings = SplitDumpNotes(m_inspector->Findings()).file;
    const format::Layout layout = ImageLayout(m_inspector->Layout(), image);
    m_fields->ShowFields(FromUtf8(NamePart(m_model->GetFileName())),
                         BuildFieldRows(layout, ImageFindings(layout, findings), m_model->FileBytes()));
    m_fieldsShowFile = true;
}

void FileWindows::ShowChosenField(std::uint64_t offset, std::uint64_t size)
{
    if (m_model == nullptr)
        return;
    m_fields->SetPlaceText(Say(m_inspector->ShowBytes(offset, size).sentence));
    ShowPixelsOfBytes(offset, tr("The chosen row's first byte"));
}

void FileWindows::ShowPictureOfFile()
{
    m_picture->ShowFile(FromUtf8(NamePart(m_model->GetFileName())), m_model->FileBytes(),
                        m_inspector->Image().format);
    m_pictureShowsFile = true;
}

void FileWindows::ShowBytesOfPixel(PixelPosition pixel)
{
    if (!m_pictureShowsFile)
        return;
    // Counted in the picture the window shows, which may take in rows past the file's.
    const format::Layout layout = m_picture->ShownLayout(m_inspector->Layout());
    const std::optional<format::PixelLocation> at =
        format::LocatePixel(m_model->FileBytes(), layout.format, pixel.x, pixel.y);
    if (!at || at->length == 0) {
        m_inspector->ClearHighlight();
        m_picture->ShowChosen(pixel, 1, tr("No bytes of the file hold this pixel."));
        return;
    }
    const FindingPlace place = m_inspector->ShowBytes(at->offset, at->length);
    m_picture->ShowChosen(pixel, 1,
                          tr("Offset %1, %2. %3")
                              .arg(FromUtf8(format::HexNumber(at->offset)), FromUtf8(format::ByteCount(at->length)),
                                   Say(place.sentence)));
}

void FileWindows::MarkPixelsOfByte(std::size_t memo, std::uint64_t byte)
{
    if (const std::optional<std::uint64_t> offset = m_inspector->FileOffset(memo, byte))
        ShowPixelsOfBytes(*offset, tr("The clicked byte"));
}

void FileWindows::ShowPixelsOfBytes(std::uint64_t offset, const QString& chosen)
{
    if (!m_pictureShowsFile)
        return;
    const format::Layout layout = m_picture->ShownLayout(m_inspector->Layout());
    const format::PixelSpan span = format::PixelsDrawnByByte(m_model->FileBytes(), layout, offset);
    const QString byte = tr("%1 at offset %2").arg(chosen, FromUtf8(format::HexNumber(offset)));
    if (span.count == 0) {
        m_picture->ShowChosen(std::nullopt, 0, tr("%1 holds no pixel of the picture.").arg(byte));
        return;
    }
    const std::uint64_t y = layout.format.ShownRow(span.storedRow);
    const std::string pixels = span.count == 1
                                   ? format::PixelText(span.x, y, span.storedRow)
                                   : format::PixelSpanText(span.x, span.x + span.count - 1, y, span.storedRow);
    m_picture->ShowChosen(PixelPosition{.x = span.x, .y = y}, span.count,
                          tr("%1 draws %2.").arg(byte, FromUtf8(pixels)));
}

}  // namespace hexlume
