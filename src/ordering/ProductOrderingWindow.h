#pragma once

#include "groups/GroupRecords.h"
#include "ordering/OrderSaves.h"
#include "ordering/OrderingWindow.h"
#include "records/Catalogue.h"

class QComboBox;

namespace parvela::ordering {

// What the product ordering window reads: the runner, the newest catalogue
// (taken at each choice of scope) and the groups its scope choice offers.
struct ProductOrderingSource {
    const db::StatementRunner& runner;
    platform::MessageBoxes& boxes;
    const stock::CatalogueFeed& catalogue;
    const std::vector<groups::GroupA>& groupA;
    const std::vector<groups::GroupB>& groupB;
};

// "ÜRÜN Sıralaması": the order of the products of one scope on the tills.
class ProductOrderingWindow : public OrderingWindow {
public:
    static constexpr const char* kClassName = "mdiclient_urun_siralama";

    ProductOrderingWindow(const ProductOrderingSource& source, QWidget* owner);

    const ProductScope& scope() const { return m_scope; }

protected:
    void save() override;

private:
    void chooseScope(int item);

    ProductOrderingSource m_source;
    QComboBox* m_scopeBox = nullptr;
    std::vector<ProductScope> m_scopes;
    ProductScope m_scope;
};

} // namespace parvela::ordering
