#pragma once

#include "groups/GroupLevel.h"
#include "groups/GroupRecords.h"

#include <type_traits>

// What differs between the three levels of the category tree, so that the
// logic that is the same for all of them is written once.
namespace parvela::groups {

template <typename Group> struct GroupTraits;

template <> struct GroupTraits<GroupA> {
    static constexpr GroupLevel level = GroupLevel::A;
    static constexpr int GroupA::*code = &GroupA::acode;
    static constexpr const char* table = "classa";
    static constexpr const char* stockColumn = "gra";
    static constexpr const char* deleteTag = "DELETE_GRUP_A";
    static constexpr const char* noneSelected = "Herhangi bir A grubu seçilmedi";
};

template <> struct GroupTraits<GroupB> {
    static constexpr GroupLevel level = GroupLevel::B;
    static constexpr int GroupB::*code = &GroupB::bcode;
    static constexpr const char* table = "classb";
    static constexpr const char* stockColumn = "grb";
    static constexpr const char* deleteTag = "DELETE_GRUP_B";
    static constexpr const char* noneSelected = "Herhangi bir B Grubu seçilmedi";
};

template <> struct GroupTraits<GroupC> {
    static constexpr GroupLevel level = GroupLevel::C;
    static constexpr int GroupC::*code = &GroupC::ccode;
    static constexpr const char* table = "classc";
    static constexpr const char* stockColumn = "grc";
    static constexpr const char* deleteTag = "DELETE_GRUP_C";
    static constexpr const char* noneSelected = "Herhangi bir C grubu seçilmedi";
};

template <typename Group> int codeOf(const Group& group) {
    return group.*GroupTraits<Group>::code;
}

// Calls `f` with the record type of the level, as std::type_identity<Group>.
template <typename F> decltype(auto) withGroupType(GroupLevel level, F&& f) {
    switch (level) {
    case GroupLevel::A:
        return f(std::type_identity<GroupA>{});
    case GroupLevel::B:
        return f(std::type_identity<GroupB>{});
    case GroupLevel::C:
        break;
    }
    return f(std::type_identity<GroupC>{});
}

} // namespace parvela::groups
