#include "platform/AtomicFile.h"
#include "publishing/CurlEasy.h"
#include "publishing/WebUpload.h"

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

bool isSuccess(long status) {
    return status >= 200 && status < 300;
}

} // namespace

WebResult sendWebRequest(const WebServer& server, const std::string& requestPath,
                         const QString& responseFile, const std::function<bool()>& cancelled) {
    CurlEasy curl;
    if (!curl)
        return {kNoInternetHandle, QStringLiteral("InternetOpenA FAILED")};
    if (!isSendable(requestPath))
        return {
            kNoRequest,
            QStringLiteral("istek yolu gönderilemez: %1").arg(QString::fromStdString(requestPath))};
    CurlList headers;
    // Always the server's answer, never a cache's.
    headers.append("Cache-Control: no-cache");
    headers.append("Pragma: no-cache");
    headers.append("Accept:");
    std::string body;
    char error[CURL_ERROR_SIZE] = {};
    setUpGet(curl, server, requestPath, headers, body);
    curl_easy_setopt(curl.get(), CURLOPT_ERRORBUFFER, error);
    curl.stopWhen(cancelled);
    const CURLcode code = curl_easy_perform(curl.get());
    if (code == CURLE_ABORTED_BY_CALLBACK)
        return {kNoRequest, kCancelledReason};
    if (code != CURLE_OK) {
        const QString fault = error[0] != '\0' ? QString::fromLocal8Bit(error)
                                               : QString::fromLatin1(curl_easy_strerror(code));
        return {curl.connectionFailed(code) ? kNoConnection : kNoRequest, fault};
    }
    long status = 0;
    curl_easy_getinfo(curl.get(), CURLINFO_RESPONSE_CODE, &status);
    if (!isSuccess(status))
        return {kRequestRefused, QStringLiteral("HTTP %1").arg(status)};
    body.push_back('\0');
    if (const QString why = platform::writeFileAtomically(responseFile, body); !why.isEmpty())
        return {kNoRequest, why};
    return {0, {}};
}

} // namespace parvela::publishing
