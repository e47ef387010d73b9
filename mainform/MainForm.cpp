#include "MainForm.h"

#include "BusyCursor.h"
#include "DroppedFile.h"
#include "DumpInspector.h"
#include "DumpMemo.h"
#include "DumpNavigator.h"
#include "FileDocument.h"
#include "FileFollower.h"
#include "FileWindows.h"
#include "FindingsBadge.h"
#include "HeaderGrids.h"
#include "HeaderLink.h"
#include "HexDumpView.h"
#include "StatusPanels.h"
#include "picture/PreviewPicture.h"
#include "format/NumberText.h"
#include "texts/FileNamePart.h"
#include "platform/Platform.h"
#include "widgets/ImageButtons.h"
#include "widgets/LayoutFonts.h"
#include "widgets/QtText.h"
#include "widgets/Translation.h"
#include "ui_Mainformunit.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QMenu>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>

#include <algorithm>
#include <ctime>
#include <utility>

// Resources of a static library must be registered by hand, outside any namespace.
static void InitResources()
{
    Q_INIT_RESOURCE(hexlume);
}

namespace hexlume {

TMainForm::TMainForm(Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), ui(std::make_unique<Ui::TMainForm>()), m_platform(platform)
{
    InitResources();
    ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/buttons/hexlume.png")));
    ApplyLayoutPixelSizes(this);
    FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::FormCreate()
{
    m_random.Seed(static_cast<std::uint32_t>(std::time(nullptr)));
    ShowFQNormal();
    ShowCloseNormal();
    InitGridTitles();
    InitGridKeys();
    InitStatusPanels();
    m_model = std::make_unique<CDib>();
    m_document = new FileDocument(this);
    connect(m_document, &FileDocument::Changed, this, &TMainForm::ShowDocument);
    m_lineHeight = std::abs(ui->mmoInfoHeader->font().pixelSize());
    m_previewToolTip = ui->imgRevView->toolTip();

    m_dump = std::make_unique<HexDumpView>(
        HexDumpView::Widgets{.memos = {ui->mmoFileHeader, ui->mmoInfoHeader, ui->mmoPalette, ui->mmoData},
                             .numbers = ui->mmoNumbers,
                             .box = ui->sbxFile,
                             .contents = ui->sbxFileContents,
                             .ruler = ui->lblNumbers},
        m_lineHeight, m_platform, this);
    m_dump->ShowCaptions();

    CreatePopupMenus();
    CreateInspection();
    CreateImageActions();
    // Hover swapping needs pointer moves without a pressed button.
    for (QWidget* widget : std::initializer_list<QWidget*>{ui->imgRevView, ui->pnlButtons, ui->imgClose1,
                                                           ui->imgClose2, ui->imgFQ1, ui->imgFQ2}) {
        widget->setMouseTracking(true);
        widget->installEventFilter(this);
    }
    ui->stbMain->installEventFilter(this);
}

void TMainForm::CreatePopupMenus()
{
    m_ppmOpenPic = new QMenu(this);
    m_ppmOpenPic->setObjectName(QStringLiteral("ppmOpenPic"));
    m_ppmOpenPic->addAction(ui->pmiOpen);
    connect(ui->pmiOpen, &QAction::triggered, this, &TMainForm::OpenPicture);
    auto* pmiPicture = new QAction(tr("&Picture..."), this);
    pmiPicture->setObjectName(QStringLiteral("pmiPicture"));
    pmiPicture->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    addAction(pmiPicture);  // so its shortcut works anywhere in the window
    m_ppmOpenPic->addAction(pmiPicture);
    connect(pmiPicture, &QAction::triggered, this, [this] { m_fileWindows->OpenPicture(); });
    auto* pmiFields = new QAction(tr("&Fields..."), this);
    pmiFields->setObjectName(QStringLiteral("pmiFields"));
    pmiFields->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    addAction(pmiFields);
    m_ppmOpenPic->addAction(pmiFields);
    connect(pmiFields, &QAction::triggered, this, [this] { m_fileWindows->OpenFields(); });

    m_ppmGlobal = new QMenu(this);
    m_ppmGlobal->setObjectName(QStringLiteral("ppmGlobal"));
    m_ppmGlobal->addAction(ui->pmiChangeColors);
    m_ppmGlobal->addSeparator()->setObjectName(QStringLiteral("N1"));
    m_ppmGlobal->addAction(ui->Contact);
    connect(ui->pmiChangeColors, &QAction::triggered, this, &TMainForm::SetRandomColors);
    connect(ui->Contact, &QAction::triggered, this, &TMainForm::OnFQClick);

    const auto popUp = [](QMenu* menu, QWidget* owner) {
        // Scroll areas report the position in their viewport.
        auto* area = qobject_cast<QAbstractScrollArea*>(owner);
        QWidget* origin = area != nullptr ? area->viewport() : owner;
        connect(owner, &QWidget::customContextMenuRequested, menu,
                [menu, origin](const QPoint& pos) { menu->popup(origin->mapToGlobal(pos)); });
    };
    popUp(m_ppmOpenPic, ui->imgRevView);
    for (QWidget* owner : std::initializer_list<QWidget*>{this, ui->sgdFileHeader, ui->sgdInfoHeader, ui->stbMain})
        popUp(m_ppmGlobal, owner);
    CreateEditActions();
}

void TMainForm::CreateInspection()
{
    m_inspector = new DumpInspector({ui->mmoFileHeader, ui->mmoInfoHeader, ui->mmoPalette, ui->mmoData},
                                    ui->sgdFileHeader, ui->sgdInfoHeader, ui->sbxFile, m_dump.get(), this);
    m_headerLinks = {new HeaderLink(ui->sgdFileHeader, ui->mmoFileHeader, kFileHeaderMemo, kFileHeaderGrid,
                                    ui->sbxFile, m_inspector),
                     new HeaderLink(ui->sgdInfoHeader, ui->mmoInfoHeader, kInfoHeaderMemo, kInfoHeaderGrid,
                                    ui->sbxFile, m_inspector)};
    auto* navigator = new DumpNavigator(this, m_inspector, m_dump.get(), ui->sbxFile,
                      {ui->mmoFileHeader, ui->mmoInfoHeader, ui->mmoPalette, ui->mmoData});
    setAcceptDrops(true);
    connect(new QShortcut(QKeySequence::Open, this), &QShortcut::activated, this, &TMainForm::OpenPicture);

    m_follower = new FileFollower(this);
    connect(m_follower, &FileFollower::Settled, this, &TMainForm::ReloadFollowedFile);
    // Small and over the preview's lower edge: it must not move anything the layout places.
    m_followSign = new QLabel(ui->pnlBmp);
    m_followSign->setObjectName(QStringLiteral("lblFollowSign"));
    m_followSign->setFont(QApplication::font());  // the status bar's, so a whole sentence fits
    m_followSign->setAutoFillBackground(true);
    m_followSign->setAlignment(Qt::AlignCenter);
    m_followSign->setWordWrap(true);  // a sentence wider than the preview takes a second line, never loses words
    m_followSign->setMargin(2);
    m_followSign->hide();

    // On the caption strip between the buttons and the ruler, which the layout leaves bare.
    auto* badge = new FindingsBadge(this);
    const QRect buttons = ui->pnlButtons->geometry();
    badge->setGeometry(buttons.right() + 3, buttons.top(), ui->lblNumbers->x() - buttons.right() - 5, buttons.height());
    m_fileWindows = new FileWindows(this, m_inspector, badge,
                                    {ui->mmoFileHeader, ui->mmoInfoHeader, ui->mmoPalette, ui->mmoData});
    // The memos in the order given above: the file header's first, the info header's second.
    connect(navigator, &DumpNavigator::Reached, m_fileWindows, &FileWindows::ShowChosenByte);
    m_fileWindows->FollowHeaderTable(ui->sgdFileHeader, kFileHeaderGrid);
    m_fileWindows->FollowHeaderTable(ui->sgdInfoHeader, kInfoHeaderGrid);
    CreateEditors();
}

// Off while a file is being opened: the views then change under the links and the tooltips.
void TMainForm::SetInspecting(bool inspecting)
{
    if (inspecting) {
        m_inspector->Inspect(*m_model, m_image);
        m_fileWindows->Show(*m_model);
    } else {
        m_inspector->Clear();
        m_fileWindows->Clear();  // the model's bytes may go with the next version
    }
    for (HeaderLink* link : m_headerLinks)
        link->SetActive(inspecting);
}

void TMainForm::InitGridTitles()
{
    for (QTableWidget* grid : {ui->sgdFileHeader, ui->sgdInfoHeader})
        WriteGridTitles(grid);
}

void TMainForm::InitGridKeys()
{
    WriteGridKeys(ui->sgdFileHeader, kFileHeaderFields);
    WriteGridKeys(ui->sgdInfoHeader, kInfoHeaderFields);
}

void TMainForm::InitStatusPanels()
{
    m_statusPanels = std::make_unique<StatusPanels>(ui->stbMain);
}

void TMainForm::showEvent(QShowEvent* event)
{
    if (!m_shown) {
        m_shown = true;
        if (const QScreen* screen = this->screen())
            move(screen->availableGeometry().center() - rect().center());
        FormShow();
    }
    QWidget::showEvent(event);
}

// The findings list and the picture belong to this window: it must not keep the program running alone.
void TMainForm::closeEvent(QCloseEvent* event)
{
    if (!MayDropEdits(tr("%1 has edits that are not saved. Save them as a new file before closing?")
                          .arg(QFileInfo(m_shownPath).fileName()))) {
        event->ignore();
        return;
    }
    m_fileWindows->CloseAll();
    QWidget::closeEvent(event);
}

void TMainForm::FormShow()
{
    SetRandomColors();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Resize:
        if (watched == ui->stbMain)
            stbMainResize();
        break;
    case QEvent::MouseMove:
        if (watched == ui->imgRevView || watched == ui->pnlButtons)
            PicMouseOn();
        else if (watched == ui->imgClose1)
            CloseMouseOn();
        else if (watched == ui->imgFQ1)
            OnFQMouseOn();
        else if (watched != ui->imgClose2 && watched != ui->imgFQ2)
            return QWidget::eventFilter(watched, event);
        // Handled here; a hover image (imgClose2, imgFQ2) changes nothing, and its move must not
        // reach pnlButtons, which would put the pair back to normal.
        return true;
    case QEvent::MouseButtonRelease:
        return (IsLeftClick(watched, event) && Click(watched)) || QWidget::eventFilter(watched, event);
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool TMainForm::Click(QObject* watched)
{
    if (watched == ui->imgRevView)
        OpenPicture();  // imgRevViewClick
    else if (watched == ui->imgClose1 || watched == ui->imgClose2)
        OnCloseClick();
    else if (watched == ui->imgFQ1 || watched == ui->imgFQ2)
        OnFQClick();
    else
        return false;
    return true;
}

void TMainForm::OpenPicture()
{
    if (m_opening)
        return;
    const std::optional<QString> chosen = m_platform.AskOpenPicture(this, QDir::currentPath(), m_lastFile);
    if (chosen)
        OpenPath(*chosen);
}

void TMainForm::OpenPath(const QString& path)
{
    // The export question is modal, but a second open inside the first would replace the model
    // under the views being filled: never nest.
    if (m_opening)
        return;
    m_opening = true;
    const auto done = qScopeGuard([this] { m_opening = false; });

    const QString lastFile = std::exchange(m_lastFile, path);
    const QString lastFolder = QDir::currentPath();
    // As the desktop's own dialog does: the next open starts here, and the export lands here.
    QDir::setCurrent(QFileInfo(path).absolutePath());

    BusyCursor busy;
    auto next = std::make_unique<CDib>();
    if (!next->LoadFile(QFile::encodeName(path).toStdString())) {
        busy.Release();
        m_platform.ShowError(QStringLiteral("%1\n%2").arg(QDir::toNativeSeparators(path),
                                                          Say(next->LastError())));
        return;
    }
    if (m_document->HasUnsavedEdits()) {
        busy.Release();
        if (!MayDropEdits(tr("%1 has edits that are not saved. Save them as a new file before opening %2?")
                              .arg(QFileInfo(m_shownPath).fileName(), QFileInfo(path).fileName()))) {
            m_lastFile = lastFile;
            QDir::setCurrent(lastFolder);
            return;
        }
    }
    m_openedPath = m_shownPath = QFileInfo(path).absoluteFilePath();
    ShowFollowSign({}, {});
    m_follower->Follow(path);
    // The views let go of the previous model's bytes in ShowFile, before it goes at the end.
    const std::unique_ptr<CDib> previous = std::exchange(m_model, std::move(next));
    m_imageIndex = 0;
    ResetDocument();
    ShowFile(busy, false);
}

// The one road from a freshly read model to every view: preview, header tables, dump and status
// bar, then the inspection. The caller's wait cursor goes once the preview stands.
void TMainForm::ShowFile(BusyCursor& busy, bool reload)
{
    SetInspecting(false);
    m_image = ShowImage(*m_model, m_imageIndex);
    m_imageIndex = m_image.index;
    ShowPreview();
    busy.Release();
    ShowHeaderValues();
    ShowHexDump(reload);
    ShowStatusInfo(std::string(NamePart(m_model->GetFileName())));
    BusyCursor inspecting;
    SetInspecting(true);
    UpdateImageActions();
}

void TMainForm::OpenAtStart(const QString& path)
{
    QTimer::singleShot(0, this, [this, path] { OpenPath(path); });
}

QString TMainForm::FollowSignText() const
{
    return m_followSign->isVisible() ? m_followSign->text() : QString();
}

void TMainForm::ShowFollowSign(const QString& text, const QString& toolTip)
{
    m_followSign->setText(text);
    m_followSign->setToolTip(toolTip);
    // As tall as its wrapped text needs, standing on the preview's lower edge.
    const QWidget* panel = ui->pnlBmp;
    const int height = std::min(m_followSign->heightForWidth(panel->width()), panel->height());
    m_followSign->setGeometry(0, panel->height() - height, panel->width(), height);
    m_followSign->setVisible(!text.isEmpty());
}

// The followed file has a new version, or is gone. A version the model cannot read (missing,
// or caught half-written) leaves the last good views as they are, with a sign and no message
// box; a good one replaces them in place, its changed bytes marked until the next open. Edits
// not yet saved are asked about first.
void TMainForm::ReloadFollowedFile()
{
    if (m_opening || m_model->FileBytes().empty())
        return;
    const QString path = m_follower->Path();
    if (!QFileInfo::exists(path)) {
        ShowFollowSign(tr("File gone: last version shown"),
                       tr("%1 is no longer there; the window shows it as it was.").arg(QDir::toNativeSeparators(path)));
        return;
    }
    BusyCursor busy;
    auto next = std::make_unique<CDib>();
    if (!next->LoadFile(QFile::encodeName(path).toStdString())) {
        busy.Release();
        ShowFollowSign(tr("Unreadable now: last version shown"),
                       Say(next->LastError()));
        return;
    }
    if (m_document->HasUnsavedEdits()) {
        busy.Release();
        if (!MayDropEdits(tr("%1 changed on disk, and the edits here are not saved. Save them as a new file "
                             "before it is read again?")
                              .arg(QFileInfo(path).fileName())))
            return;
        if (m_follower->Path() != path)
            return;  // saved as another file, which the window now follows
    }
    m_openedPath = m_shownPath = path;
    const std::unique_ptr<CDib> previous = ReplaceModel(std::move(next), busy);
    ResetDocument();
    const std::uint64_t changed = m_inspector->MarkChangesFrom(previous->FileBytes());
    ShowFollowSign(tr("Reloaded: %1 changed").arg(Say(format::say::Bytes(changed))),
                   tr("The file changed on disk and was read again; the bytes that differ are tinted in the "
                      "dump until the next open."));
}

std::unique_ptr<CDib> TMainForm::ReplaceModel(std::unique_ptr<CDib> next, BusyCursor& busy)
{
    m_opening = true;
    const auto done = qScopeGuard([this] { m_opening = false; });
    const int vertical = ui->sbxFile->verticalScrollBar()->value();
    const int horizontal = ui->sbxFile->horizontalScrollBar()->value();
    // A table keeps a current row without a selection: only a chosen row is chosen again.
    const auto chosenRow = [](const QTableWidget* grid) {
        return grid->selectionModel()->hasSelection() ? grid->currentRow() : -1;
    };
    const int fileRow = chosenRow(ui->sgdFileHeader);
    const int infoRow = chosenRow(ui->sgdInfoHeader);
    const ByteRange lit = m_inspector->Lit();

    std::unique_ptr<CDib> previous = std::exchange(m_model, std::move(next));
    ShowFile(busy, true);

    // The lit bytes first: lighting them brings them into view, and the pane's own place must win.
    if (fileRow >= 0)
        ui->sgdFileHeader->setCurrentCell(fileRow, ui->sgdFileHeader->currentColumn());
    if (infoRow >= 0)
        ui->sgdInfoHeader->setCurrentCell(infoRow, ui->sgdInfoHeader->currentColumn());
    if (fileRow < 0 && infoRow < 0 && lit.size > 0 && lit.End() <= m_model->FileBytes().size())
        m_inspector->ShowBytes(lit.offset, lit.size);
    ui->sbxFile->verticalScrollBar()->setValue(vertical);
    ui->sbxFile->horizontalScrollBar()->setValue(horizontal);
    return previous;
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event)
{
    if (!m_opening && DroppedBitmap(event->mimeData()))
        event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event)
{
    if (const std::optional<QString> path = DroppedBitmap(event->mimeData()); path && !m_opening) {
        event->acceptProposedAction();
        OpenPath(*path);
    }
}

// Drawn straight at the preview's size from the model's bytes; a bitmap without a pixel format
// shows why instead. The tooltip says what the drawing's marks mean, for this picture only.
void TMainForm::ShowPreview()
{
    const DrawnPicture picture = DrawPreview(m_model->FileBytes(), m_image.format, ui->imgRevView->size());
    ui->imgRevView->setToolTip((QStringList{m_previewToolTip} + MarkNotes(picture.marks)).join(u'\n'));
    // The start-up caption lies beneath: it must not show through a reason.
    ui->imgRevView->setAutoFillBackground(true);
    if (picture.image.isNull()) {
        ui->imgRevView->setWordWrap(true);
        ui->imgRevView->setAlignment(Qt::AlignCenter);
        ui->imgRevView->setText(Say(picture.reason));
    } else {
        ui->imgRevView->setPixmap(QPixmap::fromImage(picture.image));
    }
}

void TMainForm::ShowHeaderValues()
{
    if (m_image.ownFields) {
        WriteGridRows(ui->sgdFileHeader, m_image.tables[kFileHeaderGrid]);
        WriteGridRows(ui->sgdInfoHeader, m_image.tables[kInfoHeaderGrid]);
        m_tablesOwn = true;
        return;
    }
    if (std::exchange(m_tablesOwn, false)) {
        ui->sgdFileHeader->setRowCount(static_cast<int>(kFileHeaderFields.size()));
        ui->sgdInfoHeader->setRowCount(static_cast<int>(kInfoHeaderFields.size()));
        InitGridKeys();
    }
    WriteGridValues(ui->sgdFileHeader, FileHeaderValueTexts(m_model->GetFileHeader()));
    WriteGridValues(ui->sgdInfoHeader, InfoHeaderValueTexts(m_model->GetInfoHeader()));
}

void TMainForm::ShowHexDump(bool reload)
{
    m_dump->Show(*m_model, m_image.dump, reload);
}

void TMainForm::ShowStatusInfo(const std::string& fileName)
{
    m_statusPanels->Show(ImageStatusTexts(fileName, *m_model, m_image));
}

void TMainForm::stbMainResize()
{
    m_statusPanels->Resize();
}

}  // namespace hexlume
