#include "SharedServerFiles.h"

#include <QDir>
#include <QFile>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace parvela::test {

QString fromEnvironment(const char* name, const QString& fallback) {
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? fallback : value;
}

bool lockForThisProgram(const std::string& name) {
    const std::string path = "/tmp/" + name + "-" + std::to_string(getuid()) + ".lock";
    // Left open: the lock goes with the program.
    const int fd = open(path.c_str(), O_CREAT | O_RDWR | O_CLOEXEC, 0600);
    return fd >= 0 && flock(fd, LOCK_EX) == 0;
}

std::map<int, QString> numberedFiles(const QString& folder, const QString& prefix,
                                     const QString& suffix) {
    std::map<int, QString> files;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({prefix + '*' + suffix}, QDir::Files)) {
        bool ok = false;
        const int number =
            name.mid(prefix.size(), name.size() - prefix.size() - suffix.size()).toInt(&ok);
        if (ok)
            files.emplace(number, dir.filePath(name));
    }
    return files;
}

std::vector<std::string> contentsOf(const std::map<int, QString>& files) {
    std::vector<std::string> contents;
    for (const auto& [number, path] : files) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            contents.push_back(file.readAll().toStdString());
    }
    return contents;
}

} // namespace parvela::test
