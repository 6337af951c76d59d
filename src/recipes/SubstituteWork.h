#pragma once

#include "recipes/RecipeContext.h"
#include "recipes/RecipeCost.h"

#include <QString>

class QObject;

namespace parvela::recipes {

// What the substitution dialog works on: the products that may replace one
// line product of one menu, each with the price difference the exchange
// costs. The rows are keyed by menu and line product, so the same product
// in two menus has two lists. save() writes them at once.
class SubstituteWork {
public:
    // Reads the substitutes of every menu afresh.
    SubstituteWork(RecipeContext& context, const stock::StockDefinition& menu,
                   std::int64_t lineProduct);

    const stock::StockDefinition& menu() const { return m_menu; }
    QString lineProductText() const;
    const std::vector<BundleSubstitute>& substitutes() const { return m_substitutes; }

    // Appends the replacement with the price difference typed; false when
    // the text was refused.
    bool add(std::int64_t replacement, const QString& typedPrice, QObject* owner);
    void remove(std::size_t row);
    void save();

private:
    void publish(std::vector<BundleSubstitute> all);

    RecipeContext& m_context;
    stock::StockDefinition m_menu;
    std::int64_t m_lineProduct;
    ProductIndex m_index;
    std::vector<BundleSubstitute> m_substitutes;
};

} // namespace parvela::recipes
