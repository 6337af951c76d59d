#include "stock/groupsettings/GroupSettings.h"

#include "db/FixedField.h"
#include "db/SqlFormat.h"
#include "db/SqlLiteral.h"
#include "db/StatementBatch.h"
#include "db/StatementRunner.h"
#include "db/TypedNumber.h"
#include "groups/GroupRecords.h"
#include "platform/MessageBoxes.h"
#include "stock/browser/ProductFilters.h"
#include "stock/catalogue/ProductUpserts.h"
#include "stock/browser/StockBrowserState.h"
#include "stock/catalogue/StockContext.h"
#include "stock/editor/StockEditorForm.h"
#include "stock/catalogue/StockListReaders.h"

#include <cmath>

namespace parvela::stock {

namespace {

using db::sqlf;

constexpr double kMaxKdv = 9999;
constexpr double kMaxDiscount = 999999.999;

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

GroupSettings::GroupSettings(StockContext& context, StockBrowserState& browser,
                             std::function<void()> listChanged)
    : m_context(context)
    , m_browser(browser)
    , m_listChanged(std::move(listChanged)) {}

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

std::vector<StockCode> GroupSettings::markedCodes() const {
    std::vector<StockCode> codes;
    for (const BrowserRow& row : m_browser.displayed)
        if (row.marked)
            codes.push_back(m_context.stock.products[row.product].stcode);
    return codes;
}

std::vector<StockDefinition*> GroupSettings::listedProducts() const {
    std::vector<StockDefinition*> listed;
    listed.reserve(m_browser.displayed.size());
    for (const BrowserRow& row : m_browser.displayed)
        listed.push_back(&m_context.stock.products[row.product]);
    return listed;
}

std::vector<StockCode> GroupSettings::codesOfGroup() const {
    std::vector<StockCode> codes;
    const int level = group().levelMark;
    if (groupColumn(level) == nullptr)
        return codes;
    const int code = groupCode();
    for (const StockDefinition& p : m_context.stock.products)
        if (columnOf(p, level) == code)
            codes.push_back(p.stcode);
    return codes;
}

// "<set> WHERE stckdef.gra=<code>;" for the context's level; nothing for no level.
void GroupSettings::runForGroup(const char* tag, const std::string& set) const {
    const char* column = groupColumn(group().levelMark);
    if (column == nullptr)
        return;
    (void)m_context.runner.execute(db::Operation(tag), db::schema::stocks,
                                   set + sqlf(" WHERE stckdef.%s=%d;", column, groupCode()));
}

void GroupSettings::refresh() {
    m_context.rereadProducts();
    reapplyFilter(m_browser, m_context.stock);
    if (m_listChanged)
        m_listChanged();
}

// "UPDATE stckdef SET stckdef.<column>=<value>" for the marked products, one
// line each in one call, or else for the whole group.
void GroupSettings::setForMarkedOrGroup(const Column& column, int value) {
    const std::vector<StockCode> marked = markedCodes();
    const std::string set = sqlf("UPDATE stckdef SET stckdef.%s=%d", column.name, value);
    if (!marked.empty())
        (void)db::executeAll(m_context.runner, db::Operation(column.markedTag), db::schema::stocks,
                             perProduct(marked, [&set](long long code) {
                                 return set + sqlf(" WHERE stckdef.stcode=%lld;\n", code);
                             }));
    else
        runForGroup(column.groupTag, set);
    refresh();
}

void GroupSettings::setDayMenu(bool dayMenu) {
    setForMarkedOrGroup({"gunmenu", "UPDATE_SECILI_STOK_GUNMENU", "UPDATE_STOK_GUNMENU"},
                        dayMenu ? 1 : 0);
}

void GroupSettings::setBackColour(records::Rgb colour) {
    const std::vector<StockCode> codes = codesOfGroup();
    // Every old row goes before any new one is written.
    (void)db::executeAll(m_context.runner, db::Operation("DELETE FROM stocks.colors"),
                         db::schema::stocks, perProduct(codes, [](long long code) {
                             return sqlf("DELETE FROM stocks.colors  WHERE stocks.colors.stcode="
                                         "%lld;",
                                         code);
                         }));
    (void)db::executeAll(
        m_context.runner, db::Operation("INSERT INTO stocks.colors"), db::schema::stocks,
        perProduct(codes, [colour](long long code) {
            return "INSERT INTO stocks.colors(stcode,red,green,blue,redfnt,greenfnt,bluefnt)" +
                   sqlf("VALUES(%lld,%d,%d,%d,%d,%d,%d);", code, records::redOf(colour),
                        records::greenOf(colour), records::blueOf(colour), 0, 0, 0);
        }));
    readColours(m_context.runner, m_context.stock.colours);
    refresh();
}

void GroupSettings::setFontColour(records::Rgb colour) {
    (void)db::executeAll(m_context.runner, db::Operation("UPDATE FONTCOLOR stocks.colors"),
                         db::schema::stocks, perProduct(codesOfGroup(), [colour](long long code) {
                             return sqlf(
                                 "UPDATE stocks.colors SET redfnt=%d,greenfnt=%d,bluefnt=%d  WHERE "
                                 "stcode=%lld;",
                                 records::redOf(colour), records::greenOf(colour),
                                 records::blueOf(colour), code);
                         }));
    readColours(m_context.runner, m_context.stock.colours);
    refresh();
}

void GroupSettings::setDepartment(int departmentId) {
    setForMarkedOrGroup({"depart", "UPDATE_SECILI_STOK_DEPARTMAN", "UPDATE_GRUP_DEPARTMAN"},
                        departmentId);
}

bool GroupSettings::setUnit(const QString& unit) {
    const char* column = groupColumn(group().levelMark);
    if (column == nullptr)
        return false;
    const std::string text = "UPDATE stckdef SET stckdef.unit=" +
                             db::quotedLiteral(db::fitField(unit.toStdString(), kUnitBytes + 1)) +
                             sqlf(" WHERE stckdef.%s=%d;", column, groupCode());
    if (m_context.runner.execute(db::Operation("UPDATE_GRUP_BIRIMI"), db::schema::stocks, text) ==
        db::Outcome::Failed)
        return false;
    refresh();
    return true;
}

void GroupSettings::setStockType(int type) {
    runForGroup("UPDATE_STOK_TIPI", sqlf("UPDATE stckdef SET stckdef.type=%d", type));
    refresh();
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
    const char* column = groupColumn(group().levelMark);
    if (column != nullptr &&
        m_context.runner.execute(db::Operation("UPDATE_GRUP_KDV"), db::schema::stocks,
                                 sqlf("UPDATE stckdef SET stckdef.kdv=%d WHERE stckdef.%s=%d;",
                                      static_cast<int>(*rate), column, groupCode())) !=
            db::Outcome::Failed)
        refresh();
    // Open and stored order lines take their product's rate, whatever came before.
    (void)m_context.runner.execute(db::Operation("UPDATE_ORDERITEM_KDV"), db::schema::stocks,
                                   "UPDATE oturum.orderitems AS O "
                                   "INNER JOIN stocks.stckdef AS S ON O.stcode = S.stcode "
                                   "  SET O.kdv = S.kdv; ");
    (void)m_context.runner.execute(db::Operation("UPDATE_ORDITEMDETAIL_KDV"), db::schema::stocks,
                                   "UPDATE oturum.orddetails AS O "
                                   "INNER JOIN stocks.stckdef AS S ON O.stcode = S.stcode "
                                   "  SET O.kdv = S.kdv; ");
}

void GroupSettings::setDiscount(const QString& typedPercent, QObject* owner) {
    const std::optional<double> percent = db::typedNumberOrSay(
        {typedPercent, "İskonto %", kNumberChars, kMaxDiscount}, m_context.boxes, owner);
    if (!percent)
        return;
    bool allWritten = true;
    for (StockDefinition* product : listedProducts()) {
        StockDefinition discounted = *product;
        discounted.yuzde = static_cast<float>(*percent);
        // Memory follows only what the server took.
        if (upsertDiscount(m_context.runner, discounted))
            product->yuzde = discounted.yuzde;
        else
            allWritten = false;
    }
    // A failed row has said so under its tag; it is not reported as done.
    if (!allWritten)
        return;
    m_context.boxes.tell(QStringLiteral("Urunlere iskonto guncellemesi yapıldı."),
                         QStringLiteral("IDC_BUTTON_ISKON_ATA"), platform::BoxIcon::Information,
                         owner);
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
    (void)m_context.runner.execute(db::Operation("TRUNCATE_ALL_ISKONTO"), db::schema::stocks,
                                   "TRUNCATE TABLE stocks.indirim_tablosu;");
}

void GroupSettings::resetPriceTimes() {
    std::vector<StockCode> listed;
    for (const StockDefinition* product : listedProducts())
        listed.push_back(product->stcode);
    const db::Operation op("RESET_PRICE_TIMES");
    // Every price first, then every time window.
    (void)db::executeAll(m_context.runner, op, db::schema::stocks,
                         perProduct(listed, [](long long code) {
                             return sqlf("UPDATE stckdef SET sellp3=0,sellp4=0  WHERE  "
                                         "stckdef.stcode=%lld;",
                                         code);
                         }));
    (void)db::executeAll(m_context.runner, op, db::schema::stocks,
                         perProduct(listed, priceTimesReset));
    refresh();
}

} // namespace parvela::stock
