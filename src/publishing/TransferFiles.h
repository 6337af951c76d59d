#pragma once

#include "groups/GroupRecords.h"
#include "platform/AtomicFile.h"
#include "records/Company.h"
#include "records/ProductList.h"
#include "records/RecipeLine.h"

#include <QString>
#include <string>
#include <vector>

// The catalogue as the branches and the web service read it: four files of
// fixed-size little-endian records and a one-line key list.
namespace parvela::publishing {

inline constexpr std::size_t kStockRecordSize = 536;
inline constexpr std::size_t kGroupARecordSize = 140;
inline constexpr std::size_t kGroupBRecordSize = 148;
inline constexpr std::size_t kRecipeRecordSize = 32;

inline const QString kKeyListFile = QStringLiteral("stokdeffile.txt");
inline const QString kStockFile = QStringLiteral("stokdef.dat");
inline const QString kGroupAFile = QStringLiteral("grupA.dat");
inline const QString kGroupBFile = QStringLiteral("grupB.dat");
inline const QString kRecipeFile = QStringLiteral("recete.dat");

// One FTP_STOCK_DEFINITION: "000" for a missing barcode or serial, "ad" for
// a missing unit, "xxx" for a missing name.
std::string stockRecord(const stock::StockDefinition& product, int companyId);
std::string groupARecord(const groups::GroupA& group);
std::string groupBRecord(const groups::GroupB& group);
std::string recipeRecord(const recipes::RecipeLine& line);

// The records of each list one after the other.
std::string stockFile(const stock::ProductList& products, int companyId);
std::string groupAFile(const std::vector<groups::GroupA>& groups);
std::string groupBFile(const std::vector<groups::GroupB>& groups);
std::string recipeFile(const std::vector<recipes::RecipeLine>& lines);
// "isletme_code=>…,type=>…,…,sellp1=>12.50" per product, "|" between them,
// taken from each product's record. Barcode, serial, name and unit pass the
// transfer sanitiser with line breaks blanked, so no text can add a "|",
// "," or line; the records keep them as stored.
std::string keyList(const stock::ProductList& products, int companyId);
// The two large files made a piece at a time, as they are written: a
// catalogue's files are never held whole. Each stops when the sink refuses.
void makeStockFile(const stock::ProductList& products, int companyId,
                   const platform::PieceSink& sink);
void makeKeyList(const stock::ProductList& products, int companyId,
                 const platform::PieceSink& sink);
// Of a zeroed record of kStockRecordSize bytes, the fields the key list
// reads, as stockRecord lays them out.
void putKeyFields(char* record, const stock::StockDefinition& product, int companyId);

// 0 when `<root>/Orvanta/transfer` is there or was made; -1 when
// `<root>/Orvanta` is missing and cannot be made, -2 when `transfer` cannot.
int makeTransferFolder(const QString& dataRoot);

} // namespace parvela::publishing
