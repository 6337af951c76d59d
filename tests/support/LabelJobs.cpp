#include "LabelJobs.h"

#include "SharedServerFiles.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <map>
#include <unistd.h>

namespace parvela::test {

namespace {

// job-N.bin by N; the listener renames a job into place once it is complete.
std::map<int, QString> jobFiles() {
    return numberedFiles(LabelJobs::folder(), QStringLiteral("job-"), QStringLiteral(".bin"));
}

} // namespace

LabelJobs::LabelJobs() {
    static const bool locked = lockForThisProgram("parvela-test-printer");
    (void)locked;
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
    return contentsOf(jobFiles());
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
