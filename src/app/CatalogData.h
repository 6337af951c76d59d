#pragma once

#include "db/DbConnection.h"
#include "db/StatementRunner.h"
#include "groups/GroupData.h"
#include "records/Catalogue.h"
#include "records/Company.h"
#include "scales/ScaleStore.h"
#include "stock/catalogue/StockContext.h"

#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace parvela::platform {
class BackgroundJobs;
class MessageBoxes;
class ProgramMessenger;
class Settings;
} // namespace parvela::platform

namespace parvela::app {

// Owns every shared list the program shows, and reads them from the server.
// The products and the lists read with them are published as one catalogue
// that never changes: a read makes a new one, and the windows hold the one
// they show.
class CatalogData {
public:
    static constexpr int kFailed = -1;

    CatalogData(const platform::Settings& settings, platform::MessageBoxes& boxes);

    // 0, or -1 after a reported failure.
    int readCompany();
    int readOwnBranch();
    // The number of branches, or -1 after a reported failure.
    int readBranches();

    // Everything the products join, in the order the start-up reads it,
    // published with the products as they are.
    void readProductSideLists();
    // The products by name, joined with the newest catalogue's lists, and
    // published. The count, or -1 after a reported failure (the products
    // read before then stay).
    int readProducts();
    // Both in one catalogue, published once.
    int readCatalogue();
    // The products read on a worker of `jobs`, joined with the lists of the
    // catalogue newest when it starts; published on this thread when it is
    // the last read asked for and nothing was published since it started
    // (then it reads again, since what came may be newer than what it read).
    // `everyList` reads every list the products are joined with again too.
    void readProductsLater(platform::BackgroundJobs& jobs, bool everyList = false);
    int readScales();

    const records::Company& company() const { return m_company; }
    records::Company& company() { return m_company; }
    groups::GroupData& groups() { return m_groups; }
    const groups::GroupData& groups() const { return m_groups; }
    stock::CatalogueFeed& catalogue() { return m_catalogue; }
    const stock::CatalogueRef& current() const { return m_catalogue.current(); }
    const std::vector<scales::ScaleEntry>& scales() const { return m_scaleStore.scales(); }
    scales::ScaleStore& scaleStore() { return m_scaleStore; }
    const scales::ScaleStore& scaleStore() const { return m_scaleStore; }
    // The group the bulk settings act on, filled when they are opened from a group.
    groups::GroupC& groupContext() { return m_groupContext; }
    db::StatementRunner& runner() { return m_runner; }
    const db::DbConnection& connection() const { return m_connection; }

    // What the stock windows may reach of these lists.
    stock::StockContext stockContext(platform::MessageBoxes& boxes,
                                     const platform::ProgramMessenger& messenger,
                                     platform::BackgroundJobs& jobs);

private:
    struct LaterRead;
    void placeLaterRead(const LaterRead& read, platform::BackgroundJobs& jobs);

    db::DbConnection m_connection;
    db::StatementRunner m_runner;
    records::Company m_company;
    groups::GroupData m_groups;
    stock::CatalogueFeed m_catalogue;
    scales::ScaleStore m_scaleStore;
    groups::GroupC m_groupContext;
    std::uint64_t m_lastLaterRead = 0;
    // Receives the reads done on workers; what it has not yet received goes
    // with it.
    QObject m_laterReads;
};

} // namespace parvela::app
