#include "scales/ScaleListReader.h"

#include "db/FixedField.h"
#include "db/ListReader.h"

namespace parvela::scales {

int readScales(const db::StatementRunner& runner, std::vector<ScaleEntry>& scales) {
    return db::readList(
        runner, db::Operation("READ_TERAZI_TANIMLARI"), db::schema::stocks,
        "SELECT Id,ipaddr FROM terazi;", scales, [](const db::Row& row) {
            return ScaleEntry{row.integer(1), db::fitField(row.bytes(2), ScaleEntry::kAddressSize)};
        });
}

} // namespace parvela::scales
