#pragma once

#include "records/ProductList.h"
#include "records/StockRecords.h"

#include <QString>
#include <functional>
#include <vector>

namespace parvela::db {
class StatementRunner;
}

// The catalogue in the delivery platform's product table, for its upload.
namespace parvela::spreadsheets {

inline constexpr const char* kExportCaption = "Write_Excel_Stok";
inline constexpr const char* kExportFileName = "excelstok.xlsx";

// One row of table YmkSptStok, in its column order.
struct DeliveryRow {
    QString timestamp;
    QString ticket; // the product's code
    QString title;
    QString imageUrl; // the picture's file name, without its folder
    QString variationTitle;
    double price = 0;
    QString remoteCode; // the barcode
    QString isBundle;   // "1" or "0"
    QString partner;    // the serial number
};

std::vector<DeliveryRow> deliveryRows(const stock::ProductList& products,
                                      const std::vector<stock::ProductPicture>& pictures);

// Writes the rows under the table's header as the one sheet "YmkSptStok" of
// an .xlsx workbook, replacing `path` only once the new file is whole. Empty
// when written, else why not.
QString writeDeliverySheet(const QString& path, const std::vector<DeliveryRow>& rows);

inline const QString kExportCancelled = QStringLiteral("İptal edildi");

// The products with their pictures read again, written to `path`. Empty when
// written, else why not; a failed picture read has said so already. Once
// `cancelled` says so before the writing begins, nothing is written and the
// answer is kExportCancelled.
QString exportCatalogue(const db::StatementRunner& runner, const stock::ProductList& products,
                        const QString& path, const std::function<bool()>& cancelled = {});

// "excelstok.xlsx" in the user's documents folder.
QString deliverySheetPath();

// "Excel STOK sayısı : N  adet ürün..\n Yeni dosya başarıyla oluşturuldu."
QString exportDoneText(std::size_t count);

} // namespace parvela::spreadsheets
