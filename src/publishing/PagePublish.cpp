#include "publishing/PagePublish.h"

#include "platform/MessageBoxes.h"
#include "publishing/HtmlPages.h"
#include "publishing/TransferFiles.h"
#include "publishing/WebUpload.h"

#include <QDir>

namespace parvela::publishing {

namespace {

void tellNotWritten(platform::MessageBoxes& boxes, const QString& path, const QString& reason,
                    const QString& caption, QObject* owner) {
    boxes.tell(QStringLiteral("%1 yazılamadı: %2").arg(QDir::toNativeSeparators(path), reason),
               caption, platform::BoxIcon::Exclamation, owner);
}

} // namespace

bool writePriceList(const std::vector<stock::StockDefinition>& products, const QString& folder,
                    platform::MessageBoxes& boxes, QObject* owner) {
    const QString caption = QStringLiteral("EXport Tartılan Ürünler");
    const QString path = QDir(folder).filePath(kPriceListFile);
    if (const QString reason = writeFileAtomically(path, priceListPage(products));
        !reason.isEmpty()) {
        tellNotWritten(boxes, path, reason, caption, owner);
        return false;
    }
    boxes.tell(QStringLiteral("Tartılan Ürünler Masaüstüne çıkartılmıştır."), caption,
               platform::BoxIcon::None, owner);
    return true;
}

std::optional<QString> writeDigitalMenu(const MenuContent& content, const QString& folder,
                                        platform::MessageBoxes& boxes) {
    const QString path = QDir(folder).filePath(kMenuPageFile);
    QString reason;
    if (!QDir().mkpath(folder))
        reason = QStringLiteral("klasör oluşturulamadı");
    else
        reason = writeFileAtomically(path, digitalMenuPage(content.companyName, content.groups,
                                                           content.products, content.pictures));
    if (reason.isEmpty())
        return path;
    tellNotWritten(boxes, path, reason, QStringLiteral("Menüyü Oluştur"), nullptr);
    return std::nullopt;
}

int publishMenu(const records::Company& company, const QString& pagePath, const WebServer& server,
                platform::MessageBoxes& boxes) {
    const QString caption = QStringLiteral("FTP_UPLOAD_MENU_FILE");
    const int result = uploadMenuFile(server, company.folder, pagePath, boxes);
    if (result >= 0)
        boxes.tell(QStringLiteral("Menu dosyasi Web sunucusuna yuklendi..."), caption);
    else if (result == kNoFolder)
        // The folder case shows no box of its own.
        boxes.tell(QStringLiteral("Menu dosyasi Web sunucusuna yuklenemedi: sunucuda "
                                  "httpdocs/customer_yedek/%1/menu klasörü yok.")
                       .arg(QString::fromStdString(company.folder)),
                   caption, platform::BoxIcon::Exclamation);
    return result;
}

} // namespace parvela::publishing
