// Every data-access operation against a server that is not there or does not
// answer: one box under the operation's tag, its failure value, and back
// within the connect time-out plus the read/write time-out.

#include "PrintQString.h"
#include "PrivateServer.h"
#include "ScriptedMessageBoxes.h"
#include "TestSettings.h"
#include "app/CatalogData.h"
#include "app/PublishRuns.h"
#include "app/StartupLoad.h"
#include "db/Connector.h"
#include "db/DatabaseThread.h"
#include "db/DbConnection.h"
#include "db/Row.h"
#include "db/StatementJournal.h"
#include "db/StatementRunner.h"
#include "groups/GroupSave.h"
#include "platform/BackgroundJobs.h"
#include "platform/JobProgressDialog.h"
#include "recipes/LineWork.h"
#include "recipes/RecipeContext.h"
#include "recipes/RecipeListReaders.h"
#include "spreadsheets/MenuImport.h"
#include "stock/catalogue/CodeChange.h"
#include "stock/catalogue/ProductDelete.h"
#include "stock/catalogue/ProductSave.h"
#include "stock/catalogue/ProductUpserts.h"

#include <QApplication>
#include <QTimer>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <thread>

using namespace parvela;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kConnectSeconds = 1;
constexpr int kReadSeconds = 1;
// The bound every operation keeps, and the stricter one of a single wait.
constexpr auto kBound = std::chrono::milliseconds((kConnectSeconds + kReadSeconds) * 1000 + 1500);
constexpr auto kOneWait =
    std::chrono::milliseconds(std::max(kConnectSeconds, kReadSeconds) * 1000 + 800);

const QString kRefusingAddress = QStringLiteral("127.0.0.7");
const QString kPrivateAddress = QStringLiteral("127.0.0.8");

// What the program holds once it has connected: settings, the data owner
// with its runner, and the boxes every failure goes to.
struct World {
    explicit World(const QString& address)
        : settings({{QStringLiteral("Server/ipno"), address},
                    {QStringLiteral("Server/connectTimeout"), QString::number(kConnectSeconds)},
                    {QStringLiteral("Server/readTimeout"), QString::number(kReadSeconds)}}) {
        catalog.runner().setJournal(&journal);
    }

    test::TestSettings settings;
    test::ScriptedMessageBoxes boxes;
    app::CatalogData catalog{settings, boxes};
    db::StatementJournal journal;
};

stock::StockDefinition product(stock::StockCode code) {
    stock::StockDefinition p;
    p.stcode = code;
    p.stname = QStringLiteral("Ölü sunucu");
    p.type = 333;
    p.gra = 3331;
    return p;
}

groups::GroupDialogContext groupContext(World& world) {
    return {world.catalog.groups(),
            world.catalog.runner(),
            world.boxes,
            nullptr,
            [] {},
            [] {
            }};
}

recipes::RecipeContext recipeContext(World& world) {
    return {world.catalog.runner(), world.boxes, world.catalog.catalogue(), world.catalog.groups(),
            [] {
            }};
}

spreadsheets::ImportPlan twoRowPlan() {
    spreadsheets::ImportPlan plan;
    for (int i = 0; i < 2; ++i) {
        spreadsheets::PlannedProduct planned;
        planned.row.sheetRow = i + 2;
        planned.row.product = product(7770001 + i);
        plan.products.push_back(planned);
    }
    return plan;
}

// One operation: runs it and says whether it returned its failure value.
struct Operation {
    const char* name;
    // The caption of the one failure box it shows, after `questions` boxes
    // that asked the user first; empty when it reports without a box.
    QString tag;
    std::function<bool(World&)> failed;
    size_t questions = 0;
};

