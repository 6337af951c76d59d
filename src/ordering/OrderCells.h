#pragma once

#include "groups/GroupRecords.h"
#include "ordering/OrderSaves.h"
#include "records/ProductList.h"

#include <vector>

namespace parvela::ordering {

// The menu board: the Group B list as given, none placed yet.
std::vector<OrderCell> menuCells(const std::vector<groups::GroupB>& list);

// The product board of a scope: its products, in their stored order first
// (read from the server), none placed yet.
std::vector<OrderCell> productCells(const db::StatementRunner& runner,
                                    const stock::ProductList& products, const ProductScope& scope);

} // namespace parvela::ordering
