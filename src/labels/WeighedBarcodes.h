#pragma once

#include "db/ChangeBehindProgress.h"
#include "db/OperationTag.h"
#include "records/ProductList.h"

#include <functional>
#include <string>
#include <vector>

class QObject;

namespace parvela::db {
class StatementRunner;
}
namespace parvela::platform {
class MessageBoxes;
}

// The short codes of the products sold by weight.
namespace parvela::labels {

// "If_BARKOD_EXISTS": every row of the products that have the barcode. The
// editor's duplicate check asks the same.
db::Operation barcodeRowsOperation();
std::string barcodeRowsStatement(const std::string& barcode);

// "If_BARKOD_EXISTS": 1 when a product has the barcode, 0 when none or
// after a failure (reported).
int weighedCodeUsed(const db::StatementRunner& runner, const std::string& barcode);

// "VALIDATE_BARCODE": a code with prefix 24 to 28 is cut to its first seven
// characters (empty when shorter); when a product has it already, the first
// free code from 2700001 takes its place, after a box, and is handed to
// `showNewCode` before a short pause. Other codes come back unchanged, and
// so does a complete EAN-13 code (13 characters or more), such as the
// in-store codes the editor draws.
std::string validateWeighedBarcode(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                                   const std::string& barcode,
                                   const std::function<void(const std::string&)>& showNewCode);

// A weighed product's new code, as the server took it.
struct AssignedCode {
    stock::StockCode product = 0;
    std::string barcode;
};

// "SET_PLU_OTOMATIK_BARCODE": consecutive codes from 2700001 for the weighed
// products of `products` (held for the run), in list order, after asking
// how many products it will renumber ("Hayır" the default). One change,
// journalled: all renumbered or, after a failure said under its tag, none.
// `assigned` hears the codes before the closing boxes (the second says how
// many rows the server matched). The change runs behind `show`'s progress
// dialog; "İptal" takes it back whole and is said.
void assignWeighedBarcodes(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                           stock::ProductList products,
                           const std::function<void(const std::vector<AssignedCode>&)>& assigned,
                           QObject* owner = nullptr, const db::ProgressShower& show = {});

} // namespace parvela::labels
