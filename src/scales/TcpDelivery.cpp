#include "scales/TcpDelivery.h"

#include <QtGlobal>
#include <algorithm>
#include <chrono>
#include <optional>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>
#if defined(__linux__)
#include <linux/sockios.h>
#endif
#endif

namespace parvela::scales {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// How often a wait looks at the cancel flag.
constexpr int kSliceMs = 50;
constexpr size_t kSendChunk = 64 * 1024;
constexpr short kReadable = POLLIN;
constexpr short kWritable = POLLOUT;
constexpr short kTroubled = POLLERR | POLLHUP;

#ifdef Q_OS_WIN
using Handle = SOCKET;
using IoLength = int;
using AddressLength = int;
const Handle kNoHandle = INVALID_SOCKET;
constexpr int kShutWrite = SD_SEND;
constexpr int kSendFlags = 0;

void startSockets() {
    static const bool started = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    static_cast<void>(started);
}
int lastError() {
    return WSAGetLastError();
}
bool isPending(int error) {
    return error == WSAEWOULDBLOCK || error == WSAEINPROGRESS || error == WSAEINTR;
}
bool isReset(int error) {
    return error == WSAECONNRESET || error == WSAECONNABORTED;
}
bool isClosed(int error) {
    return error == WSAESHUTDOWN;
}
void closeHandle(Handle handle) {
    closesocket(handle);
}
bool setNonBlocking(Handle handle) {
    u_long on = 1;
    return ioctlsocket(handle, FIONBIO, &on) == 0;
}
int pollOne(pollfd& one, int ms) {
    return WSAPoll(&one, 1, ms);
}
int pendingError(Handle handle) {
    int error = 0;
    int length = sizeof error;
    getsockopt(handle, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length);
    return error;
}
// Winsock counts no unacknowledged bytes: the scale's close after the end
// of file is then the only proof.
std::optional<long> unacknowledged(Handle) {
    return std::nullopt;
}
#else
using Handle = int;
using IoLength = size_t;
using AddressLength = socklen_t;
constexpr Handle kNoHandle = -1;
constexpr int kShutWrite = SHUT_WR;
#ifdef MSG_NOSIGNAL
// A scale gone fails the send rather than the process.
constexpr int kSendFlags = MSG_NOSIGNAL;
#else
constexpr int kSendFlags = 0;
#endif

void startSockets() {}
int lastError() {
    return errno;
}
bool isPending(int error) {
    return error == EINPROGRESS || error == EAGAIN || error == EINTR;
}
bool isReset(int error) {
    return error == ECONNRESET || error == ECONNABORTED;
}
bool isClosed(int error) {
    return error == EPIPE;
}
void closeHandle(Handle handle) {
    ::close(handle);
}
bool setNonBlocking(Handle handle) {
    const int flags = fcntl(handle, F_GETFL);
    return flags >= 0 && fcntl(handle, F_SETFL, flags | O_NONBLOCK) == 0;
}
int pollOne(pollfd& one, int ms) {
    return ::poll(&one, 1, ms);
}
int pendingError(Handle handle) {
    int error = 0;
    socklen_t length = sizeof error;
    getsockopt(handle, SOL_SOCKET, SO_ERROR, &error, &length);
    return error;
}
// Bytes written, the end of file included, that the scale has not
// acknowledged yet.
std::optional<long> unacknowledged(Handle handle) {
#ifdef SIOCOUTQ
    int queued = 0;
    if (ioctl(handle, SIOCOUTQ, &queued) == 0)
        return queued;
#else
    static_cast<void>(handle);
#endif
    return std::nullopt;
}
#endif

class Socket {
public:
    explicit Socket(Handle handle)
        : m_handle(handle) {}
    ~Socket() {
        if (m_handle != kNoHandle)
            closeHandle(m_handle);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;

    Handle handle() const { return m_handle; }
    bool valid() const { return m_handle != kNoHandle; }

private:
    Handle m_handle;
};

enum class Ready { Yes, TimedOut, Cancelled };

// Waits until the socket has one of `events` (or trouble) by the deadline.
Ready waitFor(Handle handle, short events, short& happened, Clock::time_point deadline,
              const std::function<bool()>& cancelled) {
    for (;;) {
        if (cancelled && cancelled())
            return Ready::Cancelled;
        const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return Ready::TimedOut;
        pollfd one{handle, events, 0};
        const int ready = pollOne(one, static_cast<int>(std::min<long long>(left, kSliceMs)));
        if (ready > 0) {
            happened = one.revents;
            return Ready::Yes;
        }
        if (ready < 0 && !isPending(lastError())) {
            happened = kTroubled;
            return Ready::Yes;
        }
    }
}

// What the scale said: nothing yet, some bytes (which it may), its end of
// file, or an error.
struct Heard {
    bool end = false;
    int error = 0;
};

Heard listenTo(Handle handle) {
    char buffer[512];
    const auto got = ::recv(handle, buffer, static_cast<IoLength>(sizeof buffer), 0);
    if (got == 0)
        return {true, 0};
    if (got < 0 && !isPending(lastError()))
        return {false, lastError()};
    return {};
}

QString seconds(int ms) {
    return QString::number(ms / 1000.0);
}

QString sentOf(size_t sent, size_t size) {
    return QStringLiteral(" (gönderilen %1/%2 bayt)").arg(sent).arg(size);
}

const QString kResetText = QStringLiteral("terazi bağlantıyı sıfırladı, dosyayı almadı");

TcpOutcome notConnected(const QString& why) {
    return {Verdict::NotConnected, QStringLiteral("bağlanılamadı: ") + why};
}

TcpOutcome cancelledNow() {
    return {Verdict::Cancelled, QStringLiteral("iptal edildi")};
}

TcpOutcome closedEarly(size_t sent, size_t size) {
    return {Verdict::ClosedEarly,
            QStringLiteral("terazi dosyanın tamamını almadan bağlantıyı kapattı") +
                sentOf(sent, size)};
}

// The connection broke off while the file went out or after.
TcpOutcome broken(int error, size_t sent, size_t size) {
    if (isClosed(error))
        return closedEarly(sent, size);
    if (isReset(error))
        return {Verdict::Reset, kResetText + sentOf(sent, size)};
    return {Verdict::Reset,
            QStringLiteral("bağlantı koptu: ") + qt_error_string(error) + sentOf(sent, size)};
}

// Nothing once connected.
std::optional<TcpOutcome> connectTo(const addrinfo& address, Socket& socket,
                                    const TcpLimits& limits,
                                    const std::function<bool()>& cancelled) {
    if (!socket.valid() || !setNonBlocking(socket.handle()))
        return notConnected(qt_error_string(lastError()));
#ifdef SO_NOSIGPIPE
    const int on = 1;
    setsockopt(socket.handle(), SOL_SOCKET, SO_NOSIGPIPE, &on, sizeof on);
#endif
    if (::connect(socket.handle(), address.ai_addr,
                  static_cast<AddressLength>(address.ai_addrlen)) != 0 &&
        !isPending(lastError()))
        return notConnected(qt_error_string(lastError()));
    short happened = 0;
    switch (waitFor(socket.handle(), kWritable, happened,
                    Clock::now() + milliseconds(limits.connectMs), cancelled)) {
    case Ready::TimedOut:
        return notConnected(
            QStringLiteral("%1 sn içinde cevap yok").arg(seconds(limits.connectMs)));
    case Ready::Cancelled:
        return cancelledNow();
    case Ready::Yes:
        break;
    }
    const int error = pendingError(socket.handle());
    // Connected, then reset before a byte went out.
    if (isReset(error))
        return TcpOutcome{Verdict::Reset, kResetText};
    if (error != 0)
        return notConnected(qt_error_string(error));
    return std::nullopt;
}

// Every byte out, then the end of file; the scale's close is the answer.
TcpOutcome sendAndAwaitClose(Handle handle, const std::string& bytes, const TcpLimits& limits,
                             const std::function<bool()>& cancelled) {
    const Clock::time_point deadline = Clock::now() + milliseconds(limits.deliveryMs);
    size_t sent = 0;
    short happened = 0;
    while (sent < bytes.size()) {
        switch (waitFor(handle, kReadable | kWritable, happened, deadline, cancelled)) {
        case Ready::TimedOut:
            return {Verdict::TimedOut, QStringLiteral("%1 sn içinde dosyanın tamamı gönderilemedi")
                                               .arg(seconds(limits.deliveryMs)) +
                                           sentOf(sent, bytes.size())};
        case Ready::Cancelled:
            return cancelledNow();
        case Ready::Yes:
            break;
        }
        if (happened & (kReadable | kTroubled)) {
            const Heard heard = listenTo(handle);
            if (heard.end)
                return closedEarly(sent, bytes.size());
            if (heard.error != 0)
                return broken(heard.error, sent, bytes.size());
        }
        if (happened & kWritable) {
            const size_t chunk = std::min(bytes.size() - sent, kSendChunk);
            const auto put =
                ::send(handle, bytes.data() + sent, static_cast<IoLength>(chunk), kSendFlags);
            if (put < 0 && !isPending(lastError()))
                return broken(lastError(), sent, bytes.size());
            if (put > 0)
                sent += static_cast<size_t>(put);
        }
    }
    if (::shutdown(handle, kShutWrite) != 0)
        return broken(lastError(), sent, bytes.size());
    for (;;) {
        switch (waitFor(handle, kReadable, happened, deadline, cancelled)) {
        case Ready::TimedOut: {
            QString reason = QStringLiteral("terazi %1 sn içinde dosyayı alıp bağlantıyı kapatmadı")
                                 .arg(seconds(limits.deliveryMs));
            if (const std::optional<long> left = unacknowledged(handle); left && *left > 0)
                reason += QStringLiteral(" (%1 bayt onaylanmadı)").arg(*left);
            return {Verdict::TimedOut, reason};
        }
        case Ready::Cancelled:
            return cancelledNow();
        case Ready::Yes:
            break;
        }
        const Heard heard = listenTo(handle);
        if (heard.error != 0)
            return broken(heard.error, sent, bytes.size());
        if (!heard.end)
            continue;
        if (const std::optional<long> left = unacknowledged(handle); left && *left > 0)
            return {Verdict::ClosedEarly,
                    QStringLiteral("terazi bağlantıyı kapattı, %1 bayt onaylanmadı").arg(*left)};
        return {};
    }
}

} // namespace

TcpOutcome deliverOverTcp(const std::string& bytes, const std::string& host, quint16 port,
                          const TcpLimits& limits, const std::function<bool()>& cancelled) {
    startSockets();
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_NUMERICSERV;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0 || !found)
        return notConnected(QStringLiteral("adres çözülemedi"));
    TcpOutcome outcome;
    // A name may stand for several addresses: the first that answers takes the file.
    for (const addrinfo* address = found; address; address = address->ai_next) {
        Socket socket(::socket(address->ai_family, address->ai_socktype, address->ai_protocol));
        const std::optional<TcpOutcome> refused = connectTo(*address, socket, limits, cancelled);
        if (!refused) {
            outcome = sendAndAwaitClose(socket.handle(), bytes, limits, cancelled);
            break;
        }
        outcome = *refused;
        if (outcome.verdict == Verdict::Cancelled)
            break;
    }
    freeaddrinfo(found);
    return outcome;
}

} // namespace parvela::scales
