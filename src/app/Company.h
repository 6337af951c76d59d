#pragma once

#include <QString>
#include <string>
#include <vector>

namespace parvela::app {

struct Branch {
    static constexpr qsizetype kNameSize = 110;
    static constexpr size_t kIpSize = 23;

    int firmCode = 0;
    int branchCode = 0;
    QString name;
    std::string ip;
    bool active = false;
};

struct Company {
    static constexpr qsizetype kNameSize = 60;

    QString name;
    std::string folder;
    int id = 0;

    int ownBranchCode = 0;
    std::string ownBranchIp;
    std::string ownBranchFolder;

    std::vector<Branch> branches;
};

} // namespace parvela::app
