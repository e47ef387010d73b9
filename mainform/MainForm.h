#pragma once

#include "ColorScheme.h"
#include "model/Dib.h"
#include "primitives/ByteRange.h"
#include "texts/ShownImage.h"

#include <QWidget>

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace Ui {
class TMainForm;
}
class QDragEnterEvent;
class QDropEvent;
class QAction;
class QLabel;
class QMouseEvent;
class QMenu;

namespace hexlume {

class BusyCursor;
class DumpEditing;
class DumpInspector;
class FileDocument;
class FileFollower;
class FileWindows;
class HeaderLink;
class HexDumpView;
class PatchedSource;
class Platform;
class StatusPanels;
class ValueEditor;

// The main window: the preview, the two header tables, the hex dump pane and the status bar
// of one opened bitmap. Every text it shows comes finished from texts/; every dialog and outside
// program goes through the Platform. The widget and handler names are those the stored layout
// binds (README.md, "Names the stored layouts bind").
class TMainForm : public QWidget {
    Q_OBJECT

public:
    explicit TMainForm(Platform& platform, QWidget* parent = nullptr);
    ~TMainForm() override;

    // The open command: the dialog, then the model and every view (OpenPath).
    void OpenPicture();
    // The same road without the dialog, for a file dropped on the window or named on the
    // command line. The file is then followed: when another program rewrites it, it is read again.
    void OpenPath(const QString& path);
    // The file named on the command line, opened once the window is up, so that the Yes/No
    // prompt and any message sit over it.
    void OpenAtStart(const QString& path);
    // What the window says about the followed file beside the preview ("" when nothing).
    QString FollowSignText() const;
    // Rolls a new background colour; the ruler and line numbers take its inverse, where it reads.
    void SetRandomColors();

    int LineHeight() const { return m_lineHeight; }

    // The image of the file the views show (an OS/2 bitmap array has several): the next (1) or
    // previous (-1), or the one at `index` (from 0).
    void StepImage(int direction);
    void ChooseImage(std::size_t index);
    const ShownImage& Shown() const { return m_image; }

    // The open file's bytes as the user changed them. Every view follows its Changed(): the
    // editors write through it, and undo, redo and Save As act on it.
    FileDocument* Document() const { return m_document; }
    // The bitmap every view shows: the document's current bytes.
    const CDib& Model() const { return *m_model; }
    // Save As: the dialog, then the edited bytes written as a new file, which the window then
    // shows and follows. False when cancelled or refused, or when the save failed (said why).
    bool SaveAs();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void CreatePopupMenus();
    void CreateEditActions();
    void CreateImageActions();
    void UpdateImageActions();
    void FillImagesMenu();
    void InitGridTitles();
    void InitGridKeys();
    void InitStatusPanels();

    void CreateInspection();
    void CreateEditors();
    void SetInspecting(bool inspecting);
    // reload: the same file read again, so the pane keeps its place and asks nothing.
    void ShowFile(BusyCursor& busy, bool reload);
    void ShowPreview();
    void ShowHeaderValues();
    void ShowHexDump(bool reload);
    void ReloadFollowedFile();
    // Puts `next` in the model's place and shows it by the reload's road: the pane, its place
    // and the tables' rows stay, nothing asks. Returns the model it replaced, whose bytes the
    // views have let go of.
    std::unique_ptr<CDib> ReplaceModel(std::unique_ptr<CDib> next, BusyCursor& busy);
    // The document's current bytes in every view, its edits tinted and counted.
    void ShowDocument();
    // The document starts afresh from the model just read.
    void ResetDocument();
    void ShowEditCount();
    void UpdateEditActions();
    // Before edits not yet saved would go: Save (Save As), Discard or Cancel. True when they
    // may go (saved, discarded, or there were none).
    bool MayDropEdits(const QString& question);
    void ShowFollowSign(const QString& text, const QString& toolTip);
    void ShowStatusInfo(const std::string& fileName);
    void stbMainResize();

    // Runs the click handler of an image; false for any other widget.
    bool Click(QObject* watched);
    void PicMouseOn();
    void CloseMouseOn();
    void OnFQMouseOn();
    void OnCloseClick();
    void OnFQClick();
    void ShowCloseNormal();
    void ShowCloseHover();
    void ShowFQNormal();
    void ShowFQHover();

    std::unique_ptr<Ui::TMainForm> ui;
    Platform& m_platform;
    std::unique_ptr<CDib> m_model;
    // The image of it the views show: which (kept while the same file is read again or edited),
    // and how.
    std::size_t m_imageIndex = 0;
    ShownImage m_image;
    bool m_tablesOwn = false;  // the tables hold a file's own fields, not the base's names
    QMenu* m_imagesMenu = nullptr;
    QAction* m_nextImage = nullptr;
    QAction* m_previousImage = nullptr;
    int m_lineHeight = 0;
    RandomGenerator m_random;
    QString m_lastFile;
    QString m_previewToolTip;  // the layout's own; what the preview's marks mean follows it
    QMenu* m_ppmGlobal = nullptr;
    QMenu* m_ppmOpenPic = nullptr;
    std::unique_ptr<StatusPanels> m_statusPanels;
    std::unique_ptr<HexDumpView> m_dump;
    std::array<HeaderLink*, 2> m_headerLinks{};
    DumpInspector* m_inspector = nullptr;
    FileFollower* m_follower = nullptr;
    FileDocument* m_document = nullptr;
    // The file whose bytes the document starts from: never written, refused as a Save As target.
    QString m_openedPath;
    // The name the model and the status bar give the bytes: the opened file, or the file saved as.
    QString m_shownPath;
    // The opened file's bytes: the one block the model shows, which the document's source
    // patches in place with the edits while it keeps the file's own bytes aside.
    std::shared_ptr<PatchedSource> m_source;
    std::uint64_t m_modelRevision = 0;  // the document's revision the model shows
    // Where the block may not hold the file's own bytes: the next show patches these again.
    std::vector<ByteRange> m_patched;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    QLabel* m_followSign = nullptr;
    FileWindows* m_fileWindows = nullptr;
    std::array<ValueEditor*, 2> m_valueEditors{};
    DumpEditing* m_dumpEditing = nullptr;
    bool m_shown = false;
    bool m_opening = false;
};

}  // namespace hexlume
