#pragma once

#include "db/DbConnection.h"
#include "db/StatementRunner.h"
#include "groups/GroupData.h"
#include "recipes/RecipeLists.h"
#include "records/Company.h"
#include "records/StokOrderRow.h"
#include "scales/ScaleStore.h"
#include "stock/catalogue/StockCatalog.h"
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
class CatalogData {
public:
    static constexpr int kFailed = -1;

    CatalogData(const platform::Settings& settings, platform::MessageBoxes& boxes);

    // 0, or -1 after a reported failure.
    int readCompany();
    int readOwnBranch();
    // The number of branches, or -1 after a reported failure.
    int readBranches();

    // Everything the product read joins, in the order the start-up reads it.
    void readProductSideLists();
    // The products by name, joined with the lists in memory; rebuilds the
    // weighed products. The count, or -1 after a reported failure (the list
    // read before then stays).
    int readProducts();
    // The same read on a worker of `jobs`, over copies of the joined lists;
    // the list read is put in place (and `whenReplaced` runs) on this thread,
    // only when it is the last one asked for and no read came after it.
    void readProductsLater(platform::BackgroundJobs& jobs, std::function<void()> whenReplaced);
    int readScales();
    // The weighed products follow the product list.
    void rebuildWeighed();

    const records::Company& company() const { return m_company; }
    records::Company& company() { return m_company; }
    groups::GroupData& groups() { return m_groups; }
    const groups::GroupData& groups() const { return m_groups; }
    stock::StockCatalog& stock() { return m_stock; }
    const stock::StockCatalog& stock() const { return m_stock; }
    recipes::RecipeLists& recipes() { return m_recipes; }
    std::vector<ordering::StokOrderRow>& orderRows() { return m_orderRows; }
    const std::vector<scales::ScaleEntry>& scales() const { return m_scaleStore.scales(); }
    scales::ScaleStore& scaleStore() { return m_scaleStore; }
    const scales::ScaleStore& scaleStore() const { return m_scaleStore; }
    // The group the bulk settings act on, filled when they are opened from a group.
    groups::GroupC& groupContext() { return m_groupContext; }
    db::StatementRunner& runner() { return m_runner; }

    // What the stock windows may reach of these lists.
    stock::StockContext stockContext(platform::MessageBoxes& boxes,
                                     const platform::ProgramMessenger& messenger,
                                     platform::BackgroundJobs& jobs);

private:
    struct LaterRead;
    void placeLaterRead(LaterRead& read, const std::function<void()>& whenReplaced);

    db::DbConnection m_connection;
    db::StatementRunner m_runner;
    records::Company m_company;
    groups::GroupData m_groups;
    stock::StockCatalog m_stock;
    recipes::RecipeLists m_recipes;
    std::vector<ordering::StokOrderRow> m_orderRows;
    scales::ScaleStore m_scaleStore;
    groups::GroupC m_groupContext;
    std::uint64_t m_lastLaterRead = 0;
    // Receives the reads done on workers; what it has not yet received goes
    // with it.
    QObject m_laterReads;
};

} // namespace parvela::app
