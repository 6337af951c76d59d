#pragma once

#include "recipes/RecipeCost.h"
#include "records/RecipeLine.h"
#include "records/StockDefinition.h"

#include <QString>
#include <optional>
#include <vector>

class QObject;

namespace parvela::platform {
class MessageBoxes;
}

// The edits of a working list of lines (recipe, menu or options) and the
// lists they start from.
namespace parvela::recipes {

// Appends the line, or adds its quantity to the line of the same ingredient.
void addRecipeLine(std::vector<RecipeLine>& lines, const RecipeLine& line);
// Drops every line of the ingredient.
void removeRecipeLine(std::vector<RecipeLine>& lines, std::int64_t ingredient);

// A quantity as typed: a decimal comma is a point, and a value not above 0
// (an empty field too) is 1. Text that is no number is refused with a box.
std::optional<double> typedQuantity(const QString& text, platform::MessageBoxes& boxes,
                                    QObject* owner);

// The lines of a menu, costed like a recipe: its count, or -2 for a code
// not above 0.
int bundleOf(stock::StockDefinition& menu, const std::vector<RecipeLine>& allLines,
             const ProductIndex& index, std::vector<RecipeLine>& target);
// The option lines of a product, with their products' names and units; its
// cost stays. The count, or -2 for a code not above 0.
int optionsOf(const stock::StockDefinition& product, const std::vector<RecipeLine>& allLines,
              const ProductIndex& index, std::vector<RecipeLine>& target);
// Each line takes its product's name, type, unit, currency and cost.
void takeIngredientFacts(std::vector<RecipeLine>& lines, const ProductIndex& index);
// The substitutes of one menu line, with the replacements' names and units.
// The count, or -2 for a menu code not above 0.
int substitutesOf(std::int64_t menu, std::int64_t lineProduct,
                  const std::vector<BundleSubstitute>& all, const ProductIndex& index,
                  std::vector<BundleSubstitute>& target);

// Decimals of a unit's quantities: its setting in the unit list, or -1 for
// a unit not listed.
int unitSetting(const std::vector<stock::Unit>& units, const std::string& unit);
// A quantity as a menu line shows it: settings 0 to 3 give as many
// decimals; others show three.
QString menuQuantityText(double quantity, int setting);
// A quantity as the quantity change shows it: settings 1 to 7 give one
// decimal fewer; others show three.
QString recipeQuantityText(double quantity, int setting);

} // namespace parvela::recipes
