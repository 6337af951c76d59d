#pragma once

#include "records/Catalogue.h"
#include "records/RecipeLine.h"
#include "records/StockDefinition.h"

#include <cstdint>
#include <string>

namespace parvela::test {

// Rows of the suite's tables, arranged for a test with the least to say.
struct ProductRow {
    std::int64_t stcode = 0;
    std::string name;
    int gra = 0;
    int grb = 0;
    int grc = 0;
    bool weighed = false;
    double unitcost = 0;
    double sellp1 = 0;
    int bundle = 0;
};

void addProduct(const ProductRow& product);
void addGroupA(int acode, const std::string& name, int tur = 333);
void addGroupB(int acode, int bcode, const std::string& name, int indexSira = 0);
void addGroupC(int acode, int bcode, int ccode, const std::string& name);
void addRecipeLine(std::int64_t product, std::int64_t ingredient, double quantity);
// The same line as a record, for the lists in memory.
recipes::RecipeLine recipeLine(std::int64_t product, std::int64_t ingredient, double quantity);
// A product in memory with the least a cost needs.
stock::StockDefinition productRecord(std::int64_t code, const char* name, double unitcost);
// The demo restaurant on top of the freshly reset schema.
void loadDemoRestaurant();

// A catalogue of these products, indexed, as a read would publish it.
stock::CatalogueRef catalogueOf(stock::ProductList products);

} // namespace parvela::test
