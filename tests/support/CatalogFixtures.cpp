#include "CatalogFixtures.h"

#include "TestDatabase.h"

#include <QProcess>
#include <stdexcept>

namespace parvela::test {

namespace {

std::string quoted(const std::string& text) {
    return "'" + text + "'";
}

} // namespace

void addProduct(const ProductRow& p) {
    TestDatabase::exec(
        "INSERT INTO stocks.stckdef(stcode,stname,gra,grb,grc,is_weighed,unitcost,sellp1,bundle) "
        "VALUES(" +
        std::to_string(p.stcode) + "," + quoted(p.name) + "," + std::to_string(p.gra) + "," +
        std::to_string(p.grb) + "," + std::to_string(p.grc) + "," + (p.weighed ? "1" : "0") + "," +
        std::to_string(p.unitcost) + "," + std::to_string(p.sellp1) + "," +
        std::to_string(p.bundle) + ");");
}

void addGroupA(int acode, const std::string& name, int tur) {
    TestDatabase::exec("INSERT INTO `groups`.classa(acode,groupname,posmenu,tur) VALUES(" +
                       std::to_string(acode) + "," + quoted(name) + ",1," + std::to_string(tur) +
                       ");");
}

void addGroupB(int acode, int bcode, const std::string& name, int indexSira) {
    TestDatabase::exec(
        "INSERT INTO `groups`.classb(acode,bcode,groupname,posmenu,tur,index_sira) VALUES(" +
        std::to_string(acode) + "," + std::to_string(bcode) + "," + quoted(name) + ",1,333," +
        std::to_string(indexSira) + ");");
}

void addGroupC(int acode, int bcode, int ccode, const std::string& name) {
    TestDatabase::exec("INSERT INTO `groups`.classc(acode,bcode,ccode,groupname,posmenu,tur) "
                       "VALUES(" +
                       std::to_string(acode) + "," + std::to_string(bcode) + "," +
                       std::to_string(ccode) + "," + quoted(name) + ",1,333);");
}

void addRecipeLine(std::int64_t product, std::int64_t ingredient, double quantity) {
    TestDatabase::exec("INSERT INTO stocks.receipts(urun,ingredient,qua) VALUES(" +
                       std::to_string(product) + "," + std::to_string(ingredient) + "," +
                       std::to_string(quantity) + ");");
}

recipes::RecipeLine recipeLine(std::int64_t product, std::int64_t ingredient, double quantity) {
    recipes::RecipeLine line;
    line.urun = product;
    line.ingredient = ingredient;
    line.qua = quantity;
    return line;
}

stock::StockDefinition productRecord(std::int64_t code, const char* name, double unitcost) {
    stock::StockDefinition product;
    product.stcode = code;
    product.stname = QString::fromUtf8(name);
    product.unitcost = unitcost;
    return product;
}

void loadDemoRestaurant() {
    QProcess load;
    load.setProcessChannelMode(QProcess::ForwardedChannels);
    load.start(QStringLiteral("bash"),
               {QStringLiteral("-c"),
                QStringLiteral(". \"$1/scripts/db-env\" && db_admin < \"$1/sql/demo.sql\""),
                QStringLiteral("load-demo"), TestDatabase::repoRoot()});
    if (!load.waitForFinished(120000) || load.exitCode() != 0)
        throw std::runtime_error("loading sql/demo.sql failed");
}

stock::CatalogueRef catalogueOf(stock::ProductList products) {
    auto catalogue = std::make_shared<stock::Catalogue>();
    catalogue->products = std::move(products);
    catalogue->reindex();
    return catalogue;
}

} // namespace parvela::test
