#pragma once

#include "records/StockDefinition.h"

namespace parvela::publishing::test {

// A product with every published field set, and a few that are not.
inline stock::StockDefinition everyFieldSet() {
    stock::StockDefinition p;
    p.stcode = 12345;
    p.type = 2;
    p.gra = 7;
    p.grb = 258;
    p.grc = -1;
    p.grd = 99; // not published
    p.model = "MX-20";
    p.brnd = QStringLiteral("Şölen");
    p.specs2 = QStringLiteral("Acı");
    p.barcode = "8690123456789";
    p.serial = "SN1";
    p.partnum = "P-1"; // not published
    p.unit = "kg";
    p.stname = QStringLiteral("Çiğ Köfte");
    p.kdv = 8;
    p.unitcost = 1.5;
    p.sellp1 = 12.5;
    p.sellp2 = 2;
    p.sellp3 = -1;
    p.sellp4 = 0.25;
    p.sellp5 = 100;
    p.sellp6 = 0.5;
    p.azparam = 3;
    p.depart = 4;
    p.is_weighed = true;
    p.qua1 = 5; // not published
    return p;
}

} // namespace parvela::publishing::test
