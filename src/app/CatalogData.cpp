#include "app/CatalogData.h"

#include "db/DatabaseThread.h"
#include "db/FixedField.h"
#include "db/ListReader.h"
#include "db/Row.h"
#include "platform/BackgroundJobs.h"
#include "stock/catalogue/CatalogueReads.h"
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
    stock::Catalogue next = *m_catalogue.current();
    stock::readSideLists(m_runner, next);
    m_catalogue.publish(std::make_shared<const stock::Catalogue>(std::move(next)));
}

int CatalogData::readProducts() {
    stock::Catalogue next = *m_catalogue.current();
    const int count = stock::readCatalogueProducts(m_runner, next);
    m_catalogue.publish(std::make_shared<const stock::Catalogue>(std::move(next)));
    return count;
}

int CatalogData::readCatalogue() {
    stock::Catalogue next = *m_catalogue.current();
    stock::readSideLists(m_runner, next);
    const int count = stock::readCatalogueProducts(m_runner, next);
    m_catalogue.publish(std::make_shared<const stock::Catalogue>(std::move(next)));
    return count;
}

// What a read on a worker starts from and brings back.
struct CatalogData::LaterRead {
    std::uint64_t ticket = 0;
    std::uint64_t revision = 0;
    bool everyList = false;
    stock::CatalogueRef base;
    stock::CatalogueRef read; // null when the read failed
};

void CatalogData::readProductsLater(platform::BackgroundJobs& jobs, bool everyList) {
    auto later = std::make_shared<LaterRead>(LaterRead{++m_lastLaterRead, m_catalogue.revision(),
                                                       everyList, m_catalogue.current(), nullptr});
    jobs.start(
        [this, later, &jobs](platform::JobReport& report) {
            const db::DatabaseThread databaseThread;
            const db::StatementRunner runner = m_runner.withBoxes(report.boxes());
            stock::Catalogue next = *later->base;
            if (later->everyList)
                stock::readSideLists(runner, next);
            const bool listsRead =
                later->everyList || db::readShared(next.colours, stock::readColours, runner) >= 0;
            if (listsRead && stock::readCatalogueProducts(runner, next) >= 0)
                later->read = std::make_shared<const stock::Catalogue>(std::move(next));
            QMetaObject::invokeMethod(
                &m_laterReads, [this, later, &jobs] { placeLaterRead(*later, jobs); },
                Qt::QueuedConnection);
        },
        std::make_shared<platform::JobMailbox>(nullptr));
}

void CatalogData::placeLaterRead(const LaterRead& read, platform::BackgroundJobs& jobs) {
    // A later read knows more than this one.
    if (!read.read || read.ticket != m_lastLaterRead)
        return;
    // Something published meanwhile may be newer than what the server gave.
    if (read.revision != m_catalogue.revision())
        return readProductsLater(jobs, read.everyList);
    m_catalogue.publish(read.read);
}

stock::StockContext CatalogData::stockContext(platform::MessageBoxes& boxes,
                                              const platform::ProgramMessenger& messenger,
                                              platform::BackgroundJobs& jobs) {
    return {m_runner,
            boxes,
            messenger,
            jobs,
            m_catalogue,
            m_groups,
            m_groupContext,
            [this] { return readCatalogue(); },
            [this, &jobs] { readProductsLater(jobs); },
            [this, &jobs] { readProductsLater(jobs, true); },
            {}};
}

int CatalogData::readScales() {
    return m_scaleStore.read(m_runner);
}

} // namespace parvela::app
