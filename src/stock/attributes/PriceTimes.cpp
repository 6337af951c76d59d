#include "stock/attributes/PriceTimes.h"

#include "db/SqlFormat.h"
#include "db/StatementBatch.h"
#include "db/TypedNumber.h"

namespace parvela::stock {

namespace {

constexpr std::size_t kDays = 7;

// One VALUES row: code, window id, the 21 values, the price.
std::string valuesRow(StockCode code, int prcid, const std::array<int, 21>& window, double price) {
    std::string row = db::sqlf("(%lld,%d,", code64(code), prcid);
    for (const int value : window)
        row += db::sqlf("%d,", value);
    return row + db::sqlf("%.2f)", price);
}

std::string insertBoth(const EditedProduct& edited, const std::array<int, 21>& windowA,
                       double priceA) {
    const StockDefinition& p = edited.product;
    return "INSERT INTO prctimes(stcode,prcid,day1,hour1x,hour1y, day2,hour2x,hour2y, "
           "day3,hour3x,hour3y, day4,hour4x,hour4y, day5,hour5x,hour5y, day6,hour6x,hour6y, "
           "day7,hour7x,hour7y, price) VALUES" +
           valuesRow(p.stcode, 1, windowA, priceA) + "," +
           valuesRow(p.stcode, 2, edited.priceTimesB, p.sellp4) + ";";
}

int hourOf(const QString& text) {
    bool ok = false;
    const int hour = text.trimmed().toInt(&ok);
    return ok ? hour : 0;
}

} // namespace

PriceTimeRows rowsOfWindow(const std::array<int, 21>& window) {
    PriceTimeRows rows;
    for (std::size_t d = 0; d < kDays; ++d) {
        const int day = window[3 * d];
        rows[d].dayIndex = day >= 1 && day <= static_cast<int>(kDays) ? day - 1 : -1;
        rows[d].start = QString::number(window[3 * d + 1]);
        rows[d].end = QString::number(window[3 * d + 2]);
    }
    return rows;
}

std::array<int, 21> windowOfRows(const PriceTimeRows& rows) {
    std::array<int, 21> window{};
    for (std::size_t d = 0; d < kDays; ++d) {
        window[3 * d] = rows[d].dayIndex + 1;
        window[3 * d + 1] = hourOf(rows[d].start);
        window[3 * d + 2] = hourOf(rows[d].end);
    }
    return window;
}

QString productLine(const StockDefinition& product) {
    return QStringLiteral("Stok : %1 %2").arg(product.stcode).arg(product.stname);
}

QString priceLine(double price) {
    return QStringLiteral("Fiyat : ") + db::shownPrice(price);
}

bool savePriceTimes(const db::StatementRunner& runner, EditedProduct& edited,
                    const PriceTimeRows& rows, double price) {
    const std::array<int, 21> windowA = windowOfRows(rows);
    const std::vector<std::string> statements{
        db::sqlf("DELETE FROM prctimes WHERE stcode=%lld;", code64(edited.product.stcode)),
        insertBoth(edited, windowA, price)};
    if (db::executeAsOne(runner, db::Operation("INSERT_INTO_PRC_TIMES"), db::schema::stocks,
                         statements) == db::Outcome::Failed)
        return false;
    edited.priceTimesA = windowA;
    return true;
}

} // namespace parvela::stock
