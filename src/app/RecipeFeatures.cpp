#include "app/RecipeFeatures.h"

#include "recipes/LineWork.h"
#include "recipes/LinkedProductsDialog.h"
#include "recipes/OwnRecipes.h"
#include "recipes/QuantityDialog.h"
#include "recipes/RecipeDialog.h"
#include "stock/catalogue/StockContext.h"

namespace parvela::app {

RecipeFeatures::RecipeFeatures(stock::StockContext& stock, recipes::CostReportOpen costReport)
    : m_context{stock.runner,
                stock.boxes,
                stock.catalogue,
                stock.groups,
                [&stock] { stock::readAgainLater(stock); },
                &stock.jobs}
    , m_costReport(std::move(costReport)) {}

void RecipeFeatures::openRecipe(const stock::StockDefinition& product, QWidget* owner) {
    openLines(recipes::LineKind::Recipe, product, owner);
}

void RecipeFeatures::openBundle(const stock::StockDefinition& product, QWidget* owner) {
    openLines(recipes::LineKind::Bundle, product, owner);
}

void RecipeFeatures::openOptions(const stock::StockDefinition& product, QWidget* owner) {
    openLines(recipes::LineKind::Options, product, owner);
}

// The dialog works on the product as the newest catalogue holds it: the
// stock window's copy may be older than the last save.
void RecipeFeatures::openLines(recipes::LineKind kind, const stock::StockDefinition& product,
                               QWidget* owner) {
    if (!recipes::LineWork::maySelect(product, m_context.boxes, owner))
        return;
    const stock::CatalogueRef catalogue = m_context.catalogue.current();
    const stock::StockDefinition* listed = catalogue->find(product.stcode);
    recipes::LineWork work(m_context, kind, listed == nullptr ? product : *listed);
    recipes::RecipeDialog dialog(m_context, work, m_costReport, owner);
    dialog.exec();
}

void RecipeFeatures::changeQuantity(const recipes::RecipeLine& line, QWidget* owner) {
    recipes::QuantityChange change(m_context, line);
    recipes::QuantityDialog dialog(change, owner);
    dialog.exec();
}

void RecipeFeatures::showLinkedProducts(const recipes::RecipeLine& line, QWidget* owner) {
    const auto rows = recipes::linkedProducts(m_context, line.ingredient);
    if (!rows)
        return;
    recipes::LinkedProductsDialog dialog(*rows, owner);
    dialog.exec();
}

void RecipeFeatures::insertBulkRecipes(const std::vector<stock::StockCode>& listed,
                                       QWidget* owner) {
    recipes::makeOwnRecipes(m_context, listed, owner);
}

} // namespace parvela::app
