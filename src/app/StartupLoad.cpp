#include "app/StartupLoad.h"

#include "app/CatalogData.h"
#include "db/StatementRunner.h"
#include "groups/GroupLookups.h"

#include <unordered_map>

namespace parvela::app {

namespace {

std::unordered_map<int, groups::StockTally> tallyByGroupA(const stock::ProductList& products) {
    std::unordered_map<int, groups::StockTally> tally;
    for (const stock::StockDefinition& product : products) {
        groups::StockTally& group = tally[product.gra];
        ++group.total;
        if (product.is_weighed)
            ++group.weighed;
    }
    return tally;
}

void loadGroups(groups::GroupData& groups) {
    groups.readGroupA();
    groups.resetScreenA();
    groups.readGroupB();
    groups.resetScreenB();
    groups.readGroupC();
    groups.resetScreenC();
}

} // namespace

void loadSharedLists(CatalogData& catalog) {
    // A dead server is reported by the first read, not by each of them.
    const db::ServerLossScope scope(catalog.runner());
    catalog.readCompany();
    catalog.readOwnBranch();
    catalog.readBranches();
    loadGroups(catalog.groups());
    loadStockData(catalog);
}

void reloadProducts(CatalogData& catalog) {
    const db::ServerLossScope scope(catalog.runner());
    catalog.readCatalogue();
}

void loadStockData(CatalogData& catalog) {
    const db::ServerLossScope scope(catalog.runner());
    reloadProducts(catalog);
    catalog.readScales();
    // A reload judges every group afresh.
    for (groups::GroupA& group : catalog.groups().screenA())
        group.weighedMarker = 0;
    const stock::CatalogueRef catalogue = catalog.current();
    groups::markWeighedGroups(catalog.groups().screenA(), tallyByGroupA(catalogue->products));
}

} // namespace parvela::app
