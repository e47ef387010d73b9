#include "FindingsWindow.h"

#include "SeverityLook.h"
#include "format/NumberText.h"
#include "texts/FindingsTexts.h"
#include "widgets/QtText.h"
#include "widgets/Translation.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace hexlume {

namespace {

enum Column { kSeverityColumn, kCodeColumn, kOffsetColumn, kDumpColumn, kFixColumn, kMessageColumn };
constexpr int kFindingRole = Qt::UserRole;

}  // namespace

FindingsWindow::FindingsWindow(QWidget* owner)
    : QWidget(owner, Qt::Window), m_list(new QTreeWidget(this)), m_place(new QLabel(this)), m_limits(new QLabel(this)),
      m_fix(new QAction(tr("&Fix"), this)), m_fixAll(new QAction(tr("Fix &all"), this)),
      m_guessButton(new QToolButton(this)), m_guessMenu(new QMenu(this))
{
    setObjectName(QStringLiteral("FindingsWindow"));
    setWindowTitle(tr("Findings"));
    resize(820, 300);
    m_list->setObjectName(QStringLiteral("lstFindings"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAlternatingRowColors(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setHeaderLabels({tr("Severity"), tr("Code"), tr("Offset"), tr("In the dump"), tr("Repair"), tr("Message")});
    m_list->header()->setStretchLastSection(true);
    m_place->setObjectName(QStringLiteral("lblFindingPlace"));
    m_place->setWordWrap(true);
    m_limits->setObjectName(QStringLiteral("lblDumpLimits"));
    m_limits->setWordWrap(true);
    m_limits->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_limits->hide();

    // The actions are the main window's too (see FileWindows), so Ctrl+. works from either.
    m_fix->setObjectName(QStringLiteral("actFix"));
    m_fix->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Period));
    m_fix->setToolTip(tr("Make the chosen finding's repair, as one edit to undo"));
    m_fixAll->setObjectName(QStringLiteral("actFixAll"));
    m_fixAll->setToolTip(tr("Make every repair the file's own bytes leave one answer for, as one edit to undo"));
    addActions({m_fix, m_fixAll});
    connect(m_fix, &QAction::triggered, this, [this] {
        if (const format::Repair* repair = ChosenRepair())
            emit FixAsked(*repair);
    });
    connect(m_fixAll, &QAction::triggered, this, [this] {
        if (!m_safe.empty())
            emit FixAllAsked();
    });
    auto* fixButton = new QToolButton(this);
    fixButton->setObjectName(QStringLiteral("btnFix"));
    fixButton->setDefaultAction(m_fix);
    auto* fixAllButton = new QToolButton(this);
    fixAllButton->setObjectName(QStringLiteral("btnFixAll"));
    fixAllButton->setDefaultAction(m_fixAll);
    // Guesses make up what the file does not say: each is named, never part of Fix all.
    m_guessMenu->setObjectName(QStringLiteral("mnuGuesses"));
    m_guessButton->setObjectName(QStringLiteral("btnGuesses"));
    m_guessButton->setText(tr("Repairs that guess"));
    m_guessButton->setMenu(m_guessMenu);
    m_guessButton->setPopupMode(QToolButton::InstantPopup);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(fixButton);
    buttons->addWidget(fixAllButton);
    buttons->addWidget(m_guessButton);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(buttons);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_place);
    layout->addWidget(m_limits);

    connect(m_list, &QTreeWidget::currentItemChanged, this, &FindingsWindow::ChooseCurrent);
    m_list->installEventFilter(this);
    UpdateFixActions();
}

