#include "stock/attributes/ProductNotes.h"

#include "db/ListReader.h"
#include "db/SqlFormat.h"
#include "db/SqlLiteral.h"

namespace parvela::stock {

int readNotes(const db::StatementRunner& runner, StockCode code, std::vector<ProductNote>& notes) {
    return db::readList(
        runner, db::Operation("READ_URUN_SPECS"), db::schema::groups,
        db::sqlf("SELECT id,acode,bcode,fcode,name,code FROM specs WHERE fcode=%lld;",
                 code64(code)),
        notes, [](const db::Row& row) {
            return ProductNote{row.integer(1), row.integer(2), row.integer(3),
                               row.int64(4),   row.text(5),    row.integer(6)};
        });
}

bool addNote(const db::StatementRunner& runner, const StockDefinition& product,
             const QString& text) {
    return runner.execute(db::Operation("INSERT_URUN_SPECS"), db::schema::groups,
                          db::sqlf("INSERT INTO specs(acode,bcode,fcode,name) VALUES(%d,%d,%lld,",
                                   product.gra, product.grb, code64(product.stcode)) +
                              db::latin5Literal(text, kNoteChars + 1) + ");") !=
           db::Outcome::Failed;
}

} // namespace parvela::stock
