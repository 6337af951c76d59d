#include "db/CodePage1254.h"
#include "platform/MessageBoxes.h"
#include "publishing/CurlEasy.h"
#include "publishing/WebUpload.h"

#include <QFile>
#include <QRandomGenerator>
#include <algorithm>
#include <cstdlib>
#include <curl/curl.h>
#include <map>
#include <optional>
#include <vector>

namespace parvela::publishing {

namespace {

const std::string kCustomerFolders = "httpdocs/customer_yedek";

// What the host said during one transfer.
struct Exchange {
    std::string lastReply;
    std::string lastCommand;
    std::optional<long long> reportedSize; // its answer to SIZE
    bool loggedIn = false;
    char error[CURL_ERROR_SIZE] = {};
};

std::string lineOf(const char* data, size_t size) {
    std::string line(data, size);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    return line;
}

int hear(CURL*, curl_infotype type, char* data, size_t size, void* state) {
    auto* exchange = static_cast<Exchange*>(state);
    if (type == CURLINFO_HEADER_OUT) {
        exchange->lastCommand = lineOf(data, size);
        return 0;
    }
    if (type != CURLINFO_HEADER_IN)
        return 0;
    const std::string line = lineOf(data, size);
    if (line.empty())
        return 0;
    exchange->lastReply = line;
    if (line.starts_with("230"))
        exchange->loggedIn = true;
    if (exchange->lastCommand.starts_with("SIZE ") && line.starts_with("213 "))
        exchange->reportedSize = std::strtoll(line.c_str() + 4, nullptr, 10);
    return 0;
}

size_t readSource(char* buffer, size_t size, size_t count, void* source) {
    const qint64 read =
        static_cast<QFile*>(source)->read(buffer, static_cast<qint64>(size * count));
    return read < 0 ? CURL_READFUNC_ABORT : static_cast<size_t>(read);
}

// A company folder names one folder under the customers' folders; an empty
// one or a path would put the file into someone else's.
bool isFolderName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string::npos;
}

// Hidden, and new for every file, so that two runs never write into the same one.
std::string temporaryNameOf(const std::string& name) {
    return '.' + name + '.' +
           QByteArray::number(QRandomGenerator::global()->generate64(), 36).toStdString() + ".part";
}

} // namespace

class WebFolder::Session {
public:
    Session(const WebServer& server, std::string companyFolder, std::string subFolder,
            platform::MessageBoxes& boxes, std::function<bool()> cancelled)
        : m_server(server)
        , m_companyFolder(std::move(companyFolder))
        , m_subFolder(std::move(subFolder))
        , m_boxes(boxes)
        , m_cancelled(std::move(cancelled)) {}

    ~Session() { deleteLeftovers(); }

    WebResult stage(const QString& localPath, const QString& remoteName) {
        if (!m_curl) {
            m_boxes.tell(QStringLiteral("InternetOpenA FAILED"),
                         QStringLiteral("FAILED InternetOpen"));
            return {kNoInternetHandle, QStringLiteral("InternetOpenA FAILED")};
        }
        if (!isFolderName(m_companyFolder))
            return {kNoFolder, folderMissing()};
        QFile source(localPath);
        // Nothing to put: the remote file is left alone.
        if (!source.open(QIODevice::ReadOnly))
            return putFailed(source.errorString(), localPath, remoteName);
        const std::string temporary = temporaryNameOf(db::Cp1254::encodeLossy(remoteName));
        CurlList commands;
        // '*': a host without SIZE is taken at its word that the put is whole.
        commands.append("*SIZE " + temporary);
        Exchange exchange;
        prepare(exchange);
        CURL* c = m_curl.get();
        curl_easy_setopt(c, CURLOPT_URL, (folderUrl() + m_curl.escaped(temporary)).c_str());
        curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(c, CURLOPT_READFUNCTION, readSource);
        curl_easy_setopt(c, CURLOPT_READDATA, &source);
        curl_easy_setopt(c, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(source.size()));
        curl_easy_setopt(c, CURLOPT_POSTQUOTE, commands.get());
        const CURLcode code = perform();
        if (code != CURLE_OK || exchange.reportedSize.value_or(source.size()) != source.size())
            m_leftovers.push_back(temporary);
        if (code != CURLE_OK)
            return failed(code, exchange, localPath, remoteName);
        if (exchange.reportedSize.value_or(source.size()) != source.size())
            return putFailed(QStringLiteral("Sunucu %1 bayt aldığını bildirdi, %2 bayt gönderildi.")
                                 .arg(*exchange.reportedSize)
                                 .arg(source.size()),
                             localPath, remoteName);
        m_staged[remoteName] = {temporary, localPath};
        return {};
    }

