#pragma once

#include "records/Catalogue.h"

namespace parvela::db {
class StatementRunner;
}

// The one way a catalogue is made from the server: every read of the
// products joins the same lists and derives the same things from them.
namespace parvela::stock {

// Every list the products are joined with and the lists the windows offer
// beside them, read afresh into `into`. A list whose read failed (and said
// so) stays as it was.
void readSideLists(const db::StatementRunner& runner, Catalogue& into);
// The products by name, joined with `into`'s lists, their recipe costs
// rolled up, indexed by code, and the weighed list made from them. The
// count, or -1 after a reported failure (the products there were stay).
int readCatalogueProducts(const db::StatementRunner& runner, Catalogue& into);

} // namespace parvela::stock
