#pragma once

#include "stock/groupsettings/StockGroupPick.h"

#include <QDialog>

class QLabel;
class QTreeWidget;

namespace parvela::stock {

// "STOGUN GRUBU": three linked lists of the Group A, B and C rows; the
// caller files the product or products under what was picked once the
// dialog is accepted ("Kaydet"). "İptal" changes nothing.
class StockGroupDialog : public QDialog {
    Q_OBJECT
public:
    StockGroupDialog(StockGroupPick& pick, platform::MessageBoxes& boxes, QWidget* owner);

private:
    QTreeWidget* addList(const char* id, int column);
    QLabel* addPicked(const char* id, int column);
    void showLists();
    void save();

    StockGroupPick& m_pick;
    platform::MessageBoxes& m_boxes;
    std::array<QTreeWidget*, 3> m_lists{};
    std::array<QLabel*, 3> m_picked{};
};

} // namespace parvela::stock
