#include "recipes/LineViews.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace parvela::recipes {

namespace {

constexpr int kHeadingMargin = 24;

} // namespace

QLabel* idLabel(QWidget* parent, const char* id, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(id));
    return label;
}

QLineEdit* idEdit(QWidget* parent, const char* id, const QString& text) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(QString::fromLatin1(id));
    return edit;
}

QTreeWidget* idList(QWidget* parent, const char* id, const QStringList& headings) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QString::fromLatin1(id));
    list->setRootIsDecorated(false);
    list->setAllColumnsShowFocus(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHeaderLabels(headings);
    const QFontMetrics metrics = list->header()->fontMetrics();
    for (int column = 0; column < headings.size(); ++column)
        list->setColumnWidth(column, metrics.horizontalAdvance(headings[column]) + kHeadingMargin);
    return list;
}

void fillRows(QTreeWidget& list, const std::vector<QStringList>& rows, int current) {
    list.clear();
    for (const QStringList& row : rows)
        list.addTopLevelItem(new QTreeWidgetItem(row));
    if (current >= 0 && current < list.topLevelItemCount())
        list.setCurrentItem(list.topLevelItem(current));
}

int selectedRow(const QTreeWidget& list) {
    const QList<QTreeWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? -1 : list.indexOfTopLevelItem(selected.front());
}

} // namespace parvela::recipes
