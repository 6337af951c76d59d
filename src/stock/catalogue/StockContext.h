#pragma once

#include "db/ChangeBehindProgress.h"
#include "records/Catalogue.h"

#include <functional>

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
// statement runner and boxes, the newest catalogue (where a change publishes
// what it did), the group lists (read only), the background jobs, and two
// ways to read the catalogue again. The program builds it from its data
// owner.
struct StockContext {
    const db::StatementRunner& runner;
    platform::MessageBoxes& boxes;
    const platform::ProgramMessenger& messenger;
    platform::BackgroundJobs& jobs;
    CatalogueFeed& catalogue;
    const groups::GroupData& groups;
    // The group "Grup/Menü Ayarları" acts on; its level mark names its level.
    groups::GroupC& groupContext;
    // Reads the products and the lists they are joined with again, now, and
    // publishes them; returns the count, or -1 (reported) when the read
    // failed and the catalogue stayed as it was.
    std::function<int()> rereadProducts;
    // Reads the products again off the user-interface thread, for a change
    // that has published its own rows already: the read is published unless
    // the catalogue changed again meanwhile (then it reads once more). May be
    // empty: then callers read now.
    std::function<void()> rereadProductsLater;
    // The same with every list the products are joined with read again too
    // ("Oku", "Hepsi" of the stock window). May be empty: then it reads now.
    std::function<void()> rereadEverythingLater;
    // Shows a job of `jobs` behind the progress dialog; empty without
    // windows: long work then runs in place.
    db::ProgressShower behindProgress;
};

// A small change is published at once; the whole catalogue follows later.
inline void readAgainLater(StockContext& context) {
    if (context.rereadProductsLater)
        context.rereadProductsLater();
    else if (context.rereadProducts)
        context.rereadProducts();
}

inline void readEverythingLater(StockContext& context) {
    if (context.rereadEverythingLater)
        context.rereadEverythingLater();
    else if (context.rereadProducts)
        context.rereadProducts();
}

} // namespace parvela::stock
