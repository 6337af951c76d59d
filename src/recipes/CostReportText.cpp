#include "recipes/CostReportText.h"

#include "platform/MessageBoxes.h"

#include <algorithm>

namespace parvela::recipes {

namespace {

constexpr int kNameColumn = 1;

QString code(std::int64_t value) {
    return QString::number(static_cast<qlonglong>(value));
}

QString ingredientName(const IngredientCost& ingredient) {
    if (!ingredient.found)
        return QStringLiteral("(bulunamadı)");
    if (ingredient.own)
        return ingredient.name + QStringLiteral(" (kendisi)");
    return ingredient.name;
}

// Columns padded to their widest cell; names to the left, numbers to the right.
QString tableText(const QStringList& headings, const std::vector<QStringList>& rows) {
    QList<qsizetype> widths;
    for (const QString& heading : headings)
        widths.push_back(heading.size());
    for (const QStringList& row : rows)
        for (qsizetype column = 0; column < row.size(); ++column)
            widths[column] = std::max(widths[column], row[column].size());
    const auto line = [&](const QStringList& cells) {
        QStringList padded;
        for (qsizetype column = 0; column < cells.size(); ++column)
            padded << (column == kNameColumn ? cells[column].leftJustified(widths[column])
                                             : cells[column].rightJustified(widths[column]));
        return padded.join(QStringLiteral("  ")) + QLatin1Char('\n');
    };
    QString text = line(headings);
    for (const QStringList& row : rows)
        text += line(row);
    return text;
}

QString summaryLine(const QString& label, const QString& value) {
    return label.leftJustified(kOnePassCostLabel.size()) + QStringLiteral(" : ") + value +
           QLatin1Char('\n');
}

} // namespace

QString money(double value) {
    return QString::number(value, 'f', 3);
}

QString productTitle(const ProductCost& product) {
    return code(product.code) + QLatin1Char(' ') + product.name;
}

QString recipeNote(const ProductCost& product) {
    if (!product.hasRecipe)
        return QStringLiteral("Reçetesi yok: kayıtlı maliyeti geçerli.");
    if (product.ownRecipeOnly)
        return QStringLiteral("Reçetesi yalnız kendisi: kayıtlı maliyeti geçerli.");
    return {};
}

QStringList ingredientHeadings() {
    return {QStringLiteral("Kod"),         QStringLiteral("Adı"),       QStringLiteral("Miktar"),
            QStringLiteral("Br. Kayıtlı"), QStringLiteral("Tek Geçiş"), QStringLiteral("Br. Tam"),
            QStringLiteral("Tam")};
}

QStringList ingredientCells(const IngredientCost& ingredient) {
    return {code(ingredient.code),
            ingredientName(ingredient),
            QString::number(ingredient.quantity, 'g', 10),
            money(ingredient.storedUnitCost),
            money(ingredient.onePass),
            money(ingredient.fullUnitCost),
            money(ingredient.full)};
}

QStringList staleHeadings() {
    return {QStringLiteral("Kod"), QStringLiteral("Adı"), QStringLiteral("Kayıtlı"),
            QStringLiteral("Tam"), QStringLiteral("Fark")};
}

QStringList staleCells(const StaleCost& stale) {
    return {code(stale.code), stale.name, money(stale.stored), money(stale.full),
            money(stale.full - stale.stored)};
}

QString staleHeading(const StaleList& list) {
    return QStringLiteral("Maliyeti güncel olmayan ürünler (fark > %1): %2")
        .arg(QString::number(kStaleTolerance, 'f', 3))
        .arg(list.products.size());
}

QString cycleNote(const StaleList& list) {
    if (list.onCycles == 0)
        return {};
    return QStringLiteral("Reçetesi döngüye giren, karşılaştırılmayan ürünler: %1")
        .arg(list.onCycles);
}

QString staleListText(const StaleList& list) {
    std::vector<QStringList> rows;
    rows.reserve(list.products.size());
    for (const StaleCost& stale : list.products)
        rows.push_back(staleCells(stale));
    QString text = staleHeading(list) + QLatin1Char('\n');
    if (!rows.empty())
        text += tableText(staleHeadings(), rows);
    if (const QString note = cycleNote(list); !note.isEmpty())
        text += note + QLatin1Char('\n');
    return text;
}

QString costReportText(const ProductCost& product, const StaleList& list) {
    QString text =
        kCostReportTitle + QStringLiteral(": ") + productTitle(product) + QLatin1Char('\n');
    text += summaryLine(kStoredCostLabel, money(product.stored));
    text += summaryLine(kOnePassCostLabel, money(product.onePass));
    text += summaryLine(kFullCostLabel, money(product.full));
    if (const QString note = recipeNote(product); !note.isEmpty())
        text += note + QLatin1Char('\n');
    for (const QString& cycle : product.cycles)
        text += cycle + QLatin1Char('\n');
    if (!product.ingredients.empty()) {
        std::vector<QStringList> rows;
        for (const IngredientCost& ingredient : product.ingredients)
            rows.push_back(ingredientCells(ingredient));
        text += QLatin1Char('\n') + tableText(ingredientHeadings(), rows);
    }
    return text + QLatin1Char('\n') + staleListText(list);
}

std::optional<ProductCost> reportedProduct(CostReport& report, std::int64_t productCode,
                                           platform::MessageBoxes& boxes) {
    std::optional<ProductCost> product = report.product(productCode);
    if (!product)
        boxes.tell(QStringLiteral("%1 kodlu ürün bulunamadı.").arg(code(productCode)),
                   kCostReportCaption, platform::BoxIcon::Exclamation);
    return product;
}

} // namespace parvela::recipes
