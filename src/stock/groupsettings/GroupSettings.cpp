#include "stock/groupsettings/GroupSettings.h"

#include "db/FixedField.h"
#include "db/SqlFormat.h"
#include "db/SqlLiteral.h"
#include "db/StatementBatch.h"
#include "db/StatementRunner.h"
#include "db/TypedNumber.h"
#include "groups/GroupRecords.h"
#include "platform/MessageBoxes.h"
#include "records/CatalogueEdits.h"
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

// "<set> WHERE stckdef.gra=<code>;" for the context's level; nothing for no level.
bool GroupSettings::runForGroup(const char* tag, const std::string& set) const {
    const char* column = groupColumn(group().levelMark);
    if (column == nullptr)
        return false;
    return m_context.runner.execute(db::Operation(tag), db::schema::stocks,
                                    set + sqlf(" WHERE stckdef.%s=%d;", column, groupCode())) !=
           db::Outcome::Failed;
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

// "UPDATE stckdef SET stckdef.<column>=<value>" for the marked products, one
// line each in one call, or else for the whole group.
void GroupSettings::setForMarkedOrGroup(const Column& column, int value,
                                        const std::function<void(StockDefinition&)>& change) {
    const std::vector<StockCode> marked = listedNow().marked;
    const std::string set = sqlf("UPDATE stckdef SET stckdef.%s=%d", column.name, value);
    if (!marked.empty()) {
        const bool written =
            db::executeAll(m_context.runner, db::Operation(column.markedTag), db::schema::stocks,
                           perProduct(marked, [&set](long long code) {
                               return set + sqlf(" WHERE stckdef.stcode=%lld;\n", code);
                           })) != db::Outcome::Failed;
        publish(written ? marked : std::vector<StockCode>{}, change);
    } else {
        const bool written = runForGroup(column.groupTag, set);
        publish(written ? codesOfGroup() : std::vector<StockCode>{}, change);
    }
}

void GroupSettings::setDayMenu(bool dayMenu) {
    const std::int16_t value = dayMenu ? 1 : 0;
    setForMarkedOrGroup({"gunmenu", "UPDATE_SECILI_STOK_GUNMENU", "UPDATE_STOK_GUNMENU"}, value,
                        [value](StockDefinition& p) { p.gunmenu = value; });
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
    readColoursAgain();
    // As the colour rows now hold them: the font black.
    publish(codes, [colour](StockDefinition& p) {
        p.backColor = colour;
        p.fontColor = 0;
    });
}

void GroupSettings::setFontColour(records::Rgb colour) {
    const std::vector<StockCode> codes = codesOfGroup();
    (void)db::executeAll(m_context.runner, db::Operation("UPDATE FONTCOLOR stocks.colors"),
                         db::schema::stocks, perProduct(codes, [colour](long long code) {
                             return sqlf(
                                 "UPDATE stocks.colors SET redfnt=%d,greenfnt=%d,bluefnt=%d  WHERE "
                                 "stcode=%lld;",
                                 records::redOf(colour), records::greenOf(colour),
                                 records::blueOf(colour), code);
                         }));
    readColoursAgain();
    // Only the products that have a colour row took it.
    std::unordered_set<StockCode> withRow;
    for (const StockColour& row : m_context.catalogue.current()->colours)
        withRow.insert(row.stcode);
    std::vector<StockCode> changed;
    std::copy_if(codes.begin(), codes.end(), std::back_inserter(changed),
                 [&withRow](StockCode code) { return withRow.contains(code); });
    publish(changed, [colour](StockDefinition& p) { p.fontColor = colour; });
}

void GroupSettings::setDepartment(int departmentId) {
    setForMarkedOrGroup({"depart", "UPDATE_SECILI_STOK_DEPARTMAN", "UPDATE_GRUP_DEPARTMAN"},
                        departmentId,
                        [departmentId](StockDefinition& p) { p.depart = departmentId; });
}

bool GroupSettings::setUnit(const QString& unit) {
    const char* column = groupColumn(group().levelMark);
    if (column == nullptr)
        return false;
    const std::string bytes = db::fitField(unit.toStdString(), kUnitBytes + 1);
    const std::string text = "UPDATE stckdef SET stckdef.unit=" + db::quotedLiteral(bytes) +
                             sqlf(" WHERE stckdef.%s=%d;", column, groupCode());
    if (m_context.runner.execute(db::Operation("UPDATE_GRUP_BIRIMI"), db::schema::stocks, text) ==
        db::Outcome::Failed)
        return false;
    publish(codesOfGroup(), [&bytes](StockDefinition& p) { p.unit = bytes; });
    return true;
}

void GroupSettings::setStockType(int type) {
    const bool written =
        runForGroup("UPDATE_STOK_TIPI", sqlf("UPDATE stckdef SET stckdef.type=%d", type));
    publish(written ? codesOfGroup() : std::vector<StockCode>{},
            [type](StockDefinition& p) { p.type = type; });
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
    const int kdv = static_cast<int>(*rate);
    if (column != nullptr &&
        m_context.runner.execute(db::Operation("UPDATE_GRUP_KDV"), db::schema::stocks,
                                 sqlf("UPDATE stckdef SET stckdef.kdv=%d WHERE stckdef.%s=%d;", kdv,
                                      column, groupCode())) != db::Outcome::Failed)
        publish(codesOfGroup(), [kdv](StockDefinition& p) { p.kdv = kdv; });
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
    const float yuzde = static_cast<float>(*percent);
    bool allWritten = true;
    std::vector<StockCode> written;
    // By code, in the catalogue as it stands when the button is pressed.
    const CatalogueRef catalogue = m_context.catalogue.current();
    for (const StockCode code : listedNow().listed) {
        const StockDefinition* product = catalogue->find(code);
        if (product == nullptr)
            continue;
        StockDefinition discounted = *product;
        discounted.yuzde = yuzde;
        // The catalogue follows only what the server took.
        if (upsertDiscount(m_context.runner, discounted))
            written.push_back(code);
        else
            allWritten = false;
    }
    publish(written, [yuzde](StockDefinition& p) { p.yuzde = yuzde; });
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
    const std::vector<StockCode> listed = listedNow().listed;
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
    publish(listed, [](StockDefinition& p) {
        p.sellp3 = 0;
        p.sellp4 = 0;
    });
}

} // namespace parvela::stock
