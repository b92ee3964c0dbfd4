#pragma once
// The main window on settings that name an in-process test server with the demo users.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>

#include "ClientTestSupport.h"
#include "client/TMainForm.h"
#include "testserver/TestServer.h"

// How many messages of a type the server received.
inline std::size_t CountArrived(const testserver::TestServer& server, const std::string& type) {
    std::size_t count = 0;
    for (const testserver::Arrival& arrival : server.GetReceived())
        count += arrival.bytes.rfind(type, 0) == 0;
    return count;
}

// A running main window on settings that name a test server.
struct LoggedInForm : ::testing::Test {
    // `key` is the [Config] EncryptionKey line (none when empty); `settings` more [Config] lines.
    void Start(const std::string& settings,
               std::chrono::milliseconds heartbeat = std::chrono::milliseconds(200),
               const std::string& key = "EncryptionKey=0123456789abcdef\n") {
        testserver::TestServer::Options options;
        options.heartbeatInterval = heartbeat;
        server = std::make_unique<testserver::TestServer>(options);
        server->AddDemoUsers();
        ASSERT_TRUE(server->Start());
        environment.WriteSettings("[Config]\nHostNameList=127.0.0.1\nPortList=" +
                                  std::to_string(server->GetPort()) + "\n" + key + settings);
        form = std::make_unique<TMainForm>();
    }
    void TearDown() override {
        form.reset();
        if (server) server->Stop();
    }
    // As the Login action: the session gets the process timer, then logs in; true once ready.
    bool LogInAndWait(const std::string& user = "part") {
        form->Session().ProcessTimer = &form->ProcessTimer();
        form->Session().Login(user, "secret");
        return WaitReady();
    }
    bool WaitReady() {
        return RunUntil([&] { return form->Session().IsReady() && !form->ReloadWorkspace(); });
    }

    ClientEnvironment environment;
    std::unique_ptr<testserver::TestServer> server;
    std::unique_ptr<TMainForm> form;
};
