#pragma once

#include "format/Findings.h"
#include "format/Layout.h"
#include "texts/FindingsTexts.h"
#include "texts/InspectionTexts.h"

#include <QObject>

#include <array>
#include <vector>

class QScrollArea;
class QTableWidget;

namespace hexlume {

class CDib;
class DumpMemo;

// What the window says about the file it shows, by the file's real layout: a tooltip for every
// dump byte, and the findings marked on the header cells and under the dump's bytes.
class DumpInspector : public QObject {
public:
    DumpInspector(std::array<DumpMemo*, kMemoCount> memos, QTableWidget* fileGrid, QTableWidget* infoGrid,
                  QScrollArea* pane, QObject* parent);

    // Forgets the file: no tooltips or marks while the next one's views are being built.
    void Clear();
    // Reads the loaded file's layout and findings, after the tables and the dump show it.
    void Inspect(const CDib& dib, int lineHeight);

    const std::vector<format::Finding>& Findings() const { return m_findings; }
    // Where each finding stands in the dump, in the findings' order.
    std::vector<FindingPlace> Places() const;
    // Lights a finding's bytes in the dump and brings the first into view; a finding on a
    // header field also selects the field's row. Returns where the bytes are.
    FindingPlace ShowFinding(std::size_t finding);
    // Lights any bytes of the file in the dump and brings the first into view.
    FindingPlace ShowBytes(std::uint64_t offset, std::uint64_t length);
    void ClearHighlight();

    const format::Layout& Layout() const { return m_layout; }
    // Where the memos' bytes stand in the inspected file.
    const DumpFileMap& Map() const { return m_map; }
    // The file offset of a byte of a memo, while a file is inspected.
    std::optional<std::uint64_t> FileOffset(std::size_t memo, std::uint64_t byte) const;
    // Tints the bytes of the inspected file that differ from `previous`, the version read before,
    // until the next Clear; returns how many bytes differ.
    std::uint64_t MarkChangesFrom(ByteSpan previous);

private:
    QString ToolTipFor(std::size_t memo, std::uint64_t byte) const;
    void MarkCells();
    void MarkDump();

    std::array<DumpMemo*, kMemoCount> m_memos;
    QTableWidget* m_fileGrid;
    QTableWidget* m_infoGrid;
    QScrollArea* m_pane;
    const CDib* m_dib = nullptr;  // null while nothing is inspected
    format::Layout m_layout;
    std::vector<format::Finding> m_findings;
    DumpFileMap m_map{};
    std::vector<MemoMark> m_changed;
};

}  // namespace hexlume
