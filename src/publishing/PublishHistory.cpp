#include "publishing/PublishHistory.h"

#include "platform/AtomicFile.h"
#include "platform/FileLock.h"
#include "publishing/Sha256.h"
#include "publishing/TransferFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace parvela::publishing {

namespace {

const QString kHistoryLockFile = QStringLiteral("history.lock");

QJsonValue optionalInt(const std::optional<int>& value) {
    return value ? QJsonValue(*value) : QJsonValue();
}

std::optional<int> intOrNothing(const QJsonValue& value) {
    return value.isDouble() ? std::optional<int>(value.toInt()) : std::nullopt;
}

QJsonObject fileObject(const PublishedFile& file) {
    QJsonObject object{{QStringLiteral("name"), file.name},
                       {QStringLiteral("size"), file.size},
                       {QStringLiteral("sha256"), QString::fromLatin1(file.sha256)},
                       {QStringLiteral("upload"), optionalInt(file.upload)}};
    if (!file.writeError.isEmpty())
        object.insert(QStringLiteral("writeError"), file.writeError);
    return object;
}

PublishedFile fileOf(const QJsonObject& object) {
    return {object.value(QStringLiteral("name")).toString(),
            static_cast<qint64>(object.value(QStringLiteral("size")).toDouble()),
            object.value(QStringLiteral("sha256")).toString().toLatin1(),
            object.value(QStringLiteral("writeError")).toString(),
            intOrNothing(object.value(QStringLiteral("upload")))};
}

QString resultText(const std::optional<int>& result) {
    return result ? QString::number(*result) : QStringLiteral("-");
}

} // namespace

HistoryRecord catalogueRecord(const CataloguePublishResult& result, const QString& user,
                              const QDateTime& time) {
    // A run that only wrote must not read as sent.
    const bool sent =
        std::any_of(result.files.begin(), result.files.end(),
                    [](const PublishedFile& file) { return file.upload.has_value(); });
    return {time,
            user,
            kCatalogueKind,
            result.files,
            result.insertRequest,
            result.uploadNotice,
            result.synchId,
            result.success,
            result.cancelled,
            sent || !result.success ? result.statusText() : kWrittenOnlyStatus,
            result.reason};
}

HistoryRecord menuRecord(const QString& pagePath, const std::optional<WebResult>& upload,
                         const QString& user, const QDateTime& time) {
    PublishedFile page{QFileInfo(pagePath).fileName(), 0, {}, {}, {}};
    if (upload)
        page.upload = upload->code;
    QFile file(pagePath);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        page.size = bytes.size();
        page.sha256 =
            sha256Hex(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    }
    const bool success = upload && upload->ok();
    const bool cancelled = upload && !success && upload->reason == kCancelledReason;
    return {time,
            user,
            kMenuKind,
            {page},
            std::nullopt,
            std::nullopt,
            0,
            success,
            cancelled,
            success     ? kMenuUploadedStatus
            : cancelled ? kMenuCancelledStatus
                        : kMenuNotUploadedStatus,
            upload ? upload->reason : QString()};
}

QByteArray historyLine(const HistoryRecord& record) {
    QJsonArray files;
    for (const PublishedFile& file : record.files)
        files.append(fileObject(file));
    QJsonObject object{{QStringLiteral("time"), record.time.toString(Qt::ISODate)},
                       {QStringLiteral("user"), record.user},
                       {QStringLiteral("kind"), record.kind},
                       {QStringLiteral("files"), files},
                       {QStringLiteral("insertRequest"), optionalInt(record.insertRequest)},
                       {QStringLiteral("uploadNotice"), optionalInt(record.uploadNotice)},
                       {QStringLiteral("synchId"), static_cast<qint64>(record.synchId)},
                       {QStringLiteral("success"), record.success},
                       {QStringLiteral("status"), record.status}};
    if (record.cancelled)
        object.insert(QStringLiteral("cancelled"), true);
    if (!record.reason.isEmpty())
        object.insert(QStringLiteral("reason"), record.reason);
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<HistoryRecord> recordFromLine(const QByteArray& line) {
    const QJsonDocument document = QJsonDocument::fromJson(line);
    if (!document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    HistoryRecord record;
    record.time =
        QDateTime::fromString(object.value(QStringLiteral("time")).toString(), Qt::ISODate);
    record.user = object.value(QStringLiteral("user")).toString();
    record.kind = object.value(QStringLiteral("kind")).toString();
    for (const QJsonValue& file : object.value(QStringLiteral("files")).toArray())
        record.files.push_back(fileOf(file.toObject()));
    record.insertRequest = intOrNothing(object.value(QStringLiteral("insertRequest")));
    record.uploadNotice = intOrNothing(object.value(QStringLiteral("uploadNotice")));
    record.synchId = static_cast<std::uint32_t>(object.value(QStringLiteral("synchId")).toDouble());
    record.success = object.value(QStringLiteral("success")).toBool();
    record.cancelled = object.value(QStringLiteral("cancelled")).toBool();
    record.status = object.value(QStringLiteral("status")).toString();
    record.reason = object.value(QStringLiteral("reason")).toString();
    return record;
}

QString appendHistory(const QString& transferFolder, const HistoryRecord& record) {
    const QString path = QDir(transferFolder).filePath(kHistoryFile);
    // The history is replaced whole: two appends at once would each keep the
    // other's old copy.
    const platform::FileLock lock(QDir(transferFolder).filePath(kHistoryLockFile),
                                  platform::FileLock::Wait::Yes);
    if (!lock.held())
        return QStringLiteral("%1 kilitlenemedi: %2")
            .arg(QDir::toNativeSeparators(path), lock.failure());
    QByteArray bytes;
    // A link planted in its place is no history of ours; a history that
    // cannot be read must not be replaced by its last line.
    if (const QFileInfo old(path); old.exists() && !old.isSymLink()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return QStringLiteral("%1 okunamadı: %2")
                .arg(QDir::toNativeSeparators(path), file.errorString());
        bytes = file.readAll();
    }
    bytes += historyLine(record) + '\n';
    return platform::writeFileAtomically(
        path, std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

std::vector<HistoryRecord> readHistory(const QString& transferFolder) {
    std::vector<HistoryRecord> records;
    QFile file(QDir(transferFolder).filePath(kHistoryFile));
    if (!file.open(QIODevice::ReadOnly))
        return records;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (std::optional<HistoryRecord> record = recordFromLine(line))
            records.push_back(std::move(*record));
    std::reverse(records.begin(), records.end());
    return records;
}

QString historyText(const HistoryRecord& record) {
    QString text = QStringLiteral("%1  %2  %3\n%4\n")
                       .arg(record.time.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")),
                            record.user, record.kind, record.status);
    if (!record.reason.isEmpty())
        text += record.reason + QLatin1Char('\n');
    for (const PublishedFile& file : record.files)
        text += file.writeError.isEmpty()
                    ? QStringLiteral("%1  %2 bayt  yükleme %3  sha256 %4\n")
                          .arg(file.name)
                          .arg(file.size)
                          .arg(resultText(file.upload), QString::fromLatin1(file.sha256))
                    : QStringLiteral("%1  %2\n").arg(file.name, file.writeError);
    if (record.kind == kCatalogueKind)
        text += QStringLiteral("Ürün isteği: %1  Yükleme bildirimi: %2  SynchId: %3\n")
                    .arg(resultText(record.insertRequest), resultText(record.uploadNotice))
                    .arg(record.synchId);
    return text;
}

} // namespace parvela::publishing
