#pragma once

#include "publishing/CataloguePublish.h"
#include "publishing/WebUpload.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

// Every publishing run, kept one JSON object per line in the transfer folder,
// so a manager can see later what went out, when, and whether it arrived.
namespace parvela::publishing {

inline const QString kHistoryFile = QStringLiteral("history.jsonl");
inline const QString kCatalogueKind = QStringLiteral("Katalog");
inline const QString kMenuKind = QStringLiteral("Menü");
inline const QString kWrittenOnlyStatus =
    QStringLiteral("Aktarım dosyaları yazıldı; Web Server'a gönderilmedi.");
inline const QString kMenuUploadedStatus =
    QStringLiteral("Menu dosyasi Web sunucusuna yuklendi...");
inline const QString kMenuNotUploadedStatus =
    QStringLiteral("Menu dosyasi Web sunucusuna yuklenemedi.");
inline const QString kMenuCancelledStatus =
    QStringLiteral("Menu dosyasinin Web sunucusuna yuklenmesi iptal edildi.");

struct HistoryRecord {
    QDateTime time;
    QString user;
    QString kind;
    std::vector<PublishedFile> files;
    std::optional<int> insertRequest;
    std::optional<int> uploadNotice;
    std::uint32_t synchId = 0;
    bool success = false;
    bool cancelled = false; // stopped by the user: neither sent nor failed
    QString status;
    QString reason; // why it failed
};

HistoryRecord catalogueRecord(const CataloguePublishResult& result, const QString& user,
                              const QDateTime& time);
// The menu page at `pagePath` and its upload's result, if one was made.
HistoryRecord menuRecord(const QString& pagePath, const std::optional<WebResult>& upload,
                         const QString& user, const QDateTime& time);

QByteArray historyLine(const HistoryRecord& record);
std::optional<HistoryRecord> recordFromLine(const QByteArray& line);

// Adds the record to the folder's history, the whole file written anew so a
// reader never sees half a line, under the history's own lock so that two
// runs never lose each other's record. Empty when written, else the reason.
QString appendHistory(const QString& transferFolder, const HistoryRecord& record);
// Newest first; lines that cannot be read are passed over.
std::vector<HistoryRecord> readHistory(const QString& transferFolder);

// The record as the detail view and the command line show it.
QString historyText(const HistoryRecord& record);

} // namespace parvela::publishing
