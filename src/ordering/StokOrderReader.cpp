#include "ordering/StokOrderReader.h"

#include "db/ListReader.h"

namespace parvela::ordering {

namespace {

std::optional<int> optionalInt(const db::Row& row, int column) {
    if (row.isNull(column))
        return std::nullopt;
    return row.integer(column);
}

} // namespace

int readAllStokOrder(const db::StatementRunner& runner, std::vector<StokOrderRow>& rows) {
    return db::readList(runner, db::Operation("READ_STOK_ORDER(Every)"), db::schema::stocks,
                        "SELECT Id,stcode,gra,grb,index_sira,sira_gra,sira_grb FROM stok_order ;",
                        rows, [](const db::Row& row) {
                            StokOrderRow order;
                            order.Id = row.integer(1);
                            order.stcode = row.int64(2);
                            order.gra = optionalInt(row, 3);
                            order.grb = optionalInt(row, 4);
                            order.index_sira = row.integer(5);
                            order.sira_gra = row.integer(6);
                            order.sira_grb = row.integer(7);
                            return order;
                        });
}

} // namespace parvela::ordering
