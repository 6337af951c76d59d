#pragma once

#include "records/Geometry.h"
#include "records/StockDefinition.h"
#include "stock/catalogue/StockFeatures.h"

#include <QString>
#include <functional>
#include <vector>

class QObject;

namespace parvela::groups {
struct GroupC;
}

namespace parvela::stock {

struct StockContext;

// What "Grup/Menü Ayarları" changes at once for every product of a group:
// the group is the current group context (its level mark says which level
// it names), and the forms that have one act on the marked products
// instead. The discount and the price times act on the listed products.
// Which products those are is asked for by code each time a setting runs,
// and the products of the group are those of the newest catalogue then.
// Each setting writes at once and publishes what it changed; the whole
// catalogue is read again in the background.
class GroupSettings {
public:
    // Without `listedNow` the listed products are the group's own and none is marked.
    GroupSettings(StockContext& context, std::function<ListedCodes()> listedNow);

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

private:
    const groups::GroupC& group() const;
    int groupCode() const;
    ListedCodes listedNow() const;
    std::vector<StockCode> codesOfGroup() const;
    // The products' rows as the server took them, at once; the rest with the next read.
    void publish(const std::vector<StockCode>& codes,
                 const std::function<void(StockDefinition&)>& change);
    void readColoursAgain();
    // True when the statement went through.
    bool runForGroup(const char* tag, const std::string& set) const;
    // A column the marked products or else the whole group get, with the
    // tags of the two forms.
    struct Column {
        const char* name;
        const char* markedTag;
        const char* groupTag;
    };
    void setForMarkedOrGroup(const Column& column, int value,
                             const std::function<void(StockDefinition&)>& change);

    StockContext& m_context;
    std::function<ListedCodes()> m_listedNow;
};

} // namespace parvela::stock
