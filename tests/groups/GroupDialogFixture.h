#pragma once

#include "JournaledDatabaseTest.h"
#include "groups/GroupData.h"
#include "groups/GroupForm.h"

#include <QString>
#include <initializer_list>

namespace parvela::test {

// The group lists and their runner on the test server, with the journal of
// what was issued and counts of what the dialogs asked the program to do.
class GroupDialogFixture : public JournaledDatabaseTest {
protected:
    // The lists as the start-up reads them; the journal starts afterwards.
    void readGroups() {
        m_data.readGroupA();
        m_data.resetScreenA();
        m_data.readGroupB();
        m_data.resetScreenB();
        m_data.readGroupC();
        m_data.resetScreenC();
        m_journal.clear();
    }

    static groups::GroupForm form(const QString& name, std::initializer_list<int> ticked = {},
                                  const QString& code = {}, bool posmenu = false) {
        groups::GroupForm made;
        made.name = name;
        made.tickedTypes = ticked;
        made.codeText = code;
        made.posmenu = posmenu;
        return made;
    }

    groups::GroupData m_data{m_runner};
    int m_redraws = 0;
    int m_productReads = 0;
    groups::GroupDialogContext m_context{m_data,
                                         m_runner,
                                         m_boxes,
                                         nullptr,
                                         [this] { ++m_redraws; },
                                         [this] {
                                             ++m_productReads;
                                         }};
};

} // namespace parvela::test
