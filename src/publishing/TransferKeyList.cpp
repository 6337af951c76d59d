#include "db/CodePage1254.h"
#include "db/SqlFormat.h"
#include "db/TextPreparation.h"
#include "publishing/RecordBytes.h"
#include "publishing/StockRecordLayout.h"
#include "publishing/TransferFiles.h"

namespace parvela::publishing {

namespace {

namespace at = stockrecord;

// The key list is split at "|", "," and "=>" and read line by line: a
// barcode, serial, unit or name must not carry any of them.
std::string keyText(std::string_view recordText) {
    QString text = db::Cp1254::decode(recordText);
    db::sanitizeTransferText(text);
    text.replace(u'\r', u' ').replace(u'\n', u' ');
    return db::Cp1254::encodeLossy(text);
}

std::string keyTextAt(std::string_view record, std::size_t offset, std::size_t size) {
    return keyText(narrowAt(record, offset, size));
}

std::string keysOf(std::string_view record) {
    return db::sqlf("isletme_code=>%d,type=>%d,stcode=>%lld,gra=>%d,grb=>%d,grc=>%d,",
                    int32At(record, at::kCompany), int32At(record, at::kType),
                    static_cast<long long>(int64At(record, at::kCode)), int32At(record, at::kGra),
                    int32At(record, at::kGrb), int32At(record, at::kGrc)) +
           "barcode=>" + keyTextAt(record, at::kBarcode, at::kCodeTextSize) + ",serial=>" +
           keyTextAt(record, at::kSerial, at::kCodeTextSize) + ",stname=>" +
           keyTextAt(record, at::kName, at::kNameSize) + ",unit=>" +
           keyTextAt(record, at::kUnit, at::kUnitSize) +
           db::sqlf(",kdv=>%d,sellp1=>%.2f", int32At(record, at::kKdv),
                    static_cast<double>(float32At(record, at::kSellp1)));
}

} // namespace

std::string keyList(const stock::ProductList& products, int companyId) {
    std::string text;
    for (const stock::StockDefinition& product : products) {
        if (!text.empty())
            text += '|';
        text += keysOf(stockRecord(product, companyId));
    }
    return text;
}

} // namespace parvela::publishing
