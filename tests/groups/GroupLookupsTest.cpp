#include "groups/GroupLookups.h"

#include "GroupBuilders.h"
#include "ScriptedMessageBoxes.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace parvela;
using namespace parvela::groups;
using test::groupA;
using test::groupB;
using test::groupC;

namespace {

template <typename Group>
std::vector<int> codesOf(const std::vector<Group>& list, int Group::*code) {
    std::vector<int> codes;
    for (const Group& group : list)
        codes.push_back(group.*code);
    return codes;
}

} // namespace

TEST(GroupLookups, noSelectionIsReportedWithItsLevelsText) {
    test::ScriptedMessageBoxes boxes;
    GroupA a = groupA(7);
    EXPECT_EQ(selectedGroupA({groupA(1), groupA(2)}, a), -1);
    EXPECT_EQ(a.acode, 7);
    EXPECT_TRUE(boxes.shown().empty());

    EXPECT_EQ(selectedGroupACode({groupA(1)}, boxes), -1);
    EXPECT_EQ(selectedGroupBCode({}, boxes), -1);
    EXPECT_EQ(selectedGroupCCode({groupC(1, 2, 3)}, boxes), -1);
    EXPECT_EQ(boxes.texts(), (QStringList{QStringLiteral("Herhangi bir A grubu seçilmedi"),
                                          QStringLiteral("Herhangi bir B Grubu seçilmedi"),
                                          QStringLiteral("Herhangi bir C grubu seçilmedi")}));
    for (const platform::BoxRequest& box : boxes.shown()) {
        EXPECT_EQ(box.caption, QStringLiteral("GRUP SECILMEDI"));
        EXPECT_EQ(box.icon, platform::BoxIcon::None);
        EXPECT_EQ(box.buttons, platform::BoxButtons::Ok);
        EXPECT_EQ(box.owner, nullptr);
        EXPECT_FALSE(box.topmost);
    }
}

TEST(GroupLookups, selectedRowIsCopiedAndItsCodeReturned) {
    test::ScriptedMessageBoxes boxes;
    std::vector<GroupA> screenA{groupA(1111), groupA(3331, QStringLiteral("Tatlı"))};
    screenA[1].selected = true;
    std::vector<GroupB> screenB{groupB(3331, 33312), groupB(3331, 33313)};
    screenB[1].selected = true;
    std::vector<GroupC> screenC{groupC(3331, 33312, 333122)};
    screenC[0].selected = true;

    GroupA a;
    EXPECT_EQ(selectedGroupA(screenA, a), 3331);
    EXPECT_EQ(a.wideName, QStringLiteral("Tatlı"));
    GroupB b;
    EXPECT_EQ(selectedGroupB(screenB, b), 33313);
    GroupC c;
    EXPECT_EQ(selectedGroupC(screenC, c), 333122);
    EXPECT_EQ(selectedGroupACode(screenA, boxes), 3331);
    EXPECT_EQ(selectedGroupBCode(screenB, boxes), 33313);
    EXPECT_EQ(selectedGroupCCode(screenC, boxes), 333122);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST(GroupLookups, codeAtPositionOutsideTheListIsMinusOne) {
    const std::vector<GroupB> list{groupB(1, 12), groupB(1, 13)};
    EXPECT_EQ(groupBCodeAt(list, 0), 12);
    EXPECT_EQ(groupBCodeAt(list, 1), 13);
    EXPECT_EQ(groupBCodeAt(list, 2), -1);
    EXPECT_EQ(groupBCodeAt(list, -1), -1);
    EXPECT_EQ(groupACodeAt({groupA(1111)}, 0), 1111);
    EXPECT_EQ(groupACodeAt({}, 0), -1);
    EXPECT_EQ(groupCCodeAt({groupC(1, 12, 122)}, 0), 122);
}

TEST(GroupLookups, findGroupBCopiesTheRowOrLeavesTheOutputAlone) {
    const std::vector<GroupB> all{groupB(1, 12), groupB(2, 22, QStringLiteral("Çorba"))};
    GroupB found;
    EXPECT_EQ(findGroupB(all, 22, found), 22);
    EXPECT_EQ(found.wideName, QStringLiteral("Çorba"));
    EXPECT_EQ(findGroupB(all, 33, found), -1);
    EXPECT_EQ(found.bcode, 22);
}

TEST(GroupLookups, filtersKeepTheAllListOrderAndReplaceTheTarget) {
    const std::vector<GroupB> allB{groupB(2, 22), groupB(1, 13), groupB(2, 23), groupB(1, 12)};
    std::vector<GroupB> b{groupB(9, 99)};
    EXPECT_EQ(groupBOfA(b, allB, 1), 2);
    EXPECT_EQ(codesOf(b, &GroupB::bcode), (std::vector<int>{13, 12}));
    EXPECT_EQ(groupBOfA(b, allB, 5), 0);
    EXPECT_TRUE(b.empty());
    EXPECT_EQ(allGroupsB(b, allB), 4);

    const std::vector<GroupC> allC{groupC(1, 13, 132), groupC(2, 22, 222), groupC(1, 12, 122)};
    std::vector<GroupC> c;
    EXPECT_EQ(groupCOfA(c, allC, 1), 2);
    EXPECT_EQ(codesOf(c, &GroupC::ccode), (std::vector<int>{132, 122}));
    EXPECT_EQ(groupCOfB(c, allC, 12), 1);
    EXPECT_EQ(c[0].ccode, 122);
    EXPECT_EQ(allGroupsC(c, allC), 3);

    std::vector<GroupA> a{groupA(5)};
    EXPECT_EQ(allGroupsA(a, {groupA(1), groupA(2)}), 2);
    EXPECT_EQ(codesOf(a, &GroupA::acode), (std::vector<int>{1, 2}));
}

TEST(GroupLookups, groupIsMarkedWhenMoreThanThirtyPercentIsWeighed) {
    std::vector<GroupA> list{groupA(1), groupA(2), groupA(3), groupA(4), groupA(5)};
    list[4].weighedMarker = 12;
    markWeighedGroups(list, {{1, {10, 3}}, {2, {10, 4}}, {3, {0, 0}}, {5, {1, 0}}});
    EXPECT_EQ(list[0].weighedMarker, 0);
    EXPECT_EQ(list[1].weighedMarker, kWeighedMarker);
    EXPECT_EQ(list[1].weighedMarker, 327);
    EXPECT_EQ(list[2].weighedMarker, 0);
    EXPECT_EQ(list[3].weighedMarker, 0);
    EXPECT_EQ(list[4].weighedMarker, 12);
}
