#pragma once

#include "records/Catalogue.h"
#include "stock/groupsettings/GroupSettings.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QTreeWidget;

namespace parvela::stock {

// "Grup/Menü Ayarları": each button applies its setting at once through
// GroupSettings; there is nothing to save and no undo.
class GroupSettingsDialog : public QDialog {
    Q_OBJECT
public:
    // `lastColour` is where the colour dialog starts, and keeps the colour
    // last chosen for the next time.
    GroupSettingsDialog(GroupSettings& settings, const Catalogue& lists, records::Rgb& lastColour,
                        QWidget* owner);

private:
    QWidget* createHeading();
    QWidget* createDayMenu();
    QWidget* createColours();
    QWidget* createDepartments(const Catalogue& lists);
    QWidget* createUnits(const Catalogue& lists);
    QWidget* createStockTypes();
    QWidget* createNumbers();
    QWidget* createButtons();
    void chooseColour(bool back);

    GroupSettings& m_settings;
    records::Rgb& m_lastColour;
    QCheckBox* m_dayMenu = nullptr;
    QCheckBox* m_notDayMenu = nullptr;
    QTreeWidget* m_departments = nullptr;
    QTreeWidget* m_units = nullptr;
    QButtonGroup* m_types = nullptr;
    QLineEdit* m_kdv = nullptr;
    QLineEdit* m_discount = nullptr;
};

} // namespace parvela::stock
