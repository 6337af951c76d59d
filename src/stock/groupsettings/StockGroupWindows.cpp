#include "stock/groupsettings/StockGroupWindows.h"

#include "platform/MessageBoxes.h"
#include "platform/WindowMessages.h"
#include "stock/catalogue/EditedProduct.h"
#include "stock/groupsettings/GroupSettingsDialog.h"
#include "stock/browser/StockBrowserWindow.h"
#include "stock/catalogue/StockContext.h"
#include "stock/groupsettings/StockGroupDialog.h"

#include <QApplication>
#include <QEvent>

namespace parvela::stock {

void tellStockWindow() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String(StockBrowserWindow::kClassName))
            QCoreApplication::postEvent(
                window, new QEvent(platform::msg::eventType(platform::msg::kStockListChanged)));
}

void StockGroupWindows::assignGroup(const std::vector<StockCode>& marked, QWidget* owner) {
    if (marked.empty()) {
        m_context.boxes.tell(QStringLiteral("İşaretli ürün yok: önce gruba atanacak ürünleri "
                                            "işaretleyiniz (Ctrl + tıklama)."),
                             QStringLiteral("STOGUN GRUBU"), platform::BoxIcon::Information, owner);
        return;
    }
    StockGroupPick pick(m_context.groups);
    StockGroupDialog dialog(pick, m_context.boxes, owner);
    if (dialog.exec() != QDialog::Accepted)
        return;
    fileUnder(m_context.runner, marked, pick);
    m_context.rereadProducts();
    tellStockWindow();
}

void StockGroupWindows::chooseGroup(EditedProduct& product, QWidget* owner) {
    StockGroupPick pick(m_context.groups);
    pick.startFrom(product.product.gra, product.product.grb, product.product.grc);
    StockGroupDialog dialog(pick, m_context.boxes, owner);
    if (dialog.exec() == QDialog::Accepted)
        fileUnder(product, pick);
}

void StockGroupWindows::groupSettings(StockBrowserState& browser, QWidget* owner) {
    GroupSettings settings(m_context, browser, [] { tellStockWindow(); });
    GroupSettingsDialog dialog(settings, m_context.stock, m_lastColour, owner);
    dialog.exec();
}

} // namespace parvela::stock
