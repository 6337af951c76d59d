#include "ordering/OrderBoard.h"

#include <gtest/gtest.h>

using namespace parvela;
using ordering::OrderBoard;
using ordering::OrderCell;
using records::Rect;

namespace {

OrderBoard boardOf(int count) {
    std::vector<OrderCell> cells(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        cells[static_cast<std::size_t>(i)].code = 100 + i;
    return OrderBoard(std::move(cells));
}

// Drags the cell by its top left corner so that it lands with that corner
// at (left, top).
void dragTo(OrderBoard& board, int cell, int left, int top) {
    const Rect from = board.cells()[static_cast<std::size_t>(cell)].rect;
    ASSERT_TRUE(board.press(from.left + 1, from.top + 1));
    board.move(left + 1, top + 1);
    board.release();
}

bool same(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

} // namespace

TEST(OrderBoard, StartsInThreeColumnsOfTheUnplacedArea) {
    const OrderBoard board = boardOf(4);
    EXPECT_TRUE(same(board.cells()[0].rect, {5, 45, 190, 81}));
    EXPECT_TRUE(same(board.cells()[2].rect, {373, 45, 558, 81}));
    EXPECT_TRUE(same(board.cells()[3].rect, {5, 83, 190, 119}));
    EXPECT_FALSE(board.cells()[0].placed);
}

TEST(OrderBoard, OnlyARightEdgeBeyond740Places) {
    OrderBoard board = boardOf(3);
    dragTo(board, 0, 740 - 185, 300); // right edge exactly 740
    EXPECT_FALSE(board.cells()[0].placed);
    EXPECT_EQ(board.cells()[0].rect.right, 740); // stays where it fell
    dragTo(board, 1, 741 - 185, 300);
    EXPECT_TRUE(board.cells()[1].placed);
    EXPECT_TRUE(same(board.cells()[1].rect, {652, 50, 832, 86}));
    EXPECT_EQ(board.cells()[1].index_sira, 0);
}

TEST(OrderBoard, TheColumnFollowsHeightAndADragOutLeavesIt) {
    OrderBoard board = boardOf(3);
    dragTo(board, 0, 700, 400);
    dragTo(board, 1, 700, 10); // above the first one
    EXPECT_EQ(board.cells()[1].index_sira, 0);
    EXPECT_EQ(board.cells()[0].index_sira, 1);
    EXPECT_TRUE(same(board.cells()[0].rect, {652, 88, 832, 124}));
    dragTo(board, 1, 300, 500);
    EXPECT_FALSE(board.cells()[1].placed);
    EXPECT_EQ(board.cells()[0].index_sira, 0);
    EXPECT_EQ(OrderBoard::lastPlacedIndex(board.cells()), 0);
}

TEST(OrderBoard, ResetAndPaging) {
    OrderBoard board = boardOf(50);
    dragTo(board, 0, 700, 60);
    board.pageBack(); // stays on the first page
    EXPECT_EQ(board.page(), 0);
    board.pageForward();
    EXPECT_EQ(board.page(), 1);
    // The 46th unplaced cell opens the second page; the first page's are gone.
    EXPECT_TRUE(same(board.cells()[46].rect, {5, 45, 190, 81}));
    EXPECT_EQ(board.cellAt(10, 50), 46);
    EXPECT_TRUE(board.cells()[0].placed);
    board.reset();
    EXPECT_EQ(board.page(), 0);
    EXPECT_FALSE(board.cells()[0].placed);
    EXPECT_EQ(board.cells()[0].index_sira, -1);
    EXPECT_TRUE(same(board.cells()[0].rect, {5, 45, 190, 81}));
}

TEST(OrderBoard, PlacedByPositionThenOthersInListOrder) {
    OrderBoard board = boardOf(5);
    dragTo(board, 3, 700, 10);
    dragTo(board, 1, 700, 100);
    dragTo(board, 4, 700, 200);
    const auto numbered = OrderBoard::numbered(board.cells(), 12);
    std::vector<std::pair<std::int64_t, int>> got;
    for (const auto& entry : numbered)
        got.emplace_back(entry.code, entry.index_sira);
    const std::vector<std::pair<std::int64_t, int>> expected{
        {103, 0}, {101, 1}, {104, 2}, {100, 12}, {102, 13}};
    EXPECT_EQ(got, expected);
}
