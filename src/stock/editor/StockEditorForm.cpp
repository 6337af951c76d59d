#include "stock/editor/StockEditorForm.h"

#include "db/FixedField.h"
#include "db/TextPreparation.h"
#include "db/TypedNumber.h"
#include "platform/MessageBoxes.h"

#include <algorithm>
#include <optional>
#include <string>

namespace parvela::stock {

namespace {

constexpr qsizetype kDepartmentChars = 64;

// The largest values the columns hold.
constexpr double kMaxKdv = 9999.99;
constexpr double kMaxDiscount = 999999.999;

// Quantities keep a decimal point ("0.125"), as the scales and recipes show them.
QString twoDecimals(double value) {
    return QString::asprintf("%.2f", value);
}

// The cost is shown to four decimals, with a decimal comma like the prices.
constexpr int kCostDecimals = 4;

void fillType(StockEditorForm& form, int type) {
    const auto found = std::find(kTypeRadioTypes.begin(), kTypeRadioTypes.end(), type);
    if (found != kTypeRadioTypes.end())
        form.typeChecked[static_cast<size_t>(found - kTypeRadioTypes.begin())] = true;
}

// The first bytes of the text's UTF-8, never half a letter.
std::string firstBytes(const QString& text, size_t maxBytes) {
    return db::fitField(text.toStdString(), maxBytes + 1);
}

bool readNumbers(const StockEditorForm& form, StockDefinition& product,
                 platform::MessageBoxes& boxes, QObject* owner) {
    const auto number = [&](const QString& text, const char* caption, double& into, double maxValue,
                            qsizetype maxChars = kNumberChars) {
        const std::optional<double> value =
            db::typedNumberOrSay({text, caption, maxChars, maxValue}, boxes, owner);
        if (value)
            into = *value;
        return value.has_value();
    };
    const auto price = [&](const QString& text, const char* caption, double& into) {
        const std::optional<double> value =
            db::typedPriceOrSay({text, caption, kNumberChars, kMaxPrice}, boxes, owner);
        if (value)
            into = *value;
        return value.has_value();
    };
    double regionDifference = 0;
    double smallPortion = 0;
    double discount = 0;
    const bool all = number(form.kdv, "Kdv", product.kdv, kMaxKdv, kKdvChars) &&
                     price(form.unitcost, "Maliyet (KDV Hariç)", product.unitcost) &&
                     price(form.retail, "Perakende Fiyatı", product.sellp1) &&
                     price(form.wholesale, "Toptan Fiyatı", product.sellp2) &&
                     price(form.selfService, "Self-Servis Fiyatı", product.sellp5) &&
                     price(form.orderPrice, "Sipariş Fiyatı", product.sellp6) &&
                     price(form.timeWindow1, "Zaman Aralık 1", product.sellp3) &&
                     price(form.regionDifference, "Bölge Fiyat Farkı", regionDifference) &&
                     number(form.critical, "Kritik Stok", product.crtqua, kMaxPrice) &&
                     price(form.smallPortion, "Az Fiyatı", smallPortion) &&
                     number(form.discount, "İskonto %", discount, kMaxDiscount);
    if (!all)
        return false;
    product.regionPrice.fiyat_fark = static_cast<float>(regionDifference);
    product.azparam = smallPortion > 0 ? smallPortion - 0.5 * product.sellp1 : 0.0;
    product.yuzde = static_cast<float>(discount);
    product.peraken = static_cast<float>(discount);
    return true;
}

// A byte field shown unchanged keeps what was read, however long; only a
// changed one is cut to what the form takes.
void takeBytes(const QString& shown, size_t maxBytes, std::string& field) {
    if (shown != QString::fromStdString(field))
        field = firstBytes(shown, maxBytes);
}

void readChoices(const StockEditorForm& form, const std::vector<Department>& departments,
                 StockDefinition& product) {
    takeBytes(form.barcode, kBarcodeBytes, product.barcode);
    takeBytes(form.unit, kUnitBytes, product.unit);
    // An empty currency shows as "TL"; left so, it stays empty.
    if (!(product.curr.empty() && form.currency == QStringLiteral("TL")))
        takeBytes(form.currency, kUnitBytes, product.curr);
    const auto checked = std::find(form.typeChecked.begin(), form.typeChecked.end(), true);
    if (checked != form.typeChecked.end())
        product.type = kTypeRadioTypes[static_cast<size_t>(checked - form.typeChecked.begin())];
    const QString department = form.department.left(kDepartmentChars);
    const auto found = std::find_if(departments.begin(), departments.end(),
                                    [&](const Department& d) { return d.name == department; });
    if (found != departments.end())
        product.depart = found->departid;
    product.bundle = form.bundle;
    product.related_update = form.relatedUpdate;
    product.game_stock = form.gameStock;
    product.is_weighed = form.weighed;
    product.prcchange = form.priceChangeable;
}

} // namespace

double smallPortionShown(const StockDefinition& product) {
    return product.azparam != 0 ? 0.5 * product.sellp1 + product.azparam : 0.0;
}

StockEditorForm formFromRecord(const StockDefinition& p,
                               const std::vector<Department>& departments) {
    StockEditorForm form;
    form.code = QString::asprintf("%lld", static_cast<long long>(p.stcode));
    form.name = p.stname;
    form.unit = QString::fromStdString(p.unit);
    form.unitcost = db::shownPrice(p.unitcost, kCostDecimals);
    form.currency = p.curr.empty() ? QStringLiteral("TL") : QString::fromStdString(p.curr);
    form.barcode = QString::fromStdString(p.barcode);
    form.retail = db::shownPrice(p.sellp1);
    form.wholesale = db::shownPrice(p.sellp2);
    form.selfService = db::shownPrice(p.sellp5);
    form.orderPrice = db::shownPrice(p.sellp6);
    form.timeWindow1 = db::shownPrice(p.sellp3);
    form.regionDifference = db::shownPrice(static_cast<double>(p.regionPrice.fiyat_fark));
    form.kdv = QString::asprintf("%.0f", p.kdv);
    form.critical = twoDecimals(p.crtqua);
    const Department* department = departmentWithId(departments, p.depart);
    form.department = department ? department->name : QString();
    form.smallPortion = db::shownPrice(smallPortionShown(p));
    form.discount = db::shownPrice(static_cast<double>(p.yuzde));
    form.specs = p.specs;
    fillType(form, p.type);
    form.bundle = p.bundle;
    form.relatedUpdate = p.related_update;
    form.gameStock = p.game_stock;
    form.weighed = p.is_weighed;
    form.priceChangeable = p.prcchange;
    return form;
}

void takeComponentsFromColours(StockDefinition& p) {
    p.red = records::redOf(p.backColor);
    p.green = records::greenOf(p.backColor);
    p.blue = records::blueOf(p.backColor);
    p.redfnt = records::redOf(p.fontColor);
    p.greenfnt = records::greenOf(p.fontColor);
    p.bluefnt = records::blueOf(p.fontColor);
}

namespace {

// A text the user left as it was is written back exactly as it was read;
// only what was typed goes through the cleaning.
QString typedName(const QString& shown, const QString& stored) {
    if (shown == stored && !stored.isEmpty())
        return stored;
    QString typed = shown.left(kNameChars);
    return db::sanitizeWideRoundTrip(typed);
}

QString typedSpecs(const QString& shown, const QString& stored) {
    if (shown == stored)
        return stored;
    QString typed = shown.left(kSpecsChars);
    db::sanitizeTextKeepLines(typed);
    return typed;
}

} // namespace

bool readForm(const StockEditorForm& form, const std::vector<Department>& departments,
              StockDefinition& product, platform::MessageBoxes& boxes, QObject* owner) {
    const QString name = typedName(form.name, product.stname);
    if (name.trimmed().isEmpty()) {
        boxes.tell(QStringLiteral("Stok adı boş bırakıldı.Stok için bir ad giriniz."),
                   QStringLiteral("STOK ADI"), platform::BoxIcon::Exclamation, owner);
        return false;
    }
    StockDefinition read = product;
    read.stname = name;
    read.specs = typedSpecs(form.specs, product.specs);
    if (!readNumbers(form, read, boxes, owner))
        return false;
    readChoices(form, departments, read);
    product = std::move(read);
    return true;
}

} // namespace parvela::stock
