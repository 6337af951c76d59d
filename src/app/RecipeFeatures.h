#pragma once

#include "recipes/LineWork.h"
#include "recipes/RecipeContext.h"
#include "stock/catalogue/StockFeatures.h"

namespace parvela::stock {
struct StockContext;
}

namespace parvela::app {

// The recipe, menu and option windows the stock windows open, over the
// program's product and line lists. A save puts the product back into the
// product list and tells the stock window.
class RecipeFeatures : public stock::RecipeWindows {
public:
    // `weighedFollow` rebuilds the weighed products after a save changed the list.
    RecipeFeatures(stock::StockContext& stock, recipes::RecipeLists& lists,
                   recipes::CostReportOpen costReport = {},
                   std::function<void()> weighedFollow = {});

    void openRecipe(const stock::StockDefinition& product, QWidget* owner) override;
    void openBundle(const stock::StockDefinition& product, QWidget* owner) override;
    void openOptions(const stock::StockDefinition& product, QWidget* owner) override;
    void changeQuantity(const recipes::RecipeLine& line, QWidget* owner) override;
    void showLinkedProducts(const recipes::RecipeLine& line, QWidget* owner) override;
    void insertBulkRecipes(const std::vector<stock::StockCode>& listed, QWidget* owner) override;

private:
    void openLines(recipes::LineKind kind, const stock::StockDefinition& product, QWidget* owner);

    recipes::RecipeContext m_context;
    recipes::CostReportOpen m_costReport;
};

} // namespace parvela::app
