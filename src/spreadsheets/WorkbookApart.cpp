#include "spreadsheets/WorkbookApart.h"

#include "platform/HelperPrograms.h"
#include "spreadsheets/WorkbookCodec.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <sys/resource.h>

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

// An address-space limit cannot hold a sanitized reader, which maps its
// shadow memory at start.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kMemoryCanBeLimited = false;
#else
constexpr bool kMemoryCanBeLimited = true;
#endif

void limitMemory(QProcess& process, qint64 memory) {
    if (!kMemoryCanBeLimited)
        return;
    process.setChildProcessModifier([memory] {
        const rlimit limit{static_cast<rlim_t>(memory), static_cast<rlim_t>(memory)};
        setrlimit(RLIMIT_AS, &limit);
    });
}

enum class ReaderEnd { Finished, TimedOut, Cancelled };

// How long a cancel may wait before the reader is killed.
constexpr std::chrono::milliseconds kCancelCheck{50};

// Waits for the reader to end, killing it once past `limit` or cancelled.
ReaderEnd awaitReader(QProcess& process, std::chrono::milliseconds limit,
                      const std::function<bool()>& cancelled) {
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const auto left = limit - std::chrono::milliseconds(clock.elapsed());
        if (left.count() <= 0)
            break;
        if (process.waitForFinished(static_cast<int>(std::min(left, kCancelCheck).count())))
            return ReaderEnd::Finished;
        if (process.state() == QProcess::NotRunning)
            return ReaderEnd::Finished;
        if (cancelled && cancelled()) {
            process.kill();
            process.waitForFinished();
            return ReaderEnd::Cancelled;
        }
    }
    process.kill();
    process.waitForFinished();
    return ReaderEnd::TimedOut;
}

} // namespace

WorkbookRead readWorkbookApart(const QString& program, const QString& path, int position,
                               std::chrono::milliseconds limit, qint64 memory,
                               const std::function<bool()>& cancelled) {
    const QString reader = QString::fromLatin1(kSheetReaderProgram);
    if (program.isEmpty())
        return failure(QStringLiteral("Tablo okuyucu program (%1) bulunamadı.").arg(reader));
    QProcess process;
    process.setProgram(program);
    process.setArguments({path, QString::number(position)});
    // The answer comes on standard output; what the reader says on standard
    // error (a library's complaint, a sanitizer's report) reaches ours.
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    limitMemory(process, memory);
    process.start(QIODevice::ReadOnly);
    if (!process.waitForStarted())
        return failure(QStringLiteral("Tablo okuyucu program (%1) başlatılamadı: %2")
                           .arg(reader, process.errorString()));
    switch (awaitReader(process, limit, cancelled)) {
    case ReaderEnd::Finished:
        break;
    case ReaderEnd::Cancelled:
        return failure(kSheetReadCancelled);
    case ReaderEnd::TimedOut:
        return damaged(path,
                       QStringLiteral("Okuma %1 saniyede bitmedi.")
                           .arg(std::chrono::duration_cast<std::chrono::seconds>(limit).count()));
    }
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == kReaderOutOfMemory)
        return failure(QStringLiteral("\"%1\" dosyası okunmadı: tablo okunurken %2 MB bellek "
                                      "sınırını aşıyor.")
                           .arg(QDir::toNativeSeparators(path))
                           .arg(memory / (1024 * 1024)));
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return damaged(path, QStringLiteral("Okuyan kitaplık dosyada çöktü."));
    std::optional<WorkbookRead> read = decodeWorkbook(process.readAllStandardOutput());
    if (!read)
        return damaged(path, QStringLiteral("Okuyucunun yanıtı eksik."));
    return std::move(*read);
}

SheetSource sheetReaderApart(std::function<bool()> cancelled) {
    return [program = platform::helperProgram(QString::fromLatin1(kSheetReaderProgram)),
            cancelled = std::move(cancelled)](const QString& path, int position) {
        return readWorkbookApart(program, path, position, kSheetReadLimit, kSheetReaderMemory,
                                 cancelled);
    };
}

} // namespace parvela::spreadsheets
