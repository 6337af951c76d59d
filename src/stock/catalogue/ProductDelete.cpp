#include "stock/catalogue/ProductDelete.h"

#include "db/StatementRunner.h"
#include "platform/MessageBoxes.h"
#include "stock/catalogue/BulkChange.h"
#include "stock/catalogue/ProductChecks.h"
#include "stock/catalogue/ProductWriter.h"

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

// What keeps a product, checked in this order.
struct Blocker {
    bool (*applies)(const db::StatementRunner&, StockCode);
    const char* reason; // UTF-8
    DeleteResult result;
};

constexpr Blocker kBlockers[] = {
    {isOnOpenBill, "stogu hesaplarda açık gözüküyor.\n\nBu stok silinemez.",
     DeleteResult::OnOpenBill},
    {hasStockMovements, "stoga ait stok hareketi mevcut.\n\nBu stok silinemez.",
     DeleteResult::HasMovements},
    {hasSalesHistory, "stoga ait satış hareketi mevcut.\n\nBu stok silinemez.",
     DeleteResult::HasSales},
};

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
    // A check that found no server must not let the delete wait again.
    const db::ServerLossScope scope(runner);
    for (const Blocker& blocker : kBlockers) {
        if (!blocker.applies(runner, product.stcode))
            continue;
        // The check found no server, not a reason: its box said so.
        if (scope.serverLost())
            return DeleteResult::Failed;
        refuse(boxes, product, QString::fromUtf8(blocker.reason), owner);
        return blocker.result;
    }
    // Journalled, so that "Geri Al" can put the row back.
    return runBulkChange(runner, db::Operation("DELETE_STOK_TANIMI"), QStringLiteral("Sil"),
                         {product.stcode}, {kStockRows},
                         [&] { return deleteProductRow(runner, product.stcode) > 0; })
               ? DeleteResult::Deleted
               : DeleteResult::Failed;
}

} // namespace parvela::stock
