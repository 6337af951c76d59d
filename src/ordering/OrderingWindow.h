#pragma once

#include "ordering/OrderBoard.h"

#include <QWidget>
#include <optional>

class QScrollBar;

namespace parvela::ordering {

// What both ordering windows share: the board drawn on the window, dragged
// with the mouse, the bar (and the wheel) that scrolls its ordered column,
// and the "Kaydet", reset and paging buttons with the status line. The two
// windows say what a save does and what the count is called.
class OrderingWindow : public QWidget {
public:
    static constexpr int kWidth = 920;
    static constexpr int kHeight = 685;
    static constexpr Rect kSaveButton{652, 630, 752, 662};
    static constexpr Rect kResetButton{762, 630, 862, 662};
    static constexpr Rect kBackButton{20, 630, 80, 662};
    static constexpr Rect kForwardButton{90, 630, 150, 662};

    const OrderBoard& board() const { return *m_board; }
    // The status line as drawn: the count and, over a cell, its position.
    QString statusText() const;

protected:
    OrderingWindow(const char* className, const QString& title, const QString& countLabel,
                   QWidget* owner);
    void setCells(std::vector<OrderCell> cells);
    virtual void save() = 0;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    bool pressButton(int x, int y);
    void showColumnScroll();

    QString m_countLabel;
    std::optional<OrderBoard> m_board;
    QScrollBar* m_columnBar = nullptr;
    int m_hovered = -1;
};

} // namespace parvela::ordering