const std::vector<Operation>& operations() {
    static const std::vector<Operation> list = {
        {"start-up load", QStringLiteral("READ_COMPANY"),
         [](World& w) {
             app::loadSharedLists(w.catalog);
             return w.catalog.current()->products.empty() && w.catalog.groups().allGroupA().empty();
         }},
        {"product read", QStringLiteral("READ_STOK_TANIM"),
         [](World& w) {
             return w.catalog.readProducts() == app::CatalogData::kFailed;
         }},
        {"group tree read", QStringLiteral("READ_GRUP_A_VECTOR"),
         [](World& w) {
             return w.catalog.groups().readGroupA() == groups::GroupData::kFailed;
         }},
        {"recipe read", QStringLiteral("READ_RECETELER"),
         [](World& w) {
             std::vector<recipes::RecipeLine> lines;
             return recipes::readRecipeLines(w.catalog.runner(), lines) < 0;
         }},
        {"product save", QStringLiteral("UPDATE_STOK_RENGI"),
         [](World& w) {
             stock::Catalogue held;
             held.products = {product(1001)};
             held.products.replace(0, [] {
                 stock::StockDefinition old = product(1001);
                 old.stname = QStringLiteral("Eski ad");
                 return old;
             }());
             held.reindex();
             stock::CatalogueFeed feed(std::make_shared<const stock::Catalogue>(std::move(held)));
             const bool failed = stock::saveProduct(w.catalog.runner(), product(1001), feed) ==
                                 stock::ProductSaved::Failed;
             return failed && feed.current()->products[0].stname == QStringLiteral("Eski ad");
         }},
        {"colour upsert", QStringLiteral("UPDATE_STOK_RENGI"),
         [](World& w) {
             return !stock::upsertColours(w.catalog.runner(), product(1001));
         }},
        {"group add", QStringLiteral("INSERT_NEW_GRUP_A"),
         [](World& w) {
             const groups::GroupForm form{QStringLiteral("Yeni grup"), true, {333}, {}};
             return !groups::saveNewGroupA(groupContext(w), form);
         }},
        {"group rename", QStringLiteral("UPDATE_GRUP_A"),
         [](World& w) {
             groups::GroupA edited;
             edited.Id = 1;
             edited.acode = 3331;
             edited.tur = 333;
             const groups::GroupForm form{
                 QStringLiteral("Yeni ad"), true, {333}, QStringLiteral("3331")};
             return !groups::saveEditedGroupA(groupContext(w), form, edited);
         }},
        {"recipe save", QStringLiteral("DELETE_RECEIPT"),
         [](World& w) {
             recipes::RecipeContext context = recipeContext(w);
             recipes::LineWork work(context, recipes::LineKind::Recipe, product(1001));
             work.add(1002, QStringLiteral("0,25"), nullptr);
             work.add(1003, QStringLiteral("2"), nullptr);
             return !work.save();
         }},
        {"product delete", QStringLiteral("is_URUN_ACIK"),
         [](World& w) {
             w.boxes.queueAnswer(platform::BoxAnswer::Yes);
             const stock::StockDefinition doomed = product(1001);
             return stock::deleteProduct(w.catalog.runner(), w.boxes, &doomed, nullptr) ==
                    stock::DeleteResult::Failed;
         },
         1},
        {"product code change", QStringLiteral("READ_KAZAN_TANIMLARI"),
         [](World& w) {
             return stock::changeProductCode(w.catalog.runner(), 1001, 1009) < 0;
         }},
        {"transfer files", QStringLiteral("READ_GRUP_A_VECTOR"),
         [](World& w) {
             return !app::catalogueSnapshot(w.catalog).has_value();
         }},
        {"web menu", QStringLiteral("READ_GRUP_B"),
         [](World& w) {
             return !app::menuContentOf(w.catalog).has_value();
         }},
        {"import plan", QStringLiteral("READ_STOK_CODES"),
         [](World& w) {
             std::vector<spreadsheets::ImportRow> rows{twoRowPlan().products[0].row};
             return !spreadsheets::planImport(w.catalog.runner(), rows, {}).has_value();
         }},
        // Its failures go into the summary its window shows, not into boxes.
        {"import insert", QString(),
         [](World& w) {
             const spreadsheets::ImportResult result =
                 spreadsheets::insertPlanned(twoRowPlan(), w.catalog.runner());
             return result.inserted == 0 && result.notTried == 2 && result.reasons.empty() &&
                    result.failure.contains(QStringLiteral("connect"), Qt::CaseInsensitive);
         }},
    };
    return list;
}

