#pragma once

#include <array>

namespace parvela::groups {

// Kind of a stock and of a group; the values also start Group A codes.
enum StockType : int {
    kNoType = 0,
    kRawMaterial = 111,
    kSemiFinished = 222,
    kFinished = 333,
    kConsumable = 444,
    kInvoiceItem = 555,
    kExpense = 666,
    kFixture = 777,
};

// A type as the group dialogs offer it: its label and the ids of its radio
// button in dialogs 130/131 and in dialog 132.
struct StockTypeChoice {
    StockType type;
    const char* label; // UTF-8
    int radioId;
    int subMenuRadioId;
};

// In the order the group dialogs test their radio buttons.
inline constexpr std::array<StockTypeChoice, 7> kStockTypeChoices{{
    {kRawMaterial, "HAMMADDE", 1002, 1014},
    {kSemiFinished, "YARIMAMÜL", 1003, 1017},
    {kFinished, "MAMÜL", 1005, 1021},
    {kInvoiceItem, "FATURA ÜRÜNÜ", 1008, 1026},
    {kExpense, "GİDER", 1011, 1030},
    {kConsumable, "SARF MALZEME", 1016, 1034},
    {kFixture, "DEMİRBAŞ", 1022, 1039},
}};

} // namespace parvela::groups
