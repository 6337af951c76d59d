#include "recipes/LineWork.h"

#include "db/StatementRunner.h"
#include "platform/MessageBoxes.h"
#include "recipes/LineEdits.h"
#include "recipes/MenuStatements.h"
#include "recipes/RecipeListReaders.h"
#include "recipes/RecipeStatements.h"

#include <algorithm>

namespace parvela::recipes {

namespace {

const QString kStay =
    QStringLiteral("\nNe yaptıgınızdan emin değilseniz HAYIR veya İPTAL deyip işlemden çıkınız.");

bool hasLineOf(const std::vector<RecipeLine>& lines, stock::StockCode product) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const RecipeLine& line) { return line.urun == product; });
}

} // namespace

LineWork::LineWork(RecipeContext& context, LineKind kind, const stock::StockDefinition& product)
    : m_context(context)
    , m_kind(kind)
    , m_product(product)
    , m_index(indexByCode(context.products)) {
    const RecipeLists& lists = context.lists;
    if (kind == LineKind::Recipe)
        recipeOf(m_product, lists.recipeLines, m_index, m_lines);
    else if (kind == LineKind::Bundle)
        bundleOf(m_product, lists.bundleLines, m_index, m_lines);
    else
        optionsOf(m_product, lists.optionLines, m_index, m_lines);
}

bool LineWork::maySelect(const stock::StockDefinition& product, platform::MessageBoxes& boxes,
                         QObject* owner) {
    if (product.stcode > 0)
        return true;
    boxes.tell(QStringLiteral("Secilen stok kodu sifir veya herhangi bir stok secilmedi."),
               QStringLiteral("STOK SECILMEDI"), platform::BoxIcon::None, owner);
    return false;
}

QString LineWork::title() const {
    static const QString titles[] = {QStringLiteral("Ürün Reçetelendirme"),
                                     QStringLiteral("Bundle/MENU Düzenlemesi"),
                                     QStringLiteral(" BAGLI ÜRÜNLER - OPSİYONLAR")};
    return titles[static_cast<std::size_t>(m_kind)];
}

QString LineWork::nameLabel() const {
    static const QString labels[] = {QStringLiteral("Ürün Adı :"), QStringLiteral("Menü Adı :"),
                                     QStringLiteral("Opsiyon Adı :")};
    return labels[static_cast<std::size_t>(m_kind)];
}

QString LineWork::costText() const {
    const double cost = m_product.unitcost;
    if (m_kind == LineKind::Recipe)
        return QString::asprintf("Reçete Maliyeti : %.2f", cost);
    if (m_kind == LineKind::Options)
        return QString::asprintf("OPSIYON Maliyeti : %.2f", cost);
    return m_linesChanged ? QString::asprintf("Menü Maliyeti : %.2f", cost)
                          : QString::asprintf("MENU Maliyeti : %.2f", cost);
}

QString LineWork::quantityText(const RecipeLine& line) const {
    if (m_kind == LineKind::Recipe)
        return QString::asprintf("%.4f", line.qua);
    return menuQuantityText(line.qua, unitSetting(m_context.units, line.unit));
}

bool LineWork::add(std::int64_t ingredient, const QString& typed, QObject* owner) {
    const std::optional<double> quantity = typedQuantity(typed, m_context.boxes, owner);
    if (!quantity)
        return false;
    RecipeLine line;
    line.ingredient = ingredient;
    line.qua = *quantity;
    addLine(line);
    return true;
}

void LineWork::addItself() {
    RecipeLine line;
    line.ingredient = m_product.stcode;
    line.qua = 1;
    addLine(line);
}

void LineWork::addLine(RecipeLine line) {
    line.urun = m_product.stcode;
    addRecipeLine(m_lines, line);
    linesChanged();
}

void LineWork::remove(std::int64_t ingredient) {
    removeRecipeLine(m_lines, ingredient);
    linesChanged();
}

void LineWork::setExchangeable(std::size_t line, bool exchangeable) {
    if (line < m_lines.size())
        m_lines[line].degist = exchangeable ? 1 : 0;
}

bool LineWork::mayExchange(std::size_t line) const {
    return line < m_lines.size() && m_lines[line].degist > 0;
}

// Options never change the product's cost.
void LineWork::linesChanged() {
    m_linesChanged = true;
    if (m_kind == LineKind::Options)
        takeIngredientFacts(m_lines, m_index);
    else
        computeRecipeCost(m_product, m_lines, m_index);
}

