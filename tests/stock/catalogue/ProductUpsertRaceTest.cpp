#include "CatalogFixtures.h"
#include "DatabaseTest.h"
#include "TestSettings.h"
#include "db/DatabaseThread.h"
#include "db/DbConnection.h"
#include "db/StatementRunner.h"
#include "stock/catalogue/ProductSave.h"
#include "stock/catalogue/ProductUpserts.h"

#include <barrier>
#include <thread>

using namespace parvela;
using test::TestDatabase;

namespace {

// One station: its own connection settings, runner and boxes.
struct Station {
    test::TestSettings settings;
    db::DbConnection connection{settings};
    test::ScriptedMessageBoxes boxes;
    db::StatementRunner runner{connection, boxes};
};

stock::StockDefinition coloured(stock::StockCode code, int shade) {
    stock::StockDefinition product;
    product.stcode = code;
    product.red = product.green = product.blue = shade;
    product.peraken = static_cast<float>(shade);
    product.yuzde = 5;
    return product;
}

class ProductUpsertRaceTest : public test::DatabaseTest {};

constexpr stock::StockCode kShared = 33350;

// Everything stored for the shared product, table by table, without the
// row numbers the server counts up.
std::vector<test::TestDatabase::Rows> storedProduct() {
    const std::string code = std::to_string(kShared);
    std::vector<test::TestDatabase::Rows> tables;
    for (const char* table : {"stckdef", "colors", "indirim_tablosu", "bolge_urun_fiyat"}) {
        test::TestDatabase::Rows rows = TestDatabase::query(std::string("SELECT * FROM stocks.") +
                                                            table + " WHERE stcode=" + code);
        for (auto& row : rows)
            row.erase(row.begin());
        tables.push_back(std::move(rows));
    }
    return tables;
}

void save(Station& station, const stock::StockDefinition& product) {
    stock::CatalogueFeed catalogue(test::catalogueOf({product}));
    EXPECT_EQ(stock::saveProduct(station.runner, product, catalogue), stock::ProductSaved::Yes);
}

// Each station edits its own copy of the product as first read, touching
// different fields, so a save that wrote only what it changed would mix.
struct TwoEdits {
    stock::StockDefinition first;
    stock::StockDefinition second;
};

TwoEdits twoEditsOf(const stock::StockDefinition& original) {
    TwoEdits edits{original, original};
    edits.first.stname = QStringLiteral("Birinci istasyonun adı");
    edits.first.brnd = QStringLiteral("Birinci marka");
    edits.first.sellp1 = 11.5;
    edits.first.red = 11;
    edits.first.peraken = 11;
    edits.first.yuzde = 1;
    edits.first.regionPrice = {2, {}, kShared, 1.5F};
    edits.second.stname = QStringLiteral("İkinci istasyonun adı");
    edits.second.sellp2 = 22.5;
    edits.second.green = 22;
    edits.second.peraken = 22;
    edits.second.yuzde = 2;
    edits.second.regionPrice = {2, {}, kShared, 2.5F};
    return edits;
}

} // namespace

// One program saves, then another that read the product before that save
// saves its own copy: the result is exactly what the second alone would
// leave, in every table, with nothing kept from the first save.
TEST_F(ProductUpsertRaceTest, aSaveAfterAnotherStationsSaveLeavesTheLastSaveWhole) {
    Station stations[2];
    stock::StockDefinition original = test::productRecord(kShared, "Mercimek", 4);
    original.type = 333;
    original.kdv = 10;
    original.unit = "porsiyon";
    original.sellp1 = 40;
    const TwoEdits edits = twoEditsOf(original);
    auto fresh = [] {
        TestDatabase::exec("DELETE FROM stocks.stckdef WHERE stcode=33350; "
                           "DELETE FROM stocks.colors WHERE stcode=33350; "
                           "DELETE FROM stocks.indirim_tablosu WHERE stcode=33350; "
                           "DELETE FROM stocks.bolge_urun_fiyat WHERE stcode=33350;");
        test::addProduct({kShared, "Mercimek"});
    };

    fresh();
    save(stations[1], edits.second);
    const auto secondAlone = storedProduct();

    fresh();
    save(stations[0], edits.first);
    save(stations[1], edits.second);
    EXPECT_EQ(storedProduct(), secondAlone);
    EXPECT_TRUE(stations[0].boxes.shown().empty());
    EXPECT_TRUE(stations[1].boxes.shown().empty());
}

// Two stations save the same new product at the same moment, round after
// round: each round leaves one colours row and one discount row holding one
// station's values, and neither station sees a failure.
TEST_F(ProductUpsertRaceTest, twoStationsSavingOneProductLeaveOneRowEach) {
    constexpr int kRounds = 60;
    Station stations[2];
    std::barrier start(2);
    auto save = [&](int which) {
        const db::DatabaseThread databaseThread;
        for (int round = 0; round < kRounds; ++round) {
            const stock::StockDefinition product = coloured(9000 + round, 10 + which);
            start.arrive_and_wait();
            EXPECT_TRUE(stock::upsertColours(stations[which].runner, product));
            EXPECT_TRUE(stock::upsertDiscount(stations[which].runner, product));
        }
    };
    std::thread first(save, 0);
    std::thread second(save, 1);
    first.join();
    second.join();
    EXPECT_EQ(TestDatabase::scalar("SELECT COUNT(*) FROM stocks.colors WHERE stcode>=9000"),
              std::to_string(kRounds));
    EXPECT_EQ(TestDatabase::scalar("SELECT COUNT(*) FROM stocks.indirim_tablosu "
                                   "WHERE stcode>=9000"),
              std::to_string(kRounds));
    EXPECT_EQ(TestDatabase::scalar("SELECT COUNT(*) FROM stocks.colors WHERE stcode>=9000 "
                                   "AND red NOT IN (10,11)"),
              "0");
    EXPECT_TRUE(stations[0].boxes.shown().empty());
    EXPECT_TRUE(stations[1].boxes.shown().empty());
}
