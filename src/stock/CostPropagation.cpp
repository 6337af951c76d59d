#include "stock/CostPropagation.h"

#include "app/PrivateMessages.h"
#include "db/DatabaseThread.h"
#include "db/Row.h"
#include "db/SqlFormat.h"
#include "db/StatementRunner.h"
#include "recipes/RecipeCost.h"
#include "stock/ProductWriter.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace parvela::stock {

namespace {

std::vector<StockCode> productsUsing(const db::StatementRunner& runner, StockCode ingredient,
                                     bool& failed) {
    std::vector<StockCode> codes;
    const db::Outcome outcome =
        runner.query(db::Operation("RETRIEVE_BAGLI_URUNLER"), db::schema::stocks,
                     db::sqlf("SELECT urun FROM receipts WHERE receipts.ingredient=%lld;",
                              static_cast<long long>(ingredient)),
                     [&](const db::Row& row) { codes.push_back(row.int64(1)); });
    failed = outcome == db::Outcome::Failed;
    return codes;
}

void writeCostOf(const db::StatementRunner& runner, StockCode code, const CostJob& job,
                 const recipes::ProductIndex& index) {
    const auto found = index.find(code);
    StockDefinition product = found == index.end() ? StockDefinition{} : *found->second;
    product.stcode = code;
    std::vector<recipes::RecipeLine> lines;
    if (recipes::recipeOf(product, job.recipeLines, index, lines) >= 0)
        updateCost(runner, code, product.unitcost);
}

} // namespace

CostEvent::CostEvent(int message, int value)
    : QEvent(app::msg::eventType(message))
    , m_value(value) {}

void CostMailbox::post(int message, int value) {
    const std::lock_guard lock(m_mutex);
    if (m_receiver != nullptr)
        QCoreApplication::postEvent(m_receiver, new CostEvent(message, value));
}

void CostMailbox::postClose() {
    const std::lock_guard lock(m_mutex);
    if (m_receiver != nullptr)
        QCoreApplication::postEvent(m_receiver, new QCloseEvent);
}

void CostMailbox::detach() {
    const std::lock_guard lock(m_mutex);
    m_receiver = nullptr;
}

int propagateCost(const db::StatementRunner& runner, const CostJob& job, const CostReport& report) {
    bool failed = false;
    const std::vector<StockCode> users = productsUsing(runner, job.savedCode, failed);
    if (failed)
        return -1;
    const int count = static_cast<int>(users.size());
    report(app::msg::kCostRange, count);
    const recipes::ProductIndex index = recipes::indexByCode(job.products);
    int done = 0;
    for (const StockCode code : users) {
        writeCostOf(runner, code, job, index);
        report(app::msg::kCostStep, ++done);
    }
    return count;
}

CostWorkers::~CostWorkers() {
    for (Worker& worker : m_workers)
        worker.thread.join();
}

void CostWorkers::joinFinished() {
    std::erase_if(m_workers, [](Worker& worker) {
        if (!worker.done->load())
            return false;
        worker.thread.join();
        return true;
    });
}

void CostWorkers::start(const db::StatementRunner& runner, CostJob job,
                        std::shared_ptr<CostMailbox> mailbox) {
    joinFinished();
    // The mailbox and the copied job are all the worker shares.
    auto done = std::make_shared<std::atomic<bool>>(false);
    std::thread thread([&runner, job = std::move(job), mailbox = std::move(mailbox), done] {
        {
            const db::DatabaseThread databaseThread;
            propagateCost(runner, job,
                          [&](int message, int value) { mailbox->post(message, value); });
            mailbox->postClose();
        }
        done->store(true);
    });
    m_workers.push_back({std::move(thread), std::move(done)});
}

} // namespace parvela::stock
