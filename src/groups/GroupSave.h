#pragma once

#include "groups/GroupForm.h"
#include "groups/GroupRecords.h"

#include <optional>

// What the group dialogs 130, 131 and 132 do with what the user filled in:
// the checks and their boxes, the statements in order, the lists read again
// and the main window redrawn.
namespace parvela::groups {

// The selected Group A a new Group B goes under; when none, the user is told.
std::optional<GroupA> parentForNewGroupB(const GroupDialogContext& context);
// The selected Group B a new Group C goes under; when none, the user is told.
std::optional<GroupB> parentForNewGroupC(const GroupDialogContext& context);
// The selected group of that level; when none, the user is told.
template <typename Group> std::optional<Group> groupToEdit(const GroupDialogContext& context);

// Each returns false when a box sent the user back to the form, true when
// the statements were issued (a failing one is reported by the runner and
// the lists are read again all the same).
bool saveNewGroupA(const GroupDialogContext& context, const GroupForm& form);
bool saveNewGroupB(const GroupDialogContext& context, const GroupForm& form, const GroupA& parent);
bool saveNewGroupC(const GroupDialogContext& context, const GroupForm& form, const GroupB& parent);
bool saveEditedGroupA(const GroupDialogContext& context, const GroupForm& form,
                      const GroupA& edited);
// The products of the group follow it to the Group A of the form.
bool saveEditedGroupB(const GroupDialogContext& context, const GroupForm& form,
                      const GroupB& edited, const ChosenColours& colours);
// The products follow it to the Group B of the form and to that B's Group A.
bool saveEditedGroupC(const GroupDialogContext& context, const GroupForm& form,
                      const GroupC& edited);

} // namespace parvela::groups
