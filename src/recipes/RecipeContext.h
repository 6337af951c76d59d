#pragma once

#include "records/Catalogue.h"

#include <functional>

namespace parvela::db {
class StatementRunner;
}
namespace parvela::groups {
class GroupData;
}
namespace parvela::platform {
class BackgroundJobs;
class MessageBoxes;
} // namespace parvela::platform

class QWidget;

namespace parvela::recipes {

// Opens the cost report of a product; empty while there is none.
using CostReportOpen = std::function<void(const stock::StockDefinition&, QWidget*)>;

// What the recipe, menu and option windows reach of the program: the one
// runner and boxes, the newest catalogue (a save publishes what it changed
// there), and the groups.
struct RecipeContext {
    const db::StatementRunner& runner;
    platform::MessageBoxes& boxes;
    stock::CatalogueFeed& catalogue;
    const groups::GroupData& groups;
    // Reads the products again off the window thread, after a change whose
    // effects reach further than the rows it changed; may be empty.
    std::function<void()> rereadLater;
    // Where long work runs behind a progress dialog; without it, it runs
    // at once on the calling thread.
    platform::BackgroundJobs* jobs = nullptr;
};

} // namespace parvela::recipes
