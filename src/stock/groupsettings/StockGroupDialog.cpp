#include "stock/groupsettings/StockGroupDialog.h"

#include "groups/GroupViews.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <functional>

namespace parvela::stock {

namespace {

// The list of one level, with the picked row (if any) selected.
template <typename Group, typename CodeOf>
void fill(QTreeWidget* list, const std::vector<Group>& groups, int picked, CodeOf codeOf) {
    const QSignalBlocker quiet(list);
    groups::fillGroupListView(*list, groups);
    for (std::size_t row = 0; row < groups.size(); ++row)
        if (picked > 0 && codeOf(groups[row]) == picked)
            list->setCurrentItem(list->topLevelItem(static_cast<int>(row)));
}

} // namespace

StockGroupDialog::StockGroupDialog(StockGroupPick& pick, platform::MessageBoxes& boxes,
                                   QWidget* owner)
    : QDialog(owner)
    , m_pick(pick)
    , m_boxes(boxes) {
    setObjectName(QStringLiteral("133"));
    setWindowTitle(QStringLiteral("STOGUN GRUBU"));
    auto* layout = new QGridLayout(this);
    const char* headings[] = {"Grup A", "Grup B", "Grup C"};
    const char* listIds[] = {"1027", "1029", "1031"};
    const char* pickedIds[] = {"1033", "1035", "1037"};
    for (int column = 0; column < 3; ++column) {
        layout->addWidget(new QLabel(QString::fromUtf8(headings[column]), this), 0, column);
        m_lists[static_cast<std::size_t>(column)] = addList(listIds[column], column);
        m_picked[static_cast<std::size_t>(column)] = addPicked(pickedIds[column], column);
    }
    auto* save = new QPushButton(QStringLiteral("Kaydet"), this);
    save->setObjectName(QStringLiteral("1"));
    save->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("İptal"), this);
    cancel->setObjectName(QStringLiteral("2"));
    layout->addWidget(save, 3, 1);
    layout->addWidget(cancel, 3, 2);
    connect(save, &QPushButton::clicked, this, &StockGroupDialog::save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // Only a row the user selects counts: the row a list makes current when
    // it takes the focus picks nothing.
    const auto onPick = [this](std::size_t level, void (StockGroupPick::*choose)(int)) {
        QTreeWidget* list = m_lists[level];
        connect(list, &QTreeWidget::itemSelectionChanged, this, [this, list, choose] {
            const QList<QTreeWidgetItem*> selected = list->selectedItems();
            if (selected.isEmpty())
                return;
            // Not `(m_pick.*choose)(…)`: in a nested lambda GCC 12's UBSan
            // build reads `this` from the outer lambda's dead frame there.
            std::invoke(choose, m_pick, list->indexOfTopLevelItem(selected.front()));
            showLists();
        });
    };
    onPick(0, &StockGroupPick::pickA);
    onPick(1, &StockGroupPick::pickB);
    onPick(2, &StockGroupPick::pickC);
    fill(m_lists[0], m_pick.listA(), m_pick.acode(), [](const auto& g) { return g.acode; });
    showLists();
    resize(900, 480);
}

QTreeWidget* StockGroupDialog::addList(const char* id, int column) {
    auto* list = new QTreeWidget(this);
    list->setObjectName(QString::fromLatin1(id));
    list->setRootIsDecorated(false);
    list->setAllColumnsShowFocus(true);
    list->header()->setStretchLastSection(true);
    static_cast<QGridLayout*>(layout())->addWidget(list, 1, column);
    return list;
}

QLabel* StockGroupDialog::addPicked(const char* id, int column) {
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(id));
    label->setMinimumWidth(200);
    static_cast<QGridLayout*>(layout())->addWidget(label, 2, column);
    return label;
}

// The B and C lists follow the picks above them.
void StockGroupDialog::showLists() {
    fill(m_lists[1], m_pick.listB(), m_pick.bcode(), [](const auto& g) { return g.bcode; });
    fill(m_lists[2], m_pick.listC(), m_pick.ccode(), [](const auto& g) { return g.ccode; });
    for (std::size_t level = 0; level < 3; ++level)
        m_picked[level]->setText(m_pick.names()[level]);
}

void StockGroupDialog::save() {
    if (m_pick.mayFile(m_boxes, this))
        accept();
}

} // namespace parvela::stock
