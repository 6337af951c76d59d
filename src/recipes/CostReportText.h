#pragma once

#include "recipes/CostReport.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace parvela::platform {
class MessageBoxes;
}

// The words and numbers of the cost report, shared by its window and the
// command line.
namespace parvela::recipes {

inline const QString kCostReportTitle = QStringLiteral("Maliyet Raporu");
inline const QString kCostReportCaption = QStringLiteral("MALİYET RAPORU");
inline const QString kStoredCostLabel = QStringLiteral("Kayıtlı maliyet");
inline const QString kOnePassCostLabel = QStringLiteral("Tek geçiş maliyeti");
inline const QString kFullCostLabel = QStringLiteral("Tam maliyet");

QString money(double value);
QString productTitle(const ProductCost& product);
// Empty for an ordinary recipe.
QString recipeNote(const ProductCost& product);

QStringList ingredientHeadings();
QStringList ingredientCells(const IngredientCost& ingredient);
QStringList staleHeadings();
QStringList staleCells(const StaleCost& stale);
QString staleHeading(const StaleList& list);
// Empty when no product is on a cycle.
QString cycleNote(const StaleList& list);

QString staleListText(const StaleList& list);
QString costReportText(const ProductCost& product, const StaleList& list);

// The product's report, or a box saying there is no such product.
std::optional<ProductCost> reportedProduct(CostReport& report, std::int64_t code,
                                           platform::MessageBoxes& boxes);

} // namespace parvela::recipes
