#include "app/CatalogData.h"

#include "db/FixedField.h"
#include "db/Row.h"
#include "ordering/StokOrderReader.h"
#include "platform/BackgroundJobs.h"
#include "recipes/RecipeListReaders.h"
#include "stock/catalogue/ProductJoins.h"
#include "stock/catalogue/ProductReader.h"
#include "stock/catalogue/StockListReaders.h"

#include <QMetaObject>

namespace parvela::app {

namespace {
const db::Operation kReadCompany("READ_COMPANY");
const db::Operation kReadOwnBranch("READ_SUBE_INFO");
const db::Operation kReadBranches("READ_SUBELER");
} // namespace

CatalogData::CatalogData(const platform::Settings& settings, platform::MessageBoxes& boxes)
    : m_connection(settings)
    , m_runner(m_connection, boxes)
    , m_groups(m_runner) {}

int CatalogData::readCompany() {
    const db::Outcome outcome = m_runner.queryFirst(
        kReadCompany, db::schema::company, "SELECT compname,compfolder,mustID FROM maininfo;",
        [this](const db::Row& row) {
            m_company.name = db::fitField(row.text(1), records::Company::kNameSize);
            m_company.folder = row.bytes(2);
            m_company.id = row.integer(3);
        });
    return outcome == db::Outcome::Failed ? kFailed : 0;
}

int CatalogData::readOwnBranch() {
    const db::Outcome outcome =
        m_runner.queryFirst(kReadOwnBranch, db::schema::company,
                            "SELECT subekod,subead,ipno,sube_folder FROM subeler WHERE active=1;",
                            [this](const db::Row& row) {
                                m_company.ownBranchCode = row.integer(1);
                                m_company.ownBranchIp = row.bytes(3);
                                m_company.ownBranchFolder = row.bytes(4);
                            });
    return outcome == db::Outcome::Failed ? kFailed : 0;
}

int CatalogData::readBranches() {
    m_company.branches.clear();
    const db::Outcome outcome = m_runner.query(
        kReadBranches, db::schema::company,
        "SELECT firmacode,subekod,subead,ipno,active FROM subeler; ", [this](const db::Row& row) {
            records::Branch branch;
            branch.firmCode = row.integer(1);
            branch.branchCode = row.integer(2);
            branch.name = db::fitField(row.text(3), records::Branch::kNameSize);
            branch.ip = db::fitField(row.bytes(4), records::Branch::kIpSize);
            branch.active = row.flag(5);
            m_company.branches.push_back(std::move(branch));
        });
    return outcome == db::Outcome::Failed ? kFailed : static_cast<int>(m_company.branches.size());
}

void CatalogData::readProductSideLists() {
    stock::readQuickSaleCodes(m_runner, m_stock.quickSaleCodes);
    recipes::readOptionLines(m_runner, m_recipes.optionLines);
    recipes::readBundleLines(m_runner, m_recipes.bundleLines);
    recipes::readBundleSubstitutes(m_runner, m_recipes.bundleSubstitutes);
    recipes::readRecipeLines(m_runner, m_recipes.recipeLines);
    stock::readSizes(m_runner, m_stock.sizes);
    recipes::readCostComponents(m_runner, m_recipes.costComponents);
    stock::readColours(m_runner, m_stock.colours);
    stock::readCurrencies(m_runner, m_stock.currencies);
    stock::readUnits(m_runner, m_stock.units);
    stock::readDepartments(m_runner, m_stock.departments);
    stock::readRegionPrices(m_runner, m_stock.regionPrices);
    ordering::readAllStokOrder(m_runner, m_orderRows);
}

int CatalogData::readProducts() {
    const stock::ProductJoins joins(stock::JoinSources{
        m_stock.colours, m_recipes.recipeLines, m_recipes.bundleLines, m_stock.quickSaleCodes,
        m_stock.regionPrices, m_stock.sizes, m_orderRows});
    const int count = stock::readProducts(m_runner, joins, m_stock.products);
    ++m_stock.generation;
    rebuildWeighed();
    return count;
}

// What a read on a worker works on and brings back: its own copies of the
// joined lists, so that the windows may change theirs meanwhile.
struct CatalogData::LaterRead {
    std::uint64_t ticket = 0;
    std::uint64_t generation = 0;
    std::vector<stock::StockColour> colours;
    std::vector<recipes::RecipeLine> recipeLines;
    std::vector<recipes::RecipeLine> bundleLines;
    std::vector<stock::StockCode> quickSaleCodes;
    std::vector<stock::RegionPrice> regionPrices;
    std::vector<stock::SizePrices> sizes;
    std::vector<ordering::StokOrderRow> orderRows;
    std::vector<stock::StockDefinition> products;
    bool read = false;
};

void CatalogData::readProductsLater(platform::BackgroundJobs& jobs,
                                    std::function<void()> whenReplaced) {
    auto later = std::make_shared<LaterRead>(LaterRead{++m_lastLaterRead,
                                                       m_stock.generation,
                                                       {},
                                                       m_recipes.recipeLines,
                                                       m_recipes.bundleLines,
                                                       m_stock.quickSaleCodes,
                                                       m_stock.regionPrices,
                                                       m_stock.sizes,
                                                       m_orderRows,
                                                       {},
                                                       false});
    jobs.start(
        [this, later, whenReplaced = std::move(whenReplaced)](platform::JobReport& report) {
            const db::StatementRunner runner = m_runner.withBoxes(report.boxes());
            if (stock::readColours(runner, later->colours) >= 0) {
                const stock::ProductJoins joins(stock::JoinSources{
                    later->colours, later->recipeLines, later->bundleLines, later->quickSaleCodes,
                    later->regionPrices, later->sizes, later->orderRows});
                later->read = stock::readProducts(runner, joins, later->products) >= 0;
            }
            QMetaObject::invokeMethod(
                &m_laterReads,
                [this, later, whenReplaced] { placeLaterRead(*later, whenReplaced); },
                Qt::QueuedConnection);
        },
        std::make_shared<platform::JobMailbox>(nullptr));
}

void CatalogData::placeLaterRead(LaterRead& read, const std::function<void()>& whenReplaced) {
    // A later read, or one made here meanwhile, knows more than this one.
    if (!read.read || read.ticket != m_lastLaterRead || read.generation != m_stock.generation)
        return;
    m_stock.colours = std::move(read.colours);
    m_stock.products = std::move(read.products);
    ++m_stock.generation;
    rebuildWeighed();
    if (whenReplaced)
        whenReplaced();
}

stock::StockContext CatalogData::stockContext(platform::MessageBoxes& boxes,
                                              const platform::ProgramMessenger& messenger,
                                              platform::BackgroundJobs& jobs) {
    return {m_runner,
            boxes,
            messenger,
            jobs,
            m_stock,
            m_groups,
            m_groupContext,
            m_recipes.recipeLines,
            [this] { return readProducts(); },
            [this, &jobs](std::function<void()> whenReplaced) {
                readProductsLater(jobs, std::move(whenReplaced));
            }};
}

int CatalogData::readScales() {
    return m_scaleStore.read(m_runner);
}

void CatalogData::rebuildWeighed() {
    m_scaleStore.rebuildWeighed(m_stock.products);
}

} // namespace parvela::app
