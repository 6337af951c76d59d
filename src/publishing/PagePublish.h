#pragma once

#include "groups/GroupRecords.h"
#include "publishing/WebUpload.h"
#include "records/Company.h"
#include "records/ProductList.h"
#include "records/StockRecords.h"

#include <QString>
#include <optional>
#include <vector>

class QObject;

namespace parvela::platform {
class MachineInfo;
class MessageBoxes;
} // namespace parvela::platform

// Writing the two HTML pages, and the menu page's upload.
namespace parvela::publishing {

// "DışaVer Tartılan": the price list of `products` on the desktop, then the
// box saying so. False, after a box naming the file and the reason, when it
// could not be written.
bool writePriceList(const stock::ProductList& products, platform::MessageBoxes& boxes,
                    QObject* owner);

struct MenuContent {
    QString companyName;
    std::vector<groups::GroupB> groups;
    stock::ProductList products;
    std::vector<stock::ProductPicture> pictures;
};

// The digital menu page under the data root (its folder made when missing);
// its path, or nothing after a box naming the file and the reason.
std::optional<QString> writeDigitalMenu(const MenuContent& content,
                                        const platform::MachineInfo& machine,
                                        platform::MessageBoxes& boxes);

// "FTP_UPLOAD_MENU_FILE": the page to the restaurant's menu folder on the
// web server; the upload's result. The closing box says it went only when it
// did: a failed upload has said why.
WebResult publishMenu(const records::Company& company, const QString& pagePath,
                      const WebServer& server, platform::MessageBoxes& boxes,
                      std::function<bool()> cancelled = {});

} // namespace parvela::publishing
