// The latency relay on its own, to use the program at a distance by hand:
//   parvela-bench-relay [--rtt MS] [--listen HOST:PORT] [--to HOST:PORT]
// (20 ms, 127.0.0.2:3306 and 127.0.0.1:3306 unless told). Point
// Server/ipno at the listening address. SIGUSR1 prints the counts so far;
// SIGINT or SIGTERM prints them and ends.
#include "LatencyRelay.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace parvela::bench;

namespace {

bool parseAddress(const std::string& text, RelayAddress& address) {
    const std::size_t colon = text.rfind(':');
    if (colon == std::string::npos)
        return false;
    address.host = text.substr(0, colon);
    address.port = std::atoi(text.c_str() + colon + 1);
    return address.port > 0;
}

void printCounts(const LatencyRelay& relay) {
    const RelayCounts counts = relay.counts();
    std::printf("%ld connections, %ld round trips\n", counts.connections, counts.roundTrips);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    long rttMs = 20;
    RelayAddress listen{"127.0.0.2", 3306};
    RelayAddress target{"127.0.0.1", 3306};
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        bool ok = value != nullptr;
        if (ok && option == "--rtt")
            rttMs = std::atol(value);
        else if (ok && option == "--listen")
            ok = parseAddress(value, listen);
        else if (ok && option == "--to")
            ok = parseAddress(value, target);
        else
            ok = false;
        if (!ok) {
            std::fprintf(stderr, "usage: %s [--rtt MS] [--listen HOST:PORT] [--to HOST:PORT]\n",
                         argv[0]);
            return 2;
        }
        ++i;
    }
    sigset_t signals;
    sigemptyset(&signals);
    for (const int signal : {SIGINT, SIGTERM, SIGUSR1})
        sigaddset(&signals, signal);
    // Blocked before the relay's threads start, so that they inherit it.
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    LatencyRelay relay(listen, target);
    relay.setRoundTrip(std::chrono::milliseconds(rttMs));
    if (const std::string error = relay.start(); !error.empty()) {
        std::fprintf(stderr, "cannot listen on %s\n", error.c_str());
        return 1;
    }
    std::printf("relaying %s:%d to %s:%d with %ld ms a round trip\n", listen.host.c_str(),
                listen.port, target.host.c_str(), target.port, rttMs);
    std::fflush(stdout);
    for (;;) {
        int signal = 0;
        sigwait(&signals, &signal);
        printCounts(relay);
        if (signal != SIGUSR1)
            return 0;
    }
}
