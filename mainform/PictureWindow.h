#pragma once

#include "PictureView.h"

#include <QWidget>

class QLabel;

namespace hexlume {

// The open file's picture in a window of its own, zoomable and linked to the dump: the status
// line says what the pixel under the pointer is and which bytes hold it, and with the pointer off
// the picture, the pixel chosen last; the line under it says what was chosen last, here or in the
// dump. Not modal; it belongs to the main window and closes with it.
class PictureWindow : public QWidget {
    Q_OBJECT

public:
    explicit PictureWindow(QWidget* owner);

    // The file's bytes stay the caller's and must live until the next ShowFile or Clear.
    // format: the headers of the DIB shown (an OS/2 array's bitmap, an icon's image).
    void ShowFile(const QString& fileName, format::Bytes file, const format::BitmapFormat& format);
    void Clear();
    PictureView* View() const { return m_view; }
    // What was chosen last, here or in the dump: `count` pixels along a row from `first` (marked,
    // the first said on the status line while the pointer is off the picture), or none, and what
    // the main window says of it.
    void ShowChosen(std::optional<PixelPosition> first, std::uint64_t count, const QString& text);

signals:
    void PixelChosen(PixelPosition pixel);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ReserveStatusLines();
    void KeepRoomFor(QLabel* label, const QString& text);
    void ShowHovered(std::optional<PixelPosition> pixel);
    // The pixel under the pointer, else the one chosen last, else a hint.
    void ShowPixelLine();
    void ShowScale(double scale);

    PictureView* m_view;
    QLabel* m_pixel;
    QLabel* m_link;
    QLabel* m_scale;
    format::Bytes m_file;
    std::optional<PixelPosition> m_hovered;
    std::optional<PixelPosition> m_chosen;
    bool m_roomWanted = false;  // a status line wants more room once the pointer leaves the picture
};

}  // namespace hexlume
