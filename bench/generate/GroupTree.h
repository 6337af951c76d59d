#pragma once

#include <ostream>
#include <string_view>
#include <vector>

namespace parvela::bench {

struct GroupA {
    int acode = 0;
    int type = 0;
    std::string_view name;
};

// Products are shared out among the Group B rows by weight; a Group B's
// products are all weighed, or all bundle menus, when it says so.
struct GroupB {
    int acode = 0;
    int bcode = 0;
    int type = 0;
    std::string_view name;
    int weight = 1;
    bool weighed = false;
    bool bundles = false;
    std::vector<int> ccodes;
};

struct GroupC {
    int acode = 0;
    int bcode = 0;
    int ccode = 0;
    int type = 0;
    std::string_view name;
};

struct GroupTree {
    std::vector<GroupA> a;
    std::vector<GroupB> b;
    std::vector<GroupC> c;
};

// A few dozen groups of a grill house, coded as the program allocates codes.
GroupTree buildGroupTree();
void writeGroups(const GroupTree& tree, std::ostream& out);

} // namespace parvela::bench
