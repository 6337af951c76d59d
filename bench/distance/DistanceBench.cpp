// Times what a manager does against a server at a distance: the program
// talks to the private server through a latency relay of its own, at each
// added round trip asked for, and each step is shown with the round trips
// and connections the relay saw. The demo restaurant is loaded again before
// each distance (the imports add products); bench/distance runs it under the
// test programs' lock.
//   parvela-bench-distance [--rtt 0,5,20] [--runs N] [--reload COMMAND]
#include "DistanceSteps.h"
#include "LatencyRelay.h"
#include "Report.h"
#include "platform/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <map>

using namespace parvela;

namespace {

// The relay listens where a distant server would be; the program is pointed there.
const bench::RelayAddress kRelayAddress{"127.0.0.2", 3306};
const bench::RelayAddress kServerAddress{"127.0.0.1", 3306};
constexpr int kBareQueries = 50;
constexpr int kImportSmall = 200;
constexpr int kImportLarge = 1000;
// Goals at the largest distance, in milliseconds.
constexpr double kStartupGoal = 1500;
constexpr double kImportSmallGoal = 8000;
constexpr double kImportLargeGoal = 20000;
constexpr double kDistanceFactor = 1.5;

struct Figure {
    double ms = -1;
    long roundTrips = 0;
    long connections = 0;
};

// Runs of one step at one distance, and their median.
class Measure {
public:
    explicit Measure(bench::LatencyRelay& relay)
        : m_relay(relay) {}

    bool operator()(const std::function<bool()>& step) {
        m_relay.resetCounts();
        const bench::Clock::time_point start = bench::Clock::now();
        const bool ok = step();
        m_times.push_back(bench::millisecondsSince(start));
        m_counts = m_relay.counts();
        return ok;
    }
    Figure figure() const {
        return {bench::median(m_times), m_counts.roundTrips, m_counts.connections};
    }

private:
    bench::LatencyRelay& m_relay;
    std::vector<double> m_times;
    bench::RelayCounts m_counts;
};

class Bench {
public:
    Bench(bench::LatencyRelay& relay, const QTemporaryDir& folder, int runs)
        : m_relay(relay)
        , m_folder(folder)
        , m_runs(runs)
        , m_settings(folder.filePath(QStringLiteral("config/Tolvarian/Orvanta.conf"))) {
        m_settings.setValue(QStringLiteral("Server/ipno"),
                            QString::fromStdString(kRelayAddress.host));
        m_settings.setValue(QStringLiteral("Paths/root"), folder.filePath(QStringLiteral("root")));
        m_settings.setValue(QStringLiteral("Batch/user"), QStringLiteral("1001"));
        m_settings.setValue(QStringLiteral("Batch/password"), QStringLiteral("4826"));
        m_settings.sync();
        QDir(folder.path()).mkpath(QStringLiteral("root"));
    }

    // Every step at one distance; false when one failed.
    bool atDistance(int rttMs) {
        m_relay.setRoundTrip(std::chrono::milliseconds(rttMs));
        bool ok = repeated("bare client, 50 queries", rttMs,
                           [this] { return bench::bareClientQueries(m_settings, kBareQueries); });
        ok = repeated("start-up load", rttMs, [this] { return bench::startupLoad(m_settings); }) &&
             ok;
        ok = saves("product save", rttMs, bench::productSaves) && ok;
        ok = saves("recipe save", rttMs, bench::recipeSaves) && ok;
        ok = repeated("lint", rttMs, [this] { return runVerb({QStringLiteral("lint")}); }) && ok;
        ok =
            repeated("publish --no-upload", rttMs,
                     [this] {
                         return runVerb({QStringLiteral("publish"), QStringLiteral("--no-upload")});
                     }) &&
            ok;
        for (const int rows : {kImportSmall, kImportLarge})
            ok = once(importName(rows), rttMs,
                      [this, rows] {
                          return runVerb({QStringLiteral("import"), sheetOf(rows),
                                          QStringLiteral("--accept-marked")});
                      }) &&
                 ok;
        return ok;
    }

    QString writeSheets() {
        for (const int rows : {kImportSmall, kImportLarge})
            if (const QString error = bench::writeImportSheet(sheetOf(rows), rows, rows * 10);
                !error.isEmpty())
                return error;
        return {};
    }

    void printTable(const std::vector<int>& distances) const {
        std::printf(
            "\n| Step | Added round trip | Round trips | Connections | Time | Goal | Met |\n"
            "|---|---:|---:|---:|---:|---|---|\n");
        for (const std::string& step : m_steps) {
            const auto& byDistance = m_figures.at(step);
            for (const int rtt : distances) {
                const auto found = byDistance.find(rtt);
                if (found == byDistance.end())
                    continue;
                const Figure& f = found->second;
                const auto [goalText, goal] = goalOf(step, rtt, distances);
                std::printf("| %s | %d ms | %ld | %ld | %.0f ms | %s | %s |\n", step.c_str(), rtt,
                            f.roundTrips, f.connections, f.ms, goalText.c_str(),
                            goal <= 0 ? "–" : (f.ms >= 0 && f.ms <= goal ? "yes" : "**no**"));
            }
        }
    }

private:
    std::string importName(int rows) const { return "import of " + std::to_string(rows) + " rows"; }
    QString sheetOf(int rows) const {
        return m_folder.filePath(QStringLiteral("sheet-%1.xlsx").arg(rows));
    }

