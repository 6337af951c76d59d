#include "publishing/CurlEasy.h"

#include <curl/curl.h>

namespace parvela::publishing {

namespace {

constexpr long kGoodbyeSeconds = 1;

// libcurl's global state: made once, before the first handle, on whatever
// thread gets there first, and released when the program ends.
class CurlLibrary {
public:
    CurlLibrary()
        : m_ready(curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK) {}
    ~CurlLibrary() {
        if (m_ready)
            curl_global_cleanup();
    }
    CurlLibrary(const CurlLibrary&) = delete;
    CurlLibrary& operator=(const CurlLibrary&) = delete;

    bool ready() const { return m_ready; }

private:
    const bool m_ready;
};

bool curlReady() {
    static const CurlLibrary library;
    return library.ready();
}

} // namespace

CurlEasy::CurlEasy() {
    if (curlReady())
        m_handle = curl_easy_init();
}

CurlEasy::~CurlEasy() {
    if (!m_handle)
        return;
    // The callbacks point into transfers that are over. The goodbye to an
    // FTP host (QUIT, when the connection is closed) waits little: it may be
    // the host that stalled. Its wait is the one of the last transfer
    // started, so a transfer without a URL, which goes nowhere, sets it.
    curl_easy_reset(m_handle);
    curl_easy_setopt(m_handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(m_handle, CURLOPT_SERVER_RESPONSE_TIMEOUT, kGoodbyeSeconds);
    (void)curl_easy_perform(m_handle);
    curl_easy_cleanup(m_handle);
}

void CurlEasy::setTimeouts(std::chrono::seconds connect, std::chrono::seconds stalled) {
    curl_easy_setopt(m_handle, CURLOPT_CONNECTTIMEOUT, static_cast<long>(connect.count()));
    curl_easy_setopt(m_handle, CURLOPT_SERVER_RESPONSE_TIMEOUT, static_cast<long>(stalled.count()));
    curl_easy_setopt(m_handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(m_handle, CURLOPT_LOW_SPEED_TIME, static_cast<long>(stalled.count()));
    // No signals: time-outs must not disturb the rest of the program.
    curl_easy_setopt(m_handle, CURLOPT_NOSIGNAL, 1L);
}

namespace {

int stopIfCancelled(void* cancelled, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return (*static_cast<const std::function<bool()>*>(cancelled))() ? 1 : 0;
}

} // namespace

void CurlEasy::stopWhen(const std::function<bool()>& cancelled) {
    if (!cancelled)
        return;
    curl_easy_setopt(m_handle, CURLOPT_XFERINFOFUNCTION, stopIfCancelled);
    curl_easy_setopt(m_handle, CURLOPT_XFERINFODATA, &cancelled);
    curl_easy_setopt(m_handle, CURLOPT_NOPROGRESS, 0L);
}

std::string CurlEasy::escaped(const std::string& segment) const {
    char* text = curl_easy_escape(m_handle, segment.data(), static_cast<int>(segment.size()));
    if (!text)
        return segment;
    std::string result(text);
    curl_free(text);
    return result;
}

bool CurlEasy::connectionFailed(int code) const {
    switch (code) {
    case CURLE_URL_MALFORMAT:
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
    case CURLE_FTP_WEIRD_SERVER_REPLY:
    case CURLE_LOGIN_DENIED:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
        return true;
    case CURLE_OPERATION_TIMEDOUT: {
        curl_off_t connectTime = 0;
        curl_easy_getinfo(m_handle, CURLINFO_CONNECT_TIME_T, &connectTime);
        return connectTime == 0;
    }
    default:
        return false;
    }
}

CurlList::~CurlList() {
    curl_slist_free_all(m_list);
}

void CurlList::append(const std::string& line) {
    if (curl_slist* longer = curl_slist_append(m_list, line.c_str()))
        m_list = longer;
}

} // namespace parvela::publishing
