#pragma once

#include "recipes/CostReport.h"

namespace parvela::db {
class StatementRunner;
}

namespace parvela::recipes {

inline constexpr const char* kFixStaleCaption = "Maliyetleri Güncelle";

// "Maliyetleri Güncelle": the stored cost of every product of `stale` becomes
// its full cost, in one journalled change. The number of products written,
// or -1 after a reported failure (then none is).
int fixStaleCosts(const db::StatementRunner& runner, const StaleList& stale);

// "N ürünün maliyeti güncellendi."
QString staleFixedText(int written);

} // namespace parvela::recipes