    bool repeated(const std::string& step, int rtt, const std::function<bool()>& run) {
        Measure measure(m_relay);
        bool ok = true;
        for (int i = 0; ok && i < m_runs; ++i)
            ok = measure(run);
        return keep(step, rtt, measure, ok);
    }
    bool once(const std::string& step, int rtt, const std::function<bool()>& run) {
        Measure measure(m_relay);
        const bool ok = measure(run);
        return keep(step, rtt, measure, ok);
    }
    using Saves = bool (*)(const platform::Settings&, int, const bench::TimedStep&);
    bool saves(const std::string& step, int rtt, Saves run) {
        Measure measure(m_relay);
        const bool ok = run(m_settings, m_runs, std::ref(measure));
        return keep(step, rtt, measure, ok);
    }
    bool keep(const std::string& step, int rtt, const Measure& measure, bool ok) {
        const Figure f = measure.figure();
        std::printf("%-22s %3d ms: %8.0f ms, %5ld round trips, %4ld connections%s\n", step.c_str(),
                    rtt, f.ms, f.roundTrips, f.connections, ok ? "" : "  *** FAILED ***");
        std::fflush(stdout);
        if (!m_figures.contains(step))
            m_steps.push_back(step);
        m_figures[step][rtt] = ok ? f : Figure{};
        return ok;
    }

    bool runVerb(const QStringList& arguments) const {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                           m_folder.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("HOME"), m_folder.filePath(QStringLiteral("root")));
        program.setProcessEnvironment(environment);
        program.setStandardOutputFile(QProcess::nullDevice());
        program.start(QStringLiteral(PARVELA_PROGRAM), arguments);
        const bool ended = program.waitForFinished(-1);
        if (!ended || program.exitStatus() != QProcess::NormalExit || program.exitCode() != 0) {
            std::fprintf(stderr, "%s ended with %d: %s\n", qPrintable(arguments.join(u' ')),
                         program.exitCode(), program.readAllStandardError().constData());
            return false;
        }
        return true;
    }

    // The goal of a step at a distance, in milliseconds, with how it reads;
    // only the largest distance has goals.
    std::pair<std::string, double> goalOf(const std::string& step, int rtt,
                                          const std::vector<int>& distances) const {
        if (rtt != distances.back() || rtt == 0)
            return {"", 0};
        const auto& byDistance = m_figures.at(step);
        const auto near = byDistance.find(0);
        double goal = -1;
        if (near != byDistance.end() && near->second.ms >= 0)
            goal = kDistanceFactor *
                   (static_cast<double>(byDistance.at(rtt).roundTrips) * rtt + near->second.ms);
        std::string text = goal > 0 ? "≤ " + std::to_string(static_cast<long>(goal)) + " ms" : "";
        const double own = step == "start-up load"            ? kStartupGoal
                           : step == importName(kImportSmall) ? kImportSmallGoal
                           : step == importName(kImportLarge) ? kImportLargeGoal
                                                              : 0;
        if (own > 0) {
            text += (text.empty() ? "< " : ", < ") + std::to_string(static_cast<long>(own)) + " ms";
            goal = goal > 0 ? std::min(goal, own) : own;
        }
        return {text, goal};
    }

    bench::LatencyRelay& m_relay;
    const QTemporaryDir& m_folder;
    int m_runs;
    platform::Settings m_settings;
    std::map<std::string, std::map<int, Figure>> m_figures;
    std::vector<std::string> m_steps; // in the order they ran
};

std::vector<int> distancesOf(const QString& list) {
    std::vector<int> distances;
    for (const QString& item : list.split(u',', Qt::SkipEmptyParts))
        distances.push_back(item.toInt());
    return distances;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    std::vector<int> distances{0, 5, 20};
    int runs = 3;
    QString reload;
    for (qsizetype i = 1; i + 1 < arguments.size(); i += 2) {
        if (arguments[i] == QStringLiteral("--rtt"))
            distances = distancesOf(arguments[i + 1]);
        else if (arguments[i] == QStringLiteral("--runs"))
            runs = std::max(1, arguments[i + 1].toInt());
        else if (arguments[i] == QStringLiteral("--reload"))
            reload = arguments[i + 1];
    }
    const QTemporaryDir folder;
    bench::LatencyRelay relay(kRelayAddress, kServerAddress);
    if (const std::string error = relay.start(); !error.empty()) {
        std::fprintf(stderr, "cannot listen on %s\n", error.c_str());
        return 1;
    }
    Bench bench(relay, folder, runs);
    if (const QString error = bench.writeSheets(); !error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    bool ok = true;
    for (const int rtt : distances) {
        if (!reload.isEmpty() &&
            QProcess::execute(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), reload}) != 0) {
            std::fprintf(stderr, "%s failed\n", qPrintable(reload));
            return 1;
        }
        ok = bench.atDistance(rtt) && ok;
    }
    bench.printTable(distances);
    return ok ? 0 : 1;
}
