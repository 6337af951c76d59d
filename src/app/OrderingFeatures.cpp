#include "app/OrderingFeatures.h"

#include "app/CatalogData.h"
#include "groups/GroupLookups.h"
#include "ordering/MenuOrderingWindow.h"
#include "ordering/ProductOrderingWindow.h"
#include "ordering/StockOrderDialog.h"
#include "ordering/StockOrderEntry.h"
#include "ordering/StokOrderReader.h"
#include "platform/MessageBoxes.h"
#include "records/CatalogueEdits.h"

#include <QWidget>
#include <algorithm>
#include <optional>

namespace parvela::app {

QWidget* OrderingFeatures::openMenuOrdering(QWidget* owner) {
    const groups::GroupData& groups = m_catalog.groups();
    std::vector<groups::GroupB> list = groups.allGroupB();
    if (const groups::GroupA* chosen = groups::selectedOf(groups.screenA()))
        groups::groupBOfA(list, groups.allGroupB(), chosen->acode);
    auto* window = new ordering::MenuOrderingWindow(m_catalog.runner(), m_boxes, list, owner,
                                                    [this, owner] { showSavedMenuOrder(owner); });
    window->show();
    return window;
}

QWidget* OrderingFeatures::openProductOrdering(QWidget* owner) {
    const groups::GroupData& groups = m_catalog.groups();
    auto* window =
        new ordering::ProductOrderingWindow({m_catalog.runner(), m_boxes, m_catalog.catalogue(),
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
    const stock::StockCode code = product.stcode;
    const stock::CatalogueRef catalogue = m_catalog.current();
    ordering::StockOrderEntry entry(m_catalog.runner(), m_boxes, product, catalogue->products);
    ordering::StockOrderDialog dialog(entry, owner);
    if (dialog.exec() != QDialog::Accepted)
        return;
    std::vector<ordering::StokOrderRow> rows;
    if (ordering::readAllStokOrder(m_catalog.runner(), rows) < 0)
        return;
    // The product shows its places at once, as a read joins them: its first row.
    const auto own =
        std::find_if(rows.begin(), rows.end(),
                     [code](const ordering::StokOrderRow& row) { return row.stcode == code; });
    const std::optional<ordering::StokOrderRow> placed =
        own == rows.end() ? std::nullopt : std::optional(*own);
    m_catalog.catalogue().change([&](stock::Catalogue& next) {
        next.orderRows = std::move(rows);
        stock::changeProducts(next, {code}, [&placed](stock::StockDefinition& p) {
            p.index_sira = placed ? placed->index_sira : stock::kNoOrder;
            p.sira_gra = placed ? placed->sira_gra : 0;
            p.sira_grb = placed ? placed->sira_grb : 0;
        });
    });
}

// The main screen and the next ordering window show the order just saved.
void OrderingFeatures::showSavedMenuOrder(QWidget* mainWindow) {
    groups::GroupData& groups = m_catalog.groups();
    if (groups.readGroupB() < 0)
        return;
    if (const groups::GroupA* chosen = groups::selectedOf(groups.screenA()))
        groups::groupBOfA(groups.screenB(), groups.allGroupB(), chosen->acode);
    else
        groups.resetScreenB();
    if (mainWindow != nullptr)
        mainWindow->update();
}

} // namespace parvela::app
