#include "LabelJobs.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <fcntl.h>
#include <map>
#include <sys/file.h>
#include <unistd.h>

namespace parvela::test {

namespace {

QString fromEnvironment(const char* name, const QString& fallback) {
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? fallback : value;
}

void lockTheListener() {
    static const bool locked = [] {
        const std::string path = "/tmp/parvela-test-printer-" + std::to_string(getuid()) + ".lock";
        const int fd = open(path.c_str(), O_CREAT | O_RDWR | O_CLOEXEC, 0600);
        return fd >= 0 && flock(fd, LOCK_EX) == 0;
    }();
    (void)locked;
}

// job-N.bin by N; the listener renames a job into place once it is complete.
std::map<int, QString> jobFiles() {
    std::map<int, QString> files;
    const QDir dir(LabelJobs::folder());
    for (const QString& name : dir.entryList({QStringLiteral("job-*.bin")}, QDir::Files)) {
        bool ok = false;
        const int number = name.mid(4, name.size() - 8).toInt(&ok);
        if (ok)
            files.emplace(number, dir.filePath(name));
    }
    return files;
}

} // namespace

LabelJobs::LabelJobs() {
    lockTheListener();
}

QString LabelJobs::printServer() {
    return fromEnvironment("PARVELA_CUPS_SOCKET",
                           QStringLiteral("/tmp/parvela-cups-%1.sock").arg(getuid()));
}

QString LabelJobs::folder() {
    return fromEnvironment("PARVELA_CUPS_DIR", QStringLiteral(PARVELA_SOURCE_DIR "/.local/cups")) +
           QStringLiteral("/jobs");
}

void LabelJobs::clear() const {
    for (const auto& [number, path] : jobFiles())
        QFile::remove(path);
}

std::vector<std::string> LabelJobs::received() const {
    std::vector<std::string> jobs;
    for (const auto& [number, path] : jobFiles()) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            jobs.push_back(file.readAll().toStdString());
    }
    return jobs;
}

std::vector<std::string> LabelJobs::waitFor(std::size_t count,
                                            std::chrono::milliseconds timeout) const {
    QElapsedTimer clock;
    clock.start();
    while (jobFiles().size() < count && clock.elapsed() < timeout.count())
        QThread::msleep(50);
    return received();
}

} // namespace parvela::test
