#include "LatencyRelay.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <deque>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace parvela::bench {

namespace {

using Clock = std::chrono::steady_clock;

// How often an idle connection looks whether the relay is stopping.
constexpr std::chrono::milliseconds kStopCheck(100);
constexpr std::size_t kReadSize = 64 * 1024;

sockaddr_in addressOf(const RelayAddress& address) {
    sockaddr_in result{};
    result.sin_family = AF_INET;
    result.sin_port = htons(static_cast<std::uint16_t>(address.port));
    inet_pton(AF_INET, address.host.c_str(), &result.sin_addr);
    return result;
}

void noDelay(int socket) {
    const int on = 1;
    setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
}

bool sendAll(int socket, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = send(socket, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

// Bytes read from one side, held until they are due at the other; an empty
// chunk stands for the end of the stream.
struct Chunk {
    Clock::time_point due;
    std::string bytes;
};

struct Direction {
    int from;
    int to;
    std::deque<Chunk> held;
    bool readDone = false;
    bool shutDown = false;
};

// Passes on what is due; false when the receiving side is gone.
bool deliverDue(Direction& direction, Clock::time_point now) {
    while (!direction.held.empty() && direction.held.front().due <= now) {
        const Chunk chunk = std::move(direction.held.front());
        direction.held.pop_front();
        if (chunk.bytes.empty()) {
            shutdown(direction.to, SHUT_WR);
            direction.shutDown = true;
        } else if (!sendAll(direction.to, chunk.bytes)) {
            return false;
        }
    }
    return true;
}

timespec waitUntilNext(const Direction (&directions)[2], Clock::time_point now) {
    Clock::duration wait = kStopCheck;
    for (const Direction& direction : directions)
        if (!direction.held.empty())
            wait =
                std::min(wait, std::max(Clock::duration::zero(), direction.held.front().due - now));
    const auto nanos = std::chrono::duration_cast<std::chrono::nanoseconds>(wait).count();
    return timespec{static_cast<time_t>(nanos / 1000000000), static_cast<long>(nanos % 1000000000)};
}

} // namespace

LatencyRelay::LatencyRelay(RelayAddress listen, RelayAddress target)
    : m_listenAddress(std::move(listen))
    , m_target(std::move(target)) {}

LatencyRelay::~LatencyRelay() {
    m_stopping = true;
    if (m_listen >= 0)
        shutdown(m_listen, SHUT_RDWR);
    if (m_acceptor.joinable())
        m_acceptor.join();
    if (m_listen >= 0)
        close(m_listen);
    std::unique_lock lock(m_liveMutex);
    m_liveChanged.wait(lock, [this] { return m_live == 0; });
}

std::string LatencyRelay::start() {
    m_listen = socket(AF_INET, SOCK_STREAM, 0);
    const int on = 1;
    setsockopt(m_listen, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    const sockaddr_in address = addressOf(m_listenAddress);
    if (bind(m_listen, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        listen(m_listen, 64) != 0)
        return m_listenAddress.host + ":" + std::to_string(m_listenAddress.port) + ": " +
               std::strerror(errno);
    m_acceptor = std::thread([this] { acceptLoop(); });
    return {};
}

void LatencyRelay::setRoundTrip(std::chrono::microseconds roundTrip) {
    m_roundTripMicros = roundTrip.count();
}

std::chrono::microseconds LatencyRelay::roundTrip() const {
    return std::chrono::microseconds(m_roundTripMicros.load());
}

RelayCounts LatencyRelay::counts() const {
    return {m_connections.load(), m_roundTrips.load()};
}

void LatencyRelay::resetCounts() {
    m_connections = 0;
    m_roundTrips = 0;
}

void LatencyRelay::acceptLoop() {
    while (!m_stopping) {
        const int client = accept(m_listen, nullptr, nullptr);
        if (client < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            return;
        }
        {
            const std::lock_guard lock(m_liveMutex);
            ++m_live;
        }
        std::thread([this, client] { serve(client); }).detach();
    }
}

void LatencyRelay::connectionEnded() {
    const std::lock_guard lock(m_liveMutex);
    --m_live;
    m_liveChanged.notify_all();
}

void LatencyRelay::serve(int client) {
    // The handshake's round trip and the half of one that the connection's
    // first word takes to reach the server.
    const auto before = roundTrip() + roundTrip() / 2;
    std::this_thread::sleep_for(before);
    ++m_connections;
    ++m_roundTrips;
    const int server = socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in target = addressOf(m_target);
    if (!m_stopping &&
        connect(server, reinterpret_cast<const sockaddr*>(&target), sizeof target) == 0)
        relay(client, server);
    close(server);
    close(client);
    connectionEnded();
}

void LatencyRelay::relay(int client, int server) {
    noDelay(client);
    noDelay(server);
    Direction directions[2] = {{client, server, {}}, {server, client, {}}};
    Direction& toServer = directions[0];
    bool clientSpokeLast = true;
    std::string buffer(kReadSize, '\0');
    while (!m_stopping) {
        const Clock::time_point now = Clock::now();
        if (!deliverDue(toServer, now) || !deliverDue(directions[1], now))
            return;
        if (toServer.shutDown && directions[1].shutDown)
            return;
        pollfd watched[2];
        Direction* readers[2];
        nfds_t count = 0;
        for (Direction& direction : directions)
            if (!direction.readDone) {
                watched[count] = {direction.from, POLLIN, 0};
                readers[count++] = &direction;
            }
        const timespec wait = waitUntilNext(directions, now);
        if (ppoll(watched, count, &wait, nullptr) < 0 && errno != EINTR)
            return;
        const auto half = roundTrip() / 2;
        for (nfds_t i = 0; i < count; ++i) {
            if (watched[i].revents == 0)
                continue;
            Direction& direction = *readers[i];
            const ssize_t n = recv(direction.from, buffer.data(), buffer.size(), 0);
            const Clock::time_point due = Clock::now() + half;
            if (n <= 0) {
                direction.readDone = true;
                direction.held.push_back({due, {}});
                continue;
            }
            const bool fromClient = &direction == &toServer;
            if (!fromClient && clientSpokeLast)
                ++m_roundTrips;
            clientSpokeLast = fromClient;
            direction.held.push_back({due, buffer.substr(0, static_cast<std::size_t>(n))});
        }
    }
}

} // namespace parvela::bench
