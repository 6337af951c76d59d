#pragma once

#include "stock/catalogue/EditedProduct.h"

#include <QString>
#include <array>

namespace parvela::db {
class StatementRunner;
}

// "ZAMAN ARALIGI": the days and hours of a product's first price time
// window. The second window has no dialog; it is written back as read.
namespace parvela::stock {

inline constexpr std::array<const char*, 7> kDayNames{
    "PAZARTESİ", "SALI", "ÇARŞAMBA", "PERŞEMBE", "CUMA", "CUMARTESİ", "PAZAR"};
inline constexpr int kHourDigits = 9; // what an int holds whole

// One day row of the dialog as the user sees it.
struct PriceTimeRow {
    int dayIndex = -1; // in kDayNames; -1 when no day is chosen
    QString start;
    QString end;
};
using PriceTimeRows = std::array<PriceTimeRow, 7>;

PriceTimeRows rowsOfWindow(const std::array<int, 21>& window);
// Day = the chosen index + 1, so a row without a day gives day 0; an hour
// that is no number gives 0.
std::array<int, 21> windowOfRows(const PriceTimeRows& rows);

// The dialog's heading lines: "Stok : code name" and the price of the
// editor's time-window edit as typed, "Fiyat : 12,50".
QString productLine(const StockDefinition& product);
QString priceLine(double price);

// Rewrites both windows of the product, window A from `rows` with `price`
// (what the dialog showed, typed in the editor perhaps not saved yet) and
// window B as read with sellp4, in one transaction. The record takes the
// rows only when that went through; false after the failure box.
bool savePriceTimes(const db::StatementRunner& runner, EditedProduct& edited,
                    const PriceTimeRows& rows, double price);

} // namespace parvela::stock
