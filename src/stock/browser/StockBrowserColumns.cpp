#include "stock/browser/StockBrowserColumns.h"

#include "stock/browser/StockBrowserState.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace parvela::stock {

namespace {

struct ColumnLayout {
    const char* caption;
    int width;
};

// Widths chosen so that 1000 pixels hold every caption in full, prices up
// to 99999.99 and as much of the name as they can.
constexpr ColumnLayout kColumns[] = {
    {"Stok Kodu", 74},  {"POSMENU", 44},     {"Bundle", 88},   {"STOK ADI", 180},
    {"Tipi", 30},       {"Gün Menü", 50},    {"Maliyet", 58},  {"Per.Fyt", 58},
    {"Servis Fyt", 58}, {"Sipariş Fyt", 60}, {"Zaman-1", 50},  {"KDV", 28},
    {"Departman", 58},  {"GrA Sıra", 42},    {"GrB Sıra", 42}, {"Gnl Sıra", 44},
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