enum class State {
    Refused,
    StoppedAfterConnect,
    FrozenBeforeConnect,
    FrozenAfterConnect,
    FrozenMidStatement
};

const char* nameOf(State state) {
    switch (state) {
    case State::Refused:
        return "refused";
    case State::StoppedAfterConnect:
        return "stopped after connect";
    case State::FrozenBeforeConnect:
        return "frozen before connect";
    case State::FrozenAfterConnect:
        return "frozen after connect";
    case State::FrozenMidStatement:
        return "frozen mid-statement";
    }
    return "";
}

bool frozen(State state) {
    return state == State::FrozenBeforeConnect || state == State::FrozenAfterConnect ||
           state == State::FrozenMidStatement;
}

class DeadServerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_server = std::make_unique<test::PrivateServer>(kPrivateAddress);
        s_server->start();
    }
    static void TearDownTestSuite() {
        std::printf("dead server: %d operation x state cases run\n", s_cases);
        s_server.reset();
    }

    // The world of `state`, with the private server put in that state.
    std::unique_ptr<World> enter(State state) {
        if (state == State::Refused)
            return std::make_unique<World>(kRefusingAddress);
        s_server->thaw();
        s_server->start();
        if (state == State::FrozenBeforeConnect)
            s_server->freeze();
        auto world = std::make_unique<World>(kPrivateAddress);
        if (state == State::StoppedAfterConnect)
            s_server->stop();
        if (state == State::FrozenAfterConnect)
            s_server->freeze();
        return world;
    }

    // Before each operation: a frozen-mid-statement server runs again and
    // freezes when the operation's first statement is about to go.
    void arm(State state, World& world) {
        if (state != State::FrozenMidStatement)
            return;
        s_server->thaw();
        auto armed = std::make_shared<bool>(true);
        world.journal.setListener([armed](const db::IssuedStatement&) {
            if (std::exchange(*armed, false))
                s_server->freeze();
        });
    }

    void runEvery(State state) {
        std::unique_ptr<World> world = enter(state);
        for (const Operation& op : operations()) {
            SCOPED_TRACE(std::string(op.name) + " / " + nameOf(state));
            world->boxes.clear();
            arm(state, *world);
            const Clock::time_point started = Clock::now();
            const bool failed = op.failed(*world);
            const auto took =
                std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started);
            world->journal.setListener({});
            ++s_cases;
            std::printf("  %-20s %-22s %5lld ms  %s\n", op.name, nameOf(state),
                        static_cast<long long>(took.count()),
                        qPrintable(world->boxes.captions().join(u',')));
            EXPECT_TRUE(failed);
            EXPECT_LE(took, kBound);
            if (frozen(state)) {
                EXPECT_LE(took, kOneWait) << "waited for the server more than once";
            }
            const size_t failureBoxes = op.tag.isEmpty() ? 0 : 1;
            EXPECT_EQ(world->boxes.shown().size(), op.questions + failureBoxes);
            if (failureBoxes == 0 || world->boxes.shown().empty())
                continue;
            const platform::BoxRequest& box = world->boxes.shown().back();
            EXPECT_EQ(box.caption, op.tag);
            EXPECT_TRUE(box.text.contains(QStringLiteral("connect"), Qt::CaseInsensitive))
                << box.text.toStdString();
        }
    }

    static std::unique_ptr<test::PrivateServer> s_server;
    static int s_cases;
};

std::unique_ptr<test::PrivateServer> DeadServerTest::s_server;
int DeadServerTest::s_cases = 0;

} // namespace

TEST_F(DeadServerTest, refusedConnection) {
    runEvery(State::Refused);
}

TEST_F(DeadServerTest, serverStoppedAfterTheProgramConnected) {
    runEvery(State::StoppedAfterConnect);
}

