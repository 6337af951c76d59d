#pragma once

#include <QString>
#include <chrono>

typedef struct _http_s http_t;

namespace parvela::labels {

// One connection to a CUPS server. Reads give up after `timeout`: libcups's
// own connection waits forever for a stopped or hung cupsd.
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
    http_t* m_http = nullptr;
};

} // namespace parvela::labels
