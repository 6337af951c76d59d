#include "app/MainCommands.h"

#include "app/ActiveUser.h"
#include "app/CatalogData.h"
#include "app/MainHitTest.h"
#include "app/MainScreenState.h"
#include "app/StartupLoad.h"
#include "groups/GroupLevels.h"
#include "groups/GroupLookups.h"
#include "ordering/OrderSaves.h"
#include "platform/MessageBoxes.h"
#include "platform/Notifications.h"
#include "stock/browser/ProductFilters.h"
#include "stock/catalogue/NameRepair.h"

namespace parvela::app {

namespace {

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

// The lists under a selected group follow it: B and C under an A, C under a B.
template <typename Group> void followSelection(groups::GroupData& groups, const Group& chosen) {
    if constexpr (std::is_same_v<Group, groups::GroupA>) {
        groups::groupBOfA(groups.screenB(), groups.allGroupB(), chosen.acode);
        groups::groupCOfA(groups.screenC(), groups.allGroupC(), chosen.acode);
    } else if constexpr (std::is_same_v<Group, groups::GroupB>) {
        groups::groupCOfB(groups.screenC(), groups.allGroupC(), chosen.bcode);
    }
}

// After a delete the level shows what it showed: every A, the B groups of
// the deleted B's A, the C groups of the deleted C's B.
template <typename Group> void showAfterDelete(groups::GroupData& groups, const Group& deleted) {
    if constexpr (std::is_same_v<Group, groups::GroupA>)
        groups.resetScreenA();
    else if constexpr (std::is_same_v<Group, groups::GroupB>)
        groups::groupBOfA(groups.screenB(), groups.allGroupB(), deleted.acode);
    else
        groups::groupCOfB(groups.screenC(), groups.allGroupC(), deleted.bcode);
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
    groups::withGroupType(level, [&](auto type) {
        using Group = typename decltype(type)::type;
        std::vector<Group>& list = groups.screen<Group>();
        if (!groups::selectOnly(list, row))
            return;
        followSelection(groups, list[static_cast<std::size_t>(row)]);
        // Every level below starts from its first page.
        if (level == GroupLevel::A)
            m_state.pageB = 1;
        if (level != GroupLevel::C)
            m_state.pageC = 1;
    });
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
    groups::withGroupType(level, [&](auto type) {
        using Group = typename decltype(type)::type;
        const Group* selected = groups::selectedOf(groups.screen<Group>());
        const Group chosen = selected ? *selected : Group{};
        platform::BoxRequest box;
        box.caption = captionOf(level);
        box.owner = owner;
        box.topmost = true;
        if (chosen.Id <= 0) {
            box.text = QStringLiteral("Herhani bir grup seçilmedi");
            box.icon = platform::BoxIcon::Information;
            m_boxes.show(box);
            return;
        }
        box.text = QStringLiteral("%1  grubunu silmek istediginizden emin misiniz?..")
                       .arg(chosen.wideName);
        box.buttons = platform::BoxButtons::YesNo;
        box.defaultAnswer = platform::BoxAnswer::No; // a slip of Enter deletes nothing
        if (m_boxes.show(box) != platform::BoxAnswer::Yes)
            return;
        // A count that could not be made (-1, already reported) refuses as
        // well: the group may still have products.
        const int linked = groups.linkedStockCount(groups::codeOf(chosen), level);
        if (linked != 0) {
            if (linked > 0)
                m_boxes.tell(QStringLiteral("Bu gruba bağlı stoklar var. Önce stok tanımlarını "
                                            "siliniz."),
                             box.caption, platform::BoxIcon::Information, owner);
            return;
        }
        groups.remove(chosen);
        groups.read<Group>();
        showAfterDelete(groups, chosen);
    });
}

void MainCommands::reloadEverything() {
    m_state.pageA = 1;
    m_state.pageB = 1;
    m_state.pageC = 1;
    loadStockData(m_catalog);
    platform::notifyMobileServer(m_messenger);
}

void MainCommands::rewriteProductNames(const db::ProgressShower& show, QObject* owner) {
    // What the server holds now, so that a rename made elsewhere is kept.
    if (m_catalog.readProducts() < 0)
        return;
    stock::rewriteProductNames(m_catalog.runner(), m_boxes, m_catalog.current()->products, show,
                               owner);
}

bool MainCommands::showGroupProducts(GroupLevel level, stock::StockBrowserState& browser) {
    groups::GroupData& groups = m_catalog.groups();
    const int code = groups::withGroupType(level, [&](auto type) {
        using Group = typename decltype(type)::type;
        const Group* selected = groups::selectedOf(groups.screen<Group>());
        return selected ? groups::codeOf(*selected) : -1;
    });
    if (code < 0)
        return false;
    stock::showGroup(browser, m_catalog.current(), level == GroupLevel::A ? code : 0,
                     level == GroupLevel::B ? code : 0, level == GroupLevel::C ? code : 0);
    browser.firstRow = 0;
    return true;
}

bool MainCommands::takeGroupContext(GroupLevel level) {
    const groups::GroupData& groups = m_catalog.groups();
    std::optional<groups::GroupC> context =
        groups::selectedContext(level, groups.screenA(), groups.screenB(), groups.screenC());
    if (!context)
        return false;
    m_catalog.groupContext() = std::move(*context);
    return true;
}

void MainCommands::reloadProducts() {
    app::reloadProducts(m_catalog);
}

void MainCommands::deleteAllOrderIndex(QObject* owner) {
    ordering::askDeleteAllOrders(m_catalog.runner(), m_boxes, owner);
}

void MainCommands::selectBranchAt(QPoint point) {
    m_user.checkBranchPermission();
    if (!m_user.mayConnectBranches())
        return;
    std::vector<records::Branch>& branches = m_catalog.company().branches;
    const int hit = hitBranch(point, branches);
    if (hit < 0)
        return;
    for (records::Branch& branch : branches)
        branch.selected = false;
    records::Branch& chosen = branches[static_cast<std::size_t>(hit)];
    chosen.selected = true;
    m_catalog.company().currentBranch = chosen;
}

} // namespace parvela::app
