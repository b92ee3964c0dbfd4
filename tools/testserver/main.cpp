// korvane-test-server [--port N] [--heartbeat MS] [--accounts N]: serves the demo users on
// 127.0.0.1 until interrupted, and prints the port it listens on. --accounts replaces the demo data
// set by a generated one of N accounts with one position each.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "testserver/TestServer.h"

namespace {
volatile std::sig_atomic_t stopRequested = 0;
void OnSignal(int) {
    stopRequested = 1;
}
}  // namespace

int main(int argc, char** argv) {
    testserver::TestServer::Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--port") == 0)
            options.port = uint16_t(std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--heartbeat") == 0)
            options.heartbeatInterval = std::chrono::milliseconds(std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--accounts") == 0)
            options.generatedAccounts = std::strtoul(argv[i + 1], nullptr, 10);
        else {
            std::fprintf(stderr, "usage: %s [--port N] [--heartbeat MS] [--accounts N]\n", argv[0]);
            return 2;
        }
    }
    testserver::TestServer server(options);
    server.AddDemoUsers();
    if (!server.Start()) {
        std::fprintf(stderr, "cannot listen on port %u\n", unsigned(options.port));
        return 1;
    }
    std::printf("%u\n", unsigned(server.GetPort()));
    std::fflush(stdout);
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    while (!stopRequested) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    server.Stop();
    return 0;
}