bool LineWork::save() {
    // A dead server fails the first step; the rest would only wait again.
    const db::ServerLossScope scope(m_context.runner);
    if (m_kind == LineKind::Recipe)
        return saveRecipe();
    if (m_kind == LineKind::Bundle)
        return saveBundle();
    return saveOptions();
}

// Each step runs even when the one before failed: the lines read back show
// what the server holds.
bool LineWork::saveRecipe() {
    const db::StatementRunner& runner = m_context.runner;
    bool written = deleteRecipe(runner, m_product.stcode) > 0;
    for (const RecipeLine& line : m_lines)
        written =
            insertRecipeLine(runner, m_product.stcode, line.ingredient, line.qua) > 0 && written;
    written = writeUnitCost(runner, m_product.stcode, m_product.unitcost) > 0 && written;
    readRecipeLines(runner, m_context.lists.recipeLines);
    m_product.hasRecipe = hasLineOf(m_context.lists.recipeLines, m_product.stcode);
    putBack();
    return written;
}

bool LineWork::saveBundle() {
    const db::StatementRunner& runner = m_context.runner;
    bool written = deleteBundle(runner, m_product.stcode) > 0;
    written = insertBundleLines(runner, m_product.stcode, m_lines) > 0 && written;
    written = writeUnitCost(runner, m_product.stcode, m_product.unitcost) > 0 && written;
    readBundleLines(runner, m_context.lists.bundleLines);
    // As the product read marks it: a product with menu lines is a menu.
    if (hasLineOf(m_context.lists.bundleLines, m_product.stcode))
        m_product.bundle = true;
    putBack();
    return written;
}

bool LineWork::saveOptions() {
    const db::StatementRunner& runner = m_context.runner;
    bool written = deleteOptions(runner, m_product.stcode) > 0;
    written = insertOptions(runner, m_product.stcode, m_lines) > 0 && written;
    readOptionLines(runner, m_context.lists.optionLines);
    putBack();
    return written;
}

bool LineWork::deleteAll(QObject* owner) {
    if (m_kind == LineKind::Options || !confirmDelete(owner))
        return false;
    const db::StatementRunner& runner = m_context.runner;
    if (m_kind == LineKind::Recipe) {
        deleteRecipe(runner, m_product.stcode);
        readRecipeLines(runner, m_context.lists.recipeLines);
        m_product.hasRecipe = false;
    } else {
        deleteBundle(runner, m_product.stcode);
        readBundleLines(runner, m_context.lists.bundleLines);
    }
    // The dialog shows what is left, and what a later save would write;
    // the product keeps its cost on the server and in the list.
    m_lines.clear();
    linesChanged();
    const bool hasRecipe = m_product.hasRecipe;
    forEachListed([hasRecipe](stock::StockDefinition& listed) { listed.hasRecipe = hasRecipe; });
    return true;
}

bool LineWork::confirmDelete(QObject* owner) const {
    platform::BoxRequest box;
    if (m_kind == LineKind::Recipe) {
        box.text = QStringLiteral("%1 kodlu - %2 adlı \n\n ürüne ait tüm reçete silinecek, emin "
                                  "misiniz?")
                       .arg(QString::number(m_product.stcode), m_product.stname) +
                   kStay;
        box.caption = QStringLiteral("REÇETE SİLİNECEK...!!!");
    } else {
        box.text = QStringLiteral("Tüm menü ürünlerini silinecek, emin misiniz?") + kStay;
        box.caption = QStringLiteral("BUNDLE/MENU SİLİNECEK...!!!");
    }
    box.buttons = platform::BoxButtons::YesNoCancel;
    box.defaultAnswer = platform::BoxAnswer::Cancel;
    box.owner = owner;
    box.topmost = true;
    return m_context.boxes.show(box) == platform::BoxAnswer::Yes;
}

void LineWork::putBack() {
    forEachListed([this](stock::StockDefinition& listed) { listed = m_product; });
}

void LineWork::forEachListed(const std::function<void(stock::StockDefinition&)>& change) {
    for (stock::StockDefinition& listed : m_context.products)
        if (listed.stcode == m_product.stcode)
            change(listed);
    if (m_context.productsChanged)
        m_context.productsChanged();
    m_index = indexByCode(m_context.products);
}

} // namespace parvela::recipes
