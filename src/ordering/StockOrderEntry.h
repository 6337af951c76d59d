#pragma once

#include "records/ProductList.h"

#include <QString>

class QObject;

namespace parvela::db {
class StatementRunner;
}
namespace parvela::platform {
class MessageBoxes;
}

namespace parvela::ordering {

// The three positions of one product as the user types them.
struct StockOrderTexts {
    QString index;
    QString groupA;
    QString groupB;
};

// The "STOK_SIRALAMA" form of one product: what it shows and its save.
class StockOrderEntry {
public:
    StockOrderEntry(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                    const stock::StockDefinition& product, const stock::ProductList& products);

    const stock::StockDefinition& product() const { return m_product; }
    // The last position within the product's Group B.
    int groupMax() const { return m_max; }
    StockOrderTexts shown() const;
    // Replaces the product's order row; false when a number was refused or
    // a statement failed (both reported).
    bool apply(const StockOrderTexts& typed, QObject* owner);

private:
    const db::StatementRunner& m_runner;
    platform::MessageBoxes& m_boxes;
    stock::StockDefinition m_product;
    int m_max = 0;
};

} // namespace parvela::ordering
