#pragma once

#include <QString>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace parvela::db {
class StatementRunner;
}
namespace parvela::platform {
class MessageBoxes;
class Settings;
} // namespace parvela::platform

// The maker's web server: files put by FTP into the restaurant's folder, and
// requests that tell its web service new data is there.
namespace parvela::publishing {

struct WebServer {
    QString host;                                     // Web/host
    QString ftpUser = QStringLiteral("korvasiltem");  // Web/ftpUser
    QString ftpPassword = QStringLiteral("rKte7m41"); // Web/ftpPassword
    int ftpPort = 21;                                 // Web/ftpPort
    int httpPort = 80;                                // Web/httpPort
    std::chrono::seconds connectTimeout{10};
    std::chrono::seconds transferTimeout{120};

    static WebServer fromSettings(const platform::Settings& settings);
};

inline constexpr int kUploadDone = 1;
inline constexpr int kNoInternetHandle = -1;
inline constexpr int kNoConnection = -2;
inline constexpr int kNoRequest = -3;
// The web service answered with a status other than 2xx.
inline constexpr int kRequestRefused = -4;
inline constexpr int kNoFolder = -5;
inline constexpr int kPutFailed = -11;

// What an upload or a request came to: one of the codes above and, when it
// failed, why (the server's answer or the connection's fault).
struct WebResult {
    int code = kUploadDone;
    QString reason;

    bool ok() const { return code >= 0; }
};

// One folder of the web host. A file goes up under a temporary name beside
// its own, is checked against the size the host reports, and is renamed over
// the old one only then: the host's copy is always the old file or the new
// one, whole. One connection serves every file. Failures show the boxes of a
// failed connection or put; the folder missing shows none. Temporaries not
// renamed are deleted when it goes, unless the host stopped answering.
class WebFolder {
public:
    // "httpdocs/customer_yedek/<companyFolder>[/<subFolder>]"; a transfer
    // stops, without a box, once `cancelled` says so.
    WebFolder(const WebServer& server, std::string companyFolder, std::string subFolder,
              platform::MessageBoxes& boxes, std::function<bool()> cancelled = {});
    ~WebFolder();
    WebFolder(const WebFolder&) = delete;
    WebFolder& operator=(const WebFolder&) = delete;

    // Puts the local file beside `remoteName`; the host's file is untouched.
    WebResult stage(const QString& localPath, const QString& remoteName);
    // Renames the file staged for `remoteName` over it.
    WebResult place(const QString& remoteName);

private:
    class Session;
    std::unique_ptr<Session> m_session;
};

// "httpdocs/customer_yedek/<companyFolder>/<remoteName>", staged and placed.
WebResult uploadToWebFolder(const WebServer& server, const std::string& companyFolder,
                            const QString& localPath, const QString& remoteName,
                            platform::MessageBoxes& boxes);
// The menu page as "httpdocs/customer_yedek/<companyFolder>/menu/index.html".
WebResult uploadMenuFile(const WebServer& server, const std::string& companyFolder,
                         const QString& localPath, platform::MessageBoxes& boxes,
                         std::function<bool()> cancelled = {});

// GET of `requestPath` (sent as built). Only a 2xx answer succeeds: its body
// and one NUL then replace `responseFile`; any other answer, none or one
// that is no HTTP leaves the file and fails with the reason. No box.
WebResult sendWebRequest(const WebServer& server, const std::string& requestPath,
                         const QString& responseFile, const std::function<bool()>& cancelled = {});

inline const QString kCancelledReason = QStringLiteral("İptal edildi");

std::string stockInsertRequest(int companyId, const std::string& companyFolder);
std::string uploadNotice(int companyId, std::uint32_t synchId, int ownBranchCode);

// "GET_SYNCH_ID": the next synchronisation number; 0 without a row, -1
// after a failure (reported).
int nextSynchNumber(const db::StatementRunner& runner);
// The company id and the number written one after the other: 1203 and 7
// give 12037.
std::uint32_t synchIdOf(int companyId, int synchNumber);

} // namespace parvela::publishing
