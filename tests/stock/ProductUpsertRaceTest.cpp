#include "DatabaseTest.h"
#include "TestSettings.h"
#include "db/DatabaseThread.h"
#include "db/DbConnection.h"
#include "db/StatementRunner.h"
#include "stock/ProductUpserts.h"

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

} // namespace

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
