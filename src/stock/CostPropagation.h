#pragma once

#include "recipes/RecipeLine.h"
#include "stock/StockDefinition.h"

#include <QEvent>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class QObject;

namespace parvela::db {
class StatementRunner;
}

namespace parvela::stock {

// What the worker needs, copied before it starts: it never touches the
// shared lists.
struct CostJob {
    StockCode savedCode = 0;
    std::vector<StockDefinition> products;
    std::vector<recipes::RecipeLine> recipeLines;
};

// A progress report: the range (0x404) carries the number of products, a
// step (0x401) the number done so far.
class CostEvent : public QEvent {
public:
    CostEvent(int message, int value);
    int value() const { return m_value; }

private:
    int m_value;
};

// Where the worker posts its reports. The receiver lets go of it when it
// goes away; reports after that are dropped.
class CostMailbox {
public:
    explicit CostMailbox(QObject* receiver)
        : m_receiver(receiver) {}
    void post(int message, int value);
    void postClose();
    void detach();

private:
    std::mutex m_mutex;
    QObject* m_receiver;
};

using CostReport = std::function<void(int message, int value)>;

// Recomputes and writes the cost of every product whose recipe uses the
// saved product directly. Reports the range, then one step per product.
// Returns the number of products, or -1 when they could not be read.
int propagateCost(const db::StatementRunner& runner, const CostJob& job, const CostReport& report);

// Runs propagations on threads of their own, each ending with a close
// posted to its mailbox's receiver. Owned next to the runner they use, so
// that no worker outlives it: the destructor waits for the ones still running.
class CostWorkers {
public:
    CostWorkers() = default;
    ~CostWorkers();
    CostWorkers(const CostWorkers&) = delete;
    CostWorkers& operator=(const CostWorkers&) = delete;

    void start(const db::StatementRunner& runner, CostJob job,
               std::shared_ptr<CostMailbox> mailbox);

private:
    struct Worker {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> done;
    };
    void joinFinished();

    std::vector<Worker> m_workers;
};

} // namespace parvela::stock
