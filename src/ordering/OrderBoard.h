#pragma once

#include "records/Geometry.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace parvela::ordering {

using records::Rect;

// Geometry shared by both ordering windows: the ordered column right of x
// 740, the unplaced area in three columns left of it. The column shows
// fifteen cells at a time and scrolls by whole cells.
namespace board {
inline constexpr int kPlacedBeyond = 740;
inline constexpr int kColumnLeft = 652;
inline constexpr int kColumnRight = 832;
inline constexpr int kColumnTop = 50;
inline constexpr int kAreaTop = 45;
inline constexpr int kPitch = 38;
inline constexpr int kCellHeight = 36;
inline constexpr int kRowsPerPage = 15;
inline constexpr int kColumnRows = kRowsPerPage;
inline constexpr int kColumnBottom = kColumnTop + kPitch * kColumnRows;
inline constexpr int kCellsPerPage = 3 * kRowsPerPage;
inline constexpr Rect kHome{-100, -100, -100, -100};
} // namespace board

// One group or product on the board.
struct OrderCell {
    std::int64_t code = 0;
    QString text;
    // A second, smaller line: the menu's code, or that a product is off sale.
    QString detail;
    int index_sira = -1;
    bool placed = false;
    // Dropped by the user outside the column: it stays where it fell.
    bool loose = false;
    bool highlighted = false;
    bool closed = false;
    Rect rect = board::kHome;
};

// A code and the position written for it.
struct Numbered {
    std::int64_t code = 0;
    int index_sira = 0;
};

// The cells, the page and the drag of one ordering window.
class OrderBoard {
public:
    explicit OrderBoard(std::vector<OrderCell> cells);

    const std::vector<OrderCell>& cells() const { return m_cells; }
    int page() const { return m_page; }
    // The topmost drawn cell at the point, or -1.
    int cellAt(int x, int y) const;
    // Drawn: on this page of the area, where it was dropped, in the shown
    // rows of the column, or being dragged.
    bool isShown(std::size_t index) const;

    // The first shown row of the column, and the highest it can be.
    int columnScroll() const { return m_columnScroll; }
    int columnScrollMax() const;
    void scrollColumn(int firstRow);

    // Left press, move and release of the mouse.
    bool press(int x, int y);
    void move(int x, int y);
    void release();
    bool dragging() const { return m_dragged >= 0; }

    void reset();
    void pageBack();
    void pageForward();

    // The placed cells by position, then the others in list order numbered
    // from `firstOther` on.
    static std::vector<Numbered> numbered(const std::vector<OrderCell>& cells, int firstOther);
    static int lastPlacedIndex(const std::vector<OrderCell>& cells);

private:
    void dropAll();
    void layOutColumn();
    void layOutArea();
    void showInColumn(int row);

    std::vector<OrderCell> m_cells;
    int m_page = 0;
    int m_columnScroll = 0;
    int m_dragged = -1;
    int m_grabX = 0;
    int m_grabY = 0;
};

} // namespace parvela::ordering
