#include "spreadsheets/Workbook.h"

#include "spreadsheets/WorkbookFormats.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

namespace parvela::spreadsheets {

namespace {

using detail::Fault;
using detail::FormatRead;

const QByteArray kOleSignature("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
const QByteArray kZipSignature("PK\x03\x04", 4);

WorkbookRead failure(const QString& error) {
    WorkbookRead read;
    read.error = error;
    return read;
}

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

WorkbookRead notWorkbook(const QString& path) {
    return failure(QStringLiteral("\"%1\" dosyası bir Excel tablosu değil (.xls ya da .xlsx).")
                       .arg(shown(path)));
}

// The first bytes of the file, or why they could not be read.
std::optional<QByteArray> fileHead(const QString& path, QString& reason) {
    if (QFileInfo(path).isDir()) {
        reason = QStringLiteral("bir klasör");
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString();
        return std::nullopt;
    }
    const QByteArray head = file.read(kOleSignature.size());
    if (file.error() != QFileDevice::NoError) {
        reason = file.errorString();
        return std::nullopt;
    }
    return head;
}

WorkbookRead fromFormat(FormatRead&& format, const QString& path, int position) {
    switch (format.fault) {
    case Fault::NotWorkbook:
        return notWorkbook(path);
    case Fault::Damaged:
        return failure(QStringLiteral("\"%1\" dosyası okunamadı; tablo bozuk ya da eksik.\n%2")
                           .arg(shown(path), format.libraryMessage));
    case Fault::Password:
        return failure(QStringLiteral("\"%1\" dosyası parola ile korunuyor; parolasız kaydedip "
                                      "yeniden deneyin.")
                           .arg(shown(path)));
    case Fault::NoSuchSheet: {
        // The names stay, so that the caller can offer the sheets there are.
        WorkbookRead read = failure(QStringLiteral("\"%1\" dosyasında %2 sayfa var; %3. sayfa yok.")
                                        .arg(shown(path), QString::number(format.sheetNames.size()),
                                             QString::number(qint64(position) + 1)));
        read.sheetNames = std::move(format.sheetNames);
        return read;
    }
    case Fault::TooLarge:
        return failure(QStringLiteral("\"%1\" dosyası okunmadı: tablo %2.")
                           .arg(shown(path), format.libraryMessage));
    case Fault::None:
        break;
    }
    return {std::move(format.sheetNames), std::move(format.rows), {}};
}

} // namespace

WorkbookRead readWorkbook(const QString& path, int position) {
    if (!QFileInfo::exists(path))
        return failure(QStringLiteral("\"%1\" dosyası bulunamadı.").arg(shown(path)));
    QString reason;
    const std::optional<QByteArray> head = fileHead(path, reason);
    if (!head)
        return failure(QStringLiteral("\"%1\" dosyası okunamadı: %2").arg(shown(path), reason));
    if (head->isEmpty())
        return failure(QStringLiteral("\"%1\" dosyası boş.").arg(shown(path)));
    const QByteArray systemPath = QFile::encodeName(path);
    if (head->startsWith(kOleSignature))
        return fromFormat(detail::readXls(systemPath, position), path, position);
    if (head->startsWith(kZipSignature))
        return fromFormat(detail::readXlsx(systemPath, position), path, position);
    return failure(QStringLiteral("\"%1\" dosyası bir Excel tablosu değil (.xls ya da .xlsx).")
                       .arg(shown(path)));
}

} // namespace parvela::spreadsheets
