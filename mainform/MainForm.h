#pragma once

#include "ColorScheme.h"
#include "model/Dib.h"

#include <QWidget>

#include <array>
#include <memory>
#include <string>

namespace Ui {
class TMainForm;
}
class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QMouseEvent;
class QMenu;

namespace hexlume {

class BusyCursor;
class DumpEditing;
class DumpInspector;
class FileFollower;
class FileWindows;
class HeaderLink;
class HexDumpView;
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
    QLabel* m_followSign = nullptr;
    FileWindows* m_fileWindows = nullptr;
    std::array<ValueEditor*, 2> m_valueEditors{};
    DumpEditing* m_dumpEditing = nullptr;
    bool m_shown = false;
    bool m_opening = false;
};

}  // namespace hexlume
