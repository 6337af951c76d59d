#pragma once

namespace parvela::groups {

// Kind of a stock and of a group; the values also start Group A codes.
enum StockType : int {
    kNoType = 0,
    kRawMaterial = 111,
    kSemiFinished = 222,
    kFinished = 333,
    kConsumable = 444,
    kInvoiceItem = 555,
    kExpense = 666,
    kFixture = 777,
};

} // namespace parvela::groups
