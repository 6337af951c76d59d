#include "groups/GroupDialogFlows.h"

#include "groups/GroupData.h"
#include "groups/GroupDialog.h"
#include "groups/GroupLookups.h"
#include "groups/GroupSave.h"

namespace parvela::groups {

namespace {

using Mode = GroupDialog::Mode;

std::optional<GroupA> parentFor(const GroupDialogContext& context, std::type_identity<GroupB>) {
    return parentForNewGroupB(context);
}
std::optional<GroupB> parentFor(const GroupDialogContext& context, std::type_identity<GroupC>) {
    return parentForNewGroupC(context);
}

bool saveNew(const GroupDialogContext& context, const GroupForm& form, const GroupA& parent) {
    return saveNewGroupB(context, form, parent);
}
bool saveNew(const GroupDialogContext& context, const GroupForm& form, const GroupB& parent) {
    return saveNewGroupC(context, form, parent);
}

template <typename Child> void runAddChild(const GroupDialogContext& context, QWidget* owner) {
    auto parent = parentFor(context, std::type_identity<Child>{});
    if (!parent)
        return;
    GroupDialog dialog(GroupTraits<Child>::level, Mode::Add, owner);
    dialog.showGroup({}, false, parent->tur, codeOf(*parent), parent->wideName);
    dialog.setSave([&](const GroupForm& form, const ChosenColours&) {
        if (!saveNew(context, form, *parent))
            return false;
        // The next group goes under the parent as the main screen has it now.
        using Parent = std::remove_reference_t<decltype(*parent)>;
        if (const Parent* again = selectedOf(context.groups.screen<Parent>()))
            *parent = *again;
        return true;
    });
    dialog.exec();
}

void runAddA(const GroupDialogContext& context, QWidget* owner) {
    GroupDialog dialog(GroupLevel::A, Mode::Add, owner);
    dialog.setSave(
        [&](const GroupForm& form, const ChosenColours&) { return saveNewGroupA(context, form); });
    dialog.exec();
}

void show(GroupDialog& dialog, const GroupA& group) {
    dialog.showGroup(group.wideName, group.posmenu, group.tur, group.acode, {});
}
void show(GroupDialog& dialog, const GroupB& group) {
    dialog.showGroup(group.wideName, group.posmenu, group.tur, group.acode, group.parentWideName);
}
void show(GroupDialog& dialog, const GroupC& group) {
    dialog.showGroup(group.wideName, group.posmenu, group.tur, group.bcode, group.bWideName);
}

bool saveEdited(const GroupDialogContext& context, const GroupForm& form, const GroupA& group,
                const ChosenColours&) {
    return saveEditedGroupA(context, form, group);
}
bool saveEdited(const GroupDialogContext& context, const GroupForm& form, const GroupB& group,
                const ChosenColours& colours) {
    return saveEditedGroupB(context, form, group, colours);
}
bool saveEdited(const GroupDialogContext& context, const GroupForm& form, const GroupC& group,
                const ChosenColours&) {
    return saveEditedGroupC(context, form, group);
}

void offerParents(GroupDialog&, const GroupData&, const GroupA&) {}
void offerParents(GroupDialog& dialog, const GroupData& groups, const GroupB&) {
    dialog.offerParents(groups.allGroupA());
}
void offerParents(GroupDialog& dialog, const GroupData& groups, const GroupC&) {
    dialog.offerParents(groups.allGroupB());
}

} // namespace

void runAddGroupDialog(GroupLevel level, const GroupDialogContext& context, QWidget* owner) {
    switch (level) {
    case GroupLevel::A:
        return runAddA(context, owner);
    case GroupLevel::B:
        return runAddChild<GroupB>(context, owner);
    case GroupLevel::C:
        return runAddChild<GroupC>(context, owner);
    }
}

void runEditGroupDialog(GroupLevel level, const GroupDialogContext& context,
                        LastGroupColours& colours, QWidget* owner) {
    withGroupType(level, [&](auto type) {
        using Group = typename decltype(type)::type;
        const std::optional<Group> group = groupToEdit<Group>(context);
        if (!group)
            return;
        GroupDialog dialog(level, Mode::Edit, owner);
        show(dialog, *group);
        offerParents(dialog, context.groups, *group);
        dialog.offerColours(colours);
        dialog.setSave([&](const GroupForm& form, const ChosenColours& chosen) {
            return saveEdited(context, form, *group, chosen);
        });
        dialog.exec();
    });
}

} // namespace parvela::groups
