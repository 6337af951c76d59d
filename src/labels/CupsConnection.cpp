#include "labels/CupsConnection.h"

#include <cups/cups.h>
#include <sys/socket.h>

namespace parvela::labels {

namespace {
// How long one wait lasts before the deadline is looked at again.
constexpr double kWaitSeconds = 0.1;
} // namespace

CupsConnection::CupsConnection(const QString& server, std::chrono::milliseconds timeout)
    : m_deadline(std::chrono::steady_clock::now() + timeout) {
    // libcups keeps the server per thread, so it is set for every use.
    const QByteArray address = server.toUtf8();
    cupsSetServer(address.isEmpty() ? nullptr : address.constData());
    const int milliseconds = static_cast<int>(timeout.count());
    m_http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                          milliseconds, nullptr);
    if (m_http)
        httpSetTimeout(m_http, kWaitSeconds, &CupsConnection::stillWaiting, this);
}

int CupsConnection::stillWaiting(http_t*, void* connection) {
    const auto* self = static_cast<const CupsConnection*>(connection);
    return std::chrono::steady_clock::now() < self->m_deadline ? 1 : 0;
}

CupsConnection::~CupsConnection() {
    httpClose(m_http);
}

} // namespace parvela::labels
