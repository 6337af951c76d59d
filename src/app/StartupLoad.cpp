#include "app/StartupLoad.h"

#include "app/CatalogData.h"

namespace parvela::app {

void loadSharedLists(CatalogData& catalog) {
    catalog.readCompany();
    catalog.readOwnBranch();
    catalog.readBranches();
    // Still to come, in this order: Group A, B and C lists with their copies;
    // the bulk load of everything joined to the stock definitions and the
    // definitions themselves, attached in two passes; the scale list; the
    // weighed-share marking of Group A; the scale transfer list.
}

} // namespace parvela::app
