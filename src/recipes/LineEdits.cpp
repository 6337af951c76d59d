#include "recipes/LineEdits.h"

#include "db/TypedNumber.h"

#include <algorithm>

namespace parvela::recipes {

namespace {

constexpr int kNoProduct = -2;
constexpr qsizetype kQuantityChars = 12;
constexpr double kMaxQuantity = 1e9;

QString withDecimals(double value, int decimals) {
    return QString::asprintf("%.*f", decimals, value);
}

} // namespace

void addRecipeLine(std::vector<RecipeLine>& lines, const RecipeLine& line) {
    const auto same = std::find_if(lines.begin(), lines.end(), [&](const RecipeLine& listed) {
        return listed.ingredient == line.ingredient;
    });
    if (same != lines.end())
        same->qua += line.qua;
    else
        lines.push_back(line);
}

void removeRecipeLine(std::vector<RecipeLine>& lines, std::int64_t ingredient) {
    std::erase_if(lines, [&](const RecipeLine& line) { return line.ingredient == ingredient; });
}

std::optional<double> typedQuantity(const QString& text, platform::MessageBoxes& boxes,
                                    QObject* owner) {
    const std::optional<double> typed =
        db::typedNumberOrSay({text, "Miktar", kQuantityChars, kMaxQuantity}, boxes, owner);
    if (!typed)
        return std::nullopt;
    return *typed > 0 ? *typed : 1.0;
}

int bundleOf(stock::StockDefinition& menu, const std::vector<RecipeLine>& allLines,
             const ProductIndex& index, std::vector<RecipeLine>& target) {
    return recipeOf(menu, allLines, index, target);
}

int optionsOf(const stock::StockDefinition& product, const std::vector<RecipeLine>& allLines,
              const ProductIndex& index, std::vector<RecipeLine>& target) {
    target.clear();
    if (product.stcode <= 0)
        return kNoProduct;
    std::copy_if(allLines.begin(), allLines.end(), std::back_inserter(target),
                 [&](const RecipeLine& line) { return line.urun == product.stcode; });
    takeIngredientFacts(target, index);
    return static_cast<int>(target.size());
}

void takeIngredientFacts(std::vector<RecipeLine>& lines, const ProductIndex& index) {
    for (RecipeLine& line : lines)
        if (const stock::StockDefinition* ingredient = index.find(line.ingredient))
            takeIngredientFacts(line, *ingredient);
}

int substitutesOf(std::int64_t menu, std::int64_t lineProduct,
                  const std::vector<BundleSubstitute>& all, const ProductIndex& index,
                  std::vector<BundleSubstitute>& target) {
    target.clear();
    if (menu <= 0)
        return kNoProduct;
    for (const BundleSubstitute& substitute : all) {
        if (substitute.menu_stcode != menu || substitute.urun_code != lineProduct)
            continue;
        BundleSubstitute& shown = target.emplace_back(substitute);
        if (const stock::StockDefinition* product = index.find(substitute.sub_urun_code)) {
            shown.substituteName = product->stname;
            shown.substituteUnit = product->unit;
        }
    }
    return static_cast<int>(target.size());
}

int unitSetting(const std::vector<stock::Unit>& units, const std::string& unit) {
    const QString name = QString::fromStdString(unit);
    const auto found = std::find_if(units.begin(), units.end(),
                                    [&](const stock::Unit& listed) { return listed.name == name; });
    return found == units.end() ? -1 : found->type;
}

QString menuQuantityText(double quantity, int setting) {
    return withDecimals(quantity, setting >= 0 && setting <= 3 ? setting : 3);
}

QString recipeQuantityText(double quantity, int setting) {
    return withDecimals(quantity, setting >= 1 && setting <= 7 ? setting - 1 : 3);
}

} // namespace parvela::recipes
