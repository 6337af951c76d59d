#include "publishing/CurlEasy.h"
#include "publishing/WebUpload.h"

#include <QSaveFile>
#include <curl/curl.h>

namespace parvela::publishing {

namespace {

const char* const kBrowserAgent =
    "Mozilla/4.0 (compatible; MSIE 6.0; MS Web Services Client Protocol 2.0.50727.4927)";

size_t collectBody(char* data, size_t size, size_t count, void* body) {
    static_cast<std::string*>(body)->append(data, size * count);
    return size * count;
}

// The path goes out as built; a blank or control character would break the
// request line (or add a header line of its own).
bool isSendable(const std::string& path) {
    if (path.empty() || path.front() != '/')
        return false;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte == 0x7f)
            return false;
    }
    return true;
}

void setUpGet(CurlEasy& curl, const WebServer& server, const std::string& requestPath,
              const CurlList& headers, std::string& body) {
    CURL* c = curl.get();
    const std::string root =
        "http://" + server.host.toStdString() + ':' + std::to_string(server.httpPort) + '/';
    curl_easy_setopt(c, CURLOPT_URL, root.c_str());
    curl_easy_setopt(c, CURLOPT_REQUEST_TARGET, requestPath.c_str());
    curl_easy_setopt(c, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(c, CURLOPT_USERAGENT, kBrowserAgent);
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, collectBody);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &body);
    curl.setTimeouts(server.connectTimeout, server.transferTimeout);
}

// Replaces the file whole or not at all.
bool writeResponse(const QString& path, const std::string& body) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(body.data(), static_cast<qint64>(body.size())) ==
               static_cast<qint64>(body.size()) &&
           file.commit();
}

} // namespace

int sendWebRequest(const WebServer& server, const std::string& requestPath,
                   const QString& responseFile) {
    CurlEasy curl;
    if (!curl)
        return kNoInternetHandle;
    if (!isSendable(requestPath))
        return kNoRequest;
    CurlList headers;
    // Always the server's answer, never a cache's.
    headers.append("Cache-Control: no-cache");
    headers.append("Pragma: no-cache");
    headers.append("Accept:");
    std::string body;
    setUpGet(curl, server, requestPath, headers, body);
    const CURLcode code = curl_easy_perform(curl.get());
    if (code != CURLE_OK)
        return curl.connectionFailed(code) ? kNoConnection : kNoRequest;
    body.push_back('\0');
    return writeResponse(responseFile, body) ? 0 : kNoRequest;
}

} // namespace parvela::publishing
