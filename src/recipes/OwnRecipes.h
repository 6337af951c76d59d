#pragma once

#include "recipes/RecipeContext.h"

class QWidget;

namespace parvela::recipes {

// After asking (naming how many recipes go, "Hayır" the default), makes each
// product its own one-line recipe, all or none, behind a progress dialog
// whose "İptal" takes it all back; tells the user how many were written and
// how many failed, or that it was cancelled (a box without owner), reads
// the recipes again and marks the products that have one. True when all
// were written.
bool makeOwnRecipes(RecipeContext& context, const std::vector<stock::StockCode>& products,
                    QWidget* owner = nullptr);

} // namespace parvela::recipes
