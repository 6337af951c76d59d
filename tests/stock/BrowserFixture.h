#pragma once

#include "DatabaseTest.h"
#include "TestSettings.h"
#include "app/CatalogData.h"
#include "stock/StockBrowserHitTest.h"
#include "stock/StockWindows.h"

#include <QPoint>

namespace parvela::test {

// The editor windows as the stock window sees them: it only asks for them.
class OpenedWindows : public stock::StockWindows {
public:
    void openNewProduct(QWidget*) override { ++newProduct; }
    void openEditProduct(QWidget*) override { ++editProduct; }

    int newProduct = 0;
    int editProduct = 0;
};

inline QPoint centreOf(const records::Rect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// Reads the groups, the side lists and the products into `catalog`, as the
// program does at start-up.
inline void readCatalog(app::CatalogData& catalog) {
    catalog.groups().readGroupA();
    catalog.groups().readGroupB();
    catalog.groups().readGroupC();
    catalog.groups().resetScreenA();
    catalog.groups().resetScreenB();
    catalog.groups().resetScreenC();
    catalog.readProductSideLists();
    catalog.readProducts();
}

} // namespace parvela::test
