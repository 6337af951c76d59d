#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace parvela::bench {

class Random;
struct GroupTree;

struct Product {
    std::int64_t stcode = 0;
    int type = 0;
    int gra = 0;
    int grb = 0;
    int grc = 0;
    std::string name;
    bool weighed = false;
    bool bundle = false;
    double cost = 0;
    double price = 0;
};

// `count` products shared out among the Group B rows by their weight, each
// coded after its Group A as the program numbers new products.
std::vector<Product> buildProducts(const GroupTree& tree, std::size_t count, Random& random);
void writeProducts(const std::vector<Product>& products, std::ostream& out, Random& random);

} // namespace parvela::bench
