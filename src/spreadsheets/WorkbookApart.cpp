#include "spreadsheets/WorkbookApart.h"

#include "platform/HelperPrograms.h"
#include "spreadsheets/WorkbookCodec.h"

#include <QDir>
#include <QProcess>

namespace parvela::spreadsheets {

namespace {

WorkbookRead failure(const QString& error) {
    WorkbookRead read;
    read.error = error;
    return read;
}

WorkbookRead damaged(const QString& path, const QString& why) {
    return failure(QStringLiteral("\"%1\" dosyası okunamadı; tablo bozuk ya da eksik.\n%2")
                       .arg(QDir::toNativeSeparators(path), why));
}

} // namespace

WorkbookRead readWorkbookApart(const QString& program, const QString& path, int position,
                               std::chrono::milliseconds limit) {
    const QString reader = QString::fromLatin1(kSheetReaderProgram);
    if (program.isEmpty())
        return failure(QStringLiteral("Tablo okuyucu program (%1) bulunamadı.").arg(reader));
    QProcess process;
    process.setProgram(program);
    process.setArguments({path, QString::number(position)});
    // The answer comes on standard output; what the reader says on standard
    // error (a library's complaint, a sanitizer's report) reaches ours.
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QIODevice::ReadOnly);
    if (!process.waitForStarted())
        return failure(QStringLiteral("Tablo okuyucu program (%1) başlatılamadı: %2")
                           .arg(reader, process.errorString()));
    if (!process.waitForFinished(static_cast<int>(limit.count()))) {
        process.kill();
        process.waitForFinished();
        return damaged(path,
                       QStringLiteral("Okuma %1 saniyede bitmedi.")
                           .arg(std::chrono::duration_cast<std::chrono::seconds>(limit).count()));
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return damaged(path, QStringLiteral("Okuyan kitaplık dosyada çöktü."));
    std::optional<WorkbookRead> read = decodeWorkbook(process.readAllStandardOutput());
    if (!read)
        return damaged(path, QStringLiteral("Okuyucunun yanıtı eksik."));
    return std::move(*read);
}

SheetSource sheetReaderApart() {
    return [program = platform::helperProgram(QString::fromLatin1(kSheetReaderProgram))](
               const QString& path, int position) {
        return readWorkbookApart(program, path, position);
    };
}

} // namespace parvela::spreadsheets
