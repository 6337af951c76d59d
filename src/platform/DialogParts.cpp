#include "platform/DialogParts.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <algorithm>

namespace parvela::platform {

QPushButton* namedButton(const QString& caption, const char* id, QWidget* parent) {
    auto* pushButton = new QPushButton(caption, parent);
    pushButton->setObjectName(QString::fromLatin1(id));
    pushButton->setAutoDefault(false);
    return pushButton;
}

QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons) {
    return buttonRow({}, buttons);
}

QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> left,
                       std::initializer_list<QPushButton*> right) {
    auto* row = new QHBoxLayout;
    for (QPushButton* button : left)
        row->addWidget(button);
    row->addStretch();
    for (QPushButton* button : right)
        row->addWidget(button);
    return row;
}

QTreeWidget* listView(const char* id, const QStringList& headings, const std::vector<int>& widths,
                      QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QString::fromLatin1(id));
    list->setHeaderLabels(headings);
    list->setRootIsDecorated(false);
    list->setAllColumnsShowFocus(true);
    const QFontMetrics metrics(list->header()->font());
    int total = 0;
    for (std::size_t column = 0; column < widths.size(); ++column) {
        const int width =
            std::max(widths[column],
                     metrics.horizontalAdvance(headings.value(static_cast<int>(column))) + 16);
        list->setColumnWidth(static_cast<int>(column), width);
        total += width;
    }
    // Room for the vertical bar too, so the columns never need a horizontal one.
    list->setMinimumSize(
        total + 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width() + 4, 140);
    return list;
}

} // namespace parvela::platform
