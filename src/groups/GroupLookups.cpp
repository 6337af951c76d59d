#include "groups/GroupLookups.h"

#include "platform/MessageBoxes.h"

#include <algorithm>
#include <iterator>

namespace parvela::groups {

namespace {

constexpr int kNone = -1;
constexpr double kWeighedShare = 0.3;

template <typename Group> int selectedRow(const std::vector<Group>& list, Group& out) {
    const Group* found = selectedOf(list);
    if (found == nullptr)
        return kNone;
    out = *found;
    return codeOf(*found);
}

template <typename Group>
int selectedCode(const std::vector<Group>& list, platform::MessageBoxes& boxes) {
    if (const Group* found = selectedOf(list))
        return codeOf(*found);
    boxes.tell(QString::fromUtf8(GroupTraits<Group>::noneSelected),
               QStringLiteral("GRUP SECILMEDI"));
    return kNone;
}

template <typename Group>
int codeAt(const std::vector<Group>& list, int position, int Group::*code) {
    if (position < 0 || static_cast<size_t>(position) >= list.size())
        return kNone;
    return list[static_cast<size_t>(position)].*code;
}

template <typename Group, typename Keep>
int copyWhere(std::vector<Group>& target, const std::vector<Group>& all, Keep keep) {
    target.clear();
    std::copy_if(all.begin(), all.end(), std::back_inserter(target), keep);
    return static_cast<int>(target.size());
}

template <typename Group>
int copyWithCode(std::vector<Group>& target, const std::vector<Group>& all, int Group::*code,
                 int wanted) {
    return copyWhere(target, all, [&](const Group& group) { return group.*code == wanted; });
}

template <typename Group> int copyAll(std::vector<Group>& target, const std::vector<Group>& all) {
    return copyWhere(target, all, [](const Group&) { return true; });
}

bool mostlyWeighed(const StockTally& tally) {
    return tally.total > 0 &&
           static_cast<double>(tally.weighed) / static_cast<double>(tally.total) > kWeighedShare;
}

} // namespace

int selectedGroupA(const std::vector<GroupA>& screenList, GroupA& out) {
    return selectedRow(screenList, out);
}

int selectedGroupB(const std::vector<GroupB>& screenList, GroupB& out) {
    return selectedRow(screenList, out);
}

int selectedGroupC(const std::vector<GroupC>& screenList, GroupC& out) {
    return selectedRow(screenList, out);
}

int selectedGroupACode(const std::vector<GroupA>& screenList, platform::MessageBoxes& boxes) {
    return selectedCode(screenList, boxes);
}

int selectedGroupBCode(const std::vector<GroupB>& screenList, platform::MessageBoxes& boxes) {
    return selectedCode(screenList, boxes);
}

int selectedGroupCCode(const std::vector<GroupC>& screenList, platform::MessageBoxes& boxes) {
    return selectedCode(screenList, boxes);
}

int groupACodeAt(const std::vector<GroupA>& list, int position) {
    return codeAt(list, position, &GroupA::acode);
}

int groupBCodeAt(const std::vector<GroupB>& list, int position) {
    return codeAt(list, position, &GroupB::bcode);
}

int groupCCodeAt(const std::vector<GroupC>& list, int position) {
    return codeAt(list, position, &GroupC::ccode);
}

int findGroupB(const std::vector<GroupB>& all, int bcode, GroupB& out) {
    const auto found = std::find_if(all.begin(), all.end(),
                                    [bcode](const GroupB& group) { return group.bcode == bcode; });
    if (found == all.end())
        return kNone;
    out = *found;
    return bcode;
}

int groupBOfA(std::vector<GroupB>& target, const std::vector<GroupB>& all, int acode) {
    return copyWithCode(target, all, &GroupB::acode, acode);
}

int groupCOfB(std::vector<GroupC>& target, const std::vector<GroupC>& all, int bcode) {
    return copyWithCode(target, all, &GroupC::bcode, bcode);
}

int groupCOfA(std::vector<GroupC>& target, const std::vector<GroupC>& all, int acode) {
    return copyWithCode(target, all, &GroupC::acode, acode);
}

int allGroupsA(std::vector<GroupA>& target, const std::vector<GroupA>& all) {
    return copyAll(target, all);
}

int allGroupsB(std::vector<GroupB>& target, const std::vector<GroupB>& all) {
    return copyAll(target, all);
}

int allGroupsC(std::vector<GroupC>& target, const std::vector<GroupC>& all) {
    return copyAll(target, all);
}

void markWeighedGroups(std::vector<GroupA>& list,
                       const std::unordered_map<int, StockTally>& byGroupACode) {
    for (GroupA& group : list) {
        const auto tally = byGroupACode.find(group.acode);
        if (tally != byGroupACode.end() && mostlyWeighed(tally->second))
            group.weighedMarker = kWeighedMarker;
    }
}

std::optional<GroupC> selectedContext(GroupLevel level, const std::vector<GroupA>& screenA,
                                      const std::vector<GroupB>& screenB,
                                      const std::vector<GroupC>& screenC) {
    GroupC context;
    switch (level) {
    case GroupLevel::A:
        if (const GroupA* a = selectedOf(screenA)) {
            context.acode = a->acode;
            context.aWideName = a->wideName;
        } else {
            return std::nullopt;
        }
        break;
    case GroupLevel::B:
        if (const GroupB* b = selectedOf(screenB)) {
            context.acode = b->acode;
            context.aWideName = b->parentWideName;
            context.bcode = b->bcode;
            context.bWideName = b->wideName;
        } else {
            return std::nullopt;
        }
        break;
    case GroupLevel::C:
        if (const GroupC* c = selectedOf(screenC))
            context = *c;
        else
            return std::nullopt;
        break;
    }
    context.levelMark = static_cast<std::int16_t>(level);
    return context;
}

} // namespace parvela::groups
