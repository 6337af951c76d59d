#include "TransferTimings.h"

#include "RecordingBoxes.h"
#include "Report.h"
#include "app/CatalogData.h"
#include "app/PublishRuns.h"
#include "app/StartupLoad.h"
#include "platform/MachineInfo.h"
#include "publishing/TransferFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
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

// What building the files' bytes alone takes, of the program's time.
double buildTime(const publishing::CatalogueSnapshot& snapshot) {
    const Clock::time_point start = Clock::now();
    const int company = snapshot.company.id;
    const std::size_t bytes = publishing::keyList(snapshot.products, company).size() +
                              publishing::stockFile(snapshot.products, company).size() +
                              publishing::groupAFile(snapshot.groupsA).size() +
                              publishing::groupBFile(snapshot.groupsB).size() +
                              publishing::recipeFile(snapshot.recipeLines).size();
    return bytes > 0 ? millisecondsSince(start) : -1;
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
    std::vector<double> program;
    std::vector<double> baseline;
    std::vector<double> building;
    std::vector<double> synced;
    std::size_t bytes = 0;
    for (int round = 0; snapshot && round < 5; ++round) {
        const Clock::time_point start = Clock::now();
        if (!publishing::publishCatalogue(*snapshot, target, catalog.runner(), boxes).success)
            break;
        program.push_back(millisecondsSince(start));
        const std::vector<WrittenFile> files = filesIn(machine.transferFolder());
        bytes = 0;
        for (const WrittenFile& file : files)
            bytes += static_cast<std::size_t>(file.bytes.size());
        baseline.push_back(plainWrite(plainFolder.path(), files, false));
        synced.push_back(plainWrite(plainFolder.path(), files, true));
        building.push_back(buildTime(*snapshot));
    }
    std::printf("transfer files: %zu bytes for %zu products; building them takes %.1f ms, the "
                "plain write with each file synced to disk %.1f ms\n",
                bytes, catalog.stock().products.size(), median(building), median(synced));
    printComparison({"transfer files (write only)", "ms", median(program), median(baseline), 1.2});
    if (!boxes.empty())
        std::cerr << "a box appeared while writing the transfer files\n";
}

} // namespace parvela::bench
