#pragma once

#include <QString>
#include <chrono>
#include <cstdint>
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
inline constexpr int kNoFolder = -5;
inline constexpr int kPutFailed = -11;

// "httpdocs/customer_yedek/<companyFolder>/<remoteName>"; the result codes
// above, with the boxes of a failed connection or put.
int uploadToWebFolder(const WebServer& server, const std::string& companyFolder,
                      const QString& localPath, const QString& remoteName,
                      platform::MessageBoxes& boxes);
// The menu page as "httpdocs/customer_yedek/<companyFolder>/menu/index.html".
int uploadMenuFile(const WebServer& server, const std::string& companyFolder,
                   const QString& localPath, platform::MessageBoxes& boxes);

// GET of `requestPath` (sent as built); the body and one NUL go to
// `responseFile`. 0, or a failure code above; no box.
int sendWebRequest(const WebServer& server, const std::string& requestPath,
                   const QString& responseFile);

std::string stockInsertRequest(int companyId, const std::string& companyFolder);
std::string uploadNotice(int companyId, std::uint32_t synchId, int ownBranchCode);

// "GET_SYNCH_ID": the next synchronisation number; 0 without a row, -1
// after a failure (reported).
int nextSynchNumber(const db::StatementRunner& runner);
// The company id and the number written one after the other: 1203 and 7
// give 12037.
std::uint32_t synchIdOf(int companyId, int synchNumber);

} // namespace parvela::publishing
