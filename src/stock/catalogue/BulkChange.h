#pragma once

#include "db/StatementRunner.h"
#include "records/StockDefinition.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace parvela::stock {

// A table whose rows belong to products, by the column holding the code.
struct ProductRows {
    std::string_view schemaName;
    std::string_view table;
    std::string_view column;
};

inline constexpr ProductRows kStockRows{db::schema::stocks, "stckdef", "stcode"};
inline constexpr ProductRows kColourRows{db::schema::stocks, "colors", "stcode"};
inline constexpr ProductRows kDiscountRows{db::schema::stocks, "indirim_tablosu", "stcode"};
inline constexpr ProductRows kPriceTimeRows{db::schema::stocks, "prctimes", "stcode"};
inline constexpr ProductRows kRegionPriceRows{db::schema::stocks, "bolge_urun_fiyat", "stcode"};
inline constexpr ProductRows kOrderItemRows{db::schema::oturum, "orderitems", "stcode"};
inline constexpr ProductRows kOrderDetailRows{db::schema::oturum, "orddetails", "stcode"};

std::vector<std::string> codeKeys(const std::vector<StockCode>& codes);

// Runs `write` as one change on one connection, journalled under `caption`
// with the products' rows of `tables` kept before anything is written. True
// only when `write` said so and everything committed; otherwise nothing of
// it stays and the failing statement has said why under its own tag.
// Ask the user before, never inside: the rows stay locked meanwhile.
bool runBulkChange(const db::StatementRunner& runner, const db::Operation& op,
                   const QString& caption, const std::vector<StockCode>& codes,
                   const std::vector<ProductRows>& tables, const std::function<bool()>& write);

// How many rows of `rows` hold one of the codes, as this thread's change
// sees them; -1 when the count failed (and said so).
std::int64_t countRows(const db::StatementRunner& runner, const ProductRows& rows,
                       const std::vector<StockCode>& codes);

} // namespace parvela::stock
