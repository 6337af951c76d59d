#pragma once

#include "groups/GroupForm.h"
#include "groups/GroupLevel.h"
#include "groups/GroupRecords.h"

#include <QDialog>
#include <functional>
#include <map>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QTreeWidget;

namespace parvela::groups {

// Dialogs 130, 131 and 132: a Group A, B or C added or edited. It moves
// values between its controls (named by their ids) and the save it is given.
class GroupDialog : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Add, Edit };
    // False keeps the form as it is; true clears it (add) or closes (edit).
    using Save = std::function<bool(const GroupForm&, const ChosenColours&)>;

    GroupDialog(GroupLevel level, Mode mode, QWidget* parent);

    // The group edited, or the parent a new group goes under (empty name).
    void showGroup(const QString& name, bool posmenu, int tur, int code, const QString& parentName);
    // The lines the user may move the group under; a click takes the line.
    void offerParents(const std::vector<GroupA>& allGroupA);
    void offerParents(const std::vector<GroupB>& allGroupB);
    // The till colour buttons, starting from the colours last chosen.
    void offerColours(LastGroupColours& last);
    void setSave(Save save) { m_save = std::move(save); }

    GroupForm form() const;

protected:
    bool event(QEvent* event) override;

private:
    void build(GroupLevel level, Mode mode);
    QWidget* buildTypes(bool subMenu);
    QWidget* buildColours();
    void takeParentLine(int line);
    void chooseColour(bool back);
    void paintSample();
    void save();
    void clearForm();

    Mode m_mode;
    QLineEdit* m_name = nullptr;
    QCheckBox* m_posmenu = nullptr;
    QLabel* m_code = nullptr;
    QLabel* m_parentName = nullptr;
    QTreeWidget* m_parents = nullptr;
    QWidget* m_colourBox = nullptr;
    QLabel* m_sample = nullptr;
    QButtonGroup* m_types = nullptr;
    std::map<int, int> m_typeOfRadio;
    LastGroupColours* m_lastColours = nullptr;
    ChosenColours m_chosen;
    Save m_save;
};

} // namespace parvela::groups
