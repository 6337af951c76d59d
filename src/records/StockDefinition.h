#pragma once

#include "records/Geometry.h"
#include "records/StockRecords.h"

#include <QString>
#include <cstdint>
#include <string>

namespace parvela::stock {

// Field sizes of the record, terminator included, as the suite's programs
// keep them.
namespace field {
inline constexpr qsizetype kName = 60;
inline constexpr qsizetype kBrand = 40;
inline constexpr qsizetype kSpecs2 = 40;
inline constexpr qsizetype kSpecs = 1024;
inline constexpr qsizetype kGroupName = 60;
inline constexpr size_t kModel = 20;
inline constexpr size_t kCodeText = 40; // barcode, serial, part number
inline constexpr size_t kSku = 65;
inline constexpr size_t kUnit = 5;
inline constexpr size_t kCurrency = 5;
// Code page buffers the texts are converted in on their way to a statement.
inline constexpr qsizetype kBrandLiteral = 33;
inline constexpr qsizetype kSpecs2Literal = 40;
inline constexpr qsizetype kNameLiteral = 80;
inline constexpr qsizetype kSpecsLiteral = 1023;
} // namespace field

inline constexpr int kNoOrder = 1000000;
inline constexpr records::Rgb kDefaultFontColour = records::rgb(220, 220, 220);

// One product, copied by value between lists and windows.
struct StockDefinition {
    QString imagePath;

    // Columns of stckdef.
    StockCode stcode = 0;
    int type = 0;
    int gra = 0;
    int grb = 0;
    int grc = 0;
    int grd = 0;
    int gre = 0;
    int grf = 0;
    std::string model;
    QString brnd;
    QString specs2;
    int depart = 0;
    bool bundle = false;
    std::string barcode;
    std::string serial;
    std::string partnum;
    std::string sku;
    QString stname;
    std::string unit;
    std::string curr;
    double kdv = 0;
    double unitcost = 0;
    float quantity = 0;
    double sellp1 = 0; // retail
    double sellp2 = 0; // wholesale
    double sellp3 = 0; // time window 1
    double sellp4 = 0; // time window 2
    double sellp5 = 0; // self-service
    double sellp6 = 0; // order
    double qua1 = 0;
    double qua2 = 0;
    double azparam = 0;
    double crtqua = 0;
    QString specs;
    int warranty = 0;
    int cndtn = 0;
    std::int16_t gunmenu = 0;
    bool prcchange = false;
    bool game_stock = false;
    bool related_update = false;
    bool is_weighed = false;

    // Joined from other lists when the products are read.
    int red = 0;
    int green = 0;
    int blue = 0;
    int redfnt = 0;
    int greenfnt = 0;
    int bluefnt = 0;
    records::Rgb backColor = 0;
    records::Rgb fontColor = kDefaultFontColour;
    int index_sira = kNoOrder;
    int sira_gra = 0;
    int sira_grb = 0;
    bool hasRecipe = false;
    bool isQuickSale = false;
    bool hasSizes = false;
    double smll_prc = 0;
    double med_prc = 0;
    double larg_prc = 0;
    double smll_qua = 0;
    double med_qua = 0;
    double larg_qua = 0;
    RegionPrice regionPrice;
    float peraken = 0;
    float yuzde = 0;
    int codeClass = 0;
    std::int16_t deletedMark = 0;
};

} // namespace parvela::stock
