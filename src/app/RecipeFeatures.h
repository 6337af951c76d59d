#pragma once

#include "recipes/LineWork.h"
#include "recipes/RecipeContext.h"
#include "stock/catalogue/StockFeatures.h"

namespace parvela::stock {
struct StockContext;
}

namespace parvela::app {

// The recipe, menu and option windows the stock windows open, over the
// program's catalogue. A save publishes what it changed there.
class RecipeFeatures : public stock::RecipeWindows {
public:
    explicit RecipeFeatures(stock::StockContext& stock, recipes::CostReportOpen costReport = {});

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
