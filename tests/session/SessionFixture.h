#pragma once
// A session over a running loopback test server: the settings file names the server's port, a
// scripted user interface answers every box and dialog (an unexpected one fails the test), and the
// session's process timer pumps as the main window's does, disabled while it runs.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "SessionTestSupport.h"
#include "guisupport/ScriptedUi.h"
#include "session/KVNEventManager.h"
#include "store/CommandHistory.h"
#include "store/TInterfaceView.h"
#include "testserver/TestServer.h"
#include "toolkit/Timer.h"

// A grid window holding a real view with one row, on the message router.
struct GridWindow {
    GridWindow(KVNEventManager& session, std::vector<ReceivedWindowMessage>& log) : window("grid", log) {
        record.SequenceNumber.SetValue(7);
        view.UpdateRow(&record);
        session.GridClients[window.Handle()] = GridClientData{ChildType::CommandHistory, &view, false};
    }
    CommandHistory record;
    TInterfaceView<CommandHistory> view;
    RecordingWindow window;
};

class SessionFixture : public ::testing::Test {
protected:
    // The server's heartbeat interval once a load ended.
    virtual std::chrono::milliseconds HeartbeatInterval() const { return std::chrono::milliseconds(10000); }

    void SetUp() override {
        testserver::TestServer::Options options;
        options.heartbeatInterval = HeartbeatInterval();
        server = std::make_unique<testserver::TestServer>(options);
        server->AddDemoUsers();
        ASSERT_TRUE(server->Start());
        settings.Write("[Config]\nHostNameList=127.0.0.1\nPortList=" + std::to_string(server->GetPort()) +
                       "\n");
        session = std::make_unique<KVNEventManager>();
        processTimer.SetInterval(25);
        processTimer.onTimer = [this] {
            processTimer.SetEnabled(false);
            session->ProcessEvents();
            processTimer.SetEnabled(true);
        };
        session->ProcessTimer = &processTimer;
    }
    void TearDown() override {
        processTimer.SetEnabled(false);
        session.reset();
        server->Stop();
    }

    // Pumps, as the process timer would, until done answers true or the wait ended; whether it did.
    bool PumpUntil(const std::function<bool()>& done,
                   std::chrono::milliseconds wait = std::chrono::milliseconds(3000)) {
        const auto end = std::chrono::steady_clock::now() + wait;
        while (!done()) {
            if (std::chrono::steady_clock::now() > end) return false;
            processTimer.SetEnabled(false);
            session->ProcessEvents();
        }
        return true;
    }
    void ConnectNow() {
        session->ClientSocketEvent->SetActive(true);
        ASSERT_TRUE(PumpUntil([&] { return session->IsConnected() && server->GetOpenSessionCount() == 1; }));
    }
    // Logs in and pumps until the initial load ended; whether it did.
    bool LogInNow(const std::string& user = "part", const std::string& password = "secret") {
        session->Login(user, password);
        return PumpUntil([&] { return session->LoggedIn && !session->Loading; });
    }

    static std::vector<std::string> Texts(const GUIErrorDetailsVector& log, std::size_t from = 0) {
        std::vector<std::string> texts;
        for (std::size_t i = from; i < log.size(); ++i) texts.push_back(log[i].GetText());
        return texts;
    }
    static std::size_t CountHolding(const std::vector<std::string>& texts, const std::string& part) {
        std::size_t count = 0;
        for (const std::string& text : texts) count += text.find(part) != std::string::npos;
        return count;
    }
    std::vector<std::string> Log() const { return Texts(session->GetErrorDetails()); }
    // The messages of one type the server received, in order.
    std::vector<std::string> Received(const std::string& type) const {
        std::vector<std::string> messages;
        for (const testserver::Arrival& arrival : server->GetReceived())
            if (arrival.bytes.compare(0, 2, type) == 0) messages.push_back(arrival.bytes);
        return messages;
    }
    // The messages queued for the server, in order.
    std::vector<std::string> Queued() {
        std::vector<std::string> messages;
        for (uint32_t i = 0; i < session->MessageQueue.GetCount(); ++i) {
            int length = 0;
            const char* data = session->MessageQueue.GetMessage(&length, i);
            messages.emplace_back(data, std::size_t(length));
        }
        return messages;
    }

    ScriptedUi ui;
    SettingsDirectory settings;
    std::unique_ptr<testserver::TestServer> server;
    std::unique_ptr<KVNEventManager> session;
    Timer processTimer;
};
