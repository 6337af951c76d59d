#include "ordering/OrderBoard.h"

#include <algorithm>

namespace parvela::ordering {

using namespace board;

namespace {

Rect areaRect(int slot) {
    const int column = slot % 3 + 1;
    const int top = kAreaTop + kPitch * (slot / 3);
    return {184 * column - 179, top, 184 * column + 6, top + kCellHeight};
}

} // namespace

OrderBoard::OrderBoard(std::vector<OrderCell> cells)
    : m_cells(std::move(cells)) {
    layOutArea();
}

int OrderBoard::cellAt(int x, int y) const {
    for (int i = static_cast<int>(m_cells.size()) - 1; i >= 0; --i) {
        const auto index = static_cast<std::size_t>(i);
        if (isShown(index) && records::contains(m_cells[index].rect, x, y))
            return i;
    }
    return -1;
}

bool OrderBoard::isShown(std::size_t index) const {
    const OrderCell& cell = m_cells[index];
    if (static_cast<int>(index) == m_dragged)
        return true;
    if (!cell.placed)
        return cell.rect.right > 0;
    return cell.rect.top >= kColumnTop && cell.rect.bottom <= kColumnBottom;
}

int OrderBoard::columnScrollMax() const {
    return std::max(0, lastPlacedIndex(m_cells) + 1 - kColumnRows);
}

void OrderBoard::scrollColumn(int firstRow) {
    m_columnScroll = std::clamp(firstRow, 0, columnScrollMax());
    layOutColumn();
}

// Scrolls the least that brings the row into sight.
void OrderBoard::showInColumn(int row) {
    if (row < m_columnScroll)
        scrollColumn(row);
    else if (row >= m_columnScroll + kColumnRows)
        scrollColumn(row - kColumnRows + 1);
}

bool OrderBoard::press(int x, int y) {
    m_dragged = cellAt(x, y);
    if (m_dragged < 0)
        return false;
    const Rect& rect = m_cells[static_cast<std::size_t>(m_dragged)].rect;
    m_grabX = x - rect.left;
    m_grabY = y - rect.top;
    return true;
}

void OrderBoard::move(int x, int y) {
    if (m_dragged < 0)
        return;
    Rect& rect = m_cells[static_cast<std::size_t>(m_dragged)].rect;
    const int width = rect.right - rect.left;
    rect = {x - m_grabX, y - m_grabY, x - m_grabX + width, y - m_grabY + kCellHeight};
}

void OrderBoard::release() {
    if (m_dragged < 0)
        return;
    OrderCell& dropped = m_cells[static_cast<std::size_t>(m_dragged)];
    dropped.loose = dropped.rect.right <= kPlacedBeyond;
    m_dragged = -1;
    dropAll();
    if (dropped.placed)
        showInColumn(dropped.index_sira);
}

void OrderBoard::dropAll() {
    std::vector<OrderCell*> column;
    for (OrderCell& cell : m_cells) {
        cell.placed = cell.rect.right > kPlacedBeyond;
        if (cell.placed)
            column.push_back(&cell);
    }
    std::stable_sort(column.begin(), column.end(), [](const OrderCell* a, const OrderCell* b) {
        return a->rect.top < b->rect.top;
    });
    for (std::size_t k = 0; k < column.size(); ++k) {
        column[k]->index_sira = static_cast<int>(k);
        column[k]->loose = false;
    }
    m_columnScroll = std::min(m_columnScroll, columnScrollMax());
    layOutColumn();
    layOutArea();
}

// The rows above the shown ones lie above the column's top and those below
// under its bottom, so that a cell dropped among the shown ones takes its
// place by height among them all.
void OrderBoard::layOutColumn() {
    for (OrderCell& cell : m_cells) {
        if (!cell.placed)
            continue;
        const int top = kColumnTop + kPitch * (cell.index_sira - m_columnScroll);
        cell.rect = {kColumnLeft, top, kColumnRight, top + kCellHeight};
    }
}

// The unplaced cells the user has not moved fill the page's slots; those of
// other pages are not drawn.
void OrderBoard::layOutArea() {
    int slot = -m_page * kCellsPerPage;
    for (OrderCell& cell : m_cells) {
        if (cell.placed || cell.loose)
            continue;
        cell.rect = slot >= 0 && slot < kCellsPerPage ? areaRect(slot) : kHome;
        ++slot;
    }
}

void OrderBoard::reset() {
    for (OrderCell& cell : m_cells) {
        cell.placed = false;
        cell.loose = false;
        cell.index_sira = -1;
        cell.rect = kHome;
    }
    m_dragged = -1;
    m_page = 0;
    m_columnScroll = 0;
    layOutArea();
}

void OrderBoard::pageBack() {
    if (m_page >= 1)
        --m_page;
    layOutArea();
}

void OrderBoard::pageForward() {
    ++m_page;
    layOutArea();
}

int OrderBoard::lastPlacedIndex(const std::vector<OrderCell>& cells) {
    int last = -1;
    for (const OrderCell& cell : cells)
        if (cell.placed)
            last = std::max(last, cell.index_sira);
    return last;
}

std::vector<Numbered> OrderBoard::numbered(const std::vector<OrderCell>& cells, int firstOther) {
    std::vector<Numbered> placed;
    std::vector<Numbered> others;
    for (const OrderCell& cell : cells) {
        if (cell.placed)
            placed.push_back({cell.code, cell.index_sira});
        else
            others.push_back({cell.code, firstOther + static_cast<int>(others.size())});
    }
    std::stable_sort(placed.begin(), placed.end(), [](const Numbered& a, const Numbered& b) {
        return a.index_sira < b.index_sira;
    });
    placed.insert(placed.end(), others.begin(), others.end());
    return placed;
}

} // namespace parvela::ordering
