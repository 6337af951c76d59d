#include "recipes/OwnRecipes.h"

#include "platform/MessageBoxes.h"
#include "recipes/RecipeListReaders.h"
#include "recipes/RecipeStatements.h"
#include "records/CatalogueEdits.h"

namespace parvela::recipes {

void makeOwnRecipes(RecipeContext& context, const std::vector<stock::StockCode>& products) {
    const int done = insertOwnRecipes(context.runner, products);
    context.boxes.tell(ownRecipesSummary(done, static_cast<int>(products.size())),
                       QStringLiteral("INSERT_RECETELER_KENDI"));
    std::vector<RecipeLine> lines;
    if (readRecipeLines(context.runner, lines) >= 0)
        stock::putRecipeLines(context.catalogue, std::move(lines));
}

} // namespace parvela::recipes
