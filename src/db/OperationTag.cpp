#include "db/OperationTag.h"

#include <algorithm>
#include <iterator>

namespace parvela::db {

namespace {

constexpr std::string_view kExclamationTags[] = {
    "DELETE_GRUP_A",
    "UPDATE_GRUP_A",
    "if_Gruba_Bagli_STOK_VAR",
    "UPDATE_SECILI_STOK_GUNMENU",
    "UPDATE FONTCOLOR stocks.colors",
    "DELETE FROM stocks.colors",
    "INSERT INTO stocks.colors",
    "RESET_PRICE_TIMES",
    "UPDATE_SECILI_STOK_DEPARTMAN",
    "UPDATE_GRUP_DEPARTMAN",
    "TRUNCATE_ALL_ISKONTO",
    "UPDATE_ORDERITEM_KDV",
    "UPDATE_ORDITEMDETAIL_KDV",
    "UPDATE_GRUP_KDV",
    "UPDATE_GRUP_BIRIMI",
    "UPDATE_STOK_TIPI",
    "INSERT_NEW_GRUP_A",
    "INSERT_HIZLI_SATIS_STOGU",
    "DELETE_HIZLI_SATIS_STOGU",
    "DELETE_GRUP_B",
    "DELETE FROM backcolorb",
    "INSERT INTO backcolorb",
    "DELETE FROM fontcolorb",
    "INSERT INTO fontcolorb",
    "UPDATE_GRUP_B",
    "INSERT_NEW_GRUP_B",
    "READ_TABLEDOT_GRUPLARI",
    "TRUNCATE_TABLEDOT_GRUPLARI",
    "INSERT_TABLEDOT_GRUP_B",
    "DELETE_GRUP_C",
    "UPDATE_GRUP_C",
    "INSERT_NEW_GRUP_C",
    "RETRIEVE_PRCTIMES_A",
    "RETRIEVE_PRCTIMES_B",
    "UPDATE_STOCK_NAME",
    "UPDATE_STOCK_DEF",
    "UPDATE_DISCOUNT_TABLE",
    "UPDATE_STOK_RENGI",
    "GET_SYNCH_ID",
    "if_User_URUN_YONETIR",
    "READ_SETTINGS",
    "Retrieve_Barkod_of_URUNKODU",
    "If_Barcode_Exists",
};

constexpr std::string_view kExclamationTopmostTags[] = {
    "INSERT_STOK_RESMI",
    "UPDATE_STOK_RESMI",
};

constexpr std::string_view kPlainTopmostTags[] = {
    "READ_SUBE_INFO",
};

template <size_t N> bool listed(const std::string_view (&tags)[N], std::string_view tag) {
    return std::find(std::begin(tags), std::end(tags), tag) != std::end(tags);
}

} // namespace

BoxStyle boxStyleOf(std::string_view tag) {
    if (listed(kExclamationTags, tag))
        return BoxStyle::Exclamation;
    if (listed(kExclamationTopmostTags, tag))
        return BoxStyle::ExclamationTopmost;
    if (listed(kPlainTopmostTags, tag))
        return BoxStyle::PlainTopmost;
    return BoxStyle::Plain;
}

} // namespace parvela::db
