#pragma once

#include "records/RecipeLine.h"
#include "stock/catalogue/StockCatalog.h"

#include <functional>
#include <vector>

namespace parvela::db {
class StatementRunner;
}
namespace parvela::groups {
class GroupData;
struct GroupC;
} // namespace parvela::groups
namespace parvela::platform {
class BackgroundJobs;
class MessageBoxes;
class ProgramMessenger;
} // namespace parvela::platform

namespace parvela::stock {

// What the stock windows and their rules reach of the program: the one
// statement runner and boxes, the product lists, the group lists (read
// only), the recipe lines, the background jobs, and a way to read the
// products again with everything joined to them. The program builds it from
// its data owner.
struct StockContext {
    const db::StatementRunner& runner;
    platform::MessageBoxes& boxes;
    const platform::ProgramMessenger& messenger;
    platform::BackgroundJobs& jobs;
    StockCatalog& stock;
    const groups::GroupData& groups;
    // The group "Grup/Menü Ayarları" acts on; its level mark names its level.
    groups::GroupC& groupContext;
    std::vector<recipes::RecipeLine>& recipeLines;
    // Reads the products again; returns their count, or -1 (reported) when
    // the read failed and the list stayed as it was.
    std::function<int()> rereadProducts;
    // Reads the products and their colours again off the user-interface
    // thread, for a save that has already put its own row in memory. The list
    // read takes the place of the one in memory, and `whenReplaced` runs,
    // unless a newer read came first. May be empty: then callers read now.
    std::function<void(std::function<void()> whenReplaced)> rereadProductsLater;
};

} // namespace parvela::stock
