#include "publishing/TransferFiles.h"

#include "db/CodePage1254.h"
#include "db/TextPreparation.h"
#include "publishing/RecordBytes.h"
#include "publishing/StockRecordLayout.h"

#include <algorithm>
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

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// ASCII, as codes and units nearly always are, is its own code page 1254.
void putUtf8(RecordSpan& record, std::size_t offset, std::size_t fieldSize, const std::string& utf8,
             const char* fallback) {
    if (utf8.empty())
        record.putNarrow(offset, fieldSize, fallback);
    else if (isAscii(utf8))
        record.putNarrow(offset, fieldSize, utf8);
    else
        record.putNarrow(offset, fieldSize, narrow(utf8));
}

// At most fieldSize - 1 bytes, as RecordSpan::putNarrow keeps.
void putWideAsNarrow(RecordSpan& record, std::size_t offset, std::size_t fieldSize,
                     const QString& text, std::u16string_view blanked = {}) {
    db::Cp1254::encodeLossyInto(text, record.data() + offset, fieldSize - 1, blanked);
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

void putNumbers(RecordSpan& record, const stock::StockDefinition& p) {
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

// The texts the key list reads back.
void putCodeTexts(RecordSpan& record, const stock::StockDefinition& p) {
    putUtf8(record, at::kBarcode, at::kCodeTextSize, p.barcode, "000");
    putUtf8(record, at::kSerial, at::kCodeTextSize, p.serial, "000");
    putUtf8(record, at::kUnit, at::kUnitSize, p.unit, "ad");
    if (p.stname.isEmpty())
        record.putNarrow(at::kName, at::kNameSize, "xxx");
    else
        putWideAsNarrow(record, at::kName, at::kNameSize, p.stname, db::transferUnsafeCharacters());
}

void putTexts(RecordSpan& record, const stock::StockDefinition& p) {
    putUtf8(record, at::kModel, at::kModelSize, p.model, "");
    putWideAsNarrow(record, at::kBrand, at::kBrandSize, p.brnd);
    putWideAsNarrow(record, at::kSpecs2, at::kSpecs2Size, p.specs2);
    putCodeTexts(record, p);
}

// Lays out a product's record for the given company.
struct PutStockRecord {
    int companyId;
    void operator()(RecordSpan record, const stock::StockDefinition& product) const {
        putNumbers(record, product);
        putTexts(record, product);
        record.putInt32(at::kCompany, companyId);
    }
};

} // namespace

void putKeyFields(char* record, const stock::StockDefinition& product, int companyId) {
    RecordSpan fields(record);
    putNumbers(fields, product);
    putCodeTexts(fields, product);
    fields.putInt32(at::kCompany, companyId);
}

namespace {

// Both group records carry the same block after their codes.
void putGroupBlock(RecordSpan& record, std::size_t offset, const QString& name, bool posmenu,
                   int tur) {
    record.putWide(offset, kGroupNameUnits, name);
    record.putByte(offset + kGroupNameBytes, posmenu);
    record.putInt32(offset + kGroupNameBytes + 4, tur);
}

void putGroupA(RecordSpan record, const groups::GroupA& group) {
    record.putInt32(0, group.acode);
    putGroupBlock(record, 4, group.wideName, group.posmenu, group.tur);
}

void putGroupB(RecordSpan record, const groups::GroupB& group) {
    record.putInt32(0, group.acode);
    record.putInt32(4, group.bcode);
    putGroupBlock(record, 8, group.wideName, group.posmenu, group.tur);
}

void putRecipeLine(RecordSpan record, const recipes::RecipeLine& line) {
    record.putInt32(0, line.Id);
    record.putInt64(8, line.ingredient);
    record.putInt64(16, line.urun);
    record.putFloat64(24, line.qua);
}

// Records laid out in a piece of about 64 kB, zeroed and reused for each
// run of records and handed to the sink when full.
template <typename Items, typename PutRecord>
void putPieces(const Items& items, std::size_t recordSize, PutRecord put,
               const platform::PieceSink& sink) {
    constexpr std::size_t kPieceBytes = 64 * 1024;
    const std::size_t perPiece = std::max<std::size_t>(1, kPieceBytes / recordSize);
    std::string piece(perPiece * recordSize, '\0');
    auto item = std::begin(items);
    for (std::size_t left = items.size(); left > 0;) {
        const std::size_t count = std::min(left, perPiece);
        std::fill_n(piece.data(), count * recordSize, '\0');
        for (std::size_t i = 0; i < count; ++i, ++item)
            put(RecordSpan(piece.data() + i * recordSize), *item);
        if (!sink(std::string_view(piece.data(), count * recordSize)))
            return;
        left -= count;
    }
}

template <typename Items, typename PutRecord>
std::string laidOut(const Items& items, std::size_t recordSize, PutRecord put) {
    return collected(
        [&](const platform::PieceSink& sink) { putPieces(items, recordSize, put, sink); },
        items.size() * recordSize);
}

template <typename Item, typename PutRecord>
std::string oneRecord(const Item& item, std::size_t recordSize, PutRecord put) {
    RecordBytes record(recordSize);
    put(record, item);
    return record.bytes();
}

} // namespace

std::string stockRecord(const stock::StockDefinition& product, int companyId) {
    return oneRecord(product, kStockRecordSize, PutStockRecord{companyId});
}

std::string groupARecord(const groups::GroupA& group) {
    return oneRecord(group, kGroupARecordSize, putGroupA);
}

std::string groupBRecord(const groups::GroupB& group) {
    return oneRecord(group, kGroupBRecordSize, putGroupB);
}

std::string recipeRecord(const recipes::RecipeLine& line) {
    return oneRecord(line, kRecipeRecordSize, putRecipeLine);
}

void makeStockFile(const stock::ProductList& products, int companyId,
                   const platform::PieceSink& sink) {
    putPieces(products, kStockRecordSize, PutStockRecord{companyId}, sink);
}

std::string stockFile(const stock::ProductList& products, int companyId) {
    return collected(
        [&](const platform::PieceSink& sink) { makeStockFile(products, companyId, sink); },
        products.size() * kStockRecordSize);
}

std::string groupAFile(const std::vector<groups::GroupA>& groups) {
    return laidOut(groups, kGroupARecordSize, putGroupA);
}

std::string groupBFile(const std::vector<groups::GroupB>& groups) {
    return laidOut(groups, kGroupBRecordSize, putGroupB);
}

std::string recipeFile(const std::vector<recipes::RecipeLine>& lines) {
    return laidOut(lines, kRecipeRecordSize, putRecipeLine);
}

} // namespace parvela::publishing
