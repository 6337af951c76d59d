// Writes MEBIBYTES of a pattern to PATH the way the program writes its
// files, so that a test can kill it midway.
//   atomic-writer PATH MEBIBYTES

#include "platform/AtomicFile.h"

#include <QCoreApplication>
#include <cstdio>
#include <string>

int main(int argc, char* argv[]) {
    const QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const std::string bytes(std::stoul(argv[2]) << 20, 'n');
    const QString why =
        parvela::platform::writeFileAtomically(QString::fromLocal8Bit(argv[1]), bytes);
    if (!why.isEmpty())
        std::fputs(why.toLocal8Bit().constData(), stderr);
    return why.isEmpty() ? 0 : 1;
}
