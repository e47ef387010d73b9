#pragma once

#include "format/Findings.h"
#include "format/Layout.h"
#include "texts/FindingsTexts.h"
#include "texts/InspectionTexts.h"
#include "texts/ShownImage.h"

#include <QObject>

#include <array>
#include <vector>

class QScrollArea;
class QTableWidget;

namespace hexlume {

class CDib;
class DumpMemo;
class HexDumpView;

// What the window says about the file it shows, by the file's real layout: a tooltip for every
// dump byte, and the findings marked on the header cells and under the dump's bytes.
//
// It also keeps the one lit range of the dump: whatever lights bytes (a click, a header row, a
// finding, a pixel, go-to, find) goes through it, so lighting one range puts out the last, and
// the rest of the window follows Selected.
class DumpInspector : public QObject {
    Q_OBJECT

public:
    DumpInspector(std::array<DumpMemo*, kMemoCount> memos, QTableWidget* fileGrid, QTableWidget* infoGrid,
                  QScrollArea* pane, HexDumpView* dump, QObject* parent);

    // Forgets the file: no tooltips, marks or lit bytes while the next one's views are being built.
    void Clear();
    // Reads the loaded file's layout and findings, after the tables and the dump show `image` of it.
    void Inspect(const CDib& dib, const ShownImage& image);

    const std::vector<format::Finding>& Findings() const { return m_findings; }
    // Where each finding stands in the dump, in the findings' order.
    std::vector<FindingPlace> Places() const;
    // Lights a finding's bytes in the dump and brings the first into view; a finding on a
    // header field also selects the field's row. Returns where the bytes are.
    FindingPlace ShowFinding(std::size_t finding);
    // Lights any bytes of the file in the dump and brings the first into view, moving the window
    // of a cut pixel-data memo to them when they lie past it. No table row stays selected.
    FindingPlace ShowBytes(std::uint64_t offset, std::uint64_t length);
    // Lights bytes of one memo, as the header tables light their fields; the view stays.
    void LightMemoBytes(std::size_t memo, std::uint64_t first, std::uint64_t end);
    // Puts out the lit bytes when they are in `memo`, as a table does when its row goes.
    void UnlightMemo(std::size_t memo);
    void ClearHighlight();
    // The first byte of the lit range (the offset go-to counts from), 0 when none is lit.
    std::uint64_t Caret() const { return m_lit.length > 0 ? m_lit.offset : 0; }
    bool HasLit() const { return m_lit.length > 0; }
    // The lit bytes of the file; size 0 when none are lit.
    ByteRange Lit() const { return {m_lit.offset, m_lit.length}; }
    // The file inspected; null while there is none.
    const CDib* File() const { return m_dib; }
    // A cut pixel-data memo shows the data's lines from `firstLine` on (as far as the data
    // reaches), or the window holding `offset`; nothing moves when the stack is whole.
    void MoveDataWindow(std::uint64_t firstLine);
    void BringIntoView(std::uint64_t offset);

    // The file's layout; its format is the shown image's headers.
    const format::Layout& Layout() const { return m_layout; }
    // The image of the file the tables and the dump show.
    const ShownImage& Image() const { return m_image; }
    // Where the memos' bytes stand in the inspected file.
    const DumpFileMap& Map() const { return m_map; }
    // The file offset of a byte of a memo, while a file is inspected.
    std::optional<std::uint64_t> FileOffset(std::size_t memo, std::uint64_t byte) const;
    // Tints the bytes of the inspected file that differ from `previous`, the version read before,
    // until the next Clear; returns how many bytes differ.
    std::uint64_t MarkChangesFrom(ByteSpan previous);
    // Tints the file ranges the user edited, in a colour of their own, until the next Clear.
    void MarkEdits(std::vector<ByteRange> edited);
    // The ranges MarkChangesFrom tinted, to tint again after views rebuilt for an edit.
    const std::vector<ByteRange>& Changes() const { return m_changed; }
    void MarkChanges(std::vector<ByteRange> changed);

signals:
    // The lit bytes of the file changed: [offset, offset + length); length 0 when none are lit.
    void Selected(std::uint64_t offset, std::uint64_t length);

private:
    struct LitRange {
        std::uint64_t offset = 0;
        std::uint64_t length = 0;
        std::size_t memo = kMemoCount;  // the memo holding the first lit byte; kMemoCount for none
    };
    QString ToolTipFor(std::size_t memo, std::uint64_t byte) const;
    void MarkCells();
    void MarkDump();
    // After the pixel-data memo's window moved: the map, the marks and the lit bytes follow.
    void Remap();
    void Light(std::uint64_t offset, std::uint64_t length);
    // The rows go first: a row going dark puts out only its own field.
    void ClearRows();
    FindingPlace LightAndReveal(std::uint64_t offset, std::uint64_t length);
    void LightClicked(std::size_t memo, std::uint64_t byte);

    std::array<DumpMemo*, kMemoCount> m_memos;
    QTableWidget* m_fileGrid;
    QTableWidget* m_infoGrid;
    QScrollArea* m_pane;
    HexDumpView* m_dump;
    const CDib* m_dib = nullptr;  // null while nothing is inspected
    format::Layout m_layout;
    ShownImage m_image;
    std::vector<format::Finding> m_findings;
    DumpFileMap m_map{};
    std::vector<ByteRange> m_changed;  // file ranges that differ from the version read before
    std::vector<ByteRange> m_edited;   // file ranges the user edited
    LitRange m_lit;
};

}  // namespace hexlume
