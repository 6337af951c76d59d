#pragma once

#include "groups/GroupRecords.h"
#include "records/ProductList.h"
#include "records/StockRecords.h"

#include <QString>
#include <string>
#include <vector>

namespace parvela::platform {
class MachineInfo;
}

// The two HTML pages written from the catalogue.
namespace parvela::publishing {

inline const QString kPriceListFile = QStringLiteral("urun_list.html");
inline const QString kDigitalMenuFile = QStringLiteral("index.html");

// The price list of `products` (code page 1254, one line).
std::string priceListPage(const stock::ProductList& products);

// The guests' menu: a button and a box per Group B with its products, their
// prices, descriptions and pictures (UTF-8, CR LF).
std::string digitalMenuPage(const QString& companyName, const std::vector<groups::GroupB>& groups,
                            const stock::ProductList& products,
                            const std::vector<stock::ProductPicture>& pictures);

// <desktop>/urun_list.html
QString priceListPath();
// <data root>/Orvanta/digital_menu/index.html
QString digitalMenuPath(const platform::MachineInfo& machine);
// Makes the menu's folder when it is missing; false when it cannot be made.
bool makeDigitalMenuFolder(const platform::MachineInfo& machine);

} // namespace parvela::publishing
