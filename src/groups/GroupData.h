#pragma once

#include "groups/GroupLevels.h"
#include "groups/GroupRecords.h"

#include <array>
#include <string>
#include <vector>

namespace parvela::db {
class StatementRunner;
}

namespace parvela::groups {

// The Group A, B and C lists every screen reads, and the statements that
// read and write the groups. Failures are shown under the operation's tag
// by the runner; the operation then returns -1.
class GroupData {
public:
    static constexpr int kFailed = -1;
    // linkedStockCount for a level other than 1, 2 or 3.
    static constexpr int kNoSuchLevel = -4;

    explicit GroupData(const db::StatementRunner& runner)
        : m_runner(runner) {}

    // Readers return the number of rows in the list. A failed read keeps the
    // rows read before it. Group A goes first, then B, then C: the parent
    // names are looked up in the lists already read.
    int readGroupA();
    int readGroupB();
    // Ordered by Id, into a list of the caller's (the digital menu's).
    int readGroupBById(std::vector<GroupB>& target) const;
    int readGroupC();

    const std::vector<GroupA>& allGroupA() const { return m_allA; }
    const std::vector<GroupB>& allGroupB() const { return m_allB; }
    const std::vector<GroupC>& allGroupC() const { return m_allC; }

    // The main screen's lists; it sets their `selected` flags.
    std::vector<GroupA>& screenA() { return m_screenA; }
    std::vector<GroupB>& screenB() { return m_screenB; }
    std::vector<GroupC>& screenC() { return m_screenC; }
    const std::vector<GroupA>& screenA() const { return m_screenA; }
    const std::vector<GroupB>& screenB() const { return m_screenB; }
    const std::vector<GroupC>& screenC() const { return m_screenC; }
    void resetScreenA() { m_screenA = m_allA; }
    void resetScreenB() { m_screenB = m_allB; }
    void resetScreenC() { m_screenC = m_allC; }

    // The same for the level of a record type.
    template <typename Group> const std::vector<Group>& all() const;
    template <typename Group> std::vector<Group>& screen();
    template <typename Group> const std::vector<Group>& screen() const {
        return const_cast<GroupData*>(this)->screen<Group>();
    }
    template <typename Group> int read();
    template <typename Group> void resetScreen() { screen<Group>() = all<Group>(); }
    // Deletes the group by its Id; the group's code, or -1.
    template <typename Group> int remove(const Group& group) const;

    // Writers return the group's code, or -1. Updates never change the code.
    int insertGroupA(const GroupA& group) const;
    int insertGroupB(const GroupB& group) const;
    int insertGroupC(const GroupC& group) const;
    int updateGroupA(const GroupA& group) const;
    int updateGroupB(const GroupB& group) const;
    int updateGroupC(const GroupC& group) const;
    int deleteGroupA(const GroupA& group) const { return remove(group); }
    int deleteGroupB(const GroupB& group) const { return remove(group); }
    int deleteGroupC(const GroupC& group) const { return remove(group); }

    // The names of the Group A, B and C with these codes; empty where the
    // code is 0 or no group has it.
    std::array<QString, 3> namesOf(int acode, int bcode, int ccode) const;

    // The number of stocks filed under the group of `level` (1 A, 2 B, 3 C).
    int linkedStockCount(int code, int level) const;
    int linkedStockCount(int code, GroupLevel level) const {
        return linkedStockCount(code, static_cast<int>(level));
    }

    // The till button colours of a Group B: the old row goes, the new one
    // is inserted.
    void writeBackColour(const GroupB& group) const;
    void writeFontColour(const GroupB& group) const;

private:
    int removeById(const char* tag, const char* table, int Id, int code) const;
    int readGroupBInto(std::vector<GroupB>& target, const std::string& statement) const;

    const db::StatementRunner& m_runner;
    std::vector<GroupA> m_allA;
    std::vector<GroupB> m_allB;
    std::vector<GroupC> m_allC;
    std::vector<GroupA> m_screenA;
    std::vector<GroupB> m_screenB;
    std::vector<GroupC> m_screenC;
};

template <> inline const std::vector<GroupA>& GroupData::all<GroupA>() const {
    return m_allA;
}
template <> inline const std::vector<GroupB>& GroupData::all<GroupB>() const {
    return m_allB;
}
template <> inline const std::vector<GroupC>& GroupData::all<GroupC>() const {
    return m_allC;
}
template <> inline std::vector<GroupA>& GroupData::screen<GroupA>() {
    return m_screenA;
}
template <> inline std::vector<GroupB>& GroupData::screen<GroupB>() {
    return m_screenB;
}
template <> inline std::vector<GroupC>& GroupData::screen<GroupC>() {
    return m_screenC;
}
template <> inline int GroupData::read<GroupA>() {
    return readGroupA();
}
template <> inline int GroupData::read<GroupB>() {
    return readGroupB();
}
template <> inline int GroupData::read<GroupC>() {
    return readGroupC();
}

template <typename Group> int GroupData::remove(const Group& group) const {
    using Traits = GroupTraits<Group>;
    return removeById(Traits::deleteTag, Traits::table, group.Id, codeOf(group));
}

} // namespace parvela::groups