    WebResult place(const QString& remoteName) {
        const auto found = m_staged.find(remoteName);
        if (found == m_staged.end())
            return {kPutFailed, QStringLiteral("%1 gönderilmedi").arg(remoteName)};
        const Staged staged = found->second;
        m_staged.erase(found);
        const std::string name = db::Cp1254::encodeLossy(remoteName);
        Exchange exchange;
        CURLcode code = rename(staged.temporary, name, false, exchange);
        // A host that will not rename over a file: the old one goes only
        // now, with the new one whole beside it.
        if (code == CURLE_QUOTE_ERROR && exchange.lastCommand.starts_with("RNTO")) {
            exchange = Exchange();
            code = rename(staged.temporary, name, true, exchange);
        }
        if (code == CURLE_OK)
            return {};
        m_leftovers.push_back(staged.temporary);
        return failed(code, exchange, staged.localPath, remoteName);
    }

private:
    struct Staged {
        std::string temporary;
        QString localPath;
    };

    std::string folderUrl() const {
        std::string folder = kCustomerFolders + '/' + m_curl.escaped(m_companyFolder) + '/';
        if (!m_subFolder.empty())
            folder += m_subFolder + '/';
        return "ftp://" + m_server.host.toStdString() + ':' + std::to_string(m_server.ftpPort) +
               '/' + folder;
    }

    QString folderMissing() const {
        QString folder = QString::fromStdString(kCustomerFolders + '/' + m_companyFolder);
        if (!m_subFolder.empty())
            folder += QLatin1Char('/') + QString::fromStdString(m_subFolder);
        return QStringLiteral("sunucuda %1 klasörü yok").arg(folder);
    }

