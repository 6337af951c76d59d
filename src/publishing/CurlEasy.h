#pragma once

#include <chrono>
#include <functional>
#include <string>

typedef void CURL;
struct curl_slist;

namespace parvela::publishing {

// One libcurl transfer handle. The library itself is set up by the first
// handle (one guarded static owns it) and torn down at exit.
class CurlEasy {
public:
    CurlEasy();
    ~CurlEasy();
    CurlEasy(const CurlEasy&) = delete;
    CurlEasy& operator=(const CurlEasy&) = delete;

    // False when no handle could be made.
    explicit operator bool() const { return m_handle != nullptr; }
    CURL* get() const { return m_handle; }

    // Gives up on a connection after `connect` and on a transfer that moves
    // no byte for `stalled`, so that a silent server cannot hang the program.
    void setTimeouts(std::chrono::seconds connect, std::chrono::seconds stalled);
    // Abandons the transfer (CURLE_ABORTED_BY_CALLBACK) once `cancelled`
    // says so; it must outlive the transfer. Nothing when it is empty.
    void stopWhen(const std::function<bool()>& cancelled);
    // The percent-escaped form of one URL path segment.
    std::string escaped(const std::string& segment) const;
    // Whether a failed transfer never got a working connection: no route,
    // refused, refused login, or timed out before connecting.
    bool connectionFailed(int code) const;

private:
    CURL* m_handle = nullptr;
};

// Header lines or FTP commands for one transfer.
class CurlList {
public:
    CurlList() = default;
    ~CurlList();
    CurlList(const CurlList&) = delete;
    CurlList& operator=(const CurlList&) = delete;

    void append(const std::string& line);
    curl_slist* get() const { return m_list; }

private:
    curl_slist* m_list = nullptr;
};

} // namespace parvela::publishing
