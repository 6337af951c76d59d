#include "records/ProductList.h"

#include "records/Catalogue.h"

#include <gtest/gtest.h>

using namespace parvela::stock;

namespace {

// Products 1 … count, every third weighed: more than two blocks of pointers.
ProductList numbered(int count) {
    ProductList list;
    for (int code = 1; code <= count; ++code) {
        StockDefinition product;
        product.stcode = code;
        product.is_weighed = code % 3 == 0;
        list.push_back(product);
    }
    return list;
}

std::vector<StockCode> codesOf(const ProductList& list) {
    std::vector<StockCode> codes;
    for (const StockDefinition& product : list)
        codes.push_back(product.stcode);
    return codes;
}

constexpr int kCount = 2500;
// The first and last places of the blocks, where a slip would show.
constexpr std::size_t kPlaces[] = {0, 1, 1023, 1024, 2047, 2048, kCount - 1};

} // namespace

TEST(ProductList, aProductReplacedInACopyChangesThatCopyOnly) {
    const ProductList original = numbered(kCount);
    ASSERT_EQ(original.end() - original.begin(), kCount);
    for (const std::size_t at : kPlaces) {
        ProductList copy = original;
        StockDefinition changed = copy[at];
        changed.stname = QStringLiteral("yeni");
        copy.replace(at, changed);
        EXPECT_EQ(copy[at].stname, QStringLiteral("yeni")) << at;
        EXPECT_TRUE(original[at].stname.isEmpty()) << at;
        EXPECT_EQ(codesOf(copy), codesOf(original)) << at;
        // Every other record is the original's own.
        for (std::size_t i = 0; i < original.size(); ++i) {
            if (i != at) {
                ASSERT_EQ(copy.shared(i), original.shared(i)) << at << " " << i;
            }
        }
    }
}

TEST(ProductList, erasingKeepsTheOrderOfTheRestAndTheCopiesWhole) {
    const ProductList original = numbered(kCount);
    for (const std::size_t at : kPlaces) {
        ProductList copy = original;
        copy.erase(at);
        std::vector<StockCode> expected = codesOf(original);
        expected.erase(expected.begin() + static_cast<std::ptrdiff_t>(at));
        EXPECT_EQ(codesOf(copy), expected) << at;
        EXPECT_EQ(copy.size(), original.size() - 1) << at;
        copy.push_back(StockDefinition());
        EXPECT_EQ(original.size(), static_cast<std::size_t>(kCount)) << at;
        EXPECT_EQ(original.back().stcode, kCount) << at;
    }
}

// Whatever a product's weighing was and becomes, the weighed list is what a
// walk over every product would give.
TEST(Catalogue, aReplacedProductKeepsTheWeighedListTrue) {
    struct Case {
        StockCode code;
        bool weighedAfter;
    };
    for (const Case& c :
         {Case{3, true}, Case{3, false}, Case{1024, true}, Case{1025, false}, Case{kCount, true}}) {
        Catalogue catalogue;
        catalogue.products = numbered(kCount);
        catalogue.reindex();
        StockDefinition changed = *catalogue.find(c.code);
        changed.is_weighed = c.weighedAfter;
        catalogue.replaceProduct(*catalogue.positionOf(c.code), changed);

        Catalogue walked = catalogue;
        walked.rebuildWeighed();
        ASSERT_EQ(catalogue.weighed.size(), walked.weighed.size()) << c.code;
        for (std::size_t i = 0; i < walked.weighed.size(); ++i)
            EXPECT_EQ(catalogue.weighed.shared(i), walked.weighed.shared(i)) << c.code << " " << i;
    }
}
