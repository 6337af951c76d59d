#include "publishing/TransferFiles.h"

#include "db/CodePage1254.h"
#include "db/TextPreparation.h"
#include "publishing/RecordBytes.h"
#include "publishing/StockRecordLayout.h"

#include <climits>
#include <cmath>
#include <iterator>

namespace parvela::publishing {

namespace {

namespace at = stockrecord;

constexpr qsizetype kGroupNameUnits = 64;
constexpr std::size_t kGroupNameBytes = 2 * kGroupNameUnits;

std::string narrow(const std::string& utf8) {
    return db::Cp1254::encodeLossy(QString::fromStdString(utf8));
}

std::string narrowOr(const std::string& utf8, const char* fallback) {
    return utf8.empty() ? std::string(fallback) : narrow(utf8);
}

std::string nameOf(const QString& wide) {
    if (wide.isEmpty())
        return "xxx";
    QString name = wide;
    db::sanitizeTransferText(name);
    return db::Cp1254::encodeLossy(name);
}

// A broken rate must not become undefined behaviour on the way to an int.
std::int32_t wholeRate(double kdv) {
    if (!std::isfinite(kdv))
        return 0;
    const double whole = std::trunc(kdv);
    if (whole <= static_cast<double>(INT_MIN))
        return INT_MIN;
    if (whole >= static_cast<double>(INT_MAX))
        return INT_MAX;
    return static_cast<std::int32_t>(whole);
}

void putNumbers(RecordBytes& record, const stock::StockDefinition& p) {
    record.putInt64(at::kCode, static_cast<std::int64_t>(static_cast<std::uint32_t>(p.stcode)));
    record.putInt32(at::kType, p.type);
    record.putInt32(at::kGra, p.gra);
    record.putInt32(at::kGrb, p.grb);
    record.putInt32(at::kGrc, p.grc);
    record.putInt32(at::kKdv, wholeRate(p.kdv));
    record.putFloat32(at::kUnitCost, static_cast<float>(p.unitcost));
    const double prices[] = {p.sellp1, p.sellp2, p.sellp3, p.sellp4, p.sellp5, p.sellp6};
    for (std::size_t i = 0; i < std::size(prices); ++i)
        record.putFloat32(at::kSellp1 + 4 * i, static_cast<float>(prices[i]));
    record.putFloat32(at::kAzparam, static_cast<float>(p.azparam));
    record.putInt32(at::kDepart, p.depart);
    record.putByte(at::kWeighed, p.is_weighed);
}

void putTexts(RecordBytes& record, const stock::StockDefinition& p) {
    record.putNarrow(at::kModel, at::kModelSize, narrow(p.model));
    record.putNarrow(at::kBrand, at::kBrandSize, db::Cp1254::encodeLossy(p.brnd));
    record.putNarrow(at::kSpecs2, at::kSpecs2Size, db::Cp1254::encodeLossy(p.specs2));
    record.putNarrow(at::kBarcode, at::kCodeTextSize, narrowOr(p.barcode, "000"));
    record.putNarrow(at::kSerial, at::kCodeTextSize, narrowOr(p.serial, "000"));
    record.putNarrow(at::kUnit, at::kUnitSize, narrowOr(p.unit, "ad"));
    record.putNarrow(at::kName, at::kNameSize, nameOf(p.stname));
}

// Both group records carry the same block after their codes.
void putGroupBlock(RecordBytes& record, std::size_t offset, const QString& name, bool posmenu,
                   int tur) {
    record.putWide(offset, kGroupNameUnits, name);
    record.putByte(offset + kGroupNameBytes, posmenu);
    record.putInt32(offset + kGroupNameBytes + 4, tur);
}

template <typename Items, typename MakeRecord>
std::string joined(const Items& items, std::size_t recordSize, MakeRecord make) {
    std::string bytes;
    bytes.reserve(items.size() * recordSize);
    for (const auto& item : items)
        bytes += make(item);
    return bytes;
}

} // namespace

std::string stockRecord(const stock::StockDefinition& product, int companyId) {
    RecordBytes record(kStockRecordSize);
    putNumbers(record, product);
    putTexts(record, product);
    record.putInt32(at::kCompany, companyId);
    return record.bytes();
}

std::string groupARecord(const groups::GroupA& group) {
    RecordBytes record(kGroupARecordSize);
    record.putInt32(0, group.acode);
    putGroupBlock(record, 4, group.wideName, group.posmenu, group.tur);
    return record.bytes();
}

std::string groupBRecord(const groups::GroupB& group) {
    RecordBytes record(kGroupBRecordSize);
    record.putInt32(0, group.acode);
    record.putInt32(4, group.bcode);
    putGroupBlock(record, 8, group.wideName, group.posmenu, group.tur);
    return record.bytes();
}

std::string recipeRecord(const recipes::RecipeLine& line) {
    RecordBytes record(kRecipeRecordSize);
    record.putInt32(0, line.Id);
    record.putInt64(8, line.ingredient);
    record.putInt64(16, line.urun);
    record.putFloat64(24, line.qua);
    return record.bytes();
}

std::string stockFile(const stock::ProductList& products, int companyId) {
    return joined(products, kStockRecordSize, [companyId](const stock::StockDefinition& p) {
        return stockRecord(p, companyId);
    });
}

std::string groupAFile(const std::vector<groups::GroupA>& groups) {
    return joined(groups, kGroupARecordSize, groupARecord);
}

std::string groupBFile(const std::vector<groups::GroupB>& groups) {
    return joined(groups, kGroupBRecordSize, groupBRecord);
}

std::string recipeFile(const std::vector<recipes::RecipeLine>& lines) {
    return joined(lines, kRecipeRecordSize, recipeRecord);
}

} // namespace parvela::publishing
