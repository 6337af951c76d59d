#pragma once

#include "ordering/OrderBoard.h"
#include "records/StokOrderRow.h"

#include <optional>
#include <vector>

class QObject;

namespace parvela::db {
struct Operation;
class StatementRunner;
} // namespace parvela::db
namespace parvela::platform {
class MessageBoxes;
}

namespace parvela::ordering {

// Where a product order applies: overall (neither), one Group A or one
// Group B.
struct ProductScope {
    std::optional<int> gra;
    std::optional<int> grb;
};

// Seconds an order save waits for another station's save of the same order;
// below the connection's read time-out.
inline constexpr int kOrderLockWaitSeconds = 20;
enum class OrderLock { Menus, Products };
// First inside a transaction: held till it ends, so two stations' saves of
// an order take turns and the later one wins whole (on a cluster, the later
// commit fails whole). Fails the change when the other save holds it too
// long.
void lockOrders(const db::StatementRunner& runner, const db::Operation& op, OrderLock which);

// After asking, every product order row of every scope goes.
void askDeleteAllOrders(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                        QObject* owner);

// Writes the positions of the menu board into classb. Nothing placed writes
// and says nothing; false then, and after a failure (already reported).
bool saveMenuOrder(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                   const std::vector<OrderCell>& cells, QObject* owner);

// Rewrites the order rows of the scope from the product board in one
// change; the overall scope first asks whether every other scope goes too.
// The same answers as the menu save.
bool saveProductOrder(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                      const ProductScope& scope, const std::vector<OrderCell>& cells,
                      QObject* owner);

// The order rows of one scope (no sira_gra, sira_grb); -1 after a failure.
int readScopeOrder(const db::StatementRunner& runner, const ProductScope& scope,
                   std::vector<StokOrderRow>& rows);

} // namespace parvela::ordering
