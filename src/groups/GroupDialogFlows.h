#pragma once

#include "groups/GroupForm.h"
#include "groups/GroupLevel.h"

class QWidget;

// Dialogs 130-132 from the opening check to the last save. Each returns
// when its dialog is closed, or at once when there is nothing to open it on.
namespace parvela::groups {

void runAddGroupDialog(GroupLevel level, const GroupDialogContext& context, QWidget* owner);
void runEditGroupDialog(GroupLevel level, const GroupDialogContext& context,
                        LastGroupColours& colours, QWidget* owner);

} // namespace parvela::groups
