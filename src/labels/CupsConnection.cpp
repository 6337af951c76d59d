#include "labels/CupsConnection.h"

#include <cups/cups.h>
#include <sys/socket.h>

namespace parvela::labels {

CupsConnection::CupsConnection(const QString& server, std::chrono::milliseconds timeout) {
    // libcups keeps the server per thread, so it is set for every use.
    const QByteArray address = server.toUtf8();
    cupsSetServer(address.isEmpty() ? nullptr : address.constData());
    const int milliseconds = static_cast<int>(timeout.count());
    m_http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                          milliseconds, nullptr);
    if (m_http)
        httpSetTimeout(m_http, milliseconds / 1000.0, nullptr, nullptr);
}

CupsConnection::~CupsConnection() {
    httpClose(m_http);
}

} // namespace parvela::labels
