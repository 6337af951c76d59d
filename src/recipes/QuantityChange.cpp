#include "recipes/QuantityChange.h"

#include "db/StatementRunner.h"
#include "db/Transaction.h"
#include "db/TypedNumber.h"
#include "recipes/LineEdits.h"
#include "recipes/RecipeListReaders.h"
#include "recipes/RecipeStatements.h"
#include "records/CatalogueEdits.h"

#include <algorithm>

namespace parvela::recipes {

namespace {

constexpr qsizetype kNumberChars = 16;
constexpr double kMaxNumber = 1e9;

// The value a field stands for: the one shown when the user left it alone.
std::optional<double> valueOf(const QString& typed, const QString& shown, double value,
                              const char* caption, platform::MessageBoxes& boxes, QObject* owner) {
    if (typed.trimmed() == shown)
        return value;
    return db::typedNumberOrSay({typed, caption, kNumberChars, kMaxNumber}, boxes, owner);
}

} // namespace

QuantityChange::QuantityChange(RecipeContext& context, const RecipeLine& line)
    : m_context(context)
    , m_line(line) {
    const stock::CatalogueRef catalogue = context.catalogue.current();
    if (const stock::StockDefinition* ingredient = catalogue->find(line.ingredient))
        takeIngredientFacts(m_line, *ingredient);
    m_shown.ingredient =
        QStringLiteral("%1 - %2").arg(QString::number(m_line.ingredient), m_line.ingredientName);
    m_shown.quantity = recipeQuantityText(m_line.qua, unitSetting(catalogue->units, m_line.unit));
    m_shown.unitcost = QString::asprintf("%.3f", m_line.unitcost);
}

// Both or neither, behind the row lock a save of the line's recipe takes.
bool QuantityChange::write(double quantity, double unitcost) {
    const db::StatementRunner& runner = m_context.runner;
    const db::Operation op("UPDATE_RECETE_URUN_MIKTARI");
    db::Transaction change(runner, op);
    lockProduct(runner, op, m_line.urun);
    writeLineQuantity(runner, m_line.Id, quantity);
    writeUnitCost(runner, m_line.ingredient, unitcost);
    return change.commit() == db::Outcome::Completed;
}

bool QuantityChange::apply(const QuantityForm& typed, QObject* owner) {
    platform::MessageBoxes& boxes = m_context.boxes;
    const std::optional<double> quantity =
        valueOf(typed.quantity, m_shown.quantity, m_line.qua, "Miktar", boxes, owner);
    if (!quantity)
        return false;
    const std::optional<double> unitcost =
        valueOf(typed.unitcost, m_shown.unitcost, m_line.unitcost, "Birim Maliyet", boxes, owner);
    if (!unitcost)
        return false;
    const bool costWritten = write(*quantity, *unitcost);
    std::vector<RecipeLine> lines;
    const bool read = readRecipeLines(m_context.runner, lines) >= 0;
    const double cost = *unitcost;
    const stock::StockCode ingredient = m_line.ingredient;
    m_context.catalogue.change([&](stock::Catalogue& next) {
        if (read)
            stock::putRecipeLines(next, std::move(lines));
        if (costWritten)
            stock::changeProducts(next, {ingredient},
                                  [cost](stock::StockDefinition& p) { p.unitcost = cost; });
    });
    // The recipes that use the ingredient cost anew with the next read.
    if (m_context.rereadLater)
        m_context.rereadLater();
    return true;
}

} // namespace parvela::recipes
