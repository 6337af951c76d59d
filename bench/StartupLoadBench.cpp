// Times the start-up load against the bare client library running the same
// SELECTs, each in a fresh process of its own and the two sides taking turns,
// with the peak memory of each per product, on whatever catalogue the private
// server holds (bench/run fills it). Then, on one loaded catalogue, the name
// search, a save of the edit window and the transfer files.
//   parvela-bench-startup [--runs N] [--empty-peaks-from FILE]
//   parvela-bench-startup --empty-peaks FILE   (peaks of a load on a server
//                                               without products, for the above)
//   parvela-bench-startup --once program|baseline|empty SELECTS_FILE   (one child run)
//   parvela-bench-startup --selects FILE   (writes the SELECTs of one load, for profiling)
//   parvela-bench-startup --transfer   (the transfer files alone)

#include "ColdLoad.h"
#include "RecordingBoxes.h"
#include "Report.h"
#include "TransferTimings.h"
#include "UserTimings.h"
#include "app/CatalogData.h"
#include "app/StartupLoad.h"
#include "platform/Settings.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>

using namespace parvela;

namespace {

std::unique_ptr<platform::Settings> serverSettings(const QString& folder) {
    const QString path = folder + QStringLiteral("/Orvanta.conf");
    {
        platform::Settings writer(path);
        writer.setValue(QStringLiteral("Server/ipno"), QStringLiteral("127.0.0.1"));
        writer.sync();
    }
    return std::make_unique<platform::Settings>(path);
}

// The SELECTs of one load, as the program sends them, with their schemas;
// `products` receives the count read, or -1 when the load showed a box.
std::vector<db::IssuedStatement> selectsOfOneLoad(const platform::Settings& settings,
                                                  long& products) {
    bench::RecordingBoxes boxes;
    app::CatalogData catalog(settings, boxes);
    db::StatementJournal journal;
    catalog.runner().setJournal(&journal);
    app::loadSharedLists(catalog);
    std::vector<db::IssuedStatement> selects;
    for (const db::IssuedStatement& entry : journal.entries())
        if (entry.text.starts_with("SELECT"))
            selects.push_back(entry);
    std::cout << "one load: " << catalog.current()->products.size() << " products ("
              << catalog.current()->weighed.size() << " weighed), "
              << catalog.current()->recipes.recipeLines.size() << " recipe lines, "
              << catalog.groups().allGroupB().size() << " Group B rows, " << selects.size()
              << " SELECTs\n";
    products = boxes.empty() ? static_cast<long>(catalog.current()->products.size()) : -1;
    return selects;
}

// One child run of one side, or a run with a negative time.
bench::LoadRun runChild(const QString& side, const QString& selectsFile,
                        const QString& configFolder) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PARVELA_BENCH_CONFIG"), configFolder);
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--once"), side, selectsFile});
    if (!child.waitForFinished(600000) || child.exitCode() != 0)
        return {};
    const QStringList words =
        QString::fromLatin1(child.readAllStandardOutput()).split(u' ', Qt::SkipEmptyParts);
    bool ok = words.size() == 2;
    const double ms = ok ? words[0].toDouble(&ok) : -1;
    const long kb = ok ? words[1].toLong(&ok) : -1;
    return ok ? bench::LoadRun{ms, kb} : bench::LoadRun{};
}

int once(const QString& side, const QString& selectsFile) {
    const auto settings = serverSettings(qEnvironmentVariable("PARVELA_BENCH_CONFIG"));
    const bench::LoadRun run =
        side == QStringLiteral("baseline")
            ? bench::baselineLoadOnce(*settings, bench::readSelects(selectsFile.toStdString()))
            : bench::programLoadOnce(*settings, side == QStringLiteral("empty"));
    if (run.ms < 0)
        return 1;
    std::printf("%.3f %ld\n", run.ms, run.peakKb);
    return 0;
}

// Peaks of a load of a catalogue without products, program and baseline.
struct Peaks {
    long program = -1;
    long baseline = -1;
};

Peaks readPeaks(const QString& path) {
    Peaks peaks;
    std::ifstream in(path.toStdString());
    in >> peaks.program >> peaks.baseline;
    return peaks;
}

int writeEmptyPeaks(const QString& path) {
    const QTemporaryDir folder;
    long products = 0;
    const auto selects = selectsOfOneLoad(*serverSettings(folder.path()), products);
    const QString selectsFile = folder.filePath(QStringLiteral("selects.txt"));
    bench::writeSelects(selectsFile.toStdString(), selects);
    const bench::LoadRun program = runChild(QStringLiteral("empty"), selectsFile, folder.path());
    const bench::LoadRun baseline =
        runChild(QStringLiteral("baseline"), selectsFile, folder.path());
    if (products != 0 || program.ms < 0 || baseline.ms < 0) {
        std::cerr << "*** the empty catalogue's load failed or found products ***\n";
        return 1;
    }
    std::ofstream(path.toStdString()) << program.peakKb << ' ' << baseline.peakKb << '\n';
    return 0;
}

