#pragma once

#include "PictureView.h"
#include "format/HiddenRows.h"
#include "format/Layout.h"

#include <QWidget>

#include <vector>

class QComboBox;
class QLabel;
class QToolButton;

namespace hexlume {

// The open file's picture in a window of its own, zoomable and linked to the dump: the status
// line says what the pixel under the pointer is and which bytes hold it, and with the pointer off
// the picture, the pixel chosen last; the line under it says what was chosen last, here or in the
// dump. Not modal; it belongs to the main window and closes with it. Besides the colours it
// shows what the pixels store, a channel as grey or one bit plane of it, and on request the
// whole rows stored past the picture, which its height leaves out.
class PictureWindow : public QWidget {
    Q_OBJECT

public:
    explicit PictureWindow(QWidget* owner);

    // The file's bytes stay the caller's and must live until the next ShowFile or Clear.
    // format: the headers of the DIB shown (an OS/2 array's bitmap, an icon's image).
    void ShowFile(const QString& fileName, format::Bytes file, const format::BitmapFormat& format);
    void Clear();
    PictureView* View() const { return m_view; }
    // The layout the window's pixels are counted in, given the file's: the rows past the
    // picture become part of its pixel data while the window shows them.
    format::Layout ShownLayout(const format::Layout& layout) const;
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
    // The picture as its headers have it, or with the rows past it when they are asked for.
    void ShowPicture();
    // The looks the picture offers in the selector, the view's chosen.
    void ListLooks();
    void ChooseLook(int index);
    // Through every look (1 = the next), or from channel to channel; round at the ends.
    void StepLook(int steps);
    void StepChannel(int steps);
    void ShowAllRows(bool shown);
    // Whether a pixel of the picture shown lies in the rows past the picture's height.
    bool PastPicture(PixelPosition pixel) const;
    // widest: with the look's largest value, for the room the line may need.
    QString PixelLineText(std::optional<PixelPosition> pixel, bool widest = false) const;
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
    QComboBox* m_looks;
    QToolButton* m_allRows;
    std::vector<PictureLook> m_lookList;  // the selector's items
    format::Bytes m_file;
    format::BitmapFormat m_fileFormat;
    std::optional<format::RowsPastPicture> m_rows;  // the whole rows stored past the picture
    std::optional<PixelPosition> m_hovered;
    std::optional<PixelPosition> m_chosen;
    std::uint64_t m_chosenCount = 0;
    bool m_roomWanted = false;  // a status line wants more room once the pointer leaves the picture
};

}  // namespace hexlume
