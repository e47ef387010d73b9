// The main window's editing side: the document every view shows, the edit actions and editors,
// Save As, and the question before unsaved edits go.
#include "MainForm.h"

#include "BusyCursor.h"
#include "DumpEditing.h"
#include "DumpInspector.h"
#include "FileDocument.h"
#include "FileFollower.h"
#include "FileWindows.h"
#include "ValueEditor.h"
#include "format/NumberText.h"
#include "io/SaveFile.h"
#include "texts/EditTargets.h"
#include "texts/HeaderTexts.h"
#include "platform/Platform.h"
#include "widgets/QtText.h"
#include "widgets/Translation.h"
#include "ui_Mainformunit.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>
#include <utility>

namespace hexlume {

// Window-wide, so their keys work wherever the focus is, and in both popup menus.
void TMainForm::CreateEditActions()
{
    const auto add = [this](const char* name, const QString& text, const QList<QKeySequence>& keys) {
        auto* action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        action->setShortcuts(keys);
        addAction(action);
        return action;
    };
    m_undo = add("pmiUndo", tr("&Undo"), {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    m_redo = add("pmiRedo", tr("&Redo"),
                 {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    QAction* saveAs = add("pmiSaveAs", tr("Save &As..."), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)});
    connect(m_undo, &QAction::triggered, m_document, &FileDocument::Undo);
    connect(m_redo, &QAction::triggered, m_document, &FileDocument::Redo);
    connect(saveAs, &QAction::triggered, this, &TMainForm::SaveAs);
    for (QMenu* menu : {m_ppmOpenPic, m_ppmGlobal}) {
        menu->addSeparator();
        menu->addActions({m_undo, m_redo, saveAs});
    }
    UpdateEditActions();
}

void TMainForm::UpdateEditActions()
{
    m_undo->setEnabled(m_document->CanUndo());
    m_redo->setEnabled(m_document->CanRedo());
}

// The value cells of the two tables and the dump's bytes write to the document.
void TMainForm::CreateEditors()
{
    // A row edits the field at the row's bytes, as the layout names and types it.
    const auto tableEditor = [this](QTableWidget* grid, GridIndex table) {
        return new ValueEditor(
            grid,
            [grid](const QModelIndex& index) {
                return index.isValid() ? index.siblingAtColumn(grid->columnCount() - 1) : QModelIndex();
            },
            [this, table](const QModelIndex& cell) -> std::optional<EditTarget> {
                const auto row = static_cast<std::size_t>(cell.row());
                const std::vector<TableRow>& rows = m_inspector->Image().tables[table];
                if (m_inspector->File() == nullptr || row >= rows.size())
                    return std::nullopt;
                return TableRowTarget(m_inspector->Layout(), rows[row].bytes.offset, rows[row].bytes.size,
                                      rows[row].name);
            });
    };
    m_valueEditors = {tableEditor(ui->sgdFileHeader, kFileHeaderGrid), tableEditor(ui->sgdInfoHeader, kInfoHeaderGrid)};
    m_dumpEditing =
        new DumpEditing(this, m_inspector, {ui->mmoFileHeader, ui->mmoInfoHeader, ui->mmoPalette, ui->mmoData});
    for (ValueEditor* editor : m_valueEditors)
        editor->SetDocument(m_document);
    m_dumpEditing->SetDocument(m_document);
    m_fileWindows->SetDocument(m_document);
}

void TMainForm::ResetDocument()
{
    // No file descriptor: the file on disk may no longer hold these bytes by the time of a save.
    m_source = std::make_shared<PatchedSource>(m_model->Block(), m_model->FileBytes().size());
    m_document->Reset(m_source);
    m_modelRevision = m_document->Bytes().Revision();
    m_patched.clear();
    UpdateEditActions();
}

bool TMainForm::MayDropEdits(const QString& question)
{
    if (!m_document->HasUnsavedEdits())
        return true;
    switch (m_platform.AskUnsaved(this, question)) {
    case Platform::UnsavedAnswer::Save: return SaveAs();
    case Platform::UnsavedAnswer::Discard: return true;
    case Platform::UnsavedAnswer::Cancel: break;
    }
    return false;
}

namespace {

// Makes the source's block hold the document's bytes, patching only where the block or the
// document may differ from the file: `patched` (from the last time) and the document's ranges
// off the source; `patched` then says where the block differs now. A document larger than the
// block moves to a larger one, copied, so the window holds the file twice until the model
// replaced lets the old block go. False when there is no memory for it, nothing changed.
bool PatchBlock(const EditedBytes& bytes, PatchedSource& source, std::vector<ByteRange>& patched)
{
    if (bytes.Size() > source.Capacity()) {
        std::shared_ptr<std::uint8_t[]> larger;
        try {
            larger = CDib::NewBlock(bytes.Size());
        } catch (const std::bad_alloc&) {
            return false;
        }
        std::memcpy(larger.get(), source.Block().get(), source.Capacity());
        source.Grow(std::move(larger), bytes.Size());
    }
    std::vector<ByteRange> now;
    for (const EditedRange& range : bytes.RangesOffSource())
        now.push_back({range.offset, range.size});
    constexpr std::uint64_t kPiece = std::uint64_t{1} << 20;
    std::vector<std::uint8_t> piece;
    for (const std::vector<ByteRange>* ranges : {&patched, &now})
        for (const ByteRange& range : *ranges)
            for (std::uint64_t at = range.offset; at < std::min(range.End(), bytes.Size()); at += piece.size()) {
                piece.resize(std::min(kPiece, std::min(range.End(), bytes.Size()) - at));
                bytes.Read(at, piece);
                source.Patch(at, piece);
            }
    // Past the document's end the block keeps what it held.
    for (const ByteRange& range : patched)
        if (range.End() > bytes.Size()) {
            const std::uint64_t from = std::max(range.offset, bytes.Size());
            now.push_back({from, range.End() - from});
        }
    patched = std::move(now);
    return true;
}

}  // namespace

// The model is read again from the document's bytes, as a reload reads the file, so every view
// shows them by one road. The window holds the file once: the model's block is the source's,
// patched with the edits where they lie.
void TMainForm::ShowDocument()
{
    if (!m_document->HasFile() || m_opening)
        return;
    const EditedBytes& bytes = m_document->Bytes();
    const std::string name = QFile::encodeName(m_shownPath).toStdString();

    // Refused before the block changes: the bytes as edited must still be a bitmap's.
    auto next = std::make_unique<CDib>();
    const std::uint64_t head = std::min<std::uint64_t>(bytes.Size(), CDib::kHeadBytes);
    std::shared_ptr<std::uint8_t[]> headBytes = CDib::NewBlock(head);
    bytes.Read(0, {headBytes.get(), static_cast<std::size_t>(head)});
    if (!next->LoadBytes(std::move(headBytes), head, name)) {
        ShowFollowSign(tr("Not a bitmap as edited: last good version shown"),
                       Say(next->LastError()));
        UpdateEditActions();
        return;
    }
    // The model goes with this call and nothing reads its bytes before the new one stands.
    if (bytes.Revision() != m_modelRevision && !PatchBlock(bytes, *m_source, m_patched)) {
        ShowFollowSign(tr("Not enough memory to show the edits"), {});
        UpdateEditActions();
        return;
    }
    BusyCursor busy;
    next->LoadBytes(m_source->Block(), bytes.Size(), name);
    m_modelRevision = bytes.Revision();
    // A reload's tint stays beside the edits' until the next open.
    std::vector<ByteRange> changed = m_inspector->Changes();
    ReplaceModel(std::move(next), busy);
    if (!changed.empty())
        m_inspector->MarkChanges(std::move(changed));
    std::vector<ByteRange> edits;
    for (const EditedRange& range : bytes.EditedRanges())
        edits.push_back({range.offset, range.size});
    m_inspector->MarkEdits(std::move(edits));
    ShowEditCount();
    UpdateEditActions();
}

void TMainForm::ShowEditCount()
{
    const EditedBytes& bytes = m_document->Bytes();
    const std::uint64_t edited = bytes.EditedByteCount();
    // After a Save As edits count against the saved file, which the window now shows.
    const bool saved = m_shownPath != m_openedPath;
    const QString against = QFileInfo(m_shownPath).fileName();
    if (edited == 0 && bytes.Size() == bytes.SavedSize()) {
        if (saved && !m_document->HasUnsavedEdits())
            ShowFollowSign(tr("Saved as %1").arg(against), tr("Ctrl+Z takes the edits back, past the save too."));
        else
            ShowFollowSign({}, {});
        return;
    }
    const int count = static_cast<int>(std::min<std::uint64_t>(edited, INT_MAX));
    const QString text = bytes.Size() != bytes.SavedSize()
                             ? tr("%n byte(s) edited, size %1", nullptr, count).arg(Say(format::say::Bytes(bytes.Size())))
                             : tr("%n byte(s) edited", nullptr, count);
    ShowFollowSign(text, saved ? tr("The bytes that differ from %1 as saved are tinted in the dump; Ctrl+Z takes the "
                                    "last edit back, Ctrl+Shift+S saves them as a new file.")
                                     .arg(against)
                               : tr("The bytes that differ from %1 as opened are tinted in the dump; Ctrl+Z takes the "
                                    "last edit back, Ctrl+Shift+S saves them as a new file.")
                                     .arg(against));
}

bool TMainForm::SaveAs()
{
    if (!m_document->HasFile())
        return false;
    // The opened file is never written: offer a name beside it instead.
    const QFileInfo shown(m_shownPath);
    const QString suggested = m_shownPath != m_openedPath
                                  ? m_shownPath
                                  : shown.dir().filePath(shown.completeBaseName() + QStringLiteral("-edited.bmp"));
    const std::optional<QString> chosen = m_platform.AskSavePath(this, suggested);
    if (!chosen)
        return false;
    BusyCursor busy;
    const SaveResult result = SaveDocument(m_document->Bytes(), QFile::encodeName(*chosen).toStdString(),
                                           QFile::encodeName(m_openedPath).toStdString());
    busy.Release();
    if (!result.ok) {
        m_platform.ShowError(QStringLiteral("%1\n%2").arg(QDir::toNativeSeparators(*chosen), Say(result.reason)));
        return false;
    }
    m_document->MarkSaved();
    m_shownPath = m_lastFile = QFileInfo(*chosen).absoluteFilePath();
    m_follower->Follow(m_shownPath);
    // The same bytes under the new name: the status bar and the windows' titles name it.
    m_modelRevision = m_document->Bytes().Revision();
    if (!m_opening)
        ShowDocument();
    return true;
}

}  // namespace hexlume
