#pragma once

#include "groups/GroupRecords.h"

#include <vector>

class QComboBox;
class QTreeWidget;

// Group lists put into the controls of the dialogs.
namespace parvela::groups {

// Empties the combo box, then adds each row's name in list order; the count.
int fillGroupCombo(QComboBox& combo, const std::vector<GroupA>& list);
int fillGroupCombo(QComboBox& combo, const std::vector<GroupB>& list);
int fillGroupCombo(QComboBox& combo, const std::vector<GroupC>& list);

// Empties the list view, then one line per group: Id, code, name.
void fillGroupAListView(QTreeWidget& view, const std::vector<GroupA>& allGroupA);
void fillGroupBListView(QTreeWidget& view, const std::vector<GroupB>& allGroupB);
// The same for any level's list.
void fillGroupListView(QTreeWidget& view, const std::vector<GroupA>& list);
void fillGroupListView(QTreeWidget& view, const std::vector<GroupB>& list);
void fillGroupListView(QTreeWidget& view, const std::vector<GroupC>& list);

// The code column of a line of such a list view.
int codeOfLine(const QTreeWidget& view, int line);

} // namespace parvela::groups
