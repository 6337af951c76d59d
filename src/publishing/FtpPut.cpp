#include "db/CodePage1254.h"
#include "platform/MessageBoxes.h"
#include "publishing/CurlEasy.h"
#include "publishing/WebUpload.h"

#include <QFile>
#include <curl/curl.h>

namespace parvela::publishing {

namespace {

const std::string kCustomerFolders = "httpdocs/customer_yedek";

struct PutState {
    QFile* source = nullptr;
    std::string lastResponse;
    bool loggedIn = false;
};

size_t readSource(char* buffer, size_t size, size_t count, void* data) {
    auto* state = static_cast<PutState*>(data);
    const qint64 read = state->source->read(buffer, static_cast<qint64>(size * count));
    return read < 0 ? CURL_READFUNC_ABORT : static_cast<size_t>(read);
}

// Keeps the server's last response line for the failure box.
int keepResponse(CURL*, curl_infotype type, char* data, size_t size, void* state) {
    if (type != CURLINFO_HEADER_IN)
        return 0;
    std::string line(data, size);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    auto* put = static_cast<PutState*>(state);
    if (!line.empty())
        put->lastResponse = line;
    if (line.starts_with("230"))
        put->loggedIn = true;
    return 0;
}

// A company folder names one folder under the customers' folders; an empty
// one or a path would put the file into someone else's.
bool isFolderName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string::npos;
}

struct RemoteFile {
    std::string companyFolder;
    std::string subFolder; // empty, or one more folder inside the company's
    QString name;
};

std::string ftpUrl(const CurlEasy& curl, const WebServer& server, const RemoteFile& file) {
    std::string folder = kCustomerFolders + '/' + curl.escaped(file.companyFolder) + '/';
    if (!file.subFolder.empty())
        folder += file.subFolder + '/';
    return "ftp://" + server.host.toStdString() + ':' + std::to_string(server.ftpPort) + '/' +
           folder + curl.escaped(db::Cp1254::encodeLossy(file.name));
}

void setUpPut(CurlEasy& curl, const WebServer& server, PutState& state, const CurlList& commands) {
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_USERNAME, server.ftpUser.toStdString().c_str());
    curl_easy_setopt(c, CURLOPT_PASSWORD, server.ftpPassword.toStdString().c_str());
    curl_easy_setopt(c, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_TRY));
    // One CWD per folder, none created: a missing folder must fail.
    curl_easy_setopt(c, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_MULTICWD));
    curl_easy_setopt(c, CURLOPT_FTP_CREATE_MISSING_DIRS,
                     static_cast<long>(CURLFTP_CREATE_DIR_NONE));
    curl_easy_setopt(c, CURLOPT_PREQUOTE, commands.get());
    curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(c, CURLOPT_READFUNCTION, readSource);
    curl_easy_setopt(c, CURLOPT_READDATA, &state);
    curl_easy_setopt(c, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(state.source->size()));
    curl_easy_setopt(c, CURLOPT_DEBUGFUNCTION, keepResponse);
    curl_easy_setopt(c, CURLOPT_DEBUGDATA, &state);
    curl_easy_setopt(c, CURLOPT_VERBOSE, 1L);
    curl.setTimeouts(server.connectTimeout, server.transferTimeout);
}

int putFailed(const QString& reason, const QString& localPath, const QString& remoteName,
              platform::MessageBoxes& boxes) {
    boxes.tell(
        reason + QStringLiteral("\n") +
            QStringLiteral("localFilePath: %1 \n\n RemoteFile: %2").arg(localPath, remoteName),
        QStringLiteral("FAILED FtpSetCurrentDirectory"));
    return kPutFailed;
}

int putFile(const WebServer& server, const RemoteFile& file, const QString& localPath,
            platform::MessageBoxes& boxes) {
    CurlEasy curl;
    if (!curl) {
        boxes.tell(QStringLiteral("InternetOpenA FAILED"), QStringLiteral("FAILED InternetOpen"));
        return kNoInternetHandle;
    }
    if (!isFolderName(file.companyFolder))
        return kNoFolder;
    const QString& remoteName = file.name;
    QFile source(localPath);
    // Nothing to put: the remote file is left alone.
    if (!source.open(QIODevice::ReadOnly))
        return putFailed(source.errorString(), localPath, remoteName, boxes);
    CurlList commands;
    // '*': the old file may well not be there.
    commands.append("*DELE " + db::Cp1254::encodeLossy(remoteName));
    PutState state{&source, {}, false};
    setUpPut(curl, server, state, commands);
    curl_easy_setopt(curl.get(), CURLOPT_URL, ftpUrl(curl, server, file).c_str());
    const CURLcode code = curl_easy_perform(curl.get());
    if (code == CURLE_OK)
        return kUploadDone;
    if (code == CURLE_REMOTE_ACCESS_DENIED)
        return kNoFolder;
    // A server that stops answering before the login never gave a session.
    const bool silentServer = code == CURLE_OPERATION_TIMEDOUT && !state.loggedIn;
    if (curl.connectionFailed(code) || silentServer) {
        boxes.tell(QStringLiteral("hFtpSession FAILED"), QStringLiteral("FAILED InternetConnect"));
        return kNoConnection;
    }
    return putFailed(db::Cp1254::decode(state.lastResponse), localPath, remoteName, boxes);
}

} // namespace

int uploadToWebFolder(const WebServer& server, const std::string& companyFolder,
                      const QString& localPath, const QString& remoteName,
                      platform::MessageBoxes& boxes) {
    return putFile(server, {companyFolder, {}, remoteName}, localPath, boxes);
}

int uploadMenuFile(const WebServer& server, const std::string& companyFolder,
                   const QString& localPath, platform::MessageBoxes& boxes) {
    return putFile(server, {companyFolder, "menu", QStringLiteral("index.html")}, localPath, boxes);
}

} // namespace parvela::publishing
