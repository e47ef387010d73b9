#include "FindingsWindow.h"

#include "SeverityLook.h"
#include "format/NumberText.h"
#include "texts/FindingsTexts.h"
#include "widgets/QtText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QKeyEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace hexlume {

namespace {

enum Column { kSeverityColumn, kCodeColumn, kOffsetColumn, kDumpColumn, kMessageColumn };
constexpr int kFindingRole = Qt::UserRole;

}  // namespace

FindingsWindow::FindingsWindow(QWidget* owner)
    : QWidget(owner, Qt::Window), m_list(new QTreeWidget(this)), m_place(new QLabel(this)), m_limits(new QLabel(this))
{
    setObjectName(QStringLiteral("FindingsWindow"));
    setWindowTitle(tr("Findings"));
    resize(820, 300);
    m_list->setObjectName(QStringLiteral("lstFindings"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAlternatingRowColors(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setHeaderLabels({tr("Severity"), tr("Code"), tr("Offset"), tr("In the dump"), tr("Message")});
    m_list->header()->setStretchLastSection(true);
    m_place->setObjectName(QStringLiteral("lblFindingPlace"));
    m_place->setWordWrap(true);
    m_limits->setObjectName(QStringLiteral("lblDumpLimits"));
    m_limits->setWordWrap(true);
    m_limits->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_limits->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_place);
    layout->addWidget(m_limits);

    connect(m_list, &QTreeWidget::currentItemChanged, this, &FindingsWindow::ChooseCurrent);
    m_list->installEventFilter(this);
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
        auto* row = new QTreeWidgetItem({FromUtf8(format::SeverityName(finding.severity)), FromUtf8(format::CodeName(finding.code)),
                                         FromUtf8(format::HexNumber(finding.offset)),
                                         index < where.size() ? FromUtf8(where[index]) : QString(),
                                         FromUtf8(finding.message)});
        row->setIcon(kSeverityColumn, SeverityIcon(finding.severity));
        row->setToolTip(kMessageColumn, FromUtf8(finding.message));
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

void FindingsWindow::Clear()
{
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    m_findings.clear();
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
