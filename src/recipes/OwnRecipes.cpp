#include "recipes/OwnRecipes.h"

#include "platform/MessageBoxes.h"
#include "recipes/RecipeListReaders.h"
#include "recipes/RecipeStatements.h"

#include <unordered_set>

namespace parvela::recipes {

void makeOwnRecipes(RecipeContext& context, const std::vector<stock::StockCode>& products) {
    const int done = insertOwnRecipes(context.runner, products);
    context.boxes.tell(ownRecipesSummary(done, static_cast<int>(products.size())),
                       QStringLiteral("INSERT_RECETELER_KENDI"));
    readRecipeLines(context.runner, context.lists.recipeLines);
    std::unordered_set<stock::StockCode> withRecipe;
    for (const RecipeLine& line : context.lists.recipeLines)
        withRecipe.insert(line.urun);
    for (stock::StockDefinition& product : context.products)
        product.hasRecipe = withRecipe.contains(product.stcode);
    if (context.productsChanged)
        context.productsChanged();
}

} // namespace parvela::recipes
