#pragma once
// A session and a loopback reporting server for the session's benchmarks, in a temporary
// directory taken as the executable's, whose settings file names the server.
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

#include "core/IniFileLocation.h"
#include "session/KVNEventManager.h"
#include "testserver/TestServer.h"

struct SessionBenchSetup {
    // Heartbeats after a load are an hour apart unless the options say otherwise.
    explicit SessionBenchSetup(testserver::TestServer::Options options = HourlyHeartbeats()) {
        char pattern[] = "/tmp/korvane-bench-XXXXXX";
        directory = ::mkdtemp(pattern);
        SetExecutableDirectory(directory + "/");
        server = std::make_unique<testserver::TestServer>(options);
        server->AddDemoUsers();
        server->Start();
        std::ofstream(directory + "/Korvane.ini")
            << "[Config]\nHostNameList=127.0.0.1\nPortList=" << server->GetPort() << "\n";
        session = std::make_unique<KVNEventManager>();
    }
    ~SessionBenchSetup() {
        session.reset();
        server.reset();
        SetExecutableDirectory("");
        std::filesystem::remove_all(directory);
    }
    static testserver::TestServer::Options HourlyHeartbeats() {
        testserver::TestServer::Options options;
        options.heartbeatInterval = std::chrono::milliseconds(3600000);
        return options;
    }
    // Activates the client socket and pumps until the server holds the connection.
    void Connect() {
        session->ClientSocketEvent->SetActive(true);
        while (!session->IsConnected() || server->GetOpenSessionCount() != 1) session->ProcessEvents();
    }
    // Logs in and pumps until the initial load has ended.
    void LogInToLoaded() {
        session->Login("part", "secret");
        while (!session->LoggedIn || session->Loading) session->ProcessEvents();
    }
    // Logs out, pumps until the connection is closed and lets the 2 seconds between two connection
    // attempts pass, so that the next login connects at once.
    void LogOut() {
        session->Logout();
        while (session->ClientSocketEvent->GetActivity() != 0) session->ProcessEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(2100));
    }

    std::string directory;
    std::unique_ptr<testserver::TestServer> server;
    std::unique_ptr<KVNEventManager> session;
};
