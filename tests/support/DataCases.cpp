#include "DataCases.h"

#include "TestDatabase.h"

#include <QFile>
#include <algorithm>

namespace parvela::test {

bool DataCase::has(const char* file) const {
    return std::filesystem::exists(folder / file);
}

std::string DataCase::bytes(const char* file) const {
    QFile in(QString::fromStdString((folder / file).string()));
    if (!in.open(QIODevice::ReadOnly))
        return {};
    return in.readAll().toStdString();
}

std::vector<DataCase> dataCases(const std::string& area, const std::string& format) {
    const std::filesystem::path root =
        std::filesystem::path(TestDatabase::repoRoot().toStdString()) / "tests" / area / "data" /
        format;
    std::vector<DataCase> cases;
    if (!std::filesystem::is_directory(root))
        return cases;
    for (const auto& entry : std::filesystem::directory_iterator(root)) {
        if (entry.is_directory())
            cases.push_back({entry.path().filename().string(), entry.path()});
    }
    std::sort(cases.begin(), cases.end(),
              [](const DataCase& a, const DataCase& b) { return a.name < b.name; });
    return cases;
}

} // namespace parvela::test
