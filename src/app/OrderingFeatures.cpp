#include "app/OrderingFeatures.h"

#include "app/CatalogData.h"
#include "groups/GroupLookups.h"
#include "ordering/MenuOrderingWindow.h"
#include "ordering/ProductOrderingWindow.h"
#include "ordering/StockOrderDialog.h"
#include "ordering/StockOrderEntry.h"
#include "ordering/StokOrderReader.h"
#include "platform/MessageBoxes.h"
#include "stock/groupsettings/StockGroupWindows.h"

namespace parvela::app {

QWidget* OrderingFeatures::openMenuOrdering(QWidget* owner) {
    const groups::GroupData& groups = m_catalog.groups();
    std::vector<groups::GroupB> list = groups.allGroupB();
    if (const groups::GroupA* chosen = groups::selectedOf(groups.screenA()))
        groups::groupBOfA(list, groups.allGroupB(), chosen->acode);
    auto* window = new ordering::MenuOrderingWindow(m_catalog.runner(), m_boxes, list, owner);
    window->show();
    return window;
}

QWidget* OrderingFeatures::openProductOrdering(QWidget* owner) {
    const groups::GroupData& groups = m_catalog.groups();
    auto* window = new ordering::ProductOrderingWindow({m_catalog.runner(), m_boxes,
                                                        m_catalog.stock().products,
                                                        groups.allGroupA(), groups.allGroupB()},
                                                       owner);
    window->show();
    return window;
}

void OrderingFeatures::productOrder(const stock::StockDefinition& product, QWidget* owner) {
    if (product.stcode == 0) {
        m_boxes.tell(QStringLiteral("Secilen stok kodu sifir veya herhangi bir stok secilmedi."),
                     QStringLiteral("STOK SECILMEDI"), platform::BoxIcon::Information, owner);
        return;
    }
    ordering::StockOrderEntry entry(m_catalog.runner(), m_boxes, product,
                                    m_catalog.stock().products);
    ordering::StockOrderDialog dialog(entry, owner);
    if (dialog.exec() != QDialog::Accepted)
        return;
    ordering::readAllStokOrder(m_catalog.runner(), m_catalog.orderRows());
    m_catalog.readProducts();
    stock::tellStockWindow();
}

} // namespace parvela::app
