#pragma once

#include "groups/GroupRecords.h"

#include <QString>

namespace parvela::test {

inline groups::GroupA groupA(int acode, const QString& name = {}) {
    groups::GroupA group;
    group.acode = acode;
    group.wideName = name;
    return group;
}

inline groups::GroupB groupB(int acode, int bcode, const QString& name = {}) {
    groups::GroupB group;
    group.acode = acode;
    group.bcode = bcode;
    group.wideName = name;
    return group;
}

inline groups::GroupC groupC(int acode, int bcode, int ccode, const QString& name = {}) {
    groups::GroupC group;
    group.acode = acode;
    group.bcode = bcode;
    group.ccode = ccode;
    group.wideName = name;
    return group;
}

} // namespace parvela::test
