#include "DumpEditing.h"

#include "DumpInspector.h"
#include "DumpMemo.h"
#include "FileDocument.h"
#include "format/NumberText.h"
#include "model/Dib.h"
#include "texts/EditTargets.h"
#include "texts/RegionText.h"
#include "widgets/QtText.h"
#include "widgets/Translation.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

#include <algorithm>

namespace hexlume {

FileSizeDialog::FileSizeDialog(QWidget* parent)
    : QDialog(parent), m_current(new QLabel(this)), m_size(new QLineEdit(this)), m_problem(new QLabel(this))
{
    setObjectName(QStringLiteral("dlgFileSize"));
    setWindowTitle(tr("Set file size"));
    m_current->setObjectName(QStringLiteral("lblFileSizeNow"));
    m_size->setObjectName(QStringLiteral("edtFileSize"));
    m_size->setPlaceholderText(tr("1086 or 0x43E"));
    m_problem->setObjectName(QStringLiteral("lblFileSizeProblem"));
    m_problem->setWordWrap(true);
    m_problem->setMinimumWidth(320);
    QPalette palette = m_problem->palette();
    palette.setColor(QPalette::WindowText, QColor(0xC0, 0x00, 0x00));
    m_problem->setPalette(palette);
    auto* note = new QLabel(tr("A smaller size cuts the file; a larger one adds zero bytes at its end."), this);
    note->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &FileSizeDialog::Asked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_current);
    layout->addWidget(m_size);
    layout->addWidget(note);
    layout->addWidget(m_problem);
    layout->addWidget(buttons);
}

void FileSizeDialog::Open(std::uint64_t currentSize)
{
    m_current->setText(tr("The file has %1 (%2). New size:")
                           .arg(FromUtf8(format::ByteCount(currentSize)), FromUtf8(format::HexNumber(currentSize))));
    m_size->setText(QString::number(currentSize));
    m_size->selectAll();
    m_problem->clear();
    m_problem->hide();
    open();
    m_size->setFocus();
}

QString FileSizeDialog::Text() const
{
    return m_size->text();
}

void FileSizeDialog::Refuse(const QString& sentence)
{
    m_problem->setText(sentence);
    m_problem->show();
    m_size->selectAll();
    m_size->setFocus();
}

DumpEditing::DumpEditing(QWidget* window, DumpInspector* inspector, const std::array<DumpMemo*, kMemoCount>& memos)
    : QObject(window), m_inspector(inspector), m_fileSize(new QAction(tr("Set file &size..."), this)),
      m_dialog(new FileSizeDialog(window))
{
    setObjectName(QStringLiteral("dumpEditing"));
    m_fileSize->setObjectName(QStringLiteral("actSetFileSize"));
    connect(m_fileSize, &QAction::triggered, this, &DumpEditing::OpenFileSize);
    connect(m_dialog, &FileSizeDialog::Asked, this, [this] {
        const QString problem = SetFileSize(m_dialog->Text());
        if (problem.isEmpty())
            m_dialog->accept();
        else
            m_dialog->Refuse(problem);
    });
    for (DumpMemo* memo : memos) {
        memo->AddMenuAction(m_fileSize);
        memo->installEventFilter(this);
    }
    // The caret moved by anything but the typing: the run is over.
    connect(m_inspector, &DumpInspector::Selected, this, [this](std::uint64_t offset, std::uint64_t) {
        if (!m_ownMove && m_run && offset != m_run->at)
            EndRun();
    });
}

bool DumpEditing::Type(int digit)
{
    if (m_document == nullptr || !m_document->HasFile() || digit < 0 || digit > 15)
        return false;
    if (!m_run) {
        if (!m_inspector->HasLit())
            return false;
        m_run = Run{.at = m_inspector->Caret()};
    }
    if (m_run->at >= m_document->Bytes().Size())
        return false;  // past the last byte: the size changes only through "Set file size…"
    const std::uint8_t old = m_document->Bytes().At(m_run->at);
    const auto value = static_cast<std::uint8_t>(m_run->lowDigit ? (old & 0xF0) | digit : (digit << 4) | (old & 0x0F));
    {
        const QScopedValueRollback own(m_ownMove, true);
        m_document->Write(m_run->at, std::span(&value, 1), m_run->written);
    }
    m_run->written = true;
    if (m_run->lowDigit) {
        ++m_run->at;
        m_run->lowDigit = false;
    } else {
        m_run->lowDigit = true;
    }
    LightCaret();
    return true;
}

void DumpEditing::LightCaret()
{
    const QScopedValueRollback own(m_ownMove, true);
    // Past the last byte the caret stays on it.
    m_inspector->ShowBytes(std::min(m_run->at, m_document->Bytes().Size() - 1), 1);
}

// As hex editors move it: a byte left or right, a line up or down, the line's first or last
// byte; it stops at the file's ends. Lines are the dump's: counted from the start of the part
// (memo) that holds the caret.
std::optional<std::uint64_t> DumpEditing::CaretMovedBy(int key) const
{
    const CDib* file = m_inspector->File();
    if (file == nullptr || !m_inspector->HasLit() || file->FileBytes().empty())
        return std::nullopt;
    const std::uint64_t caret = m_inspector->Caret();
    const std::uint64_t last = file->FileBytes().size() - 1;
    std::uint64_t lineStart = caret - caret % kBytesPerLine;
    std::uint64_t lineEnd = lineStart + kBytesPerLine - 1;
    for (const MemoBytes& memo : m_inspector->Map()) {
        const std::uint64_t start = memo.fileOffset - memo.skipped;
        if (memo.held > 0 && caret >= start && caret < memo.fileOffset + memo.held) {
            lineStart = caret - (caret - start) % kBytesPerLine;
            lineEnd = std::min(lineStart + kBytesPerLine, memo.fileOffset + memo.held) - 1;
            break;
        }
    }
    switch (key) {
    case Qt::Key_Left: return caret > 0 ? caret - 1 : caret;
    case Qt::Key_Right: return std::min(caret + 1, last);
    case Qt::Key_Up: return caret >= kBytesPerLine ? caret - kBytesPerLine : caret;
    case Qt::Key_Down: return caret + kBytesPerLine <= last ? caret + kBytesPerLine : caret;
    case Qt::Key_Home: return lineStart;
    case Qt::Key_End: return std::min(lineEnd, last);
    default: return std::nullopt;
    }
}

void DumpEditing::EndRun()
{
    m_run.reset();
}

void DumpEditing::OpenFileSize()
{
    if (m_document == nullptr || !m_document->HasFile())
        return;
    EndRun();
    m_dialog->Open(m_document->Bytes().Size());
}

QString DumpEditing::SetFileSize(const QString& typed)
{
    if (m_document == nullptr || !m_document->HasFile())
        return tr("No file is open.");
    const SizeAnswer answer = ParseFileSize(typed.toStdString());
    if (!answer.size)
        return Say(answer.error);
    EndRun();
    m_document->Resize(*answer.size);
    return {};
}

bool DumpEditing::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape && m_run) {
        EndRun();
        return true;
    }
    if ((key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier | Qt::ShiftModifier)) == 0)
        if (const std::optional<std::uint64_t> to = CaretMovedBy(key->key())) {
            EndRun();
            m_inspector->ShowBytes(*to, 1);
            return true;
        }
    if ((key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0 || key->text().size() != 1)
        return false;
    bool ok = false;
    const int digit = key->text().toInt(&ok, 16);
    return ok && Type(digit);
}

}  // namespace hexlume
