#pragma once

#include "groups/GroupRecords.h"
#include "ordering/OrderingWindow.h"

#include <functional>

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

    // `saved` runs after the order went to the server.
    MenuOrderingWindow(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                       const std::vector<groups::GroupB>& list, QWidget* owner,
                       std::function<void()> saved = {});

protected:
    void save() override;

private:
    const db::StatementRunner& m_runner;
    platform::MessageBoxes& m_boxes;
    std::function<void()> m_saved;
};

} // namespace parvela::ordering
