#pragma once
// What the client benchmarks share: a loopback test server and a settings file naming it, in a
// temporary directory taken as the executable's; and a session logged in to it.
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "core/IniFileLocation.h"
#include "session/KVNEventManager.h"
#include "testserver/TestServer.h"

namespace benchsetup {

// A server with the demo users; `settings` is appended to the [Config] section of Korvane.ini.
struct ServerSettings {
    explicit ServerSettings(testserver::TestServer::Options options = {}, const std::string& settings = "") {
        char pattern[] = "/tmp/korvane-client-bench-XXXXXX";
        directory = ::mkdtemp(pattern);
        SetExecutableDirectory(directory + "/");
        // The main window's automation socket goes there too.
        if (const char* runtime = std::getenv("XDG_RUNTIME_DIR")) runtimeDir = runtime;
        ::setenv("XDG_RUNTIME_DIR", directory.c_str(), 1);
        server = std::make_unique<testserver::TestServer>(options);
        server->AddDemoUsers();
        server->Start();
        std::ofstream(directory + "/Korvane.ini")
            << "[Config]\nHostNameList=127.0.0.1\nPortList=" << server->GetPort()
            << "\nEncryptionKey=0123456789abcdef\n"
            << settings;
    }
    ~ServerSettings() {
        server.reset();
        SetExecutableDirectory("");
        if (runtimeDir)
            ::setenv("XDG_RUNTIME_DIR", runtimeDir->c_str(), 1);
        else
            ::unsetenv("XDG_RUNTIME_DIR");
        std::filesystem::remove_all(directory);
    }
    ServerSettings(const ServerSettings&) = delete;
    ServerSettings& operator=(const ServerSettings&) = delete;

    std::string directory;
    std::optional<std::string> runtimeDir;
    std::unique_ptr<testserver::TestServer> server;
};

// Server options with a heartbeat question too rare to take part in a measurement.
inline testserver::TestServer::Options QuietServer() {
    testserver::TestServer::Options options;
    options.heartbeatInterval = std::chrono::milliseconds(3600000);
    return options;
}

// Connects `session` to the server and logs in as `user`, pumping until the load has ended.
inline void LogIn(KVNEventManager& session, testserver::TestServer& server, const char* user = "part") {
    session.ClientSocketEvent->SetActive(true);
    while (!session.IsConnected() || server.GetOpenSessionCount() != 1) session.ProcessEvents();
    session.Login(user, "secret");
    while (!session.LoggedIn || session.Loading) session.ProcessEvents();
}

}  // namespace benchsetup
