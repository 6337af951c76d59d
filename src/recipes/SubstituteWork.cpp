#include "recipes/SubstituteWork.h"

#include "db/TypedNumber.h"
#include "recipes/LineEdits.h"
#include "recipes/MenuStatements.h"
#include "recipes/RecipeListReaders.h"

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
    , m_index(indexByCode(context.products)) {
    readBundleSubstitutes(context.runner, context.lists.bundleSubstitutes);
    substitutesOf(m_menu.stcode, m_lineProduct, context.lists.bundleSubstitutes, m_index,
                  m_substitutes);
}

QString SubstituteWork::lineProductText() const {
    const auto found = m_index.find(m_lineProduct);
    const QString name = found == m_index.end() ? QString() : found->second->stname;
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
    if (const auto found = m_index.find(replacement); found != m_index.end()) {
        substitute.substituteName = found->second->stname;
        substitute.substituteUnit = found->second->unit;
    }
    m_substitutes.push_back(substitute);
    return true;
}

void SubstituteWork::remove(std::size_t row) {
    if (row < m_substitutes.size())
        m_substitutes.erase(m_substitutes.begin() + static_cast<std::ptrdiff_t>(row));
}

void SubstituteWork::save() {
    const db::StatementRunner& runner = m_context.runner;
    deleteSubstitutes(runner, m_menu.stcode, m_lineProduct);
    insertSubstitutes(runner, m_substitutes);
    readBundleSubstitutes(runner, m_context.lists.bundleSubstitutes);
}

} // namespace parvela::recipes
