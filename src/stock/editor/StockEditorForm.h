#pragma once

#include "records/StockDefinition.h"

#include <QString>
#include <array>
#include <vector>

class QObject;

namespace parvela::platform {
class MessageBoxes;
}

namespace parvela::stock {

// The type radio buttons in reading order: 7018, 7019, 7020, 7021, 7022, 7028.
inline constexpr std::array<int, 6> kTypeRadioIds{7018, 7019, 7020, 7021, 7022, 7028};
inline constexpr std::array<int, 6> kTypeRadioTypes{111, 222, 333, 444, 555, 777};

// What the editor's controls hold, as the user sees it.
struct StockEditorForm {
    QString code;             // 7041
    QString name;             // 7005
    QString unit;             // 7012
    QString unitcost;         // 7006
    QString currency;         // 7007
    QString barcode;          // 7034
    QString retail;           // 7008, sellp1
    QString wholesale;        // 7009, sellp2
    QString selfService;      // 7010, sellp5
    QString orderPrice;       // 7011, sellp6
    QString timeWindow1;      // 7029, sellp3
    QString regionDifference; // 7091
    QString kdv;              // 7013
    QString critical;         // 7014
    QString department;       // 7015
    QString smallPortion;     // 7016
    QString discount;         // 7027
    QString specs;            // 7017
    std::array<bool, 6> typeChecked{};
    bool bundle = false;          // 7043
    bool relatedUpdate = false;   // 8027
    bool gameStock = false;       // 8028
    bool weighed = false;         // 8029
    bool priceChangeable = false; // 8030
};

// The small-portion price the form shows: half the retail price plus
// azparam. The save stores azparam = shown − retail / 2 for a positive
// entry and 0 otherwise, so azparam 0 shows as 0 and round-trips as 0.
double smallPortionShown(const StockDefinition& product);

StockEditorForm formFromRecord(const StockDefinition& product,
                               const std::vector<Department>& departments);

// The colour components the save writes, taken from the colours shown, so
// that a save without a colour choice writes the same colours back.
void takeComponentsFromColours(StockDefinition& product);

// Characters each number edit takes (the VAT rate two), and the bytes the
// barcode, unit and currency keep.
inline constexpr qsizetype kNumberChars = 11;
inline constexpr qsizetype kKdvChars = 2;
inline constexpr qsizetype kNameChars = 57;
inline constexpr qsizetype kSpecsChars = 999;
inline constexpr size_t kBarcodeBytes = 29;
inline constexpr size_t kUnitBytes = 3;
// The largest price the price columns hold.
inline constexpr double kMaxPrice = 999999999999.0;

// Reads the form into `product`. False, with the record untouched, when the
// name is empty (the "STOK ADI" box) or a number field holds something that
// is not a number (a box naming the field).
bool readForm(const StockEditorForm& form, const std::vector<Department>& departments,
              StockDefinition& product, platform::MessageBoxes& boxes, QObject* owner);

} // namespace parvela::stock
