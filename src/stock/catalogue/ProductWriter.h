#pragma once

#include "records/StockDefinition.h"

#include <string>
#include <vector>

namespace parvela::db {
class StatementRunner;
}
namespace parvela::platform {
class MessageBoxes;
}

// Statements that write one product's stckdef row. Each returns 1 when the
// statement ran and -1 after a reported failure, unless said otherwise.
namespace parvela::stock {

// The texts as sent; the writers below send exactly these.
std::string insertStatement(const StockDefinition& product);
std::string updateStatement(const StockDefinition& product);

// A new product: -2 for a code not above 0, -3 for a code in use (boxes
// shown), -1 when the insert failed (reported under its tag), else 1.
int insertProduct(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                  const StockDefinition& product);
// The same in two steps, so that the checks and their boxes come before a
// change opens: 1 when the code may be inserted, else -2 or -3 as above.
int mayInsertProduct(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                     const StockDefinition& product);
// The insert alone: -1 after a reported failure, else 1.
int insertProductRow(const db::StatementRunner& runner, const StockDefinition& product);
// 1, 0 when no row has the product's code, -1 after a reported failure.
int updateProduct(const db::StatementRunner& runner, const StockDefinition& product);
int updateCost(const db::StatementRunner& runner, StockCode code, double unitcost);
// Two operations share this tag; the stock browser's uses the exclamation box.
int updateDayMenu(const db::StatementRunner& runner, StockCode code, int gunmenu, bool exclaim);
int moveWeighedToGroupA(const db::StatementRunner& runner, int acode);
int moveWeighedToGroupB(const db::StatementRunner& runner, int bcode);
int moveGroupBToGroupA(const db::StatementRunner& runner, int acode, int bcode);
int moveGroupCToGroups(const db::StatementRunner& runner, int acode, int bcode, int ccode);
// One UPDATE per product, all in one call: true unless it failed (and said so).
bool moveProductsToGroups(const db::StatementRunner& runner, const std::vector<StockCode>& codes,
                          int acode, int bcode, int ccode);
int deleteProductRow(const db::StatementRunner& runner, StockCode code);
// Moves the row to stckdef_old, and back.
int retireProduct(const db::StatementRunner& runner, StockCode code);
int restoreProduct(const db::StatementRunner& runner, StockCode code);

} // namespace parvela::stock