    // Every transfer starts from the same settings; the connection stays
    // while it was used lately. The library counts the wait for an answer
    // from the last command it sent: on a connection left idle (while a
    // request was answered, say) it would give up at once.
    void prepare(Exchange& exchange) {
        CURL* c = m_curl.get();
        curl_easy_reset(c);
        // Whole seconds, cut: an idle time up to one more second is taken.
        const long idle = static_cast<long>((m_server.transferTimeout.count() - 1) / 2);
        curl_easy_setopt(c, CURLOPT_MAXAGE_CONN, std::max(idle, 0L));
        curl_easy_setopt(c, CURLOPT_USERNAME, m_server.ftpUser.toStdString().c_str());
        curl_easy_setopt(c, CURLOPT_PASSWORD, m_server.ftpPassword.toStdString().c_str());
        curl_easy_setopt(c, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_TRY));
        // One CWD per folder, none created: a missing folder must fail.
        curl_easy_setopt(c, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_MULTICWD));
        curl_easy_setopt(c, CURLOPT_FTP_CREATE_MISSING_DIRS,
                         static_cast<long>(CURLFTP_CREATE_DIR_NONE));
        curl_easy_setopt(c, CURLOPT_DEBUGFUNCTION, hear);
        curl_easy_setopt(c, CURLOPT_DEBUGDATA, &exchange);
        curl_easy_setopt(c, CURLOPT_VERBOSE, 1L);
        curl_easy_setopt(c, CURLOPT_ERRORBUFFER, exchange.error);
        m_curl.setTimeouts(m_server.connectTimeout, m_server.transferTimeout);
        m_curl.stopWhen(m_cancelled);
    }

    // Commands in the folder, with no file moved.
    CURLcode inFolder(const CurlList& commands, Exchange& exchange) {
        prepare(exchange);
        CURL* c = m_curl.get();
        curl_easy_setopt(c, CURLOPT_URL, folderUrl().c_str());
        curl_easy_setopt(c, CURLOPT_NOBODY, 1L);
        curl_easy_setopt(c, CURLOPT_POSTQUOTE, commands.get());
        return perform();
    }

    CURLcode perform() { return curl_easy_perform(m_curl.get()); }

    CURLcode rename(const std::string& from, const std::string& to, bool deleteFirst,
                    Exchange& exchange) {
        CurlList commands;
        if (deleteFirst)
            commands.append("DELE " + to);
        commands.append("RNFR " + from);
        commands.append("RNTO " + to);
        return inFolder(commands, exchange);
    }

    // What the failed transfers left on the host; a host that stopped
    // answering is not waited for again, nor is one the user stopped.
    void deleteLeftovers() {
        for (const auto& [name, staged] : m_staged)
            m_leftovers.push_back(staged.temporary);
        if (m_leftovers.empty() || m_leaveLeftovers || !m_curl)
            return;
        CurlList commands;
        for (const std::string& name : m_leftovers)
            commands.append("*DELE " + name);
        Exchange exchange;
        (void)inFolder(commands, exchange);
    }

    WebResult failed(CURLcode code, const Exchange& exchange, const QString& localPath,
                     const QString& remoteName) {
        if (code == CURLE_REMOTE_ACCESS_DENIED)
            return {kNoFolder, folderMissing()};
        // The user stopped it: nothing to tell.
        if (code == CURLE_ABORTED_BY_CALLBACK) {
            m_leaveLeftovers = true;
            return {kPutFailed, kCancelledReason};
        }
        if (code == CURLE_OPERATION_TIMEDOUT)
            m_leaveLeftovers = true;
        const QString fault = exchange.error[0] != '\0'
                                  ? QString::fromLocal8Bit(exchange.error)
                                  : QString::fromLatin1(curl_easy_strerror(code));
        // A server that stops answering before the login never gave a session.
        const bool silentServer = code == CURLE_OPERATION_TIMEDOUT && !exchange.loggedIn;
        if (m_curl.connectionFailed(code) || silentServer) {
            m_boxes.tell(QStringLiteral("hFtpSession FAILED"),
                         QStringLiteral("FAILED InternetConnect"));
            return {kNoConnection, QStringLiteral("sunucuya bağlanılamadı: %1").arg(fault)};
        }
        // The host's refusal says most; a broken or silent connection has
        // only the library's words.
        const bool refused =
            exchange.lastReply.starts_with('4') || exchange.lastReply.starts_with('5');
        return putFailed(refused ? db::Cp1254::decode(exchange.lastReply) : fault, localPath,
                         remoteName);
    }

    WebResult putFailed(const QString& reason, const QString& localPath,
                        const QString& remoteName) {
        m_boxes.tell(
            reason + QStringLiteral("\n") +
                QStringLiteral("localFilePath: %1 \n\n RemoteFile: %2").arg(localPath, remoteName),
            QStringLiteral("FAILED FtpSetCurrentDirectory"));
        return {kPutFailed, reason};
    }

    const WebServer m_server;
    const std::string m_companyFolder;
    const std::string m_subFolder;
    platform::MessageBoxes& m_boxes;
    CurlEasy m_curl;
    std::map<QString, Staged> m_staged;
    std::vector<std::string> m_leftovers;
    const std::function<bool()> m_cancelled;
    bool m_leaveLeftovers = false;
};

WebFolder::WebFolder(const WebServer& server, std::string companyFolder, std::string subFolder,
                     platform::MessageBoxes& boxes, std::function<bool()> cancelled)
    : m_session(std::make_unique<Session>(server, std::move(companyFolder), std::move(subFolder),
                                          boxes, std::move(cancelled))) {}

WebFolder::~WebFolder() = default;

WebResult WebFolder::stage(const QString& localPath, const QString& remoteName) {
    return m_session->stage(localPath, remoteName);
}

WebResult WebFolder::place(const QString& remoteName) {
    return m_session->place(remoteName);
}

namespace {

WebResult putFile(WebFolder& folder, const QString& localPath, const QString& remoteName) {
    const WebResult staged = folder.stage(localPath, remoteName);
    return staged.ok() ? folder.place(remoteName) : staged;
}

} // namespace

WebResult uploadToWebFolder(const WebServer& server, const std::string& companyFolder,
                            const QString& localPath, const QString& remoteName,
                            platform::MessageBoxes& boxes) {
    WebFolder folder(server, companyFolder, {}, boxes);
    return putFile(folder, localPath, remoteName);
}

WebResult uploadMenuFile(const WebServer& server, const std::string& companyFolder,
                         const QString& localPath, platform::MessageBoxes& boxes,
                         std::function<bool()> cancelled) {
    WebFolder folder(server, companyFolder, "menu", boxes, std::move(cancelled));
    return putFile(folder, localPath, QStringLiteral("index.html"));
}

} // namespace parvela::publishing
