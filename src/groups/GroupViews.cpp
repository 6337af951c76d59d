#include "groups/GroupViews.h"

#include "groups/GroupLevels.h"

#include <QComboBox>
#include <QTreeWidget>

namespace parvela::groups {

namespace {

constexpr int kCodeColumn = 1;

template <typename Group> int fillCombo(QComboBox& combo, const std::vector<Group>& list) {
    combo.clear();
    for (const Group& group : list)
        combo.addItem(group.wideName);
    return combo.count();
}

template <typename Group> void fillListView(QTreeWidget& view, const std::vector<Group>& list) {
    view.clear();
    view.setColumnCount(3);
    view.setHeaderLabels({QStringLiteral("Id"), QStringLiteral("Kod"), QStringLiteral("Grup Adı")});
    // The numbers narrow, so the names show whole.
    view.setColumnWidth(0, 40);
    view.setColumnWidth(1, 70);
    for (const Group& group : list) {
        view.addTopLevelItem(new QTreeWidgetItem(QStringList{QString::asprintf("%d", group.Id),
                                                             QString::asprintf("%d", codeOf(group)),
                                                             group.wideName}));
    }
}

} // namespace

int fillGroupCombo(QComboBox& combo, const std::vector<GroupA>& list) {
    return fillCombo(combo, list);
}
int fillGroupCombo(QComboBox& combo, const std::vector<GroupB>& list) {
    return fillCombo(combo, list);
}
int fillGroupCombo(QComboBox& combo, const std::vector<GroupC>& list) {
    return fillCombo(combo, list);
}

void fillGroupAListView(QTreeWidget& view, const std::vector<GroupA>& allGroupA) {
    fillListView(view, allGroupA);
}
void fillGroupBListView(QTreeWidget& view, const std::vector<GroupB>& allGroupB) {
    fillListView(view, allGroupB);
}
void fillGroupListView(QTreeWidget& view, const std::vector<GroupA>& list) {
    fillListView(view, list);
}
void fillGroupListView(QTreeWidget& view, const std::vector<GroupB>& list) {
    fillListView(view, list);
}
void fillGroupListView(QTreeWidget& view, const std::vector<GroupC>& list) {
    fillListView(view, list);
}

int codeOfLine(const QTreeWidget& view, int line) {
    const QTreeWidgetItem* item = view.topLevelItem(line);
    return item ? item->text(kCodeColumn).toInt() : -1;
}

} // namespace parvela::groups
