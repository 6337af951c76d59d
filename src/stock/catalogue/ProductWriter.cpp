#include "stock/catalogue/ProductWriter.h"

#include "db/FixedField.h"
#include "db/SqlFormat.h"
#include "db/SqlLiteral.h"
#include "db/StatementBatch.h"
#include "db/StatementRunner.h"
#include "db/TextPreparation.h"
#include "platform/MessageBoxes.h"
#include "recipes/RecipeStatements.h"
#include "stock/catalogue/ProductChecks.h"

namespace parvela::stock {

namespace {

const db::Operation kInsert("INSERT_NEW_STOCK_DEFINITION");

int run(const db::StatementRunner& runner, const db::Operation& op, const std::string& text) {
    return runner.execute(op, db::schema::stocks, text) == db::Outcome::Failed ? -1 : 1;
}

// A byte field of the record, as long as the record keeps it: only UTF-8
// reaches the text column, and never more than it holds.
std::string bytesLiteral(const std::string& bytes, size_t fieldSize) {
    return db::quotedLiteral(db::validUtf8(db::fitField(std::string_view(bytes), fieldSize)));
}

void refuseInsert(platform::MessageBoxes& boxes, const QString& text) {
    platform::BoxRequest box;
    box.text = text;
    box.caption = QStringLiteral("INSERT_NEW_STOCK_DEFINITION");
    box.topmost = true;
    boxes.show(box);
}

} // namespace

std::string insertStatement(const StockDefinition& p) {
    return "INSERT INTO stckdef(stcode,type,gra,grb,grc,brnd,model,specs2,barcode,serial,"
           "partnum,stname,unit,curr,kdv,unitcost,sellp1,sellp2,sellp3,sellp4,sellp5,sellp6,"
           "crtqua,specs,depart,azparam,sku,prcchange,is_weighed)VALUES(" +
           db::sqlf("%lld,%d,%d,%d,%d,", code64(p.stcode), p.type, p.gra, p.grb, p.grc) +
           db::latin5Literal(p.brnd, field::kBrandLiteral) + "," +
           bytesLiteral(p.model, field::kModel) + "," +
           db::latin5Literal(p.specs2, field::kSpecs2Literal) + "," +
           bytesLiteral(p.barcode, field::kCodeText) + "," +
           bytesLiteral(p.serial, field::kCodeText) + "," +
           bytesLiteral(p.partnum, field::kCodeText) + "," +
           db::latin5Literal(p.stname, field::kNameLiteral) + "," +
           bytesLiteral(p.unit, field::kUnit) + "," + bytesLiteral(p.curr, field::kCurrency) + "," +
           db::sqlf("%.2f,%.4f,%.4f,%.4f,%.4f,%.4f,%.4f,%.4f,%.4f,", p.kdv, p.unitcost, p.sellp1,
                    p.sellp2, p.sellp3, p.sellp4, p.sellp5, p.sellp6, p.crtqua) +
           db::latin5Literal(p.specs, field::kSpecsLiteral) + "," +
           db::sqlf("%d,%.2f,", p.depart, p.azparam) + bytesLiteral(p.sku, field::kSku) + "," +
           db::sqlf("%d,%d", p.prcchange ? 1 : 0, p.is_weighed ? 1 : 0) + ");";
}

// The update writes back what the product read holds: the brand and the
// notes in their whole fields (the insert converts in smaller buffers).
std::string updateStatement(const StockDefinition& p) {
    return db::sqlf("UPDATE stckdef SET type=%d,gra=%d,grb=%d,grc=%d,grd=%d,gre=%d,grf=%d,", p.type,
                    p.gra, p.grb, p.grc, p.grd, p.gre, p.grf) +
           "brnd=" + db::latin5Literal(p.brnd, field::kBrand) +
           ",model=" + bytesLiteral(p.model, field::kModel) +
           ",specs2=" + db::latin5Literal(p.specs2, field::kSpecs2Literal) +
           ",barcode=" + bytesLiteral(p.barcode, field::kCodeText) +
           ",serial=" + bytesLiteral(p.serial, field::kCodeText) +
           ",partnum=" + bytesLiteral(p.partnum, field::kCodeText) +
           ",stname=" + db::latin5Literal(p.stname, field::kNameLiteral) +
           ",unit=" + bytesLiteral(p.unit, field::kUnit) +
           ",curr=" + bytesLiteral(p.curr, field::kCurrency) + "," +
           db::sqlf("kdv=%.2f,unitcost=%.3f,sellp1=%.2f,sellp2=%.2f,sellp3=%.2f,sellp4=%.2f,"
                    "sellp5=%.2f,qua1=%.2f,sellp6=%.2f,qua2=%.2f,crtqua=%.2f,",
                    p.kdv, p.unitcost, p.sellp1, p.sellp2, p.sellp3, p.sellp4, p.sellp5, p.qua1,
                    p.sellp6, p.qua2, p.crtqua) +
           "specs=" + db::latin5Literal(p.specs, field::kSpecs) + "," +
           db::sqlf("`bundle`=%d ,`depart`=%d ,azparam=%.2f,`game_stock`=%d,`related_update`=%d, "
                    "`prcchange`=%d,`is_weighed`=%d  WHERE stcode=%lld;",
                    p.bundle ? 1 : 0, p.depart, p.azparam, p.game_stock ? 1 : 0,
                    p.related_update ? 1 : 0, p.prcchange ? 1 : 0, p.is_weighed ? 1 : 0,
                    code64(p.stcode));
}

int mayInsertProduct(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                     const StockDefinition& product) {
    if (product.stcode <= 0) {
        refuseInsert(boxes, QStringLiteral("stok.stok Kodu <= 0 - SIFIR"));
        return -2;
    }
    if (stockCodeExists(runner, product.stcode)) {
        refuseInsert(boxes, QStringLiteral("Bu stok Kodu %1 var.").arg(product.stcode));
        return -3;
    }
    return 1;
}

int insertProductRow(const db::StatementRunner& runner, const StockDefinition& product) {
    return run(runner, kInsert, insertStatement(product));
}

int insertProduct(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                  const StockDefinition& product) {
    const int may = mayInsertProduct(runner, boxes, product);
    return may > 0 ? insertProductRow(runner, product) : may;
}

int updateProduct(const db::StatementRunner& runner, const StockDefinition& product) {
    std::uint64_t matched = 0;
    if (runner.executeCounted(db::Operation("UPDATE_STOCK_DEF"), db::schema::stocks,
                              updateStatement(product), matched) == db::Outcome::Failed)
        return -1;
    return matched > 0 ? 1 : 0;
}

int updateCost(const db::StatementRunner& runner, StockCode code, double unitcost) {
    return recipes::writeUnitCost(runner, code, unitcost);
}

int updateDayMenu(const db::StatementRunner& runner, StockCode code, int gunmenu, bool exclaim) {
    const db::Operation op("UPDATE_STOK_GUNMENU",
                           exclaim ? db::BoxStyle::Exclamation : db::BoxStyle::Plain);
    return run(runner, op,
               db::sqlf("UPDATE stckdef SET stckdef.gunmenu=%d WHERE stckdef.stcode=%lld;", gunmenu,
                        code64(code)));
}

int moveWeighedToGroupA(const db::StatementRunner& runner, int acode) {
    return run(runner, db::Operation("UPDATE_TERAZI_STOK_GRUBU"),
               db::sqlf("UPDATE stocks.stckdef SET gra=%d WHERE is_weighed=1;", acode));
}

int moveWeighedToGroupB(const db::StatementRunner& runner, int bcode) {
    return run(runner, db::Operation("UPDATE_TERAZI_STOK_GRUBU"),
               db::sqlf("UPDATE stocks.stckdef SET grb=%d WHERE is_weighed=1;", bcode));
}

int moveGroupBToGroupA(const db::StatementRunner& runner, int acode, int bcode) {
    return run(runner, db::Operation("UPDATE_STOK_GRUP_A"),
               db::sqlf("UPDATE stocks.stckdef SET gra=%d WHERE grb=%d;", acode, bcode));
}

int moveGroupCToGroups(const db::StatementRunner& runner, int acode, int bcode, int ccode) {
    return run(
        runner, db::Operation("UPDATE_STOK_GRUP_A_B"),
        db::sqlf("UPDATE stocks.stckdef SET gra=%d,grb=%d WHERE grc=%d;", acode, bcode, ccode));
}

bool moveProductsToGroups(const db::StatementRunner& runner, const std::vector<StockCode>& codes,
                          int acode, int bcode, int ccode) {
    std::vector<std::string> statements;
    statements.reserve(codes.size());
    for (const StockCode code : codes)
        statements.push_back(db::sqlf("UPDATE stocks.stckdef SET gra=%d,grb=%d,grc=%d WHERE "
                                      "stckdef.stcode=%lld;",
                                      acode, bcode, ccode, code64(code)));
    return db::executeAll(runner, db::Operation("UPDATE_SECILI_STOK_GRUP"), db::schema::stocks,
                          statements) != db::Outcome::Failed;
}

int deleteProductRow(const db::StatementRunner& runner, StockCode code) {
    return run(runner, db::Operation("DELETE_STOK_TANIMI"),
               db::sqlf("DELETE FROM stckdef WHERE stckdef.stcode=%lld;", code64(code)));
}

int retireProduct(const db::StatementRunner& runner, StockCode code) {
    return run(runner, db::Operation("DELETE_STOCK"),
               db::sqlf("CALL DELETE_INSERT_STOCK(%lld)", code64(code)));
}

int restoreProduct(const db::StatementRunner& runner, StockCode code) {
    return run(runner, db::Operation("RESTORE_DELETED_STOCK"),
               db::sqlf("CALL RESTORE_DELETED_STOCK(%lld)", code64(code)));
}

} // namespace parvela::stock
