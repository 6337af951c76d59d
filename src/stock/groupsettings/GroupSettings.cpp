#include "stock/groupsettings/GroupSettings.h"

#include "db/ChangeBehindProgress.h"
#include "db/FixedField.h"
#include "db/SqlFormat.h"
#include "db/SqlLiteral.h"
#include "db/StatementBatch.h"
#include "db/StatementRunner.h"
#include "db/TypedNumber.h"
#include "groups/GroupRecords.h"
#include "platform/BackgroundJobs.h"
#include "platform/BulkChangeBoxes.h"
#include "platform/MessageBoxes.h"
#include "records/CatalogueEdits.h"
#include "stock/catalogue/BulkChange.h"
#include "stock/catalogue/ProductUpserts.h"
#include "stock/catalogue/StockContext.h"
#include "stock/catalogue/StockListReaders.h"
#include "stock/editor/StockEditorForm.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <unordered_set>

namespace parvela::stock {

namespace {

using db::sqlf;

constexpr double kMaxKdv = 9999;
constexpr double kMaxDiscount = 999999.999;
// Products written between two looks at "İptal".
constexpr std::size_t kCancelBatch = 50;

// The column that files a product under the group of `level`.
const char* groupColumn(int level) {
    switch (level) {
    case 1:
        return "gra";
    case 2:
        return "grb";
    case 3:
        return "grc";
    default:
        return nullptr;
    }
}

int columnOf(const StockDefinition& p, int level) {
    return level == 1 ? p.gra : level == 2 ? p.grb : p.grc;
}

long long code64(StockCode code) {
    return static_cast<long long>(code);
}

// One statement per product, in the products' order.
template <typename Format>
std::vector<std::string> perProduct(const std::vector<StockCode>& codes, Format format) {
    std::vector<std::string> statements;
    statements.reserve(codes.size());
    for (StockCode code : codes)
        statements.push_back(format(code64(code)));
    return statements;
}

std::string priceTimesReset(long long code) {
    std::string text = "UPDATE prctimes SET ";
    for (int day = 1; day <= 6; ++day)
        text += sqlf("prctimes.day%d=0, prctimes.hour%dx=0, prctimes.hour%dy=0, ", day, day, day);
    text += "prctimes.day7=0, prctimes.hour7x=0, prctimes.hour7y=0 ";
    text += sqlf(" WHERE  prctimes.stcode=%lld;", code);
    return text;
}

} // namespace

GroupSettings::GroupSettings(StockContext& context, std::function<ListedCodes()> listedNow)
    : m_context(context)
    , m_listedNow(std::move(listedNow)) {}

const groups::GroupC& GroupSettings::group() const {
    return m_context.groupContext;
}

int GroupSettings::groupCode() const {
    const groups::GroupC& g = group();
    return g.levelMark == 1 ? g.acode : g.levelMark == 2 ? g.bcode : g.ccode;
}

QString GroupSettings::levelName() const {
    const int level = group().levelMark;
    return level >= 1 && level <= 3 ? QStringLiteral("Grup %1").arg(QChar(u'A' + level - 1))
                                    : QString();
}

QString GroupSettings::groupName() const {
    const groups::GroupC& g = group();
    switch (g.levelMark) {
    case 1:
        return g.aWideName;
    case 2:
        return g.bWideName;
    case 3:
        return g.wideName;
    default:
        return {};
    }
}

ListedCodes GroupSettings::listedNow() const {
    if (m_listedNow)
        return m_listedNow();
    return {codesOfGroup(), {}};
}

std::vector<StockCode> GroupSettings::codesOfGroup() const {
    std::vector<StockCode> codes;
    const int level = group().levelMark;
    if (groupColumn(level) == nullptr)
        return codes;
    const int code = groupCode();
    const CatalogueRef catalogue = m_context.catalogue.current();
    for (const StockDefinition& p : catalogue->products)
        if (columnOf(p, level) == code)
            codes.push_back(p.stcode);
    return codes;
}

std::string GroupSettings::groupWhere() const {
    return sqlf(" WHERE stckdef.%s=%d;", groupColumn(group().levelMark), groupCode());
}

bool GroupSettings::confirm(const QString& command, std::size_t products, QObject* owner) const {
    return platform::confirmBulkChange(m_context.boxes, command, products, owner);
}

void GroupSettings::publish(const std::vector<StockCode>& codes,
                            const std::function<void(StockDefinition&)>& change) {
    changeProducts(m_context.catalogue, codes, change);
    readAgainLater(m_context);
}

void GroupSettings::readColoursAgain() {
    std::vector<StockColour> colours;
    if (readColours(m_context.runner, colours) >= 0)
        m_context.catalogue.change(
            [&colours](Catalogue& next) { next.colours = std::move(colours); });
}

void GroupSettings::finish(const Change& change, const std::vector<StockCode>& codes,
                           std::int64_t matched, QObject* owner) {
    if (matched < 0) {
        // Nothing was written: the windows show what the server holds.
        readAgainLater(m_context);
        return;
    }
    publish(codes, change.publishChange);
    platform::tellBulkChanged(m_context.boxes, change.caption, static_cast<std::uint64_t>(matched),
                              owner);
}

// Asks, runs `write` as one change and says how many products it changed:
// `write` returns the products' rows it matched, or -1 on a failure.
bool GroupSettings::run(const Change& change, const std::vector<StockCode>& codes,
                        const std::vector<ProductRows>& tables, const Write& write,
                        QObject* owner) {
    if (!confirm(change.caption, codes.size(), owner))
        return false;
    const std::int64_t matched = runChange(change, codes, tables, write, owner);
    finish(change, codes, matched, owner);
    return matched >= 0;
}

std::int64_t GroupSettings::runChange(const Change& change, const std::vector<StockCode>& codes,
                                      const std::vector<ProductRows>& tables, const Write& write,
                                      QObject* owner) {
    // Written by the job, read once it has ended.
    std::int64_t matched = -1;
    const db::ChangeEnd ended = db::runChangeBehindProgress(
        m_context.runner, m_context.boxes, m_context.behindProgress, change.caption,
        [&](const db::StatementRunner& runner, platform::JobReport& report) {
            return runBulkChange(runner, db::Operation(change.tag), change.caption, codes, tables,
                                 [&] {
                                     matched = write(runner);
                                     // "İptal" meanwhile: nothing of it stays.
                                     return matched >= 0 && !report.cancelled();
                                 });
        },
        owner);
    if (ended == db::ChangeEnd::Cancelled)
        platform::tellBulkCancelled(m_context.boxes, change.caption, owner);
    return ended == db::ChangeEnd::Written ? matched : -1;
}

// "UPDATE stckdef SET stckdef.<column>=<value>" for the marked products, one
// line each in one call, or else for the whole group.
bool GroupSettings::setForMarkedOrGroup(const Column& column, int value, const Change& change,
                                        QObject* owner) {
    const std::vector<StockCode> marked = listedNow().marked;
    const std::string set = sqlf("UPDATE stckdef SET stckdef.%s=%d", column.name, value);
    if (!marked.empty()) {
        const Change markedChange{column.markedTag, change.caption, change.publishChange};
        return run(
            markedChange, marked, {kStockRows},
            [&](const db::StatementRunner& runner) -> std::int64_t {
                if (db::executeAll(runner, db::Operation(column.markedTag), db::schema::stocks,
                                   perProduct(marked, [&set](long long code) {
                                       return set + sqlf(" WHERE stckdef.stcode=%lld;\n", code);
                                   })) == db::Outcome::Failed)
                    return -1;
                return countRows(runner, kStockRows, marked);
            },
            owner);
    }
    if (groupColumn(group().levelMark) == nullptr)
        return false;
    const Change groupChange{column.groupTag, change.caption, change.publishChange};
    const std::string text = set + groupWhere();
    return run(
        groupChange, codesOfGroup(), {kStockRows},
        [&](const db::StatementRunner& runner) { return matchedBy(runner, column.groupTag, text); },
        owner);
}

std::int64_t GroupSettings::matchedBy(const db::StatementRunner& runner, const char* tag,
                                      const std::string& text) {
    std::uint64_t matched = 0;
    if (runner.executeCounted(db::Operation(tag), db::schema::stocks, text, matched) ==
        db::Outcome::Failed)
        return -1;
    return static_cast<std::int64_t>(matched);
}

bool GroupSettings::setDayMenu(bool dayMenu, QObject* owner) {
    const std::int16_t value = dayMenu ? 1 : 0;
    return setForMarkedOrGroup(
        {"gunmenu", "UPDATE_SECILI_STOK_GUNMENU", "UPDATE_STOK_GUNMENU"}, value,
        {"", dayMenu ? QStringLiteral("Günün Menüsü") : QStringLiteral("Günün Menüsü DEĞİL"),
         [value](StockDefinition& p) {
             p.gunmenu = value;
         }},
        owner);
}

void GroupSettings::setBackColour(records::Rgb colour, QObject* owner) {
    const std::vector<StockCode> codes = codesOfGroup();
    // As the colour rows now hold them: the font black.
    const Change change{"DELETE FROM stocks.colors", QStringLiteral("Ürün Arka Fon Rengi"),
                        [colour](StockDefinition& p) {
                            p.backColor = colour;
                            p.fontColor = 0;
                        }};
    const bool written = run(
        change, codes, {kColourRows},
        [&](const db::StatementRunner& runner) -> std::int64_t {
            // Every old row goes before any new one is written.
            if (db::executeAll(
                    runner, db::Operation("DELETE FROM stocks.colors"), db::schema::stocks,
                    perProduct(codes,
                               [](long long code) {
                                   return sqlf(
                                       "DELETE FROM stocks.colors  WHERE stocks.colors.stcode="
                                       "%lld;",
                                       code);
                               })) == db::Outcome::Failed ||
                db::executeAll(
                    runner, db::Operation("INSERT INTO stocks.colors"), db::schema::stocks,
                    perProduct(codes, [colour](long long code) {
                        return "INSERT INTO stocks.colors(stcode,red,green,blue,redfnt,greenfnt,"
                               "bluefnt)" +
                               sqlf("VALUES(%lld,%d,%d,%d,%d,%d,%d);", code, records::redOf(colour),
                                    records::greenOf(colour), records::blueOf(colour), 0, 0, 0);
                    })) == db::Outcome::Failed)
                return -1;
            return countRows(runner, kColourRows, codes);
        },
        owner);
    if (written)
        readColoursAgain();
}

void GroupSettings::setFontColour(records::Rgb colour, QObject* owner) {
    const std::vector<StockCode> codes = codesOfGroup();
    // Only the products that have a colour row take it.
    std::vector<StockCode> withRow;
    const Change change{"UPDATE FONTCOLOR stocks.colors", QStringLiteral("Ürün Fon Rengi"),
                        [colour](StockDefinition& p) {
                            p.fontColor = colour;
                        }};
    if (!confirm(change.caption, codes.size(), owner))
        return;
    const std::int64_t matched = runChange(
        change, codes, {kColourRows},
        [&](const db::StatementRunner& runner) -> std::int64_t {
            if (db::executeAll(runner, db::Operation(change.tag), db::schema::stocks,
                               perProduct(codes, [colour](long long code) {
                                   return sqlf(
                                       "UPDATE stocks.colors SET redfnt=%d,greenfnt=%d,bluefnt=%d  "
                                       "WHERE stcode=%lld;",
                                       records::redOf(colour), records::greenOf(colour),
                                       records::blueOf(colour), code);
                               })) == db::Outcome::Failed)
                return -1;
            return countRows(runner, kColourRows, codes);
        },
        owner);
    const bool written = matched >= 0;
    readColoursAgain();
    if (written) {
        std::unordered_set<StockCode> rows;
        for (const StockColour& row : m_context.catalogue.current()->colours)
            rows.insert(row.stcode);
        std::copy_if(codes.begin(), codes.end(), std::back_inserter(withRow),
                     [&rows](StockCode code) { return rows.contains(code); });
    }
    finish(change, withRow, matched, owner);
}

void GroupSettings::setDepartment(int departmentId, QObject* owner) {
    setForMarkedOrGroup({"depart", "UPDATE_SECILI_STOK_DEPARTMAN", "UPDATE_GRUP_DEPARTMAN"},
                        departmentId,
                        {"", QStringLiteral("Departman"),
                         [departmentId](StockDefinition& p) {
                             p.depart = departmentId;
                         }},
                        owner);
}

bool GroupSettings::setUnit(const QString& unit, QObject* owner) {
    if (groupColumn(group().levelMark) == nullptr)
        return false;
    const std::string bytes = db::fitField(unit.toStdString(), kUnitBytes + 1);
    const std::string text =
        "UPDATE stckdef SET stckdef.unit=" + db::quotedLiteral(bytes) + groupWhere();
    const std::vector<StockCode> codes = codesOfGroup();
    const Change change{"UPDATE_GRUP_BIRIMI", QStringLiteral("Birim"),
                        [&bytes](StockDefinition& p) {
                            p.unit = bytes;
                        }};
    if (!confirm(change.caption, codes.size(), owner))
        return false;
    const std::int64_t matched = runChange(
        change, codes, {kStockRows},
        [&](const db::StatementRunner& runner) { return matchedBy(runner, change.tag, text); },
        owner);
    finish(change, codes, matched, owner);
    return matched >= 0;
}

void GroupSettings::setStockType(int type, QObject* owner) {
    if (groupColumn(group().levelMark) == nullptr)
        return;
    const std::string text = sqlf("UPDATE stckdef SET stckdef.type=%d", type) + groupWhere();
    run(
        {"UPDATE_STOK_TIPI", QStringLiteral("Stok Tipi"),
         [type](StockDefinition& p) {
             p.type = type;
         }},
        codesOfGroup(), {kStockRows},
        [&](const db::StatementRunner& runner) {
            return matchedBy(runner, "UPDATE_STOK_TIPI", text);
        },
        owner);
}

void GroupSettings::setKdv(const QString& typed, QObject* owner) {
    const std::optional<double> rate =
        db::typedNumberOrSay({typed, "KDV", kNumberChars, kMaxKdv}, m_context.boxes, owner);
    if (!rate)
        return;
    if (*rate != std::trunc(*rate) || *rate < 0) {
        m_context.boxes.tell(
            QStringLiteral("KDV oranı tam sayı olmalıdır (örnek: 10).\nGirilen: %1")
                .arg(typed.left(kNumberChars)),
            QStringLiteral("SAYI HATALI"), platform::BoxIcon::Exclamation, owner);
        return;
    }
    const bool forGroup = groupColumn(group().levelMark) != nullptr;
    const int kdv = static_cast<int>(*rate);
    const std::vector<StockCode> codes = codesOfGroup();
    const std::string groupText =
        forGroup ? sqlf("UPDATE stckdef SET stckdef.kdv=%d", kdv) + groupWhere() : std::string();
    run(
        {"UPDATE_GRUP_KDV", QStringLiteral("Set Kdv"),
         [kdv](StockDefinition& p) {
             p.kdv = kdv;
         }},
        codes, {kStockRows, kOrderItemRows, kOrderDetailRows},
        [&](const db::StatementRunner& runner) -> std::int64_t {
            const std::int64_t matched =
                forGroup ? matchedBy(runner, "UPDATE_GRUP_KDV", groupText) : 0;
            // Open and stored order lines take their product's rate.
            if (matched < 0 ||
                runner.execute(db::Operation("UPDATE_ORDERITEM_KDV"), db::schema::stocks,
                               "UPDATE oturum.orderitems AS O "
                               "INNER JOIN stocks.stckdef AS S ON O.stcode = S.stcode "
                               "  SET O.kdv = S.kdv; ") == db::Outcome::Failed ||
                runner.execute(db::Operation("UPDATE_ORDITEMDETAIL_KDV"), db::schema::stocks,
                               "UPDATE oturum.orddetails AS O "
                               "INNER JOIN stocks.stckdef AS S ON O.stcode = S.stcode "
                               "  SET O.kdv = S.kdv; ") == db::Outcome::Failed)
                return -1;
            return matched;
        },
        owner);
}

void GroupSettings::setDiscount(const QString& typedPercent, QObject* owner) {
    const std::optional<double> percent = db::typedNumberOrSay(
        {typedPercent, "İskonto %", kNumberChars, kMaxDiscount}, m_context.boxes, owner);
    if (!percent)
        return;
    const float yuzde = static_cast<float>(*percent);
    // By code, in the catalogue as it stands when the button is pressed.
    const CatalogueRef catalogue = m_context.catalogue.current();
    std::vector<StockCode> codes;
    for (const StockCode code : listedNow().listed)
        if (catalogue->find(code) != nullptr)
            codes.push_back(code);
    const QString caption = QStringLiteral("İskonto");
    if (!confirm(caption, codes.size(), owner))
        return;
    const db::ChangeEnd ended = db::runChangeBehindProgress(
        m_context.runner, m_context.boxes, m_context.behindProgress, caption,
        [catalogue, codes, yuzde, caption](const db::StatementRunner& runner,
                                           platform::JobReport& report) {
            report.setRange(static_cast<int>(codes.size()));
            return runBulkChange(runner, db::Operation("UPDATE_DISCOUNT_TABLE"), caption, codes,
                                 {kDiscountRows}, [&] {
                                     for (std::size_t i = 0; i < codes.size(); ++i) {
                                         if (i % kCancelBatch == 0) {
                                             if (report.cancelled())
                                                 return false;
                                             report.step(static_cast<int>(i));
                                         }
                                         StockDefinition discounted = *catalogue->find(codes[i]);
                                         discounted.yuzde = yuzde;
                                         if (!upsertDiscount(runner, discounted))
                                             return false;
                                     }
                                     return true;
                                 });
        },
        owner);
    if (ended != db::ChangeEnd::Written) {
        if (ended == db::ChangeEnd::Cancelled)
            platform::tellBulkCancelled(m_context.boxes, caption, owner);
        readAgainLater(m_context);
        return;
    }
    publish(codes, [yuzde](StockDefinition& p) { p.yuzde = yuzde; });
    // Each listed product's row was written: its own statement matched it.
    m_context.boxes.tell(QStringLiteral("Urunlere iskonto guncellemesi yapıldı."),
                         QStringLiteral("IDC_BUTTON_ISKON_ATA"), platform::BoxIcon::Information,
                         owner);
    platform::tellBulkChanged(m_context.boxes, caption, codes.size(), owner);
}

void GroupSettings::deleteAllDiscounts(QObject* owner) {
    platform::BoxRequest question;
    question.text = QStringLiteral("Tüm iskontolar silinecek. - \nDevam etmek istiyor musunuz?");
    question.caption = QStringLiteral("TRUNCATE_ALL_ISKONTO");
    question.icon = platform::BoxIcon::Information;
    question.buttons = platform::BoxButtons::YesNoCancel;
    question.owner = owner;
    if (m_context.boxes.show(question) != platform::BoxAnswer::Yes)
        return;
    // Every product that may hold a row; a DELETE, not a TRUNCATE, so that
    // the change can be journalled and taken back.
    std::vector<StockCode> codes;
    for (const StockDefinition& p : m_context.catalogue.current()->products)
        codes.push_back(p.stcode);
    const Change change{"TRUNCATE_ALL_ISKONTO", QStringLiteral("İskontoları Sil"), {}};
    if (runChange(
            change, codes, {kDiscountRows},
            [](const db::StatementRunner& runner) {
                return runner.execute(db::Operation("TRUNCATE_ALL_ISKONTO"), db::schema::stocks,
                                      "DELETE FROM stocks.indirim_tablosu;") == db::Outcome::Failed
                           ? std::int64_t{-1}
                           : std::int64_t{0};
            },
            owner) < 0)
        readAgainLater(m_context);
}

void GroupSettings::resetPriceTimes(QObject* owner) {
    const std::vector<StockCode> listed = listedNow().listed;
    const db::Operation op("RESET_PRICE_TIMES");
    run(
        {"RESET_PRICE_TIMES", QStringLiteral("Reset Price Times"),
         [](StockDefinition& p) {
             p.sellp3 = 0;
             p.sellp4 = 0;
         }},
        listed, {kStockRows, kPriceTimeRows},
        [&](const db::StatementRunner& runner) -> std::int64_t {
            // Every price first, then every time window.
            if (db::executeAll(runner, op, db::schema::stocks,
                               perProduct(listed,
                                          [](long long code) {
                                              return sqlf(
                                                  "UPDATE stckdef SET sellp3=0,sellp4=0  WHERE  "
                                                  "stckdef.stcode=%lld;",
                                                  code);
                                          })) == db::Outcome::Failed ||
                db::executeAll(runner, op, db::schema::stocks,
                               perProduct(listed, priceTimesReset)) == db::Outcome::Failed)
                return -1;
            return countRows(runner, kStockRows, listed);
        },
        owner);
}

} // namespace parvela::stock
