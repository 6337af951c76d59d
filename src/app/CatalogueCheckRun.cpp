#include "app/CatalogueCheckRun.h"

#include "app/CatalogData.h"
#include "platform/MachineInfo.h"
#include "recipes/StoredCostReader.h"
#include "stock/catalogue/StockListReaders.h"

#include <QDir>

namespace parvela::app {

namespace {

// One listing of the folder rather than a look-up per picture.
QSet<QString> filesIn(const QString& folder) {
    const QStringList names = QDir(folder).entryList(QDir::Files);
    return {names.begin(), names.end()};
}

} // namespace

std::optional<std::vector<checks::Finding>>
checkCatalogueNow(CatalogData& catalog, const platform::MachineInfo& machine) {
    recipes::StoredCosts stored;
    std::vector<stock::ProductPicture> pictures;
    if (recipes::readStoredCosts(catalog.runner(), stored) < 0 ||
        stock::readPictures(catalog.runner(), pictures) < 0)
        return std::nullopt;
    const QSet<QString> files = filesIn(machine.imagesFolder());
    const stock::CatalogueRef catalogue = catalog.current();
    const recipes::RecipeLists& lists = catalogue->recipes;
    return checks::checkCatalogue({catalogue->products, lists.recipeLines, lists.bundleLines,
                                   lists.bundleSubstitutes, pictures, files, stored});
}

int catalogueErrorsNow(CatalogData& catalog, const platform::MachineInfo& machine) {
    const std::optional<std::vector<checks::Finding>> findings =
        checkCatalogueNow(catalog, machine);
    return findings ? checks::errorCount(*findings) : 0;
}

} // namespace parvela::app
