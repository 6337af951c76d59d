// Times the start-up load against the bare client library running the same
// SELECTs, each in a fresh process of its own and the two sides taking turns,
// on whatever catalogue the private server holds (bench/run fills it). Then
// times, on one loaded catalogue, a keystroke of the name search and a save
// of the edit window.
//   parvela-bench-startup [--runs N]
//   parvela-bench-startup --once program|baseline [SELECTS_FILE]   (one child run)
//   parvela-bench-startup --selects FILE   (writes the SELECTs of one load, for profiling)

#include "ColdLoad.h"
#include "RecordingBoxes.h"
#include "UserTimings.h"
#include "app/CatalogData.h"
#include "app/StartupLoad.h"
#include "platform/Settings.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
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

// The SELECTs of one load, as the program sends them, with their schemas.
std::vector<db::IssuedStatement> selectsOfOneLoad(const platform::Settings& settings) {
    bench::RecordingBoxes boxes;
    app::CatalogData catalog(settings, boxes);
    db::StatementJournal journal;
    catalog.runner().setJournal(&journal);
    app::loadSharedLists(catalog);
    std::vector<db::IssuedStatement> selects;
    for (const db::IssuedStatement& entry : journal.entries())
        if (entry.text.starts_with("SELECT"))
            selects.push_back(entry);
    std::cout << "one load: " << catalog.stock().products.size() << " products ("
              << catalog.scaleStore().weighedProducts().size() << " weighed), "
              << catalog.recipes().recipeLines.size() << " recipe lines, "
              << catalog.groups().allGroupB().size() << " Group B rows, " << selects.size()
              << " SELECTs\n";
    if (!boxes.empty() || catalog.stock().products.empty())
        return {};
    return selects;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// One child run of one side; its milliseconds, or a negative number.
double runChild(const QString& side, const QString& selectsFile, const QString& configFolder) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PARVELA_BENCH_CONFIG"), configFolder);
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--once"), side, selectsFile});
    if (!child.waitForFinished(600000) || child.exitCode() != 0)
        return -1;
    bool ok = false;
    const double ms = QString::fromLatin1(child.readAllStandardOutput()).trimmed().toDouble(&ok);
    return ok ? ms : -1;
}

int once(const QString& side, const QString& selectsFile) {
    const auto settings = serverSettings(qEnvironmentVariable("PARVELA_BENCH_CONFIG"));
    const double ms =
        side == QStringLiteral("program")
            ? bench::programLoadOnce(*settings)
            : bench::baselineLoadOnce(*settings, bench::readSelects(selectsFile.toStdString()));
    if (ms < 0)
        return 1;
    std::printf("%.3f\n", ms);
    return 0;
}

int compare(int runs) {
    const QTemporaryDir folder;
    const auto settings = serverSettings(folder.path());
    const std::vector<db::IssuedStatement> selects = selectsOfOneLoad(*settings);
    if (selects.empty()) {
        std::cerr << "\n*** BENCHMARK FAILED: the load failed or the server holds no products; "
                     "fill it with bench/run ***\n";
        return 1;
    }
    const QString selectsFile = folder.filePath(QStringLiteral("selects.txt"));
    bench::writeSelects(selectsFile.toStdString(), selects);
    std::vector<double> program;
    std::vector<double> baseline;
    for (int run = 0; run < runs; ++run) {
        // The sides take turns, each starting half of the rounds.
        const bool programFirst = run % 2 == 0;
        for (const bool isProgram : {programFirst, !programFirst}) {
            const double ms =
                runChild(isProgram ? QStringLiteral("program") : QStringLiteral("baseline"),
                         selectsFile, folder.path());
            if (ms < 0) {
                std::cerr << "\n*** BENCHMARK FAILED: a child run failed ***\n";
                return 1;
            }
            (isProgram ? program : baseline).push_back(ms);
        }
    }
    const double ours = median(program);
    const double theirs = median(baseline);
    std::printf("cold start-up load, median of %d fresh processes each, taking turns:\n"
                "  program:                       %8.1f ms\n"
                "  same SELECTs, plain client:    %8.1f ms\n"
                "  ratio program/baseline:        %8.2f\n",
                runs, ours, theirs, ours / theirs);

    const bench::UserTimings user = bench::measureUserTimings(*settings);
    std::printf("name search, one keystroke:      %8.2f ms (median; slowest %.2f ms)\n"
                "edit save, what the user waits: %8.1f ms (median; %d products costed)\n",
                user.keystroke, user.slowestKeystroke, user.editSave, user.costedProducts);
    std::printf(
        "  of which the save's statements %6.1f ms, the costs %6.1f ms, starting the re-read "
        "%6.1f ms\n",
        user.saveStatements, user.costs, user.reread);
    std::printf("list read again on a worker:     %8.1f ms after the save (median)\n",
                user.listBack);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() >= 3 && arguments[1] == QStringLiteral("--once"))
        return once(arguments[2], arguments.value(3));
    if (arguments.size() >= 3 && arguments[1] == QStringLiteral("--selects")) {
        const QTemporaryDir folder;
        bench::writeSelects(arguments[2].toStdString(),
                            selectsOfOneLoad(*serverSettings(folder.path())));
        return 0;
    }
    int runs = 5;
    if (arguments.size() >= 3 && arguments[1] == QStringLiteral("--runs"))
        runs = std::max(1, arguments[2].toInt());
    return compare(runs);
}
