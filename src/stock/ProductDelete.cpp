#include "stock/ProductDelete.h"

#include "platform/MessageBoxes.h"
#include "stock/ProductChecks.h"
#include "stock/ProductWriter.h"

namespace parvela::stock {

namespace {

const QString kCannotDelete = QStringLiteral("STOK TANIMI SİLİNEMEZ");

QString aboutProduct(const StockDefinition& product, const QString& rest) {
    return QStringLiteral("%1 - kodlu %2  isimli \n").arg(product.stcode).arg(product.stname) +
           rest;
}

bool confirmed(platform::MessageBoxes& boxes, const StockDefinition& product, QObject* owner) {
    platform::BoxRequest box;
    box.text = aboutProduct(product, QStringLiteral("stogu silmek stediginizden emin misiniz?"));
    box.caption = QStringLiteral("STOK TANIMI SİLİNİYOR");
    box.icon = platform::BoxIcon::Exclamation;
    box.buttons = platform::BoxButtons::YesNoCancel;
    box.defaultAnswer = platform::BoxAnswer::No;
    box.owner = owner;
    box.topmost = true;
    return boxes.show(box) == platform::BoxAnswer::Yes;
}

void refuse(platform::MessageBoxes& boxes, const StockDefinition& product, const QString& reason,
            QObject* owner) {
    boxes.tell(aboutProduct(product, reason), kCannotDelete, platform::BoxIcon::Information, owner);
}

} // namespace

DeleteResult deleteProduct(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                           const StockDefinition* current, QObject* owner) {
    if (!current || current->stcode <= 0) {
        boxes.tell(QStringLiteral("Secilen stok kodu sifir veya herhangi bir stok secilmedi."),
                   QStringLiteral("STOK SECILMEDI"), platform::BoxIcon::None, owner);
        return DeleteResult::NothingSelected;
    }
    const StockDefinition& product = *current;
    if (!confirmed(boxes, product, owner))
        return DeleteResult::NotConfirmed;
    if (isOnOpenBill(runner, product.stcode)) {
        refuse(boxes, product,
               QStringLiteral("stogu hesaplarda açık gözüküyor.\n\nBu stok silinemez."), owner);
        return DeleteResult::OnOpenBill;
    }
    if (hasStockMovements(runner, product.stcode)) {
        refuse(boxes, product,
               QStringLiteral("stoga ait stok hareketi mevcut.\n\nBu stok silinemez."), owner);
        return DeleteResult::HasMovements;
    }
    if (hasSalesHistory(runner, product.stcode)) {
        refuse(boxes, product,
               QStringLiteral("stoga ait satış hareketi mevcut.\n\nBu stok silinemez."), owner);
        return DeleteResult::HasSales;
    }
    return deleteProductRow(runner, product.stcode) > 0 ? DeleteResult::Deleted
                                                        : DeleteResult::Failed;
}

} // namespace parvela::stock
