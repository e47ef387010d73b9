#include "DumpInspector.h"

#include "DumpMemo.h"
#include "HexDumpView.h"
#include "SeverityLook.h"
#include "model/Dib.h"
#include "model/VersionDiff.h"
#include "texts/DumpMarks.h"
#include "widgets/QtText.h"
#include "widgets/Translation.h"

#include <QScrollArea>
#include <QTableWidget>

#include <algorithm>

namespace hexlume {

namespace {

constexpr int kValueColumn = 2;

// Notes are worth knowing, not wrong, and often cover a whole part: a dotted line under them
// rather than a tint that would colour the whole palette.
QTextCharFormat MarkFormat(Mark mark)
{
    QTextCharFormat format;
    if (mark == Mark::Note) {
        format.setUnderlineStyle(QTextCharFormat::DotLine);
        format.setUnderlineColor(kNoteLine);
        return format;
    }
    format.setBackground(MarkTint(mark));
    format.setForeground(kMarkText);
    return format;
}

// The cell keeps its whole text: a tint says the field has findings, the tooltip says what the
// field is and which findings.
void MarkCell(QTableWidget* grid, int row, Mark mark, const Message& text)
{
    QTableWidgetItem* cell = grid->item(row, kValueColumn);
    if (cell == nullptr)
        return;
    if (mark != Mark::None && mark != Mark::Note) {
        cell->setBackground(MarkTint(mark));
        cell->setForeground(kMarkText);
    }
    cell->setToolTip(grid->toolTip() + QLatin1Char('\n') + Say(text));  // the grid's own hint stays first
}

}  // namespace

DumpInspector::DumpInspector(std::array<DumpMemo*, kMemoCount> memos, QTableWidget* fileGrid,
                             QTableWidget* infoGrid, QScrollArea* pane, HexDumpView* dump, QObject* parent)
    : QObject(parent), m_memos(memos), m_fileGrid(fileGrid), m_infoGrid(infoGrid), m_pane(pane), m_dump(dump)
{
    for (std::size_t memo = 0; memo < kMemoCount; ++memo) {
        m_memos[memo]->SetByteToolTip([this, memo](std::uint64_t byte) { return ToolTipFor(memo, byte); });
        connect(m_memos[memo], &DumpMemo::ByteClicked, this,
                [this, memo](std::uint64_t byte) { LightClicked(memo, byte); });
    }
}

void DumpInspector::Clear()
{
    m_dib = nullptr;
    m_layout = {};
    m_image = {};
    m_findings.clear();
    m_map = {};
    m_changed.clear();
    m_edited.clear();
    for (DumpMemo* memo : m_memos)
        memo->SetMarks({});
    ClearHighlight();
}

void DumpInspector::Inspect(const CDib& dib, const ShownImage& image)
{
    // Pixels, colours and streams are the shown image's: the layout's format is its.
    format::Inspection inspected = format::Inspect(dib.FileBytes(), image.index);
    AddDumpNotes(inspected, image.dump);
    m_layout = std::move(inspected.layout);
    m_image = image;
    m_findings = std::move(inspected.findings);
    m_map = MapDumpToFile(image.dump, m_dump->Pane());
    m_dib = &dib;
    MarkCells();
    MarkDump();
}

QString DumpInspector::ToolTipFor(std::size_t memo, std::uint64_t byte) const
{
    const std::optional<std::uint64_t> offset = FileOffsetOf(m_map, memo, byte);
    if (m_dib == nullptr || !offset || *offset >= m_dib->FileBytes().size())
        return {};
    // The base's info-header memo shows the model's copy, two fields filled in.
    const std::optional<ByteSpan>& memoBytes = m_image.dump.bytes[memo];
    const std::uint64_t inMemo = m_map[memo].skipped + byte;
    const std::uint8_t shown =
        memoBytes && inMemo < memoBytes->size() ? (*memoBytes)[inMemo] : m_dib->FileBytes()[*offset];
    return Say(ByteTooltipText(m_layout, m_findings, m_dib->FileBytes(), memo, *offset, shown));
}

void DumpInspector::MarkCells()
{
    if (m_image.ownFields) {
        for (std::size_t table = 0; table < kGridCount; ++table) {
            const std::vector<TableRow>& rows = m_image.tables[table];
            for (std::size_t row = 0; row < rows.size(); ++row) {
                const CellFindings findings = OwnCellFindings(m_findings, rows[row]);
                MarkCell(table == kFileHeaderGrid ? m_fileGrid : m_infoGrid, static_cast<int>(row), findings.mark,
                         OwnCellText(m_layout, findings, rows[row]));
            }
        }
        return;
    }
    const HeaderCellFindings cells = FindingsByCell(m_findings);
    const auto mark = [&](QTableWidget* grid, const CellFindings& findings, HeaderCell cell) {
        MarkCell(grid, static_cast<int>(cell.row), findings.mark,
                 HeaderCellText(m_layout, m_dib->FileBytes(), m_dib->GetInfoHeaderBytes(), cells, cell));
    };
    for (std::size_t row = 0; row < cells.fileHeader.size(); ++row)
        mark(m_fileGrid, cells.fileHeader[row], {.infoHeader = false, .row = row});
    for (std::size_t row = 0; row < cells.infoHeader.size(); ++row)
        mark(m_infoGrid, cells.infoHeader[row], {.infoHeader = true, .row = row});
}

std::uint64_t DumpInspector::MarkChangesFrom(ByteSpan previous)
{
    if (m_dib == nullptr)
        return 0;
    m_changed.clear();
    for (const MemoMark& mark : ChangedMarks(previous, m_dib->FileBytes(), m_map))
        m_changed.push_back({m_map[mark.memo].fileOffset + mark.first, mark.end - mark.first});
    MarkDump();
    return CountChangedBytes(previous, m_dib->FileBytes());
}

void DumpInspector::MarkChanges(std::vector<ByteRange> changed)
{
    if (m_dib == nullptr)
        return;
    m_changed = std::move(changed);
    MarkDump();
}

void DumpInspector::MarkEdits(std::vector<ByteRange> edited)
{
    if (m_dib == nullptr)
        return;
    m_edited = std::move(edited);
    MarkDump();
}

void DumpInspector::MarkDump()
{
    std::vector<MemoMark> all = MarksInDump(m_findings, m_map);
    if (m_dib != nullptr)
        for (const MemoMark& mark : CountedFaultMarks(m_findings, m_layout.format, m_dib->FileBytes(), m_map))
            all.push_back(mark);
    for (const ByteRange& changed : m_changed)
        for (const MemoMark& mark : MarksOver(changed.offset, changed.size, Mark::Changed, m_map))
            all.push_back(mark);
    for (const ByteRange& edited : m_edited)
        for (const MemoMark& mark : MarksOver(edited.offset, edited.size, Mark::Edited, m_map))
            all.push_back(mark);
    // Later selections paint over earlier ones: the heaviest mark shows where marks meet.
    std::stable_sort(all.begin(), all.end(), [](const MemoMark& a, const MemoMark& b) { return a.mark < b.mark; });
    std::array<QList<QTextEdit::ExtraSelection>, kMemoCount> marks;
    for (const MemoMark& mark : all)
        marks[mark.memo] << m_memos[mark.memo]->Over(mark.first, mark.end, MarkFormat(mark.mark));
    for (std::size_t memo = 0; memo < kMemoCount; ++memo)
        m_memos[memo]->SetMarks(marks[memo]);
}

std::vector<FindingPlace> DumpInspector::Places() const
{
    std::vector<FindingPlace> places;
    places.reserve(m_findings.size());
    for (const format::Finding& finding : m_findings)
        places.push_back(PlaceInDump(finding, m_map));
    return places;
}

FindingPlace DumpInspector::ShowFinding(std::size_t finding)
{
    if (m_dib == nullptr || finding >= m_findings.size())
        return {};
    // The rows first: a row's own link lights its field, and a finding off the tables leaves
    // no row lit.
    const auto cellOf = [this](const format::Finding& chosen) -> std::optional<HeaderCell> {
        if (!m_image.ownFields)
            return CellOf(chosen);
        for (std::size_t table = 0; table < kGridCount && !chosen.field.empty(); ++table)
            if (const auto row = TableRowAt(m_image.tables[table], chosen.offset))
                return HeaderCell{.infoHeader = table == kInfoHeaderGrid, .row = *row};
        return std::nullopt;
    };
    const std::optional<HeaderCell> cell = cellOf(m_findings[finding]);
    for (QTableWidget* grid : {m_fileGrid, m_infoGrid}) {
        if (cell && (grid == m_infoGrid) == cell->infoHeader)
            grid->selectRow(static_cast<int>(cell->row));
        else
            grid->clearSelection();
    }
    return LightAndReveal(m_findings[finding].offset, m_findings[finding].length);
}

std::optional<std::uint64_t> DumpInspector::FileOffset(std::size_t memo, std::uint64_t byte) const
{
    if (m_dib == nullptr)
        return std::nullopt;
    return FileOffsetOf(m_map, memo, byte);
}

void DumpInspector::ClearHighlight()
{
    const bool wasLit = m_lit.length > 0;
    m_lit = {};
    for (DumpMemo* memo : m_memos)
        memo->SetHighlight(std::nullopt);
    if (wasLit)
        emit Selected(0, 0);
}

void DumpInspector::Light(std::uint64_t offset, std::uint64_t length)
{
    const std::vector<MemoMark> marks = MarksOver(offset, length, Mark::None, m_map);
    for (std::size_t memo = 0; memo < kMemoCount; ++memo) {
        const auto mark = std::find_if(marks.begin(), marks.end(), [memo](const MemoMark& each) { return each.memo == memo; });
        m_memos[memo]->SetHighlight(mark == marks.end() ? std::nullopt : std::optional(std::pair{mark->first, mark->end}));
    }
    m_lit = {offset, std::max<std::uint64_t>(length, 1), marks.empty() ? kMemoCount : marks.front().memo};
    emit Selected(m_lit.offset, m_lit.length);
}

void DumpInspector::LightMemoBytes(std::size_t memo, std::uint64_t first, std::uint64_t end)
{
    const std::optional<std::uint64_t> offset = FileOffset(memo, first);
    if (!offset || end <= first)
        return;
    Light(*offset, end - first);
}

void DumpInspector::UnlightMemo(std::size_t memo)
{
    if (m_lit.length > 0 && m_lit.memo == memo)
        ClearHighlight();
}

void DumpInspector::LightClicked(std::size_t memo, std::uint64_t byte)
{
    // A header byte lights its whole field through its table's row (HeaderLink).
    if (memo == kFileHeaderMemo || memo == kInfoHeaderMemo)
        return;
    const std::optional<std::uint64_t> offset = FileOffset(memo, byte);
    if (!offset)
        return;
    ClearRows();
    Light(*offset, 1);
}

void DumpInspector::ClearRows()
{
    for (QTableWidget* grid : {m_fileGrid, m_infoGrid})
        grid->clearSelection();
}

void DumpInspector::Remap()
{
    m_map = MapDumpToFile(m_image.dump, m_dump->Pane());
    MarkDump();
    if (m_lit.length > 0)
        Light(m_lit.offset, m_lit.length);
}

void DumpInspector::MoveDataWindow(std::uint64_t firstLine)
{
    if (m_dib != nullptr && m_dump->ShowDataWindow(m_image.dump, firstLine))
        Remap();
}

void DumpInspector::BringIntoView(std::uint64_t offset)
{
    const MemoBytes& data = m_map[kDataMemo];
    if (m_dib == nullptr || data.held == 0)
        return;
    const std::uint64_t regionStart = data.fileOffset - data.skipped;
    const bool inRegion = offset >= regionStart && offset - regionStart < data.skipped + data.held;
    const bool shown = offset >= data.fileOffset && offset - data.fileOffset < data.shown;
    if (inRegion && !shown)
        MoveDataWindow(DataWindowFor(m_dump->Pane(), offset - regionStart));
}

FindingPlace DumpInspector::ShowBytes(std::uint64_t offset, std::uint64_t length)
{
    if (m_dib == nullptr)
        return {};
    ClearRows();
    return LightAndReveal(offset, length);
}

FindingPlace DumpInspector::LightAndReveal(std::uint64_t offset, std::uint64_t length)
{
    if (m_dib == nullptr)
        return {};
    BringIntoView(offset);
    const FindingPlace place = PlaceOfBytes(offset, length, m_map);
    Light(offset, length);
    if (!place.marks.empty()) {
        const MemoMark& first = place.marks.front();
        DumpMemo* memo = m_memos[first.memo];
        const QRect line = memo->BytesRect(first.first, first.first + 1);
        const QPoint centre = memo->mapTo(m_pane->widget(), line.center());
        // A third of the pane above it, so what leads up to the bytes shows too.
        m_pane->ensureVisible(centre.x(), centre.y(), line.width(), m_pane->viewport()->height() / 3);
    }
    return place;
}

}  // namespace hexlume
