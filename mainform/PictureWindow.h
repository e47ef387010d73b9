#pragma once

#include "PictureView.h"

#include <QWidget>

class QLabel;

namespace hexlume {

// The open file's picture in a window of its own, zoomable and linked to the dump: the status
// line says what the pixel under the pointer is and which bytes hold it. Not modal; it belongs
// to the main window and closes with it.
class PictureWindow : public QWidget {
    Q_OBJECT

public:
    explicit PictureWindow(QWidget* owner);

    // The file's bytes stay the caller's and must live until the next ShowFile or Clear.
    void ShowFile(const QString& fileName, format::Bytes file);
    void Clear();
    PictureView* View() const { return m_view; }
    // What the main window says of the bytes of a clicked pixel.
    void SetLinkText(const QString& text);

signals:
    void PixelChosen(PixelPosition pixel);

private:
    void ShowHovered(std::optional<PixelPosition> pixel);
    void ShowScale(double scale);

    PictureView* m_view;
    QLabel* m_pixel;
    QLabel* m_link;
    QLabel* m_scale;
    format::Bytes m_file;
};

}  // namespace hexlume
