#include "stock/attributes/ProductSizes.h"

#include "db/Row.h"
#include "db/SqlFormat.h"
#include "db/StatementBatch.h"
#include "db/StatementRunner.h"
#include "db/TypedNumber.h"
#include "stock/editor/StockEditorForm.h"

#include <optional>

namespace parvela::stock {

namespace {

std::optional<double> priceOf(const QString& text, const char* caption,
                              platform::MessageBoxes& boxes, QObject* owner) {
    return db::typedPriceOrSay({text, caption, kNumberChars, kMaxPrice}, boxes, owner);
}

std::string insertOf(const StockDefinition& p) {
    return db::sqlf("INSERT INTO sml_med_lrg(stcode,smll_prc,smll_qua,med_prc,med_qua,larg_prc,"
                    "larg_qua) VALUES(%lld,%.2f,%.2f,%.2f,%.2f,%.2f,%.2f);",
                    code64(p.stcode), p.smll_prc, p.smll_qua, p.med_prc, p.med_qua, p.larg_prc,
                    p.larg_qua);
}

} // namespace

void readProductSizes(const db::StatementRunner& runner, StockDefinition& product) {
    (void)runner.queryFirst(db::Operation("READ_BOLGE_FIYATLARI"), db::schema::stocks,
                            db::sqlf("SELECT smll_prc,smll_qua,med_prc,med_qua,larg_prc,larg_qua "
                                     "FROM sml_med_lrg WHERE stcode=%lld;",
                                     code64(product.stcode)),
                            [&product](const db::Row& row) {
                                product.smll_prc = row.real(1);
                                product.smll_qua = row.real(2);
                                product.med_prc = row.real(3);
                                product.med_qua = row.real(4);
                                product.larg_prc = row.real(5);
                                product.larg_qua = row.real(6);
                                product.hasSizes = true;
                            });
}

SizeForm sizeFormOf(const StockDefinition& p) {
    return {db::shownPrice(p.smll_prc), db::shownPrice(p.med_prc), db::shownPrice(p.larg_prc)};
}

bool saveSizes(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
               StockDefinition& product, const SizeForm& form, QObject* owner) {
    const auto small = priceOf(form.small, "Small Price", boxes, owner);
    const auto medium = small ? priceOf(form.medium, "Medium Price", boxes, owner) : std::nullopt;
    const auto large = medium ? priceOf(form.large, "Large Price", boxes, owner) : std::nullopt;
    if (!large)
        return false;
    StockDefinition written = product;
    written.smll_prc = *small;
    written.med_prc = *medium;
    written.larg_prc = *large;
    const std::vector<std::string> statements{
        db::sqlf("DELETE FROM sml_med_lrg WHERE stcode=%lld;", code64(written.stcode)),
        insertOf(written)};
    if (db::executeAsOne(runner, db::Operation("INSERT_INTO_SMALL_MEDIUM_LARGE"),
                         db::schema::stocks, statements) == db::Outcome::Failed)
        return false;
    written.hasSizes = true;
    product = std::move(written);
    return true;
}

} // namespace parvela::stock
