#pragma once

#include "recipes/RecipeContext.h"
#include "recipes/RecipeCost.h"
#include "records/CatalogueEdits.h"

#include <QString>
#include <functional>

class QObject;

namespace parvela::recipes {

// The three procedures of the line dialog.
enum class LineKind { Recipe, Bundle, Options };

// What the line dialog works on: a copy of the product and its working list
// of recipe, menu or option lines, by code. Costs are taken from the newest
// catalogue whenever the lines change. Nothing reaches the server before
// save() or a confirmed deleteAll(); both then read the lines again and
// publish what they changed of the product.
class LineWork {
public:
    LineWork(RecipeContext& context, LineKind kind, const stock::StockDefinition& product);

    // A product may be worked on when its code is above 0; otherwise the
    // user is told that no stock was picked.
    static bool maySelect(const stock::StockDefinition& product, platform::MessageBoxes& boxes,
                          QObject* owner);

    LineKind kind() const { return m_kind; }
    QString title() const;
    QString nameLabel() const;
    const stock::StockDefinition& product() const { return m_product; }
    const std::vector<RecipeLine>& lines() const { return m_lines; }
    QString costText() const;
    QString quantityText(const RecipeLine& line) const;

    // Adds the ingredient with the quantity typed; false when the text was
    // refused.
    bool add(std::int64_t ingredient, const QString& typed, QObject* owner);
    // The product as its own ingredient, quantity 1.
    void addItself();
    void remove(std::int64_t ingredient);
    void setExchangeable(std::size_t line, bool exchangeable);
    // Only an exchangeable line has substitutes.
    bool mayExchange(std::size_t line) const;

    // All or nothing: true when the save was written whole.
    bool save();
    // Asks first; true when the user said yes and the lines were deleted.
    bool deleteAll(QObject* owner);

private:
    void addLine(RecipeLine line);
    void linesChanged();
    bool saveRecipe();
    bool saveBundle();
    bool saveOptions();
    bool confirmDelete(QObject* owner) const;
    stock::ProductChange savedCostAndMarks() const;
    void publish(const std::function<void(stock::Catalogue&)>& lines,
                 const stock::ProductChange& product);
    void publishSaved(bool written, const std::function<void(stock::Catalogue&)>& lines);
    // The index follows the newest catalogue.
    const ProductIndex& index();

    RecipeContext& m_context;
    LineKind m_kind;
    stock::StockDefinition m_product;
    std::vector<RecipeLine> m_lines;
    ProductIndex m_index;
    bool m_linesChanged = false;
};

} // namespace parvela::recipes
