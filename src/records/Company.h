#pragma once

#include "records/Geometry.h"

#include <QString>
#include <string>
#include <vector>

namespace parvela::records {

struct Branch {
    static constexpr qsizetype kNameSize = 110;
    static constexpr size_t kIpSize = 23;

    int firmCode = 0;
    int branchCode = 0;
    QString name;
    std::string ip;
    bool active = false;
    // Set by the main screen: its box as last drawn, and the user's choice.
    records::Rect rect;
    bool selected = false;
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
    // The branch chosen on the main screen, for the transfer to branches.
    Branch currentBranch;
};

} // namespace parvela::records
