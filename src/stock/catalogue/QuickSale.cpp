#include "stock/catalogue/QuickSale.h"

#include "db/SqlFormat.h"
#include "db/StatementRunner.h"
#include "platform/MessageBoxes.h"

namespace parvela::stock {

namespace {

const QString kInsertTag = QStringLiteral("INSERT_HIZLI_SATIS_STOGU");

} // namespace

int isQuickSaleProduct(const db::StatementRunner& runner, StockCode code) {
    bool found = false;
    const db::Outcome outcome = runner.queryFirst(
        db::Operation("is_HIZLI_SATIS_STOK"), db::schema::stocks,
        db::sqlf("SELECT * FROM hizli_satis_stok WHERE hizli_satis_stok.stcode=%lld;",
                 code64(code)),
        [&found](const db::Row&) { found = true; });
    if (outcome == db::Outcome::Failed)
        return -1;
    return found ? 1 : 0;
}

int addQuickSale(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                 const StockDefinition& product, QObject* owner) {
    const int listed = isQuickSaleProduct(runner, product.stcode);
    if (listed < 0)
        return -1;
    if (listed > 0) {
        boxes.tell(QStringLiteral("Şu ürün zaten hızlı satışta tanımlı :\n\n %1 - %2 ")
                       .arg(product.stcode)
                       .arg(product.stname),
                   kInsertTag, platform::BoxIcon::Exclamation, owner);
        return 0;
    }
    const db::Outcome outcome = runner.execute(
        db::Operation("INSERT_HIZLI_SATIS_STOGU"), db::schema::stocks,
        db::sqlf("INSERT INTO hizli_satis_stok(stcode) VALUES(%lld);", code64(product.stcode)));
    return outcome == db::Outcome::Failed ? -1 : 1;
}

int removeQuickSale(const db::StatementRunner& runner, StockCode code) {
    const db::Outcome outcome =
        runner.execute(db::Operation("DELETE_HIZLI_SATIS_STOGU"), db::schema::stocks,
                       db::sqlf("DELETE FROM  hizli_satis_stok WHERE hizli_satis_stok.stcode=%lld;",
                                code64(code)));
    return outcome == db::Outcome::Failed ? -1 : 1;
}

} // namespace parvela::stock
