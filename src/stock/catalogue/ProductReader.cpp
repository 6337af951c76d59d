#include "stock/catalogue/ProductReader.h"

#include "db/FixedField.h"
#include "db/ListReader.h"
#include "stock/catalogue/ProductJoins.h"

#include <algorithm>

namespace parvela::stock {

namespace {

const std::string kProductColumns =
    "stcode,type,gra,grb,grc,grd,gre,grf,brnd,model,specs2,barcode,serial,partnum,stname,unit,"
    "curr,kdv,unitcost,sellp1,sellp2,sellp3,sellp4,sellp5,qua1,sellp6,qua2,crtqua,specs,warranty,"
    "cndtn,bundle,quantity,depart,gunmenu,azparam,sku,prcchange,game_stock,related_update,"
    "is_weighed ";

QString wideField(const db::Row& row, int column, qsizetype size) {
    return row.text(column, size);
}

std::string narrowField(const db::Row& row, int column, size_t size) {
    return row.bytes(column, size);
}

void readKeysAndGroups(const db::Row& row, StockDefinition& p) {
    p.stcode = row.int64(1);
    p.type = row.integer(2);
    p.gra = row.integer(3);
    p.grb = row.integer(4);
    p.grc = row.integer(5);
    p.grd = row.integer(6);
    p.gre = row.integer(7);
    p.grf = row.integer(8);
}

void readTexts(const db::Row& row, StockDefinition& p) {
    p.brnd = wideField(row, 9, field::kBrand);
    p.model = narrowField(row, 10, field::kModel);
    p.specs2 = wideField(row, 11, field::kSpecs2);
    p.barcode = narrowField(row, 12, field::kCodeText);
    p.serial = narrowField(row, 13, field::kCodeText);
    p.partnum = narrowField(row, 14, field::kCodeText);
    p.stname = wideField(row, 15, field::kName);
    p.unit = narrowField(row, 16, field::kUnit);
    p.curr = narrowField(row, 17, field::kCurrency);
}

void readPrices(const db::Row& row, StockDefinition& p) {
    p.kdv = row.real(18);
    p.unitcost = row.real(19);
    p.sellp1 = row.real(20);
    p.sellp2 = row.real(21);
    p.sellp3 = row.real(22);
    p.sellp4 = row.real(23);
    p.sellp5 = row.real(24);
    p.qua1 = row.real(25);
    p.sellp6 = row.real(26);
    p.qua2 = row.real(27);
    p.crtqua = row.real(28);
}

void readTheRest(const db::Row& row, StockDefinition& p) {
    p.specs = wideField(row, 29, field::kSpecs);
    p.warranty = row.integer(30);
    p.cndtn = row.integer(31);
    p.bundle = row.flag(32);
    p.quantity = static_cast<float>(row.real(33));
    p.depart = row.integer(34);
    p.gunmenu = static_cast<std::int16_t>(row.integer(35));
    p.azparam = row.real(36);
    p.sku = narrowField(row, 37, field::kSku);
    p.prcchange = row.flag(38);
    p.game_stock = row.flag(39);
    p.related_update = row.flag(40);
    p.is_weighed = row.flag(41);
}

void fillFromRow(const db::Row& row, StockDefinition& product) {
    readKeysAndGroups(row, product);
    readTexts(row, product);
    readPrices(row, product);
    readTheRest(row, product);
    product.codeClass = codeClassOf(product.stcode);
}

int readProductList(const db::StatementRunner& runner, const char* tag, const char* orderBy,
                    const ProductJoins& joins, ProductList& products) {
    ProductList read;
    const db::Outcome outcome = runner.query(
        db::Operation(tag), db::schema::stocks,
        "SELECT " + kProductColumns + " FROM stckdef " + orderBy, [&](const db::Row& row) {
            if (read.empty())
                read.reserve(row.resultRows());
            StockDefinition product;
            fillFromRow(row, product);
            joins.apply(product);
            read.push_back(std::move(product));
        });
    // As every list read: a failed read keeps the list there was, unless there was none.
    if (outcome == db::Outcome::Failed) {
        if (products.empty())
            products = std::move(read);
        return db::kReadFailed;
    }
    products = std::move(read);
    return static_cast<int>(products.size());
}

} // namespace

int readProducts(const db::StatementRunner& runner, const ProductJoins& joins,
                 ProductList& products) {
    return readProductList(runner, "READ_STOK_TANIM", "ORDER BY stname;", joins, products);
}

int readProductsByCode(const db::StatementRunner& runner, const ProductJoins& joins,
                       ProductList& products) {
    return readProductList(runner, "READ_STOK_TANIM_ORDERBY_STCODE", "ORDER by stcode;", joins,
                           products);
}

} // namespace parvela::stock
