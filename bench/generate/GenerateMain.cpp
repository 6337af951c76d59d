// Writes SQL that fills the freshly loaded schema with a synthetic catalogue
// of N products, for timing the start-up load on a large restaurant:
//   parvela-bench-generate [N] | mariadb --socket=... --table
// The same N always gives the same rows.

#include "FixedTables.h"
#include "GroupTree.h"
#include "Products.h"
#include "Random.h"
#include "SideTables.h"

#include <charconv>
#include <cstring>
#include <iostream>
#include <optional>

namespace {

using namespace parvela::bench;

constexpr std::size_t kDefaultCount = 50000;
// Below this some Group B rows would stay empty, and with them the roles
// the side tables draw from.
constexpr std::size_t kLeastCount = 100;

constexpr const char* kFilledTables[] = {
    "`groups`.classa",     "`groups`.classb",         "`groups`.classc",
    "company.maininfo",    "company.subeler",         "company.barcode",
    "oturum.bolgeler",     "stocks.terazi",           "stocks.units",
    "stocks.currs",        "stocks.depart",           "stocks.stckdef",
    "stocks.receipts",     "stocks.maliyet_bileseni", "stocks.stckbundle",
    "stocks.subst_bundle", "stocks.stckopsiyon",      "stocks.colors",
    "stocks.sml_med_lrg",  "stocks.bolge_urun_fiyat", "stocks.hizli_satis_stok",
    "stocks.stok_order",   "stocks.images",
};

std::optional<std::size_t> countFrom(int argc, char** argv) {
    if (argc < 2)
        return kDefaultCount;
    std::size_t count = 0;
    const char* text = argv[1];
    const char* end = text + std::strlen(text);
    const auto [stop, error] = std::from_chars(text, end, count);
    if (error != std::errc() || stop != end || count < kLeastCount)
        return std::nullopt;
    return count;
}

void writeStart(std::ostream& out) {
    out << "SET NAMES utf8mb4;\nSET foreign_key_checks = 0;\n";
    for (const char* table : kFilledTables)
        out << "TRUNCATE TABLE " << table << ";\n";
    out << "SET unique_checks = 0;\nSET autocommit = 0;\n";
}

// Ends with the row count of every filled table, which the client prints.
void writeEnd(std::ostream& out) {
    out << "COMMIT;\nSET unique_checks = 1;\nSET foreign_key_checks = 1;\n";
    const char* joiner = "";
    for (const char* table : kFilledTables) {
        out << joiner << "SELECT '" << table << "' AS tablo, COUNT(*) AS satir FROM " << table;
        joiner = "\nUNION ALL ";
    }
    out << ";\n";
}

} // namespace

int main(int argc, char** argv) {
    const std::optional<std::size_t> count = countFrom(argc, argv);
    if (!count) {
        std::cerr << "usage: parvela-bench-generate [N]   (N products, at least " << kLeastCount
                  << "; " << kDefaultCount << " by default)\n";
        return 2;
    }
    std::ios::sync_with_stdio(false);
    Random random;
    const GroupTree tree = buildGroupTree();
    const std::vector<Product> products = buildProducts(tree, *count, random);
    writeStart(std::cout);
    writeGroups(tree, std::cout);
    writeFixedTables(std::cout);
    writeProducts(products, std::cout, random);
    writeSideTables(products, std::cout, random);
    writeEnd(std::cout);
    std::cout.flush();
    std::cerr << "parvela-bench-generate: " << tree.a.size() + tree.b.size() + tree.c.size()
              << " groups, " << products.size() << " products\n";
    return std::cout ? 0 : 1;
}
