#include "stock/StockBrowserColumns.h"

#include "stock/StockBrowserState.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace parvela::stock {

namespace {

struct ColumnLayout {
    const char* caption;
    int width;
};

// Widths chosen so that 1000 pixels hold every caption in full and prices
// up to 99999.99.
constexpr ColumnLayout kColumns[] = {
    {"Stok Kodu", 80},  {"POSMENU", 50},     {"Bundle", 98},   {"STOK ADI", 150},
    {"Tipi", 32},       {"Gün Menü", 52},    {"Maliyet", 58},  {"Per.Fyt", 58},
    {"Servis Fyt", 60}, {"Sipariş Fyt", 60}, {"Zaman-1", 46},  {"KDV", 28},
    {"Departman", 56},  {"GrA Sıra", 46},    {"GrB Sıra", 46}, {"Gnl Sıra", 46},
};
static_assert(std::size(kColumns) == static_cast<std::size_t>(Column::Count));

} // namespace

Span spanOf(Column column) {
    int left = kFirstColumnLeft;
    for (std::size_t i = 0; i < static_cast<std::size_t>(column); ++i)
        left += kColumns[i].width;
    return {left, left + kColumns[static_cast<std::size_t>(column)].width - 2};
}

QString captionOf(Column column) {
    return QString::fromUtf8(kColumns[static_cast<std::size_t>(column)].caption);
}

QString money(double value) {
    return QString::asprintf("%.2f", value);
}

QString platformTag(int codeClass) {
    switch (codeClass) {
    case kYemekSepetiClass:
        return QStringLiteral("YMSPT");
    case kGetirYemekClass:
        return QStringLiteral("GETİR");
    case kTrendyolClass:
        return QStringLiteral("TREND");
    default:
        return {};
    }
}

QString departmentName(const std::vector<Department>& departments, int departid) {
    if (const Department* department = departmentWithId(departments, departid))
        return department->name;
    return departid != 0 ? QString::number(departid) : QString();
}

QString orderText(int value) {
    return value == kNoOrder || value == 0 ? QString() : QString::number(value);
}

} // namespace parvela::stock
