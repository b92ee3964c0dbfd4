// korvane-test-server [--port N] [--heartbeat MS] [--accounts N]: serves the demo users on
// 127.0.0.1 until interrupted, and prints the port it listens on. --accounts replaces the demo data
// set by a generated one of N accounts with one position each.
// --client-settings DIR [--config-home DIR2]: also writes the client's settings for the port it
// listens on into DIR, and the registry stand-in naming DIR into DIR2 (default DIR/config).
// With --servers HOST:PORT[,HOST:PORT...] it writes the settings for those servers and exits
// without serving.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "testserver/ClientSettings.h"
#include "testserver/TestServer.h"

namespace {
volatile std::sig_atomic_t stopRequested = 0;
void OnSignal(int) {
    stopRequested = 1;
}
}  // namespace

int main(int argc, char** argv) {
    testserver::TestServer::Options options;
    std::string settingsDirectory, configHome, servers;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--port") == 0)
            options.port = uint16_t(std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--heartbeat") == 0)
            options.heartbeatInterval = std::chrono::milliseconds(std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--accounts") == 0)
            options.generatedAccounts = std::strtoul(argv[i + 1], nullptr, 10);
        else if (std::strcmp(argv[i], "--client-settings") == 0)
            settingsDirectory = argv[i + 1];
        else if (std::strcmp(argv[i], "--config-home") == 0)
            configHome = argv[i + 1];
        else if (std::strcmp(argv[i], "--servers") == 0)
            servers = argv[i + 1];
        else {
            std::fprintf(stderr,
                         "usage: %s [--port N] [--heartbeat MS] [--accounts N] [--client-settings DIR "
                         "[--config-home DIR] [--servers HOST:PORT,...]]\n",
                         argv[0]);
            return 2;
        }
    }
    if (configHome.empty() && !settingsDirectory.empty()) configHome = settingsDirectory + "/config";
    std::string error;
    if (!servers.empty()) {
        std::vector<testserver::ServerAddress> addresses;
        if (settingsDirectory.empty() || !testserver::ParseServerAddresses(servers, addresses)) {
            std::fprintf(stderr, "--servers needs --client-settings and HOST:PORT[,HOST:PORT...]\n");
            return 2;
        }
        if (!testserver::WriteClientSettings(settingsDirectory, configHome, addresses, false, error)) {
            std::fprintf(stderr, "cannot write the client settings: %s\n", error.c_str());
            return 1;
        }
        return 0;
    }
    testserver::TestServer server(options);
    server.AddDemoUsers();
    if (!server.Start()) {
        std::fprintf(stderr, "cannot listen on port %u\n", unsigned(options.port));
        return 1;
    }
    if (!settingsDirectory.empty() &&
        !testserver::WriteClientSettings(settingsDirectory, configHome,
                                         {{"127.0.0.1", std::to_string(server.GetPort())}}, true, error)) {
        std::fprintf(stderr, "cannot write the client settings: %s\n", error.c_str());
        server.Stop();
        return 1;
    }
    std::printf("%u\n", unsigned(server.GetPort()));
    std::printf("demo users: part, psup, jek, jsup; password: secret\n");
    std::fflush(stdout);
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    while (!stopRequested) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    server.Stop();
    return 0;
}
