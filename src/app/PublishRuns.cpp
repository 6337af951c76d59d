#include "app/PublishRuns.h"

#include "app/CatalogData.h"
#include "db/StatementRunner.h"
#include "platform/MachineInfo.h"
#include "stock/catalogue/StockListReaders.h"

namespace parvela::app {

std::optional<publishing::CatalogueSnapshot> catalogueSnapshot(CatalogData& catalog) {
    groups::GroupData& groups = catalog.groups();
    // A read that failed leaves its list empty: publishing that would empty
    // the branches' categories.
    if (groups.readGroupA() < 0 || groups.readGroupB() < 0)
        return std::nullopt;
    const stock::CatalogueRef catalogue = catalog.current();
    return publishing::CatalogueSnapshot{catalog.company(), catalogue->products, groups.allGroupA(),
                                         groups.allGroupB(), catalogue->recipes.recipeLines};
}

std::optional<publishing::MenuContent> menuContentOf(CatalogData& catalog) {
    const db::ServerLossScope scope(catalog.runner());
    std::optional<publishing::MenuContent> content = menuContentWithoutPictures(catalog);
    // A page without its menus or pictures must not replace the one online.
    if (content && stock::readPictures(catalog.runner(), content->pictures) < 0)
        return std::nullopt;
    return content;
}

std::optional<publishing::MenuContent> menuContentWithoutPictures(CatalogData& catalog) {
    publishing::MenuContent content;
    content.companyName = catalog.company().name;
    if (catalog.groups().readGroupBById(content.groups) < 0)
        return std::nullopt;
    content.products = catalog.current()->products;
    return content;
}

PublishTargetParts publishTargetOf(const platform::MachineInfo& machine,
                                   const platform::Settings& settings, bool upload) {
    PublishTargetParts parts{machine.dataRoot(), machine.transferFolder(), std::nullopt};
    if (upload)
        parts.server = publishing::WebServer::fromSettings(settings);
    return parts;
}

} // namespace parvela::app
