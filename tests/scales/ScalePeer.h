#pragma once

#include <QtGlobal>
#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace parvela::test {

// A scale on a real TCP socket, run by a thread of its own, that treats what
// it is sent in one of the ways a scale on the network was seen to.
class ScalePeer {
public:
    enum class Behaviour {
        NeverReads,
        ReadsTenBytesAndCloses,
        ResetsAtAccept,
        ReadsAByteNowAndThen,
        ReadsToTheEndAndStaysSilent,
        ReadsToTheEndAndCloses,
    };

    // Listens on `address`, on `port` or on a free one.
    ScalePeer(const char* address, Behaviour behaviour, quint16 port = 0)
        : m_behaviour(behaviour) {
        m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
        const int on = 1;
        ::setsockopt(m_listener, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        sockaddr_in where{};
        where.sin_family = AF_INET;
        where.sin_port = htons(port);
        ::inet_pton(AF_INET, address, &where.sin_addr);
        if (::bind(m_listener, reinterpret_cast<sockaddr*>(&where), sizeof where) != 0 ||
            ::listen(m_listener, 4) != 0)
            return;
        socklen_t length = sizeof where;
        ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&where), &length);
        m_port = ntohs(where.sin_port);
        m_thread = std::thread([this] { serve(); });
    }
    ~ScalePeer() {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        ::close(m_listener);
    }
    ScalePeer(const ScalePeer&) = delete;
    ScalePeer& operator=(const ScalePeer&) = delete;

    quint16 port() const { return m_port; }
    // What it read; safe once it has ended or closed.
    std::string received() const { return m_received; }

private:
    static constexpr int kTick = 20;
    static constexpr auto kTrickle = std::chrono::milliseconds(400);

    // Waits for `events` until the test ends; false then.
    bool wait(int fd, short events) const {
        pollfd one{fd, events, 0};
        while (!m_stop)
            if (::poll(&one, 1, kTick) > 0)
                return true;
        return false;
    }
    void serve() {
        if (!wait(m_listener, POLLIN))
            return;
        const int fd = ::accept(m_listener, nullptr, nullptr);
        treat(fd);
        if (m_behaviour != Behaviour::ReadsToTheEndAndCloses &&
            m_behaviour != Behaviour::ReadsTenBytesAndCloses &&
            m_behaviour != Behaviour::ResetsAtAccept)
            while (!m_stop)
                std::this_thread::sleep_for(std::chrono::milliseconds(kTick));
        ::close(fd);
    }
    void treat(int fd) {
        switch (m_behaviour) {
        case Behaviour::NeverReads:
            return;
        case Behaviour::ResetsAtAccept: {
            const linger abort{1, 0};
            ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
            return;
        }
        case Behaviour::ReadsTenBytesAndCloses:
            readUpTo(fd, 10);
            return;
        case Behaviour::ReadsAByteNowAndThen:
            while (!m_stop && readUpTo(fd, 1) == 1)
                std::this_thread::sleep_for(kTrickle);
            return;
        case Behaviour::ReadsToTheEndAndStaysSilent:
        case Behaviour::ReadsToTheEndAndCloses:
            while (readUpTo(fd, 4096) > 0) {
            }
            return;
        }
    }
    // One read of at most `count` bytes; 0 at the end, -1 on an error.
    long readUpTo(int fd, size_t count) {
        if (!wait(fd, POLLIN))
            return -1;
        char buffer[4096];
        const long got = ::recv(fd, buffer, std::min(count, sizeof buffer), 0);
        if (got > 0)
            m_received.append(buffer, static_cast<size_t>(got));
        return got;
    }

    Behaviour m_behaviour;
    int m_listener = -1;
    quint16 m_port = 0;
    std::string m_received;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

} // namespace parvela::test