// The list's own copy takes one cell; the rows go out whole, as the checker prints them.
bool FindingsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        CopySelection();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void FindingsWindow::ShowFindings(const QString& fileName, std::vector<format::Finding> findings,
                                  std::vector<std::string> where, const QStringList& dumpLimits)
{
    Clear();
    setWindowTitle(tr("Findings — %1").arg(fileName));
    m_findings = std::move(findings);
    QList<QTreeWidgetItem*> rows;
    for (const std::size_t index : FindingsListOrder(m_findings)) {
        const format::Finding& finding = m_findings[index];
        auto* row = new QTreeWidgetItem({Say(format::SeverityWord(finding.severity)), FromUtf8(format::CodeName(finding.code)),
                                         FromUtf8(format::HexNumber(finding.offset)),
                                         index < where.size() ? FromUtf8(where[index]) : QString(), QString(),
                                         Say(finding.message)});
        row->setIcon(kSeverityColumn, SeverityIcon(finding.severity));
        row->setToolTip(kMessageColumn, Say(finding.message));
        row->setData(kSeverityColumn, kFindingRole, QVariant::fromValue(index));
        rows << row;
    }
    m_list->addTopLevelItems(rows);
    for (int column = 0; column < kMessageColumn; ++column)
        m_list->resizeColumnToContents(column);
    m_place->setText(m_findings.empty() ? tr("The checker finds nothing wrong or worth noting in this file.")
                                        : tr("Choose a finding to see its bytes in the dump."));
    if (!dumpLimits.isEmpty()) {
        m_limits->setText(tr("What the dump cannot show as the file has it (limits of this window, not findings):") +
                          QStringLiteral("\n• ") + dumpLimits.join(QStringLiteral("\n• ")));
        m_limits->show();
    }
}

void FindingsWindow::ShowRepairs(std::vector<format::Repair> safe, std::vector<format::Repair> guesses)
{
    m_safe = std::move(safe);
    m_guesses = std::move(guesses);
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = m_list->topLevelItem(row);
        const format::Finding& finding = m_findings[item->data(kSeverityColumn, kFindingRole).value<std::size_t>()];
        const auto repair = std::ranges::find(m_safe, finding.code, &format::Repair::code);
        item->setText(kFixColumn, repair != m_safe.end() ? tr("Fix") : QString());
        item->setToolTip(kFixColumn, repair != m_safe.end() ? Say(repair->sentence) : QString());
    }
    m_list->resizeColumnToContents(kFixColumn);
    m_guessMenu->clear();
    for (std::size_t index = 0; index < m_guesses.size(); ++index) {
        QAction* guess = m_guessMenu->addAction(Say(m_guesses[index].sentence));
        guess->setObjectName(QStringLiteral("actGuess%1").arg(index));
        connect(guess, &QAction::triggered, this, [this, index] {
            if (index < m_guesses.size())
                emit FixAsked(m_guesses[index]);
        });
    }
    UpdateFixActions();
}

const format::Repair* FindingsWindow::ChosenRepair() const
{
    const QTreeWidgetItem* row = m_list->currentItem();
    if (row == nullptr)
        return nullptr;
    const std::size_t index = row->data(kSeverityColumn, kFindingRole).value<std::size_t>();
    if (index >= m_findings.size())
        return nullptr;
    const auto repair = std::ranges::find(m_safe, m_findings[index].code, &format::Repair::code);
    return repair != m_safe.end() ? &*repair : nullptr;
}

void FindingsWindow::UpdateFixActions()
{
    m_fix->setEnabled(ChosenRepair() != nullptr);
    m_fixAll->setEnabled(!m_safe.empty());
    m_guessButton->setEnabled(!m_guesses.empty());
}

void FindingsWindow::Clear()
{
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    m_findings.clear();
    m_safe.clear();
    m_guesses.clear();
    m_guessMenu->clear();
    UpdateFixActions();
    m_place->clear();
    m_limits->clear();
    m_limits->hide();
    setWindowTitle(tr("Findings"));
}

void FindingsWindow::Step(int direction)
{
    const int count = m_list->topLevelItemCount();
    if (count == 0)
        return;
    const int current = m_list->indexOfTopLevelItem(m_list->currentItem());
    const int next = current < 0 ? (direction > 0 ? 0 : count - 1) : (current + direction + count) % count;
    m_list->setCurrentItem(m_list->topLevelItem(next));
}

void FindingsWindow::SetPlaceText(const QString& text)
{
    m_place->setText(text);
}

void FindingsWindow::ChooseCurrent()
{
    UpdateFixActions();
    if (const QTreeWidgetItem* row = m_list->currentItem())
        emit FindingChosen(row->data(kSeverityColumn, kFindingRole).value<std::size_t>());
}

void FindingsWindow::CopySelection() const
{
    std::vector<std::size_t> chosen;
    for (int row = 0; row < m_list->topLevelItemCount(); ++row)
        if (const QTreeWidgetItem* item = m_list->topLevelItem(row); item->isSelected())
            chosen.push_back(item->data(kSeverityColumn, kFindingRole).value<std::size_t>());
    if (!chosen.empty())
        QGuiApplication::clipboard()->setText(FromUtf8(CopiedFindingsText(m_findings, chosen)));
}

}  // namespace hexlume
