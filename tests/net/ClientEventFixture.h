#pragma once
// Test support: the client's connection setup over a loopback peer. The session's connection
// event in small (id 2, 64 KiB Brae input and output buffers, default period, may-sleep off,
// registered for output and input, with its has-connected byte), behind the window-message event
// in a legacy event loop, with the session's outgoing vector. Entries handed out by the loop are
// kept as copies.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "LoopbackServer.h"
#include "core/MGlobalTime.h"
#include "core/ProcessClock.h"
#include "net/MComVectorMessageMaster.h"
#include "net/MEventActiveTcpSocketWithTime.h"
#include "net/MEventMediatorLegacy.h"
#include "net/MEventProcessWinMsg.h"
#include "net/MEventSocketSelect.h"
#include "net/MSocketBufferIn.h"
#include "net/MSocketBufferOut.h"
#include "support/ScopedEnvironment.h"

class TestClientEvent : public MEventActiveTcpSocketWithTime {
public:
    TestClientEvent(MEventMediatorLegacy& mediator, MComVectorMessageMaster& vector,
                    const MSocketAddressList& list)
        : MEventActiveTcpSocketWithTime(2, &mediator, new MSocketBufferIn(nullptr, 65536),
                                        new MSocketBufferOut(&vector, nullptr, 0, 65536),
                                        mediator.GetWaiter(), &list, true, true, nullptr, false) {}

    bool Connect(bool block) override {
        const bool connected = MEventActiveTcpSocketWithTime::Connect(block);
        if (IsConnected()) hasConnected = 1;
        return connected;
    }

    uint8_t hasConnected = 0;
};

struct HandedEntry {
    int32_t id;
    char type;
    std::string data;
    const char* pointer;
};

class ClientEventFixture : public ::testing::Test {
protected:
    void SetUp() override { MEventSocketSelect::SetPollAgain(false); }
    void TearDown() override {
        event.reset();
        MEventSocketSelect::SetPollAgain(false);
        if (clockMoved) {
            environment.reset();
            MGlobalTime::Instance().Init();
        }
    }

    static MSocketAddressList MakeList(const std::vector<std::string>& services) {
        MIpHostList hosts;
        MIpServiceList list;
        for (const std::string& service : services) {
            hosts.push_back(MIpHost("127.0.0.1"));
            list.push_back(MIpService(service.c_str()));
        }
        return MSocketAddressList(hosts, list, nullptr);
    }
    void Build(const MSocketAddressList& list) {
        mediator.AddInputEvent(&window);
        event = std::make_unique<TestClientEvent>(mediator, vector, list);
    }
    void Build() { Build(MakeList({peer.GetService()})); }

    // Moves the framework clock on by seconds (the test clock, from the start of the test).
    void MoveClock(int seconds) {
        if (!environment) environment = std::make_unique<ScopedEnvironment>();
        clockMoved = true;
        shift += seconds;
        environment->Set("VARN_EXEC_MODE", "TEST");
        environment->Set("VARN_DELTA_TIME_SECONDS", std::to_string(shift).c_str());
        MGlobalTime::Instance().Init();
        ResetCurrentTimeCache();
    }

    HandedEntry Next() {
        int32_t length = 0, id = 0, type = 0;
        const char* data = mediator.GetNextMessage(length, id, type);
        return {id, static_cast<char>(type), data ? std::string(data, static_cast<std::size_t>(length)) : "",
                data};
    }
    // The entries of the connection event until the window event's entry has come calls times.
    std::vector<HandedEntry> Pump(int calls = 1) {
        std::vector<HandedEntry> entries;
        while (calls > 0) {
            HandedEntry entry = Next();
            if (entry.id == 3) {
                --calls;
            } else {
                entries.push_back(entry);
            }
        }
        return entries;
    }
    // Pumps until the connection event hands out count entries, at most calls pumps.
    std::vector<HandedEntry> PumpFor(std::size_t count, int calls = 2000) {
        std::vector<HandedEntry> entries;
        for (int i = 0; i < calls && entries.size() < count; ++i) {
            for (HandedEntry& entry : Pump()) entries.push_back(entry);
        }
        return entries;
    }
    void Queue(const std::string& message) {
        vector.AddMessage(message.data(), static_cast<int>(message.size()));
    }

    LoopbackServer peer;
    MEventMediatorLegacy mediator;
    MEventProcessWinMsg window{3, &mediator};
    MComVectorMessageMaster vector{1024, 1024, 10000, 0};
    std::unique_ptr<TestClientEvent> event;
    std::unique_ptr<ScopedEnvironment> environment;
    bool clockMoved = false;
    int shift = 0;
};
