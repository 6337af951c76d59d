#include "scales/ScaleStore.h"

#include "db/FixedField.h"
#include "db/OperationTag.h"
#include "db/SqlFormat.h"
#include "db/SqlLiteral.h"
#include "db/StatementBatch.h"
#include "db/StatementRunner.h"
#include "db/Transaction.h"
#include "scales/ScaleListReader.h"

#include <algorithm>
#include <iterator>

namespace parvela::scales {

namespace {

const db::Operation kInsertTag("INSERT_TERAZI");

std::string insertOf(const QString& address) {
    return "INSERT INTO terazi(ipaddr) VALUES(" +
           db::quotedLiteral(address.left(ScaleStore::kAddressLength).toLatin1().toStdString()) +
           ");";
}

} // namespace

int ScaleStore::read(const db::StatementRunner& runner) {
    return readScales(runner, m_scales);
}

// The old rows go and the new ones come in one change: DELETE, as a
// TRUNCATE would commit on its own.
bool ScaleStore::save(const db::StatementRunner& runner, platform::MessageBoxes&,
                      const std::vector<QString>& addresses) {
    std::vector<std::string> inserts;
    std::transform(addresses.begin(), addresses.end(), std::back_inserter(inserts), insertOf);
    bool stored = false;
    {
        db::Transaction change(runner, kInsertTag);
        (void)runner.execute(kInsertTag, db::schema::stocks, "DELETE FROM stocks.terazi;");
        (void)db::executeAll(runner, kInsertTag, db::schema::stocks, inserts);
        stored = change.commit() == db::Outcome::Completed;
    }
    return read(runner) >= 0 && stored;
}

std::vector<QString> ScaleStore::addresses() const {
    std::vector<QString> shown;
    for (const ScaleEntry& scale : m_scales)
        shown.push_back(QString::fromLatin1(scale.ipaddr));
    return shown;
}

} // namespace parvela::scales