void printMemory(const std::vector<bench::LoadRun>& program,
                 const std::vector<bench::LoadRun>& baseline, long products, const Peaks& empty) {
    const auto bytesPerProduct = [products](const std::vector<bench::LoadRun>& runs, long emptyKb) {
        std::vector<double> peaks;
        for (const bench::LoadRun& run : runs)
            peaks.push_back(static_cast<double>(run.peakKb - emptyKb) * 1024.0 /
                            static_cast<double>(products));
        return bench::median(peaks);
    };
    if (empty.program < 0)
        std::cout << "(no --empty-peaks-from: the peaks below include the empty process)\n";
    std::printf("peak memory after load: program %ld kB, baseline %ld kB; empty catalogue "
                "%ld kB and %ld kB\n",
                program.front().peakKb, baseline.front().peakKb, empty.program, empty.baseline);
    bench::printComparison({"peak memory per product", "B",
                            bytesPerProduct(program, std::max(0L, empty.program)),
                            bytesPerProduct(baseline, std::max(0L, empty.baseline))});
}

void printUserTimings(const bench::UserTimings& user) {
    std::printf("name search over %d keystrokes: slowest %.2f ms (the first, folding every "
                "name)\n",
                user.keystrokes, user.slowestKeystroke);
    bench::printComparison(
        {"name search, ms per keystroke", "ms", user.keystroke, user.keystrokeBaseline, 0, 5});
    bench::printComparison(
        {"product save (its statements)", "ms", user.saveStatements, user.saveReplay, 1.2});
    std::printf("  %d statements; with it the user waits %.1f ms (costs of %d products %.1f ms, "
                "starting the re-read %.1f ms); the list read again on a worker is back %.1f "
                "ms later\n",
                user.saveStatementCount, user.editSave, user.costedProducts, user.costs,
                user.reread, user.listBack);
}

int compare(int runs, const Peaks& empty) {
    const QTemporaryDir folder;
    const auto settings = serverSettings(folder.path());
    long products = 0;
    const std::vector<db::IssuedStatement> selects = selectsOfOneLoad(*settings, products);
    if (products <= 0) {
        std::cerr << "\n*** BENCHMARK FAILED: the load failed or the server holds no products; "
                     "fill it with bench/run ***\n";
        return 1;
    }
    const QString selectsFile = folder.filePath(QStringLiteral("selects.txt"));
    bench::writeSelects(selectsFile.toStdString(), selects);
    std::vector<bench::LoadRun> program;
    std::vector<bench::LoadRun> baseline;
    for (int run = 0; run < runs; ++run) {
        // The sides take turns, each starting half of the rounds.
        const bool programFirst = run % 2 == 0;
        for (const bool isProgram : {programFirst, !programFirst}) {
            const bench::LoadRun result =
                runChild(isProgram ? QStringLiteral("program") : QStringLiteral("baseline"),
                         selectsFile, folder.path());
            if (result.ms < 0) {
                std::cerr << "\n*** BENCHMARK FAILED: a child run failed ***\n";
                return 1;
            }
            (isProgram ? program : baseline).push_back(result);
        }
    }
    const auto milliseconds = [](const std::vector<bench::LoadRun>& loads) {
        std::vector<double> values;
        for (const bench::LoadRun& load : loads)
            values.push_back(load.ms);
        return bench::median(values);
    };
    std::printf("medians of %d fresh processes a side, taking turns\n", runs);
    bench::printComparison(
        {"start-up load (cold)", "ms", milliseconds(program), milliseconds(baseline), 1.3});
    printMemory(program, baseline, products, empty);
    printUserTimings(bench::measureUserTimings(*settings));
    bench::printTransferTimings(*settings);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() >= 3 && arguments[1] == QStringLiteral("--once"))
        return once(arguments[2], arguments.value(3));
    if (arguments.size() >= 3 && arguments[1] == QStringLiteral("--empty-peaks"))
        return writeEmptyPeaks(arguments[2]);
    if (arguments.size() >= 3 && arguments[1] == QStringLiteral("--selects")) {
        const QTemporaryDir folder;
        long products = 0;
        bench::writeSelects(arguments[2].toStdString(),
                            selectsOfOneLoad(*serverSettings(folder.path()), products));
        return 0;
    }
    if (arguments.contains(QStringLiteral("--transfer"))) {
        const QTemporaryDir folder;
        bench::printTransferTimings(*serverSettings(folder.path()));
        return 0;
    }
    const qsizetype runsAt = arguments.indexOf(QStringLiteral("--runs"));
    const int runs = runsAt > 0 ? std::max(1, arguments.value(runsAt + 1).toInt()) : 5;
    const qsizetype peaksAt = arguments.indexOf(QStringLiteral("--empty-peaks-from"));
    return compare(runs, peaksAt > 0 ? readPeaks(arguments.value(peaksAt + 1)) : Peaks{});
}
