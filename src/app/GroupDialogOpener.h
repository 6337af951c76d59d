#pragma once

#include "app/MainFeatures.h"
#include "groups/GroupForm.h"

#include <functional>

namespace parvela::platform {
class MessageBoxes;
}

namespace parvela::app {

class CatalogData;

// Opens the group dialogs and the set menus on the catalog's lists, and has
// the main window redrawn when each is closed.
class GroupDialogOpener : public GroupDialogs {
public:
    // `readProductsLater` reads the products again after a group moved.
    GroupDialogOpener(CatalogData& catalog, platform::MessageBoxes& boxes,
                      std::function<void()> readProductsLater)
        : m_catalog(catalog)
        , m_boxes(boxes)
        , m_readProductsLater(std::move(readProductsLater)) {}

    void addGroup(GroupLevel level, QWidget* owner) override;
    void editGroup(GroupLevel level, QWidget* owner) override;
    void setMenu(int courses, QWidget* owner) override;

private:
    groups::GroupDialogContext context(QWidget* owner);

    CatalogData& m_catalog;
    platform::MessageBoxes& m_boxes;
    std::function<void()> m_readProductsLater;
    // The Group B editor's last colours, for the whole program run.
    groups::LastGroupColours m_colours;
};

} // namespace parvela::app