TEST_F(DeadServerTest, serverFrozenBeforeTheProgramConnected) {
    runEvery(State::FrozenBeforeConnect);
}

TEST_F(DeadServerTest, serverFrozenAfterTheProgramConnected) {
    runEvery(State::FrozenAfterConnect);
}

TEST_F(DeadServerTest, serverFrozenWhileAStatementIsOnItsWay) {
    runEvery(State::FrozenMidStatement);
}

// The server stops in the middle of a statement it would answer in 0.6 s,
// as a hung machine does: only the time-out ends the wait.
TEST_F(DeadServerTest, aServerThatStopsAnsweringFailsTheStatementWithinTheTimeOut) {
    std::unique_ptr<World> world = enter(State::FrozenMidStatement);
    std::thread stopper([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        s_server->freeze();
    });
    const Clock::time_point started = Clock::now();
    const db::Outcome outcome =
        world->catalog.runner().query(db::Operation("READ_BIRIMLER"), db::schema::stocks,
                                      "SELECT SLEEP(0.6);", [](const db::Row&) {});
    const auto waited = Clock::now() - started;
    stopper.join();

    EXPECT_EQ(outcome, db::Outcome::Failed);
    EXPECT_LE(waited, kBound);
    ASSERT_EQ(world->boxes.shown().size(), 1u);
    EXPECT_EQ(world->boxes.captions()[0], QStringLiteral("READ_BIRIMLER"));
    EXPECT_TRUE(world->boxes.texts()[0].contains(QStringLiteral("Lost connection")))
        << world->boxes.texts()[0].toStdString();
}

// A job behind the progress dialog: the dialog closes by itself and the
// worker's box reaches the window's boxes.
TEST_F(DeadServerTest, progressDialogClosesAndShowsTheBox) {
    std::unique_ptr<World> world = enter(State::FrozenAfterConnect);
    platform::BackgroundJobs jobs(world->boxes);
    const db::StatementRunner& runner = world->catalog.runner();
    bool failed = false;
    const Clock::time_point started = Clock::now();
    platform::runBehindProgress(
        jobs,
        [&runner, &failed](platform::JobReport& report) {
            const db::DatabaseThread thread;
            std::vector<recipes::RecipeLine> lines;
            failed = recipes::readRecipeLines(runner.withBoxes(report.boxes()), lines) < 0;
        },
        QStringLiteral("Şubelere Gönder"), nullptr);
    const auto took = Clock::now() - started;
    jobs.shutdown();
    EXPECT_TRUE(failed);
    EXPECT_LE(took, kBound);
    ASSERT_EQ(world->boxes.shown().size(), 1u);
    EXPECT_EQ(world->boxes.captions()[0], QStringLiteral("READ_RECETELER"));
}

// The time-outs reach the driver: the defaults, and the settings' values.
TEST(ServerTimeouts, defaultsAndSettingsReachTheConnector) {
    test::TestSettings defaults({{QStringLiteral("Server/ipno"), kRefusingAddress}});
    const db::DbConnection plain(defaults);
    sql::ConnectOptionsMap options = db::connectOptions(plain);
    EXPECT_EQ(*options["OPT_CONNECT_TIMEOUT"].get<int>(), 5);
    EXPECT_EQ(*options["OPT_READ_TIMEOUT"].get<int>(), 30);
    EXPECT_EQ(*options["OPT_WRITE_TIMEOUT"].get<int>(), 30);

    test::TestSettings set({{QStringLiteral("Server/ipno"), kRefusingAddress},
                            {QStringLiteral("Server/connectTimeout"), QStringLiteral("3")},
                            {QStringLiteral("Server/readTimeout"), QStringLiteral("7")}});
    const db::DbConnection quick(set);
    options = db::connectOptions(quick);
    EXPECT_EQ(*options["OPT_CONNECT_TIMEOUT"].get<int>(), 3);
    EXPECT_EQ(*options["OPT_READ_TIMEOUT"].get<int>(), 7);
    EXPECT_EQ(*options["OPT_WRITE_TIMEOUT"].get<int>(), 7);
}
