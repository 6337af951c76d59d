#pragma once

#include "records/StockDefinition.h"
#include "records/StockRecords.h"

#include <QString>
#include <vector>

// The columns of the stock window's list and the texts of its cells.
namespace parvela::stock {

enum class Column {
    Code,
    PosMenu,
    Bundle,
    Name,
    Type,
    DayMenu,
    Cost,
    Retail,
    Service,
    Order,
    Time1,
    Vat,
    Department,
    OrderA,
    OrderB,
    OrderAll,
    Count,
};

struct Span {
    int left;
    int right;
};

// Left of the first column lie the marker and deleted cells.
inline constexpr int kFirstColumnLeft = 32;

Span spanOf(Column column);
QString captionOf(Column column);

QString money(double value);
// The delivery platform a product is listed on, by its code class.
QString platformTag(int codeClass);
// The name of the department, else its number; nothing for none.
QString departmentName(const std::vector<Department>& departments, int departid);
// Nothing for a product that has no place of its own.
QString orderText(int value);

} // namespace parvela::stock
