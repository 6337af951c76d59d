#include "recipes/LineWork.h"

#include "db/StatementRunner.h"
#include "db/Transaction.h"
#include "platform/MessageBoxes.h"
#include "recipes/LineEdits.h"
#include "recipes/MenuStatements.h"
#include "recipes/RecipeListReaders.h"
#include "recipes/RecipeStatements.h"
#include "records/CatalogueEdits.h"

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
    , m_index(context.catalogue.current()) {
    const RecipeLists& lists = m_index.catalogue()->recipes;
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
    return menuQuantityText(line.qua, unitSetting(m_context.catalogue.current()->units, line.unit));
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
        takeIngredientFacts(m_lines, index());
    else
        computeRecipeCost(m_product, m_lines, index());
}

const ProductIndex& LineWork::index() {
    if (m_index.catalogue() != m_context.catalogue.current())
        m_index = ProductIndex(m_context.catalogue.current());
    return m_index;
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

// Each save is one transaction that first locks the product's row: two
// stations saving the same product take turns and the later one's lines
// win whole. The lines read back show what the server holds either way.
bool LineWork::saveRecipe() {
    const db::StatementRunner& runner = m_context.runner;
    const bool written = writeRecipe(runner, m_product.stcode, m_lines, m_product.unitcost);
    std::vector<RecipeLine> stored;
    const bool read = readRecipeLines(runner, stored) >= 0;
    if (read)
        m_product.hasRecipe = hasLineOf(stored, m_product.stcode);
    publishSaved(written, [&](stock::Catalogue& next) {
        if (read)
            stock::putRecipeLines(next, std::move(stored));
    });
    return written;
}

bool LineWork::saveBundle() {
    const db::StatementRunner& runner = m_context.runner;
    const db::Operation op("DELETE_BUNDLE_MENU");
    db::Transaction change(runner, op);
    lockProduct(runner, op, m_product.stcode);
    deleteBundle(runner, m_product.stcode);
    insertBundleLines(runner, m_product.stcode, m_lines);
    writeUnitCost(runner, m_product.stcode, m_product.unitcost);
    const bool written = change.commit() == db::Outcome::Completed;
    std::vector<RecipeLine> stored;
    const bool read = readBundleLines(runner, stored) >= 0;
    // As the product read marks it: a product with menu lines is a menu.
    if (read && hasLineOf(stored, m_product.stcode))
        m_product.bundle = true;
    publishSaved(written, [&](stock::Catalogue& next) {
        if (read)
            next.recipes.bundleLines = std::move(stored);
    });
    return written;
}

bool LineWork::saveOptions() {
    const db::StatementRunner& runner = m_context.runner;
    const db::Operation op("DELETE_BAGLI_OPSIYON");
    db::Transaction change(runner, op);
    lockProduct(runner, op, m_product.stcode);
    deleteOptions(runner, m_product.stcode);
    insertOptions(runner, m_product.stcode, m_lines);
    const bool written = change.commit() == db::Outcome::Completed;
    std::vector<RecipeLine> stored;
    const bool read = readOptionLines(runner, stored) >= 0;
    publishSaved(written, [&](stock::Catalogue& next) {
        if (read)
            next.recipes.optionLines = std::move(stored);
    });
    return written;
}

// A failed save changed nothing of the product: its cost and marks come
// with the next read of the products.
void LineWork::publishSaved(bool written, const std::function<void(stock::Catalogue&)>& lines) {
    if (written) {
        publish(lines, savedCostAndMarks());
        return;
    }
    publish(lines, [](stock::StockDefinition&) {});
    if (m_context.rereadLater)
        m_context.rereadLater();
}

bool LineWork::deleteAll(QObject* owner) {
    if (m_kind == LineKind::Options || !confirmDelete(owner))
        return false;
    const db::StatementRunner& runner = m_context.runner;
    std::vector<RecipeLine> stored;
    bool read = false;
    if (m_kind == LineKind::Recipe) {
        deleteRecipe(runner, m_product.stcode);
        read = readRecipeLines(runner, stored) >= 0;
        m_product.hasRecipe = false;
    } else {
        deleteBundle(runner, m_product.stcode);
        read = readBundleLines(runner, stored) >= 0;
    }
    // The dialog shows what is left, and what a later save would write;
    // the product keeps its cost on the server and in the catalogue.
    m_lines.clear();
    linesChanged();
    const bool hasRecipe = m_product.hasRecipe;
    const LineKind kind = m_kind;
    publish(
        [&](stock::Catalogue& next) {
            if (read && kind == LineKind::Recipe)
                stock::putRecipeLines(next, std::move(stored));
            else if (read)
                next.recipes.bundleLines = std::move(stored);
        },
        [hasRecipe](stock::StockDefinition& listed) { listed.hasRecipe = hasRecipe; });
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

// Only what the save wrote: the rest of the product may have been saved
// elsewhere since the dialog opened.
stock::ProductChange LineWork::savedCostAndMarks() const {
    return [saved = m_product](stock::StockDefinition& listed) {
        listed.unitcost = saved.unitcost;
        listed.hasRecipe = saved.hasRecipe;
        listed.bundle = saved.bundle;
    };
}

// The lines read back and the product's change, published as one change.
void LineWork::publish(const std::function<void(stock::Catalogue&)>& lines,
                       const stock::ProductChange& product) {
    const stock::StockCode code = m_product.stcode;
    m_context.catalogue.change([&](stock::Catalogue& next) {
        lines(next);
        stock::changeProducts(next, {code}, product);
    });
}

} // namespace parvela::recipes
