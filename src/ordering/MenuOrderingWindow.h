#pragma once

#include "groups/GroupRecords.h"
#include "ordering/OrderingWindow.h"

namespace parvela::db {
class StatementRunner;
}
namespace parvela::platform {
class MessageBoxes;
}

namespace parvela::ordering {

// "Grup A Menu Sıralaması": the order of the Group B menus on the tills.
class MenuOrderingWindow : public OrderingWindow {
public:
    static constexpr const char* kClassName = "mdiclient_menu_siralama";

    MenuOrderingWindow(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                       const std::vector<groups::GroupB>& list, QWidget* owner);

protected:
    void save() override;

private:
    const db::StatementRunner& m_runner;
    platform::MessageBoxes& m_boxes;
};

} // namespace parvela::ordering
