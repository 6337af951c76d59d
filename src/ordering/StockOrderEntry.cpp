#include "ordering/StockOrderEntry.h"

#include "db/SqlFormat.h"
#include "db/StatementRunner.h"
#include "db/Transaction.h"
#include "db/TypedNumber.h"
#include "ordering/OrderSaves.h"

#include <algorithm>
#include <cmath>

namespace parvela::ordering {

namespace {

constexpr double kLargestPosition = 2147483647.0;

std::optional<int> position(const QString& text, const char* caption, platform::MessageBoxes& boxes,
                            QObject* owner) {
    const std::optional<double> value =
        db::typedNumberOrSay({text, caption, 11, kLargestPosition}, boxes, owner);
    if (!value)
        return std::nullopt;
    return static_cast<int>(std::lround(*value));
}

} // namespace

StockOrderEntry::StockOrderEntry(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                                 const stock::StockDefinition& product,
                                 const stock::ProductList& products)
    : m_runner(runner)
    , m_boxes(boxes)
    , m_product(product) {
    for (const stock::StockDefinition& other : products)
        if (other.grb == product.grb)
            m_max = std::max(m_max, other.sira_grb);
}

StockOrderTexts StockOrderEntry::shown() const {
    return {QString::number(m_product.index_sira), QString::number(m_product.sira_gra),
            QString::number(m_product.sira_grb)};
}

bool StockOrderEntry::apply(const StockOrderTexts& typed, QObject* owner) {
    const std::optional<int> index = position(typed.index, "İndex Sıra", m_boxes, owner);
    const std::optional<int> groupA =
        index ? position(typed.groupA, "Grup A Sıra", m_boxes, owner) : std::nullopt;
    const std::optional<int> groupB =
        groupA ? position(typed.groupB, "Grup B Sıra", m_boxes, owner) : std::nullopt;
    if (!groupB)
        return false;
    const auto code = static_cast<long long>(m_product.stcode);
    // The row goes and comes back in one change, behind the order saves' lock.
    const db::Operation op("DELETE_FROM_SIRALAMA");
    db::Transaction change(m_runner, op);
    lockOrders(m_runner, op, OrderLock::Products);
    (void)m_runner.execute(op, db::schema::stocks,
                           db::sqlf("DELETE FROM stocks.stok_order WHERE stcode=%lld;", code));
    (void)m_runner.execute(db::Operation("INSERT_STOK_SIRALAMASI"), db::schema::stocks,
                           db::sqlf("INSERT INTO stocks.stok_order ( stcode, gra ,grb, "
                                    "index_sira, sira_gra, sira_grb) VALUES( "
                                    "%lld,%d,%d,%d,%d,%d ) ;",
                                    code, m_product.gra, m_product.grb, *index, *groupA, *groupB));
    return change.commit() == db::Outcome::Completed;
}

} // namespace parvela::ordering
