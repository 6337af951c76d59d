#pragma once

namespace parvela::app {

class CatalogData;

// Reads every shared list, in the order the rest of the program relies on.
// A failing read reports itself and the load goes on with what it holds.
void loadSharedLists(CatalogData& catalog);

} // namespace parvela::app
