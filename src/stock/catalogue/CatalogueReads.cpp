#include "stock/catalogue/CatalogueReads.h"

#include "db/ListReader.h"
#include "ordering/StokOrderReader.h"
#include "recipes/CostRollup.h"
#include "recipes/RecipeListReaders.h"
#include "stock/catalogue/ProductJoins.h"
#include "stock/catalogue/ProductReader.h"
#include "stock/catalogue/StockListReaders.h"

namespace parvela::stock {

void readSideLists(const db::StatementRunner& runner, Catalogue& into) {
    // In the order the start-up has always read them.
    db::readShared(into.quickSaleCodes, readQuickSaleCodes, runner);
    db::readShared(into.recipes.optionLines, recipes::readOptionLines, runner);
    db::readShared(into.recipes.bundleLines, recipes::readBundleLines, runner);
    db::readShared(into.recipes.bundleSubstitutes, recipes::readBundleSubstitutes, runner);
    db::readShared(into.recipes.recipeLines, recipes::readRecipeLines, runner);
    db::readShared(into.sizes, readSizes, runner);
    db::readShared(into.recipes.costComponents, recipes::readCostComponents, runner);
    db::readShared(into.colours, readColours, runner);
    db::readShared(into.currencies, readCurrencies, runner);
    db::readShared(into.units, readUnits, runner);
    db::readShared(into.departments, readDepartments, runner);
    db::readShared(into.regionPrices, readRegionPrices, runner);
    db::readShared(into.orderRows, ordering::readAllStokOrder, runner);
}

int readCatalogueProducts(const db::StatementRunner& runner, Catalogue& into) {
    const ProductJoins joins(JoinSources{into.colours, into.recipes.recipeLines,
                                         into.recipes.bundleLines, into.quickSaleCodes,
                                         into.regionPrices, into.sizes, into.orderRows});
    const int count = readProducts(runner, joins, into.products);
    into.reindex();
    if (count >= 0) {
        recipes::rollUpStartupCosts(into);
        into.rebuildWeighed();
    }
    return count;
}

} // namespace parvela::stock
