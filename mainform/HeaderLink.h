#pragma once

#include "texts/ShownImage.h"

#include <QObject>

#include <cstdint>
#include <span>

class QScrollArea;
class QTableWidget;

namespace hexlume {

class DumpInspector;
class DumpMemo;

// Ties a header table to the memo that dumps its header: selecting a row lights the field's
// bytes in the memo (through the inspector, which keeps the dump's one lit range) and scrolls the
// pane to them; clicking a byte of the memo selects its row.
class HeaderLink : public QObject {
public:
    // table: which of the shown image's tables (ShownImage::tables) the grid shows.
    HeaderLink(QTableWidget* grid, DumpMemo* memo, std::size_t memoIndex, GridIndex table, QScrollArea* pane,
               DumpInspector* inspector);

    // Off while no file is shown (the memo holds its caption) and while a file is being opened.
    void SetActive(bool active);

private:
    void ShowSelectedField();
    void SelectFieldOf(std::uint64_t byte);

    QTableWidget* m_grid;
    DumpMemo* m_memo;
    std::size_t m_memoIndex;
    DumpInspector* m_inspector;
    GridIndex m_table;
    QScrollArea* m_pane;
    bool m_active = false;
};

}  // namespace hexlume
