#pragma once

#include "db/ChangeBehindProgress.h"
#include "groups/GroupLevel.h"

#include <QPoint>

class QObject;

namespace parvela::platform {
class MessageBoxes;
class ProgramMessenger;
} // namespace parvela::platform
namespace parvela::stock {
struct StockBrowserState;
}

namespace parvela::app {

using groups::GroupLevel;

class ActiveUser;
class CatalogData;
struct MainScreenState;

// What the main screen's clicks do to the data: selecting and paging the
// group lists, deleting a group, the full reload, the name rewrite and the
// branch choice. The window redraws afterwards.
class MainCommands {
public:
    MainCommands(CatalogData& catalog, ActiveUser& user, platform::MessageBoxes& boxes,
                 const platform::ProgramMessenger& messenger, MainScreenState& state)
        : m_catalog(catalog)
        , m_user(user)
        , m_boxes(boxes)
        , m_messenger(messenger)
        , m_state(state) {}

    // A row of a list becomes the selected group; the lists below follow it.
    void selectRow(GroupLevel level, int row);
    void pageUp(GroupLevel level);
    void pageDown(GroupLevel level);
    // Asks, refuses a group that still has products, deletes and re-reads.
    void deleteSelectedGroup(GroupLevel level, QObject* owner);
    // "Hepsi": paging from the top, the product data read again, the mobile
    // server told.
    void reloadEverything();
    // Reads the products again and writes each name back as the server
    // holds it now, behind `show`'s progress dialog over `owner`.
    void rewriteProductNames(const db::ProgressShower& show, QObject* owner);
    // The stock window's list becomes the products of the selected group of
    // that level, from the top; false when nothing is selected there.
    bool showGroupProducts(GroupLevel level, stock::StockBrowserState& browser);
    // Makes the selected group of `level` the group the bulk settings act
    // on; false, changing nothing, when that level has no selection.
    bool takeGroupContext(GroupLevel level);
    // The lists joined to the products and the products with their costs.
    void reloadProducts();
    // After asking, every product order row of every scope goes.
    void deleteAllOrderIndex(QObject* owner);
    // For a user with the right, the branch box at the point becomes the
    // current branch.
    void selectBranchAt(QPoint point);

private:
    int& page(GroupLevel level);

    CatalogData& m_catalog;
    ActiveUser& m_user;
    platform::MessageBoxes& m_boxes;
    const platform::ProgramMessenger& m_messenger;
    MainScreenState& m_state;
};

} // namespace parvela::app
