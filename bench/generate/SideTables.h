#pragma once

#include <ostream>
#include <vector>

namespace parvela::bench {

class Random;
struct Product;

// Recipes, menus, options, colours, sizes, region prices, display order and
// the quick-sale panel, in proportion to the products; a picture each.
void writeSideTables(const std::vector<Product>& products, std::ostream& out, Random& random);

} // namespace parvela::bench
