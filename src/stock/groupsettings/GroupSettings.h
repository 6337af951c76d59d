#pragma once

#include "records/Geometry.h"
#include "records/StockDefinition.h"

#include <QString>
#include <functional>
#include <vector>

class QObject;

namespace parvela::groups {
struct GroupC;
}

namespace parvela::stock {

struct StockBrowserState;
struct StockContext;

// What "Grup/Menü Ayarları" changes at once for every product of a group:
// the group is the current group context (its level mark says which level
// it names), and the forms that have one act on the products marked in the
// stock window instead. The discount and the price times act on the
// products the stock window lists. Each setting writes at once; where it
// says so, the products are read again and the stock window is told.
class GroupSettings {
public:
    GroupSettings(StockContext& context, StockBrowserState& browser,
                  std::function<void()> listChanged);

    // "Grup A", "Grup B" or "Grup C"; empty for no level.
    QString levelName() const;
    QString groupName() const;

    void setDayMenu(bool dayMenu);
    void setBackColour(records::Rgb colour);
    void setFontColour(records::Rgb colour);
    void setDepartment(int departmentId);
    // False when the statement failed; the products are then not read again.
    bool setUnit(const QString& unit);
    void setStockType(int type);
    // The rate as typed; a text that is no whole number is refused with a box.
    void setKdv(const QString& typed, QObject* owner);
    void setDiscount(const QString& typedPercent, QObject* owner);
    void deleteAllDiscounts(QObject* owner);
    void resetPriceTimes();

    // Reads the products again, builds the stock window's list again and
    // tells the stock window.
    void refresh();

private:
    const groups::GroupC& group() const;
    int groupCode() const;
    std::vector<StockCode> markedCodes() const;
    std::vector<StockDefinition*> listedProducts() const;
    std::vector<StockCode> codesOfGroup() const;
    void runForGroup(const char* tag, const std::string& set) const;
    // A column the marked products or else the whole group get, with the
    // tags of the two forms.
    struct Column {
        const char* name;
        const char* markedTag;
        const char* groupTag;
    };
    void setForMarkedOrGroup(const Column& column, int value);

    StockContext& m_context;
    StockBrowserState& m_browser;
    std::function<void()> m_listChanged;
};

} // namespace parvela::stock
