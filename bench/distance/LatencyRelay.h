#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

// A TCP relay that puts a distance between a client and a server on one
// machine: every byte waits half the round trip in each direction, and a new
// connection waits for a TCP handshake and the first half of the server's
// greeting before the relay connects onward. It counts the round trips it
// emulates: one per connection (the handshake) and one per turn, each time
// data from the server follows data from the client (the connection's start
// counts as the client's first word, so the greeting is a turn).
namespace parvela::bench {

struct RelayAddress {
    std::string host;
    int port = 0;
};

struct RelayCounts {
    long connections = 0;
    long roundTrips = 0;
};

class LatencyRelay {
public:
    LatencyRelay(RelayAddress listen, RelayAddress target);
    ~LatencyRelay();
    LatencyRelay(const LatencyRelay&) = delete;
    LatencyRelay& operator=(const LatencyRelay&) = delete;

    // Empty on success, else why it cannot listen.
    std::string start();
    void setRoundTrip(std::chrono::microseconds roundTrip);
    std::chrono::microseconds roundTrip() const;
    RelayCounts counts() const;
    void resetCounts();

private:
    void acceptLoop();
    void serve(int client);
    void relay(int client, int server);
    void connectionEnded();

    RelayAddress m_listenAddress;
    RelayAddress m_target;
    int m_listen = -1;
    std::atomic<bool> m_stopping{false};
    std::atomic<long long> m_roundTripMicros{0};
    std::atomic<long> m_connections{0};
    std::atomic<long> m_roundTrips{0};
    std::thread m_acceptor;
    // Connection threads run detached; stopping waits until none is left.
    std::mutex m_liveMutex;
    std::condition_variable m_liveChanged;
    int m_live = 0;
};

} // namespace parvela::bench
