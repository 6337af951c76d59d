#pragma once

#include <QString>
#include <chrono>

typedef struct _http_s http_t;

namespace parvela::labels {

// One connection to a CUPS server for one piece of work, which gives up
// once `timeout` has passed since it was opened: libcups's own connection
// waits forever for a stopped or hung cupsd, and retries each request.
class CupsConnection {
public:
    // `server` is a CUPS server address or socket path; empty means the
    // system's own.
    CupsConnection(const QString& server, std::chrono::milliseconds timeout);
    ~CupsConnection();
    CupsConnection(const CupsConnection&) = delete;
    CupsConnection& operator=(const CupsConnection&) = delete;

    explicit operator bool() const { return m_http != nullptr; }
    http_t* http() const { return m_http; }

private:
    static int stillWaiting(http_t* http, void* connection);

    std::chrono::steady_clock::time_point m_deadline;
    http_t* m_http = nullptr;
};

} // namespace parvela::labels
