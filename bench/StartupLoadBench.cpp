// Times the full start-up load against the bare client library running the
// same SELECTs, on whatever catalogue the private server holds (bench/run
// fills it). Google Benchmark flags are passed through.

#include "BaselineFetch.h"
#include "RatioReporter.h"
#include "RecordingBoxes.h"
#include "app/CatalogData.h"
#include "app/StartupLoad.h"
#include "db/DbConnection.h"
#include "db/StatementJournal.h"
#include "platform/Settings.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cppconn/exception.h>
#include <iostream>
#include <memory>

using namespace parvela;

namespace {

const std::string kProgram = "StartupLoad/program";
const std::string kBaseline = "StartupLoad/baseline";

std::unique_ptr<platform::Settings> serverSettings(const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("Orvanta.conf"));
    {
        platform::Settings writer(path);
        writer.setValue(QStringLiteral("Server/ipno"), QStringLiteral("127.0.0.1"));
        writer.sync();
    }
    return std::make_unique<platform::Settings>(path);
}

// The SELECTs of one load, as the program sends them, with their schemas.
std::vector<db::IssuedStatement> selectsOfOneLoad(const platform::Settings& settings,
                                                  bench::RecordingBoxes& boxes) {
    app::CatalogData catalog(settings, boxes);
    db::StatementJournal journal;
    catalog.runner().setJournal(&journal);
    app::loadSharedLists(catalog);
    std::vector<db::IssuedStatement> selects;
    for (const db::IssuedStatement& entry : journal.entries()) {
        if (entry.text.starts_with("SELECT"))
            selects.push_back(entry);
        else
            std::cerr << "not a SELECT, left out of the baseline: " << entry.text << "\n";
    }
    std::cout << "one load: " << catalog.stock().products.size() << " products ("
              << catalog.stock().weighedProducts.size() << " weighed), "
              << catalog.recipes().recipeLines.size() << " recipe lines, "
              << catalog.groups().allGroupB().size() << " Group B rows, " << selects.size()
              << " SELECTs\n";
    return catalog.stock().products.empty() ? std::vector<db::IssuedStatement>{} : selects;
}

void programLoad(benchmark::State& state, const platform::Settings& settings,
                 bench::RecordingBoxes& boxes) {
    for (auto _ : state) {
        // Connecting (the password probe) belongs to the start-up, not to the load.
        state.PauseTiming();
        auto catalog = std::make_unique<app::CatalogData>(settings, boxes);
        state.ResumeTiming();
        app::loadSharedLists(*catalog);
        state.PauseTiming();
        benchmark::DoNotOptimize(catalog->stock().products.data());
        catalog.reset();
        state.ResumeTiming();
        if (!boxes.empty()) {
            state.SkipWithError("a message box appeared during the load");
            break;
        }
    }
}

void baselineFetch(benchmark::State& state, const db::DbConnection& connection,
                   const std::vector<db::IssuedStatement>& selects) {
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(bench::fetchAsText(connection, selects));
        } catch (const sql::SQLException& e) {
            state.SkipWithError(e.what());
            break;
        }
    }
}

// Five repetitions shown as their statistics, unless the command line
// says otherwise: later flags win.
std::vector<std::string> argumentsWithDefaults(int argc, char** argv) {
    std::vector<std::string> arguments{argv[0], "--benchmark_repetitions=5",
                                       "--benchmark_display_aggregates_only=true"};
    arguments.insert(arguments.end(), argv + 1, argv + argc);
    return arguments;
}

int failLoudly(const std::string& why) {
    std::cerr << "\n*** BENCHMARK FAILED: " << why << " ***\n";
    return 1;
}

int runBenchmarks(const platform::Settings& settings, bench::RecordingBoxes& boxes,
                  const std::vector<db::IssuedStatement>& selects) {
    const db::DbConnection connection(settings);
    benchmark::RegisterBenchmark(kProgram.c_str(), programLoad, std::cref(settings),
                                 std::ref(boxes))
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark(kBaseline.c_str(), baselineFetch, std::cref(connection),
                                 std::cref(selects))
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (!boxes.empty() || reporter.failed())
        return failLoudly("the load reported a failure (see above)");
    if (!reporter.printRatio(std::cout, kProgram, kBaseline))
        std::cout << "(run both benchmarks to see the ratio)\n";
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> arguments = argumentsWithDefaults(argc, argv);
    std::vector<char*> pointers;
    for (std::string& argument : arguments)
        pointers.push_back(argument.data());
    int count = static_cast<int>(pointers.size());
    benchmark::Initialize(&count, pointers.data());
    QCoreApplication application(count, pointers.data());

    const QTemporaryDir dir;
    const std::unique_ptr<platform::Settings> settings = serverSettings(dir);
    bench::RecordingBoxes boxes;
    const std::vector<db::IssuedStatement> selects = selectsOfOneLoad(*settings, boxes);
    if (!boxes.empty())
        return failLoudly("the start-up load showed a message box");
    if (selects.empty())
        return failLoudly("the server holds no products; fill it with bench/run");
    const int result = runBenchmarks(*settings, boxes, selects);
    benchmark::Shutdown();
    return result;
}
