#pragma once

#include "records/Geometry.h"
#include "records/StockDefinition.h"
#include "stock/catalogue/BulkChange.h"
#include "stock/catalogue/StockFeatures.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

class QObject;

namespace parvela::groups {
struct GroupC;
}
namespace parvela::db {
class StatementRunner;
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

    // Each "Set" asks first, naming itself and how many products it will
    // change ("Hayır" the default), writes in one change (all or nothing,
    // journalled) off the window thread behind the progress dialog, and says
    // how many products the server matched; "İptal" takes the change back
    // whole and says so. After a failure or a cancel the catalogue is read
    // again.
    // True when written.
    bool setDayMenu(bool dayMenu, QObject* owner = nullptr);
    void setBackColour(records::Rgb colour, QObject* owner = nullptr);
    void setFontColour(records::Rgb colour, QObject* owner = nullptr);
    void setDepartment(int departmentId, QObject* owner = nullptr);
    // False when refused or when the statement failed.
    bool setUnit(const QString& unit, QObject* owner = nullptr);
    void setStockType(int type, QObject* owner = nullptr);
    // The rate as typed; a text that is no whole number is refused with a box.
    void setKdv(const QString& typed, QObject* owner);
    void setDiscount(const QString& typedPercent, QObject* owner);
    void deleteAllDiscounts(QObject* owner);
    void resetPriceTimes(QObject* owner = nullptr);

private:
    const groups::GroupC& group() const;
    int groupCode() const;
    ListedCodes listedNow() const;
    std::vector<StockCode> codesOfGroup() const;
    // The products' rows as the server took them, at once; the rest with the next read.
    void publish(const std::vector<StockCode>& codes,
                 const std::function<void(StockDefinition&)>& change);
    void readColoursAgain();
    // " WHERE stckdef.<level column>=<code>;" of the context's group.
    std::string groupWhere() const;
    // The rows the statement matched, or -1 when it failed.
    static std::int64_t matchedBy(const db::StatementRunner& runner, const char* tag,
                                  const std::string& text);
    bool confirm(const QString& command, std::size_t products, QObject* owner) const;
    // A bulk change: its first statement's tag, its caption (asked, journalled
    // and told under it) and what it does to a product of the catalogue.
    struct Change {
        const char* tag;
        QString caption;
        std::function<void(StockDefinition&)> publishChange;
    };
    // The statements of a change on the runner given (the worker's): the rows
    // they matched, or -1 on a failure.
    using Write = std::function<std::int64_t(const db::StatementRunner&)>;
    // Asks, then runs `write` as one change behind the progress dialog and
    // says how it ended. True when written.
    bool run(const Change& change, const std::vector<StockCode>& codes,
             const std::vector<ProductRows>& tables, const Write& write, QObject* owner);
    // Runs `write` as one change behind the progress dialog; the rows it
    // matched, or -1 when it failed or was cancelled (then said so).
    std::int64_t runChange(const Change& change, const std::vector<StockCode>& codes,
                           const std::vector<ProductRows>& tables, const Write& write,
                           QObject* owner);
    // Publishes and tells the count, or reads everything again after a failure (-1).
    void finish(const Change& change, const std::vector<StockCode>& codes, std::int64_t matched,
                QObject* owner);
    // A column the marked products or else the whole group get, with the
    // tags of the two forms.
    struct Column {
        const char* name;
        const char* markedTag;
        const char* groupTag;
    };
    bool setForMarkedOrGroup(const Column& column, int value, const Change& change, QObject* owner);

    StockContext& m_context;
    std::function<ListedCodes()> m_listedNow;
};

} // namespace parvela::stock
