#include "ordering/MenuOrderingWindow.h"

#include "ordering/OrderCells.h"

namespace parvela::ordering {

MenuOrderingWindow::MenuOrderingWindow(const db::StatementRunner& runner,
                                       platform::MessageBoxes& boxes,
                                       const std::vector<groups::GroupB>& list, QWidget* owner,
                                       std::function<void()> saved)
    : OrderingWindow(kClassName, QStringLiteral("Grup A Menu Sıralaması"),
                     QStringLiteral("Grup Sayisi : %1"), owner)
    , m_runner(runner)
    , m_boxes(boxes)
    , m_saved(std::move(saved)) {
    setCells(menuCells(list));
}

void MenuOrderingWindow::save() {
    if (saveMenuOrder(m_runner, m_boxes, board().cells(), this) && m_saved)
        m_saved();
}

} // namespace parvela::ordering
