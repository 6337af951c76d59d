#include "scales/ScaleStore.h"

#include "db/FixedField.h"
#include "db/OperationTag.h"
#include "db/SqlFormat.h"
#include "db/SqlLiteral.h"
#include "db/StatementBatch.h"
#include "db/StatementRunner.h"
#include "platform/MessageBoxes.h"
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

bool ScaleStore::save(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                      const std::vector<QString>& addresses) {
    // Rows added after a failed emptying would sit beside the old ones.
    if (runner.execute(kInsertTag, db::schema::stocks, "TRUNCATE TABLE stocks.terazi;") !=
        db::Outcome::Completed) {
        boxes.tell(QStringLiteral("Terazi tablosu boşaltılamadı; yeni adresler yazılmadı."),
                   QStringLiteral("INSERT_TERAZI"), platform::BoxIcon::Exclamation);
        read(runner);
        return false;
    }
    std::vector<std::string> inserts;
    std::transform(addresses.begin(), addresses.end(), std::back_inserter(inserts), insertOf);
    const bool stored =
        db::executeAll(runner, kInsertTag, db::schema::stocks, inserts) == db::Outcome::Completed;
    return read(runner) >= 0 && stored;
}

std::vector<QString> ScaleStore::addresses() const {
    std::vector<QString> shown;
    for (const ScaleEntry& scale : m_scales)
        shown.push_back(QString::fromLatin1(scale.ipaddr));
    return shown;
}

} // namespace parvela::scales
