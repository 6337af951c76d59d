#include "stock/StockEditorForm.h"

#include "db/TextPreparation.h"
#include "platform/MessageBoxes.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string>

namespace parvela::stock {

namespace {

constexpr qsizetype kNameChars = 57;
constexpr qsizetype kSpecsChars = 999;
constexpr size_t kNumberBytes = 11;
constexpr size_t kKdvBytes = 2;
constexpr size_t kBarcodeBytes = 29;
constexpr size_t kUnitBytes = 3;
constexpr qsizetype kDepartmentChars = 64;

QString twoDecimals(double value) {
    return QString::asprintf("%.2f", value);
}

void fillType(StockEditorForm& form, int type) {
    const auto found = std::find(kTypeRadioTypes.begin(), kTypeRadioTypes.end(), type);
    if (found != kTypeRadioTypes.end())
        form.typeChecked[static_cast<size_t>(found - kTypeRadioTypes.begin())] = true;
}

std::string firstBytes(const QString& text, size_t maxBytes) {
    std::string bytes = text.toStdString();
    if (bytes.size() > maxBytes)
        bytes.resize(maxBytes);
    return bytes;
}

void readNumbers(const StockEditorForm& form, StockDefinition& product) {
    product.kdv = leadingNumber(form.kdv, kKdvBytes);
    product.unitcost = leadingNumber(form.unitcost, kNumberBytes);
    product.sellp1 = leadingNumber(form.retail, kNumberBytes);
    product.sellp2 = leadingNumber(form.wholesale, kNumberBytes);
    product.sellp5 = leadingNumber(form.selfService, kNumberBytes);
    product.sellp6 = leadingNumber(form.orderPrice, kNumberBytes);
    product.sellp3 = leadingNumber(form.timeWindow1, kNumberBytes);
    product.regionPrice.fiyat_fark =
        static_cast<float>(leadingNumber(form.regionDifference, kNumberBytes));
    product.crtqua = leadingNumber(form.critical, kNumberBytes);
    const double smallPortion = leadingNumber(form.smallPortion, kNumberBytes);
    product.azparam = smallPortion > 0 ? smallPortion - 0.5 * product.sellp1 : 0.0;
    const auto discount = static_cast<float>(leadingNumber(form.discount, kNumberBytes));
    product.yuzde = discount;
    product.peraken = discount;
}

void readChoices(const StockEditorForm& form, const std::vector<Department>& departments,
                 StockDefinition& product) {
    product.barcode = firstBytes(form.barcode, kBarcodeBytes);
    product.unit = firstBytes(form.unit, kUnitBytes);
    product.curr = firstBytes(form.currency, kUnitBytes);
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
    form.unitcost = QString::asprintf("%.4f", p.unitcost);
    form.currency = p.curr.empty() ? QStringLiteral("TL") : QString::fromStdString(p.curr);
    form.barcode = QString::fromStdString(p.barcode);
    form.retail = twoDecimals(p.sellp1);
    form.wholesale = twoDecimals(p.sellp2);
    form.selfService = twoDecimals(p.sellp5);
    form.orderPrice = twoDecimals(p.sellp6);
    form.timeWindow1 = twoDecimals(p.sellp3);
    form.regionDifference = twoDecimals(static_cast<double>(p.regionPrice.fiyat_fark));
    form.kdv = QString::asprintf("%.0f", p.kdv);
    form.critical = twoDecimals(p.crtqua);
    const Department* department = departmentWithId(departments, p.depart);
    form.department = department ? department->name : QString();
    form.smallPortion = twoDecimals(smallPortionShown(p));
    form.discount = twoDecimals(static_cast<double>(p.yuzde));
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
    p.red = groups::redOf(p.backColor);
    p.green = groups::greenOf(p.backColor);
    p.blue = groups::blueOf(p.backColor);
    p.redfnt = groups::redOf(p.fontColor);
    p.greenfnt = groups::greenOf(p.fontColor);
    p.bluefnt = groups::blueOf(p.fontColor);
}

double leadingNumber(const QString& text, size_t maxBytes) {
    const std::string bytes = firstBytes(text, maxBytes);
    const char* first = bytes.data();
    const char* last = first + bytes.size();
    while (first != last && std::isspace(static_cast<unsigned char>(*first)))
        ++first;
    if (first != last && *first == '+')
        ++first;
    double value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    return error == std::errc() ? value : 0.0;
}

bool readForm(const StockEditorForm& form, const std::vector<Department>& departments,
              StockDefinition& product, platform::MessageBoxes& boxes, QObject* owner) {
    QString typed = form.name.left(kNameChars);
    QString name = db::sanitizeWideRoundTrip(typed);
    if (name.isEmpty()) {
        boxes.tell(QStringLiteral("Stok adı boş bırakıldı.Stok için bir ad giriniz."),
                   QStringLiteral("STOK ADI"), platform::BoxIcon::Exclamation, owner);
        return false;
    }
    StockDefinition read = product;
    read.stname = name;
    read.specs = form.specs.left(kSpecsChars);
    db::sanitizeTextKeepLines(read.specs);
    readNumbers(form, read);
    readChoices(form, departments, read);
    product = std::move(read);
    return true;
}

} // namespace parvela::stock
