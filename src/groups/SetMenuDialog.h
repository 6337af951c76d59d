#pragma once

#include "groups/SetMenu.h"

#include <QDialog>
#include <vector>

class QLineEdit;
class QTreeWidget;

namespace parvela::groups {

// Dialogs 150 (three courses) and 151 (four): the set menu's price and the
// Group B pages of each course. Every button writes at once, then the dialog
// shows what the server holds.
class SetMenuDialog : public QDialog {
    Q_OBJECT
public:
    SetMenuDialog(int courses, const db::StatementRunner& runner,
                  const std::vector<GroupB>& allGroupB, platform::MessageBoxes& boxes,
                  QWidget* parent);

private:
    QWidget* buildCourse(int number);
    void savePrice();
    void addSelected(int number);
    void resetCourse(int number);
    void reread();
    void fillCourse(int number);

    SetMenu m_menu;
    const std::vector<GroupB>& m_allGroupB;
    platform::MessageBoxes& m_boxes;
    QLineEdit* m_price = nullptr;
    std::vector<QTreeWidget*> m_courseViews;
};

} // namespace parvela::groups
