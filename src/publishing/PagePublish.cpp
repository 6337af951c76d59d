#include "publishing/PagePublish.h"

#include "platform/AtomicFile.h"
#include "platform/MessageBoxes.h"
#include "publishing/HtmlPages.h"
#include "publishing/TransferFiles.h"
#include "publishing/WebUpload.h"

#include <QDir>
#include <QFileInfo>

namespace parvela::publishing {

namespace {

// The reason names the file.
void tellNotWritten(platform::MessageBoxes& boxes, const QString& reason, const QString& caption,
                    QObject* owner) {
    boxes.tell(reason, caption, platform::BoxIcon::Exclamation, owner);
}

} // namespace

bool writePriceList(const stock::ProductList& products, platform::MessageBoxes& boxes,
                    QObject* owner) {
    const QString caption = QStringLiteral("EXport Tartılan Ürünler");
    // A home without its desktop folder yet gets one.
    QDir().mkpath(QFileInfo(priceListPath()).absolutePath());
    if (const QString reason =
            platform::writeFileAtomically(priceListPath(), priceListPage(products));
        !reason.isEmpty()) {
        tellNotWritten(boxes, reason, caption, owner);
        return false;
    }
    boxes.tell(QStringLiteral("Tartılan Ürünler Masaüstüne çıkartılmıştır."), caption,
               platform::BoxIcon::None, owner);
    return true;
}

std::optional<QString> writeDigitalMenu(const MenuContent& content,
                                        const platform::MachineInfo& machine,
                                        platform::MessageBoxes& boxes) {
    const QString path = digitalMenuPath(machine);
    const QString reason = makeDigitalMenuFolder(machine)
                               ? platform::writeFileAtomically(
                                     path, digitalMenuPage(content.companyName, content.groups,
                                                           content.products, content.pictures))
                               : QStringLiteral("%1 yazılamadı: klasörü oluşturulamadı")
                                     .arg(QDir::toNativeSeparators(path));
    if (reason.isEmpty())
        return path;
    tellNotWritten(boxes, reason, QStringLiteral("Menüyü Oluştur"), nullptr);
    return std::nullopt;
}

WebResult publishMenu(const records::Company& company, const QString& pagePath,
                      const WebServer& server, platform::MessageBoxes& boxes,
                      std::function<bool()> cancelled) {
    const QString caption = QStringLiteral("FTP_UPLOAD_MENU_FILE");
    // Stopped before it began: nothing goes up.
    if (cancelled && cancelled())
        return {kPutFailed, kCancelledReason};
    const WebResult result =
        uploadMenuFile(server, company.folder, pagePath, boxes, std::move(cancelled));
    if (result.ok())
        boxes.tell(QStringLiteral("Menu dosyasi Web sunucusuna yuklendi..."), caption);
    else if (result.code == kNoFolder)
        // The folder case shows no box of its own.
        boxes.tell(QStringLiteral("Menu dosyasi Web sunucusuna yuklenemedi: sunucuda "
                                  "httpdocs/customer_yedek/%1/menu klasörü yok.")
                       .arg(QString::fromStdString(company.folder)),
                   caption, platform::BoxIcon::Exclamation);
    return result;
}

} // namespace parvela::publishing
