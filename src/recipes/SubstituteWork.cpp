#include "recipes/SubstituteWork.h"

#include "db/StatementRunner.h"
#include "db/Transaction.h"
#include "db/TypedNumber.h"
#include "recipes/LineEdits.h"
#include "recipes/MenuStatements.h"
#include "recipes/RecipeListReaders.h"
#include "recipes/RecipeStatements.h"

namespace parvela::recipes {

namespace {

constexpr qsizetype kPriceChars = 12;
constexpr double kMaxPrice = 1e7;

} // namespace

SubstituteWork::SubstituteWork(RecipeContext& context, const stock::StockDefinition& menu,
                               std::int64_t lineProduct)
    : m_context(context)
    , m_menu(menu)
    , m_lineProduct(lineProduct)
    , m_index(context.catalogue.current()) {
    std::vector<BundleSubstitute> all;
    if (readBundleSubstitutes(context.runner, all) >= 0)
        publish(std::move(all));
    substitutesOf(m_menu.stcode, m_lineProduct,
                  m_context.catalogue.current()->recipes.bundleSubstitutes, m_index, m_substitutes);
}

void SubstituteWork::publish(std::vector<BundleSubstitute> all) {
    m_context.catalogue.change(
        [&all](stock::Catalogue& next) { next.recipes.bundleSubstitutes = std::move(all); });
}

QString SubstituteWork::lineProductText() const {
    const stock::StockDefinition* product = m_index.find(m_lineProduct);
    const QString name = product == nullptr ? QString() : product->stname;
    return QStringLiteral("%1 - %2").arg(QString::number(m_lineProduct), name);
}

bool SubstituteWork::add(std::int64_t replacement, const QString& typedPrice, QObject* owner) {
    const std::optional<double> price =
        db::typedPriceOrSay({typedPrice, "Fiyat", kPriceChars, kMaxPrice}, m_context.boxes, owner);
    if (!price)
        return false;
    BundleSubstitute substitute;
    substitute.menu_stcode = m_menu.stcode;
    substitute.urun_code = m_lineProduct;
    substitute.sub_urun_code = replacement;
    substitute.prc_diff = static_cast<float>(*price);
    // By code in the newest catalogue: the picker may show an older one.
    if (const stock::StockDefinition* product = m_context.catalogue.current()->find(replacement)) {
        substitute.substituteName = product->stname;
        substitute.substituteUnit = product->unit;
    }
    m_substitutes.push_back(substitute);
    return true;
}

void SubstituteWork::remove(std::size_t row) {
    if (row < m_substitutes.size())
        m_substitutes.erase(m_substitutes.begin() + static_cast<std::ptrdiff_t>(row));
}

// One transaction behind the menu's row lock, as the menu's own save.
void SubstituteWork::save() {
    const db::StatementRunner& runner = m_context.runner;
    const db::Operation op("DELETE_BUNDLE_SUBSTITUTION");
    {
        db::Transaction change(runner, op);
        lockProduct(runner, op, m_menu.stcode);
        deleteSubstitutes(runner, m_menu.stcode, m_lineProduct);
        insertSubstitutes(runner, m_substitutes);
        (void)change.commit();
    }
    std::vector<BundleSubstitute> all;
    if (readBundleSubstitutes(runner, all) >= 0)
        publish(std::move(all));
}

} // namespace parvela::recipes
