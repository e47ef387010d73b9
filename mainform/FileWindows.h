#pragma once

#include "PictureView.h"
#include "format/Repair.h"
#include "texts/DumpPane.h"
#include "texts/HeaderTexts.h"
#include "texts/ShownImage.h"

#include <QObject>

#include <array>
#include <cstdint>
#include <span>

class QTableWidget;
class QWidget;

namespace hexlume {

class CDib;
class DumpInspector;
class DumpMemo;
class FieldsWindow;
class FileDocument;
class FindingsBadge;
class FindingsWindow;
class PictureWindow;

// The views of the open file beside the main window's own: the findings badge and list, the
// picture window and the fields window, each linked to the dump through the inspector. They show a file only while
// the inspector has one, so none of them reads the bytes of a file being replaced.
class FileWindows : public QObject {
    Q_OBJECT

public:
    FileWindows(QWidget* window, DumpInspector* inspector, FindingsBadge* badge,
                const std::array<DumpMemo*, kMemoCount>& memos);

    // After the inspector has read `model`, whose bytes must live until the next Clear.
    void Show(const CDib& model);
    void Clear();
    // Opens the findings list and, with a direction, chooses the next (1) or previous (-1) finding.
    void OpenFindings(int direction = 0);
    void OpenPicture();
    void OpenFields();
    void CloseAll();
    // The document the Fields window's value cells write to.
    void SetDocument(FileDocument* document);
    // Says in the picture window what a byte of the file lit elsewhere (by a go-to, a find, a
    // header field) stands for, so the window follows the dump's latest highlight.
    void ShowChosenByte(std::uint64_t offset);
    // A field chosen in a header table (the shown image's table `table`) is the latest choice too.
    void FollowHeaderTable(QTableWidget* grid, GridIndex table);

private:
    void ShowPictureOfFile();
    void ShowBytesOfPixel(PixelPosition pixel);
    void MarkPixelsOfByte(std::size_t memo, std::uint64_t byte);
    void ShowChosenFinding(std::size_t finding);
    // The repairs as one edit of the document, each made on the bytes the one before left.
    void MakeRepairs(std::span<const format::Repair> repairs);
    void ShowFieldsOfFile();
    void ShowChosenField(std::uint64_t offset, std::uint64_t size);
    // The picture window's mark and lines for a byte chosen in the dump or the findings list:
    // the pixels it draws, or that it draws none.
    void ShowPixelsOfBytes(std::uint64_t offset, const QString& chosen);
    // A window about to open: beside the main window and the other file window, inside the screen.
    void PlaceBesideWindow(QWidget* other) const;

    QWidget* m_window;
    DumpInspector* m_inspector;
    FindingsBadge* m_badge;
    FindingsWindow* m_findings;
    PictureWindow* m_picture;
    FieldsWindow* m_fields;
    FileDocument* m_document = nullptr;
    const CDib* m_model = nullptr;  // the file shown, while there is one
    bool m_pictureShowsFile = false;
    bool m_fieldsShowFile = false;
};

}  // namespace hexlume
