// The main window's choice among a file's images: an OS/2 bitmap array holds several, and every
// view shows one of them at a time.
#include "MainForm.h"

#include "BusyCursor.h"
#include "DumpInspector.h"
#include "widgets/QtText.h"
#include "widgets/Translation.h"
#include "ui_Mainformunit.h"

#include <QAction>
#include <QMenu>
#include <QScopeGuard>
#include <QScrollBar>

#include <utility>

namespace hexlume {

// Window-wide keys, as tabbed viewers step between their pages; the popup menus list the images.
void TMainForm::CreateImageActions()
{
    const auto add = [this](const char* name, const QString& text, QKeySequence keys, int direction) {
        auto* action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(keys);
        addAction(action);
        connect(action, &QAction::triggered, this, [this, direction] { StepImage(direction); });
        return action;
    };
    m_nextImage = add("actNextImage", tr("&Next image"), QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1);
    m_previousImage = add("actPreviousImage", tr("&Previous image"), QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1);
    m_imagesMenu = new QMenu(tr("&Images"), this);
    m_imagesMenu->setObjectName(QStringLiteral("pmiImages"));
    connect(m_imagesMenu, &QMenu::aboutToShow, this, &TMainForm::FillImagesMenu);
    // After each menu's own items, before the edit commands.
    for (QMenu* menu : {m_ppmOpenPic, m_ppmGlobal})
        menu->insertMenu(menu->actions().value(3), m_imagesMenu);
    FillImagesMenu();
    UpdateImageActions();
}

void TMainForm::UpdateImageActions()
{
    const bool several = m_inspector->File() != nullptr && m_image.count > 1;
    for (QAction* action : {m_nextImage, m_previousImage, m_imagesMenu->menuAction()})
        action->setEnabled(several);
}

// Each image with its size and bit count, the one shown checked; then the two steps.
void TMainForm::FillImagesMenu()
{
    m_imagesMenu->clear();
    if (m_inspector->File() != nullptr) {
        const std::vector<Message> lines = ImageListLines(m_model->FileBytes(), m_image.count);
        for (std::size_t index = 0; index < lines.size(); ++index) {
            QAction* image = m_imagesMenu->addAction(Say(lines[index]), this, [this, index] { ChooseImage(index); });
            image->setObjectName(QStringLiteral("pmiImage%1").arg(index + 1));
            image->setCheckable(true);
            image->setChecked(index == m_image.index);
        }
        m_imagesMenu->addSeparator();
    }
    m_imagesMenu->addActions({m_nextImage, m_previousImage});
}

void TMainForm::StepImage(int direction)
{
    if (m_image.count < 2)
        return;
    const std::size_t count = m_image.count;
    ChooseImage((m_image.index + count + static_cast<std::size_t>(direction + static_cast<int>(count))) % count);
}

// By the reload's road, so nothing asks about the dump's export; the pane starts at the top.
void TMainForm::ChooseImage(std::size_t index)
{
    if (m_opening || m_inspector->File() == nullptr || index >= m_image.count || index == m_image.index)
        return;
    m_opening = true;
    const auto done = qScopeGuard([this] { m_opening = false; });
    m_imageIndex = index;
    BusyCursor busy;
    ShowFile(busy, true);
    ui->sbxFile->verticalScrollBar()->setValue(0);
    ui->sbxFile->horizontalScrollBar()->setValue(0);
}

}  // namespace hexlume
