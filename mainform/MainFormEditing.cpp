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
#include "ui_Mainformunit.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

#include <algorithm>
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
    m_sourceBytes = m_model->SharedBytes();
    // No file descriptor: the file on disk may no longer hold these bytes by the time of a save.
    m_document->Reset(std::make_shared<SpanSource>(m_model->FileBytes(), m_sourceBytes));
    m_modelRevision = m_document->Bytes().Revision();
    m_editedBlock.reset();
    m_modelEdits.clear();
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

// The model is read again from the document's bytes, as a reload reads the file, so every view
// shows them by one road. The block is the file's own while nothing is edited; then the window's
// own copy, which later edits patch where they or the edits before them lie.
void TMainForm::ShowDocument()
{
    if (!m_document->HasFile() || m_opening)
        return;
    const EditedBytes& bytes = m_document->Bytes();
    std::vector<ByteRange> edits;
    for (const EditedRange& range : bytes.EditedRanges())
        edits.push_back({range.offset, range.size});
    const std::string name = QFile::encodeName(m_shownPath).toStdString();

    // Refused before the model's copy changes: the bytes as edited must still be a bitmap's.
    auto next = std::make_unique<CDib>();
    const std::uint64_t head = std::min<std::uint64_t>(bytes.Size(), CDib::kHeadBytes);
    std::shared_ptr<std::uint8_t[]> headBytes = CDib::NewBlock(head);
    bytes.Read(0, {headBytes.get(), static_cast<std::size_t>(head)});
    if (!next->LoadBytes(std::move(headBytes), head, name)) {
        ShowFollowSign(tr("Not a bitmap as edited: last good version shown"),
                       QString::fromStdString(next->LastError()));
        UpdateEditActions();
        return;
    }

    std::shared_ptr<const std::uint8_t[]> block;
    if (bytes.Revision() == m_modelRevision) {
        block = m_model->SharedBytes();
    } else if (edits.empty() && bytes.Size() == bytes.SourceSize()) {
        block = m_sourceBytes;
        m_editedBlock.reset();
    } else if (m_editedBlock && m_editedBlock == m_model->SharedBytes() &&
               m_model->FileBytes().size() == bytes.Size()) {
        // The model goes with this call and nothing reads its bytes before the new one stands.
        for (const std::vector<ByteRange>* ranges : {&m_modelEdits, &edits})
            for (const ByteRange& range : *ranges)
                bytes.Read(range.offset, {m_editedBlock.get() + range.offset, static_cast<std::size_t>(range.size)});
        block = m_editedBlock;
    } else {
        try {
            m_editedBlock = CDib::NewBlock(bytes.Size());
        } catch (const std::bad_alloc&) {
            ShowFollowSign(tr("Not enough memory to show the edits"), {});
            UpdateEditActions();
            return;
        }
        bytes.Read(0, {m_editedBlock.get(), static_cast<std::size_t>(bytes.Size())});
        block = m_editedBlock;
    }
    BusyCursor busy;
    next->LoadBytes(std::move(block), bytes.Size(), name);
    m_modelRevision = bytes.Revision();
    m_modelEdits = edits;
    ReplaceModel(std::move(next), busy);
    m_inspector->MarkEdits(std::move(edits));
    ShowEditCount();
    UpdateEditActions();
}

void TMainForm::ShowEditCount()
{
    const EditedBytes& bytes = m_document->Bytes();
    const std::uint64_t edited = bytes.EditedByteCount();
    if (edited == 0 && bytes.Size() == bytes.SourceSize()) {
        ShowFollowSign({}, {});
        return;
    }
    QString text = tr("%1 edited").arg(FromUtf8(format::Counted(edited, "byte", "bytes")));
    if (bytes.Size() != bytes.SourceSize())
        text += tr(", size %1").arg(FromUtf8(format::ByteCount(bytes.Size())));
    if (!m_document->HasUnsavedEdits())
        text += tr(", saved");
    ShowFollowSign(text, tr("The bytes that differ from %1 as opened are tinted in the dump; Ctrl+Z takes the "
                            "last edit back, Ctrl+Shift+S saves them as a new file.")
                             .arg(QFileInfo(m_openedPath).fileName()));
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
        m_platform.ShowError(QStringLiteral("%1\n%2").arg(QDir::toNativeSeparators(*chosen), FromUtf8(result.reason)));
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
