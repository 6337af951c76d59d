#include "publishing/WebUpload.h"

#include "db/Row.h"
#include "db/StatementRunner.h"
#include "platform/Settings.h"

#include <cstdlib>
#include <limits>

namespace parvela::publishing {

namespace {

int numberSetting(const platform::Settings& settings, const QString& key, int fallback, int max) {
    bool ok = false;
    const int value = settings.value(key).trimmed().toInt(&ok);
    return ok && value > 0 && value <= max ? value : fallback;
}

std::chrono::seconds secondsSetting(const platform::Settings& settings, const QString& key,
                                    std::chrono::seconds fallback) {
    const int largest = std::numeric_limits<int>::max();
    return std::chrono::seconds(
        numberSetting(settings, key, static_cast<int>(fallback.count()), largest));
}

} // namespace

WebServer WebServer::fromSettings(const platform::Settings& settings) {
    WebServer server;
    server.host = settings.value(QStringLiteral("Web/host")).trimmed();
    server.ftpUser = settings.value(QStringLiteral("Web/ftpUser"), server.ftpUser);
    server.ftpPassword = settings.value(QStringLiteral("Web/ftpPassword"), server.ftpPassword);
    server.ftpPort = numberSetting(settings, QStringLiteral("Web/ftpPort"), server.ftpPort, 65535);
    server.httpPort =
        numberSetting(settings, QStringLiteral("Web/httpPort"), server.httpPort, 65535);
    server.connectTimeout =
        secondsSetting(settings, QStringLiteral("Web/connectTimeout"), server.connectTimeout);
    server.transferTimeout =
        secondsSetting(settings, QStringLiteral("Web/transferTimeout"), server.transferTimeout);
    return server;
}

std::string stockInsertRequest(int companyId, const std::string& companyFolder) {
    return std::string("/insert_stok_tanim.php/?") + "Isletme=" + std::to_string(companyId) + "&" +
           "StockDefFile=/customer_yedek/" + companyFolder + "/stokdeffile.txt";
}

std::string uploadNotice(int companyId, std::uint32_t synchId, int ownBranchCode) {
    return std::string("/upload_stok_tanim.php/?") + "Isletme=" + std::to_string(companyId) + "&" +
           "SynchId=" + std::to_string(synchId) + "&" + "FromSube=" + std::to_string(ownBranchCode);
}

int nextSynchNumber(const db::StatementRunner& runner) {
    int number = 0;
    const db::Outcome outcome = runner.callThenSelect(
        db::Operation("GET_SYNCH_ID"), db::schema::subetransfer, " CALL GET_SYNCH_ID(@islemNo); ",
        "SELECT @islemNo AS _reply", [&number](const db::Row& row) { number = row.integer(1); });
    return outcome == db::Outcome::Failed ? -1 : number;
}

std::uint32_t synchIdOf(int companyId, int synchNumber) {
    const std::string digits = std::to_string(companyId) + std::to_string(synchNumber);
    // The digits up to the first other character; the largest value when
    // they do not fit in 32 bits.
    const unsigned long long value = std::strtoull(digits.c_str(), nullptr, 10);
    const auto largest = std::numeric_limits<std::uint32_t>::max();
    return companyId < 0 ? 0 : static_cast<std::uint32_t>(value > largest ? largest : value);
}

} // namespace parvela::publishing
