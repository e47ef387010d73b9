#pragma once

#include "texts/HeaderTexts.h"

#include <QObject>

#include <cstdint>
#include <span>

class QScrollArea;
class QTableWidget;

namespace hexlume {

class DumpMemo;

// Ties a header table to the memo that dumps its header: selecting a row lights the field's
// bytes in the memo and scrolls the pane to them; clicking a byte of the memo selects its row.
class HeaderLink : public QObject {
public:
    HeaderLink(QTableWidget* grid, DumpMemo* memo, std::span<const ByteRange> fields, QScrollArea* pane);

    // Off while no file is shown (the memo holds its caption) and while a file is being opened.
    void SetActive(bool active);

private:
    void ShowSelectedField();
    void SelectFieldOf(std::uint64_t byte);

    QTableWidget* m_grid;
    DumpMemo* m_memo;
    std::span<const ByteRange> m_fields;  // the header's field table, which outlives the link
    QScrollArea* m_pane;
    bool m_active = false;
};

}  // namespace hexlume
