#pragma once

#include "records/Geometry.h"

#include <QString>
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

// The small records of the lists joined to products.
namespace parvela::stock {

using StockCode = std::int64_t;

// A stock code as printf's "%lld" takes it.
inline long long code64(StockCode code) {
    return static_cast<long long>(code);
}

struct Unit {
    QString name;
    int type = 0; // decimals the quantities of this unit are shown with
};

struct Currency {
    int id = 0;
    std::string code;
    double alis = 0;  // buying rate
    double satis = 0; // selling rate
};

struct Department {
    int id = 0;
    int departid = 0;
    QString name;
    QString printer;
};

struct StockColour {
    int Id = 0;
    StockCode stcode = 0;
    int red = 0;
    int green = 0;
    int blue = 0;
    int redfnt = 0;
    int greenfnt = 0;
    int bluefnt = 0;
    records::Rgb back = 0;
    records::Rgb font = 0;
};

struct SizePrices {
    StockCode stcode = 0;
    double smll_prc = 0;
    double smll_qua = 0;
    double med_prc = 0;
    double med_qua = 0;
    double larg_prc = 0;
    double larg_qua = 0;
};

struct RegionPrice {
    int bolgekod = 0;
    QString regionName;
    StockCode stcode = 0;
    float fiyat_fark = 0;
};

// A delivery region of the price differences.
struct Region {
    int kod = 0;
    QString baslik;
};

// The stored picture of a product.
struct ProductPicture {
    StockCode stcode = 0;
    QString img; // as stored: the copy's full path on the machine that chose it
};

// The file name of a stored picture path, whichever system's separators it
// has: "C:\Orvanta\images\stok_7.jpg" and "/home/x/Orvanta/images/stok_7.jpg"
// both give "stok_7.jpg".
inline QString pictureFileName(const QString& stored) {
    const qsizetype slash = std::max(stored.lastIndexOf(u'/'), stored.lastIndexOf(u'\\'));
    return stored.mid(slash + 1);
}

// The department with that departid, or null.
inline const Department* departmentWithId(const std::vector<Department>& departments,
                                          int departid) {
    for (const Department& department : departments) {
        if (department.departid == departid)
            return &department;
    }
    return nullptr;
}

} // namespace parvela::stock
