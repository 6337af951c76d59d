#include "app/MainCommands.h"

#include "app/ActiveUser.h"
#include "app/CatalogData.h"
#include "app/MainHitTest.h"
#include "app/MainScreenState.h"
#include "app/Notifications.h"
#include "app/StartupLoad.h"
#include "groups/GroupLookups.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramMessenger.h"
#include "recipes/CostRollup.h"
#include "stock/NameRepair.h"
#include "stock/ProductFilters.h"

namespace parvela::app {

namespace {

template <typename Group> void selectOnly(std::vector<Group>& list, int row) {
    for (std::size_t i = 0; i < list.size(); ++i)
        list[i].selected = static_cast<int>(i) == row;
}

template <typename Group> bool validRow(const std::vector<Group>& list, int row) {
    return row >= 0 && static_cast<std::size_t>(row) < list.size();
}

QString captionOf(GroupLevel level) {
    switch (level) {
    case GroupLevel::A:
        return QStringLiteral("ÜST KATEGORİ GRUP SİLİNİYOR");
    case GroupLevel::B:
        return QStringLiteral("POSMENU GRUP SİLİNİYOR");
    case GroupLevel::C:
        break;
    }
    return QStringLiteral("ALT KATEGORİ GRUP SİLİNİYOR");
}

// The selected group of a level, as the delete needs it.
struct Chosen {
    int Id = 0;
    int code = 0;
    QString name;
};

template <typename Group, typename Select>
Chosen chosenOf(const std::vector<Group>& list, Select select, int Group::*code) {
    Group group;
    select(list, group);
    return {group.Id, group.*code, group.wideName};
}

Chosen chosenGroup(groups::GroupData& groups, GroupLevel level) {
    switch (level) {
    case GroupLevel::A:
        return chosenOf(groups.screenA(), groups::selectedGroupA, &groups::GroupA::acode);
    case GroupLevel::B:
        return chosenOf(groups.screenB(), groups::selectedGroupB, &groups::GroupB::bcode);
    case GroupLevel::C:
        break;
    }
    return chosenOf(groups.screenC(), groups::selectedGroupC, &groups::GroupC::ccode);
}

void deleteAndReread(groups::GroupData& groups, GroupLevel level, const Chosen& chosen) {
    switch (level) {
    case GroupLevel::A: {
        groups::GroupA group;
        group.Id = chosen.Id;
        groups.deleteGroupA(group);
        groups.readGroupA();
        groups.resetScreenA();
        return;
    }
    case GroupLevel::B: {
        groups::GroupB group;
        group.Id = chosen.Id;
        groups.deleteGroupB(group);
        groups.readGroupB();
        groups.resetScreenB();
        return;
    }
    case GroupLevel::C:
        break;
    }
    groups::GroupC group;
    group.Id = chosen.Id;
    groups.deleteGroupC(group);
    groups.readGroupC();
    groups.resetScreenC();
}

} // namespace

int& MainCommands::page(GroupLevel level) {
    switch (level) {
    case GroupLevel::A:
        return m_state.pageA;
    case GroupLevel::B:
        return m_state.pageB;
    case GroupLevel::C:
        break;
    }
    return m_state.pageC;
}

void MainCommands::selectRow(GroupLevel level, int row) {
    groups::GroupData& groups = m_catalog.groups();
    switch (level) {
    case GroupLevel::A: {
        if (!validRow(groups.screenA(), row))
            return;
        selectOnly(groups.screenA(), row);
        const int acode = groups.screenA()[static_cast<std::size_t>(row)].acode;
        groups::groupBOfA(groups.screenB(), groups.allGroupB(), acode);
        groups::groupCOfA(groups.screenC(), groups.allGroupC(), acode);
        m_state.pageB = 1;
        m_state.pageC = 1;
        return;
    }
    case GroupLevel::B: {
        if (!validRow(groups.screenB(), row))
            return;
        selectOnly(groups.screenB(), row);
        groups::groupCOfB(groups.screenC(), groups.allGroupC(),
                          groups.screenB()[static_cast<std::size_t>(row)].bcode);
        m_state.pageC = 1;
        return;
    }
    case GroupLevel::C:
        if (validRow(groups.screenC(), row))
            selectOnly(groups.screenC(), row);
        return;
    }
}

void MainCommands::pageUp(GroupLevel level) {
    int& counter = page(level);
    if (counter > 1)
        --counter;
}

void MainCommands::pageDown(GroupLevel level) {
    ++page(level);
}

void MainCommands::deleteSelectedGroup(GroupLevel level, QObject* owner) {
    groups::GroupData& groups = m_catalog.groups();
    const Chosen chosen = chosenGroup(groups, level);
    const QString caption = captionOf(level);
    platform::BoxRequest box;
    box.caption = caption;
    box.owner = owner;
    box.topmost = true;
    if (chosen.Id <= 0) {
        box.text = QStringLiteral("Herhani bir grup seçilmedi");
        box.icon = platform::BoxIcon::Information;
        m_boxes.show(box);
        return;
    }
    box.text = QStringLiteral("%1  grubunu silmek istediginizden emin misiniz?..").arg(chosen.name);
    box.buttons = platform::BoxButtons::YesNo;
    if (m_boxes.show(box) != platform::BoxAnswer::Yes)
        return;
    // A count that could not be made (-1, already reported) refuses as well:
    // the group may still have products.
    const int linked = groups.linkedStockCount(chosen.code, static_cast<int>(level));
    if (linked != 0) {
        if (linked > 0)
            m_boxes.tell(QStringLiteral("Bu gruba bağlı stoklar var. Önce stok tanımlarını "
                                        "siliniz."),
                         caption, platform::BoxIcon::Information, owner);
        return;
    }
    deleteAndReread(groups, level, chosen);
}

void MainCommands::reloadEverything() {
    m_state.pageA = 1;
    m_state.pageB = 1;
    m_state.pageC = 1;
    loadStockData(m_catalog);
    notifyMobileServer(m_messenger);
}

void MainCommands::rewriteProductNames() {
    stock::rewriteProductNames(m_catalog.runner(), m_catalog.stock().products);
}

bool MainCommands::showGroupProducts(GroupLevel level) {
    groups::GroupData& groups = m_catalog.groups();
    int gra = 0;
    int grb = 0;
    int grc = 0;
    switch (level) {
    case GroupLevel::A: {
        groups::GroupA group;
        gra = groups::selectedGroupA(groups.screenA(), group);
        break;
    }
    case GroupLevel::B: {
        groups::GroupB group;
        grb = groups::selectedGroupB(groups.screenB(), group);
        break;
    }
    case GroupLevel::C: {
        groups::GroupC group;
        grc = groups::selectedGroupC(groups.screenC(), group);
        break;
    }
    }
    if (gra < 0 || grb < 0 || grc < 0)
        return false;
    stock::StockBrowserState& browser = m_catalog.browser();
    stock::showGroup(browser, m_catalog.stock().products, gra, grb, grc);
    browser.firstRow = 0;
    browser.scrollPosition = 0;
    return true;
}

void MainCommands::reloadProducts() {
    m_catalog.readProductSideLists();
    m_catalog.readProducts();
    recipes::rollUpStartupCosts(m_catalog.stock().products, m_catalog.recipes().recipeLines);
}

void MainCommands::deleteAllOrderIndex(QObject* owner) {
    platform::BoxRequest box;
    box.text = QStringLiteral("Tüm siralamalar silinecek. \nDevam etmek istiyor musunuz?");
    box.caption = QStringLiteral("DELETE_ALL_ORDER_INDEX");
    box.icon = platform::BoxIcon::Information;
    box.buttons = platform::BoxButtons::YesNoCancel;
    box.owner = owner;
    if (m_boxes.show(box) != platform::BoxAnswer::Yes)
        return;
    (void)m_catalog.runner().execute(db::Operation("DELETE_ALL_ORDER_INDEX"), db::schema::stocks,
                                     "TRUNCATE TABLE stok_order;");
}

void MainCommands::selectBranchAt(QPoint point) {
    m_user.checkBranchPermission();
    if (!m_user.mayConnectBranches())
        return;
    std::vector<Branch>& branches = m_catalog.company().branches;
    const int hit = hitBranch(point, branches);
    if (hit < 0)
        return;
    for (Branch& branch : branches)
        branch.selected = false;
    Branch& chosen = branches[static_cast<std::size_t>(hit)];
    chosen.selected = true;
    m_catalog.company().currentBranch = chosen;
}

} // namespace parvela::app
