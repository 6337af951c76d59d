#pragma once

#include "groups/GroupLevels.h"
#include "groups/GroupRecords.h"

#include <algorithm>
#include <optional>
#include <unordered_map>
#include <vector>

namespace parvela::platform {
class MessageBoxes;
}

namespace parvela::groups {

// Lookups on the in-memory group lists; none of them reaches the database.

// The selected row of a main screen list, or nullptr; at most one is selected.
template <typename Group> const Group* selectedOf(const std::vector<Group>& screenList) {
    const auto found = std::find_if(screenList.begin(), screenList.end(),
                                    [](const Group& group) { return group.selected; });
    return found == screenList.end() ? nullptr : &*found;
}

// Makes the row at `row` the only selected one; false for no such row.
template <typename Group> bool selectOnly(std::vector<Group>& screenList, int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= screenList.size())
        return false;
    for (std::size_t i = 0; i < screenList.size(); ++i)
        screenList[i].selected = static_cast<int>(i) == row;
    return true;
}

// Copies the selected row of a main screen list and returns its code; -1
// and `out` untouched when none is selected.
int selectedGroupA(const std::vector<GroupA>& screenList, GroupA& out);
int selectedGroupB(const std::vector<GroupB>& screenList, GroupB& out);
int selectedGroupC(const std::vector<GroupC>& screenList, GroupC& out);

// The selected row's code; when none is selected the user is told so and
// the result is -1.
int selectedGroupACode(const std::vector<GroupA>& screenList, platform::MessageBoxes& boxes);
int selectedGroupBCode(const std::vector<GroupB>& screenList, platform::MessageBoxes& boxes);
int selectedGroupCCode(const std::vector<GroupC>& screenList, platform::MessageBoxes& boxes);

// The code at a position of a combo list; -1 when there is no such position.
int groupACodeAt(const std::vector<GroupA>& list, int position);
int groupBCodeAt(const std::vector<GroupB>& list, int position);
int groupCCodeAt(const std::vector<GroupC>& list, int position);

// Copies the Group B with that code and returns the code; -1 and `out`
// untouched when no Group B has it.
int findGroupB(const std::vector<GroupB>& all, int bcode, GroupB& out);

// Clear `target`, then append the matching rows in the order of `all`;
// return the new count.
int groupBOfA(std::vector<GroupB>& target, const std::vector<GroupB>& all, int acode);
int groupCOfB(std::vector<GroupC>& target, const std::vector<GroupC>& all, int bcode);
int groupCOfA(std::vector<GroupC>& target, const std::vector<GroupC>& all, int acode);
int allGroupsA(std::vector<GroupA>& target, const std::vector<GroupA>& all);
int allGroupsB(std::vector<GroupB>& target, const std::vector<GroupB>& all);
int allGroupsC(std::vector<GroupC>& target, const std::vector<GroupC>& all);

// The current group context for the selected group of `level`: its code and
// name and those of its parents, with the level in `levelMark`; nothing
// when that level has no selection.
std::optional<GroupC> selectedContext(GroupLevel level, const std::vector<GroupA>& screenA,
                                      const std::vector<GroupB>& screenB,
                                      const std::vector<GroupC>& screenC);

// Stocks filed under one Group A, and how many of them are sold by weight.
struct StockTally {
    int total = 0;
    int weighed = 0;
};

// Marks each Group A of which more than 30% of the stocks are weighed;
// the others are left as they are.
void markWeighedGroups(std::vector<GroupA>& list,
                       const std::unordered_map<int, StockTally>& byGroupACode);

} // namespace parvela::groups
