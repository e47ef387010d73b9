#include "DumpNavigator.h"

#include "DumpInspector.h"
#include "DumpMemo.h"
#include "DumpQueryDialog.h"
#include "HexDumpView.h"
#include "format/NumberText.h"
#include "model/Dib.h"
#include "texts/DumpQuery.h"
#include "widgets/QtText.h"
#include "widgets/Translation.h"

#include <QAction>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolTip>

#include <limits>

namespace hexlume {

DumpNavigator::DumpNavigator(QWidget* window, DumpInspector* inspector, HexDumpView* dump, QScrollArea* pane,
                             const std::array<DumpMemo*, kMemoCount>& memos)
    : QObject(window), m_window(window), m_inspector(inspector), m_dump(dump), m_pane(pane),
      m_goTo(new DumpQueryDialog(DumpQueryDialog::Mode::GoTo, window)),
      m_find(new DumpQueryDialog(DumpQueryDialog::Mode::Find, window))
{
    connect(AddAction(QStringLiteral("actGoTo"), tr("&Go to offset..."), QKeySequence(Qt::CTRL | Qt::Key_G)),
            &QAction::triggered, this, &DumpNavigator::OpenGoTo);
    connect(AddAction(QStringLiteral("actFind"), tr("&Find..."), QKeySequence(Qt::CTRL | Qt::Key_F)),
            &QAction::triggered, this, &DumpNavigator::OpenFind);
    connect(AddAction(QStringLiteral("actFindNext"), tr("Find &next"), QKeySequence(Qt::Key_F3)),
            &QAction::triggered, this, [this] { AnswerFind(1, false); });
    connect(AddAction(QStringLiteral("actFindPrevious"), tr("Find &previous"), QKeySequence(Qt::SHIFT | Qt::Key_F3)),
            &QAction::triggered, this, [this] { AnswerFind(-1, false); });
    QAction* top = AddAction(QStringLiteral("actBackToTop"), tr("Back to the &top"), QKeySequence(Qt::CTRL | Qt::Key_Home));
    connect(top, &QAction::triggered, this, &DumpNavigator::ToTop);
    connect(AddAction(QStringLiteral("actToEnd"), tr("To the &end"), QKeySequence(Qt::CTRL | Qt::Key_End)),
            &QAction::triggered, this, &DumpNavigator::ToEnd);
    // Paging is for the window's keys only, not for the menu.
    for (const auto& [name, key, direction] : {std::tuple{"actPageUp", Qt::Key_PageUp, -1},
                                               std::tuple{"actPageDown", Qt::Key_PageDown, 1}}) {
        auto* page = new QAction(this);
        page->setObjectName(QLatin1String(name));
        page->setShortcut(QKeySequence(key));
        window->addAction(page);
        connect(page, &QAction::triggered, this, [this, direction = direction] { Page(direction); });
    }
    dump->SetBackToTop(top);
    for (DumpMemo* memo : memos)
        memo->SetMenuActions(m_actions);

    connect(m_goTo, &DumpQueryDialog::Asked, this, &DumpNavigator::AnswerGoTo);
    connect(m_find, &DumpQueryDialog::Asked, this, [this](int direction) { AnswerFind(direction, true); });
}

QAction* DumpNavigator::AddAction(const QString& name, const QString& text, const QKeySequence& keys)
{
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    action->setShortcut(keys);
    m_window->addAction(action);  // so its keys work anywhere in the window
    m_actions << action;
    return action;
}

void DumpNavigator::OpenGoTo()
{
    if (m_inspector->File() == nullptr)
        return;
    m_goTo->Say({}, false);
    m_goTo->Open();
}

void DumpNavigator::OpenFind()
{
    if (m_inspector->File() == nullptr)
        return;
    m_find->Say({}, false);
    m_find->Open();
}

void DumpNavigator::AnswerGoTo()
{
    const QString problem = GoTo(m_goTo->Text());
    if (problem.isEmpty())
        m_goTo->close();
    else
        m_goTo->Say(problem, true);
}

QString DumpNavigator::GoTo(const QString& typed)
{
    const CDib* file = m_inspector->File();
    if (file == nullptr)
        return tr("No file is open.");
    const OffsetAnswer answer = ParseOffset(typed.toStdString(), m_inspector->Caret(), file->FileBytes().size());
    if (!answer.offset)
        return Say(answer.error);
    const FindingPlace place = m_inspector->ShowBytes(*answer.offset, 1);
    emit Reached(*answer.offset);
    return place.marks.empty() ? Say(place.sentence) : QString();
}

void DumpNavigator::AnswerFind(int direction, bool fromDialog)
{
    if (m_inspector->File() == nullptr)
        return;
    if (!fromDialog && !m_pattern) {
        OpenFind();  // F3 before anything was sought: ask what
        return;
    }
    const QString sentence = Find(direction);
    if (m_find->isVisible())
        m_find->Say(sentence, !m_lastFoundLit);
    else
        Note(sentence);
}

QString DumpNavigator::Find(int direction)
{
    m_lastFoundLit = false;
    const CDib* file = m_inspector->File();
    if (file == nullptr)
        return tr("No file is open.");
    // The find window's text when it is open (it may have changed), else the last pattern.
    if (m_find->isVisible() || !m_pattern) {
        PatternAnswer answer = ParsePattern(m_find->Text().toStdString(),
                                            m_find->FindsText() ? PatternKind::Text : PatternKind::HexBytes);
        if (!answer.error.Empty())
            return Say(answer.error);
        m_pattern = std::move(answer.pattern);
    }
    const ByteSpan bytes = file->FileBytes();
    const bool lit = m_inspector->HasLit();
    const std::optional<SearchHit> hit =
        direction >= 0 ? FindForward(bytes, *m_pattern, lit ? m_inspector->Caret() + 1 : 0)
                       : FindBackward(bytes, *m_pattern, lit ? m_inspector->Caret() : bytes.size());
    const QString sought = m_find->FindsText() ? m_find->Text() : FromUtf8(PatternText(*m_pattern));
    if (!hit)
        return tr("Not in the file: %1").arg(sought);
    const FindingPlace place = m_inspector->ShowBytes(hit->offset, m_pattern->bytes.size());
    m_lastFoundLit = true;
    emit Reached(hit->offset);
    QString sentence = tr("Found at offset %1. %2").arg(FromUtf8(format::HexNumber(hit->offset)), Say(place.sentence));
    if (hit->wrapped)
        sentence = (direction >= 0 ? tr("Went round past the end of the file, back to its start. ")
                                   : tr("Went round past the start of the file, back to its end. ")) +
                   sentence;
    return sentence;
}

void DumpNavigator::Note(const QString& sentence)
{
    const QRect viewport = m_pane->viewport()->geometry();
    QToolTip::showText(m_pane->mapToGlobal(QPoint(viewport.left() + 8, viewport.bottom() - 40)), sentence, m_pane,
                       {}, 4000);
}

void DumpNavigator::ToTop()
{
    m_inspector->MoveDataWindow(0);
    m_pane->verticalScrollBar()->setValue(0);
    m_pane->horizontalScrollBar()->setValue(0);
}

void DumpNavigator::ToEnd()
{
    m_inspector->MoveDataWindow(std::numeric_limits<std::uint64_t>::max());
    m_pane->verticalScrollBar()->setValue(m_pane->verticalScrollBar()->maximum());
}

void DumpNavigator::Page(int direction)
{
    QScrollBar* bar = m_pane->verticalScrollBar();
    const MemoView& data = m_dump->Pane().memos[kDataMemo];
    const std::uint64_t pageLines = static_cast<std::uint64_t>(std::max(1, bar->pageStep() / m_dump->LineHeight()));
    // At the pane's end, a cut data memo's window moves on by a page; at the window's top, back.
    if (direction > 0 && bar->value() >= bar->maximum() && m_dump->Pane().prompt) {
        m_inspector->MoveDataWindow(data.firstLine + pageLines);
        return;
    }
    if (direction < 0 && data.firstLine > 0 && bar->value() <= data.placement.top) {
        m_inspector->MoveDataWindow(data.firstLine - std::min(data.firstLine, pageLines));
        return;
    }
    bar->triggerAction(direction > 0 ? QAbstractSlider::SliderPageStepAdd : QAbstractSlider::SliderPageStepSub);
}

}  // namespace hexlume
