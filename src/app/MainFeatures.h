#pragma once

#include "groups/GroupLevel.h"
#include "records/ProductList.h"

#include <vector>

class QWidget;

namespace parvela::app {

using groups::GroupLevel;

// The windows and commands of other features that the main window starts.

// Dialogs of the category tree and the set menus.
class GroupDialogs {
public:
    virtual ~GroupDialogs() = default;
    virtual void addGroup(GroupLevel level, QWidget* owner) = 0;
    virtual void editGroup(GroupLevel level, QWidget* owner) = 0;
    // The fixed-price set menus of three or four courses.
    virtual void setMenu(int courses, QWidget* owner) = 0;
};

// The two ordering windows; each returns the window it opened, if any.
class OrderingWindows {
public:
    virtual ~OrderingWindows() = default;
    virtual QWidget* openMenuOrdering(QWidget* owner) = 0;
    virtual QWidget* openProductOrdering(QWidget* owner) = 0;
};

// The weighing scales.
class ScaleCommands {
public:
    virtual ~ScaleCommands() = default;
    virtual void defineScales(QWidget* owner) = 0;
    virtual void sendToScales(QWidget* owner) = 0;
};

// Transfer files, uploads and HTML pages.
class PublishCommands {
public:
    virtual ~PublishCommands() = default;
    virtual void sendToBranches(QWidget* owner) = 0;
    virtual void writeDigitalMenu(QWidget* owner) = 0;
    virtual void writeAndUploadMenu(QWidget* owner) = 0;
    // The price list of what the stock window lists.
    virtual void writeWeighedPriceList(const stock::ProductList& listed, QWidget* owner) = 0;
    // The publishing runs so far.
    virtual void showHistory(QWidget* owner) = 0;
};

// The delivery platform's spreadsheets.
class SheetCommands {
public:
    virtual ~SheetCommands() = default;
    // "YemekSepeti Menü": new products from the platform's menu sheet.
    virtual void importDeliveryMenu(QWidget* owner) = 0;
    // "Excel'e Aktar": the catalogue in the platform's product table.
    virtual void exportDeliverySheet(QWidget* owner) = 0;
};

// "Katalog Kontrolü": what in the catalogue is wrong, before it goes out.
class CheckCommands {
public:
    virtual ~CheckCommands() = default;
    virtual void checkCatalogue(QWidget* owner) = 0;
};

struct MainFeatures {
    GroupDialogs& groups;
    OrderingWindows& ordering;
    ScaleCommands& scales;
    PublishCommands& publish;
    SheetCommands& sheets;
    CheckCommands& checks;
};

} // namespace parvela::app
