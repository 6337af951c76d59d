#include "TransferTimings.h"

#include "RecordingBoxes.h"
#include "Report.h"
#include "app/CatalogData.h"
#include "app/PublishRuns.h"
#include "app/StartupLoad.h"
#include "platform/MachineInfo.h"
#include "publishing/Sha256.h"
#include "publishing/TransferFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <functional>
#include <iostream>
#include <unistd.h>

namespace parvela::bench {

namespace {

struct WrittenFile {
    QString name;
    QByteArray bytes;
};

std::vector<WrittenFile> filesIn(const QString& folder) {
    std::vector<WrittenFile> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files)) {
        QFile file(QDir(folder).filePath(name));
        if (file.open(QIODevice::ReadOnly))
            files.push_back({name, file.readAll()});
    }
    return files;
}

// `durable`: each file also synced to disk before it is closed, as the
// program's atomic write does.
double plainWrite(const QString& folder, const std::vector<WrittenFile>& files, bool durable) {
    const Clock::time_point start = Clock::now();
    for (const WrittenFile& file : files) {
        std::FILE* out =
            std::fopen(QDir(folder).filePath(file.name).toLocal8Bit().constData(), "wb");
        if (out == nullptr)
            return -1;
        std::fwrite(file.bytes.constData(), 1, static_cast<std::size_t>(file.bytes.size()), out);
        if (durable && std::fflush(out) == 0)
            fsync(fileno(out));
        std::fclose(out);
    }
    return millisecondsSince(start);
}

// What making the files' bytes alone takes, of the program's time: the
// large ones piece by piece, as the program makes them, into a sink that
// only counts.
double buildTime(const publishing::CatalogueSnapshot& snapshot) {
    const Clock::time_point start = Clock::now();
    const int company = snapshot.company.id;
    std::size_t bytes = 0;
    const platform::PieceSink count = [&bytes](std::string_view piece) {
        bytes += piece.size();
        return true;
    };
    publishing::makeKeyList(snapshot.products, company, count);
    publishing::makeStockFile(snapshot.products, company, count);
    bytes += publishing::groupAFile(snapshot.groupsA).size() +
             publishing::groupBFile(snapshot.groupsB).size() +
             publishing::recipeFile(snapshot.recipeLines).size();
    return bytes > 0 ? millisecondsSince(start) : -1;
}

// And the checksums the publishing history keeps of each file.
double hashTime(const std::vector<WrittenFile>& files) {
    const Clock::time_point start = Clock::now();
    for (const WrittenFile& file : files)
        publishing::sha256Hex(
            std::string_view(file.bytes.constData(), static_cast<std::size_t>(file.bytes.size())));
    return millisecondsSince(start);
}

// The medians of each side and of the parts of the program's time.
struct TransferRounds {
    std::vector<double> program, plain, synced, building, hashing;
    std::size_t bytes = 0;
};

void measureRound(const publishing::CatalogueSnapshot& snapshot, const QString& plainFolder,
                  const std::function<bool()>& publish, const QString& written,
                  TransferRounds& rounds) {
    const Clock::time_point start = Clock::now();
    if (!publish())
        return;
    rounds.program.push_back(millisecondsSince(start));
    const std::vector<WrittenFile> files = filesIn(written);
    rounds.bytes = 0;
    for (const WrittenFile& file : files)
        rounds.bytes += static_cast<std::size_t>(file.bytes.size());
    rounds.plain.push_back(plainWrite(plainFolder, files, false));
    rounds.synced.push_back(plainWrite(plainFolder, files, true));
    rounds.building.push_back(buildTime(snapshot));
    rounds.hashing.push_back(hashTime(files));
}

} // namespace

void printTransferTimings(const platform::Settings& settings) {
    RecordingBoxes boxes;
    app::CatalogData catalog(settings, boxes);
    app::loadSharedLists(catalog);
    const std::optional<publishing::CatalogueSnapshot> snapshot = app::catalogueSnapshot(catalog);
    const QTemporaryDir root;
    const QTemporaryDir plainFolder;
    const platform::MachineInfo machine(QString(), root.path());
    const publishing::PublishTarget target{root.path(), machine.transferFolder(), nullptr};
    const auto publish = [&] {
        return publishing::publishCatalogue(*snapshot, target, catalog.runner(), boxes).success;
    };
    TransferRounds rounds;
    for (int round = 0; snapshot && round < 5; ++round)
        measureRound(*snapshot, plainFolder.path(), publish, machine.transferFolder(), rounds);
    std::printf("transfer files: %zu bytes for %zu products; of the program's time building "
                "them %.1f ms, their SHA-256 %.1f ms; the plain write without syncing %.1f ms\n",
                rounds.bytes, catalog.current()->products.size(), median(rounds.building),
                median(rounds.hashing), median(rounds.plain));
    // The baseline builds nothing and writes the same bytes with the same
    // syncs (each file's), so the ratio is what building, hashing and the
    // atomic replacement add.
    printComparison({"transfer files (synced write)", "ms", median(rounds.program),
                     median(rounds.synced), 1.3});
    if (!boxes.empty())
        std::cerr << "a box appeared while writing the transfer files\n";
}

} // namespace parvela::bench
