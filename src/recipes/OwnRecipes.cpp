#include "recipes/OwnRecipes.h"

#include "platform/MessageBoxes.h"
#include "recipes/RecipeListReaders.h"
#include "recipes/RecipeStatements.h"
#include "records/CatalogueEdits.h"

namespace parvela::recipes {

namespace {

const QString kCaption = QStringLiteral("INSERT_RECETELER_KENDI");

bool confirmed(platform::MessageBoxes& boxes, int total, QObject* owner) {
    platform::BoxRequest box;
    box.text = ownRecipesQuestion(total);
    box.caption = kCaption;
    box.icon = platform::BoxIcon::Question;
    box.buttons = platform::BoxButtons::YesNo;
    box.defaultAnswer = platform::BoxAnswer::No;
    box.owner = owner;
    return boxes.show(box) == platform::BoxAnswer::Yes;
}

} // namespace

bool makeOwnRecipes(RecipeContext& context, const std::vector<stock::StockCode>& products,
                    QObject* owner) {
    const int total = static_cast<int>(products.size());
    if (total == 0 || !confirmed(context.boxes, total, owner))
        return false;
    const int done = insertOwnRecipes(context.runner, products);
    context.boxes.tell(ownRecipesSummary(done, total), kCaption);
    std::vector<RecipeLine> lines;
    if (readRecipeLines(context.runner, lines) >= 0)
        stock::putRecipeLines(context.catalogue, std::move(lines));
    return done == total;
}

} // namespace parvela::recipes
