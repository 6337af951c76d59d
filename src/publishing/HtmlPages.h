#pragma once

#include "groups/GroupRecords.h"
#include "records/StockDefinition.h"
#include "records/StockRecords.h"

#include <QString>
#include <string>
#include <vector>

// The two HTML pages written from the catalogue.
namespace parvela::publishing {

inline const QString kPriceListFile = QStringLiteral("urun_list.html");

// The price list of `products` (code page 1254, one line).
std::string priceListPage(const std::vector<stock::StockDefinition>& products);

// The guests' menu: a button and a box per Group B with its products, their
// prices, descriptions and pictures (UTF-8, CR LF).
std::string digitalMenuPage(const QString& companyName, const std::vector<groups::GroupB>& groups,
                            const std::vector<stock::StockDefinition>& products,
                            const std::vector<stock::ProductPicture>& pictures);

} // namespace parvela::publishing
