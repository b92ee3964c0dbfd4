// Frames of 100-byte messages handed out per second by the client's event loop, the
// window-message event first, then a connection event (goal: 1,000,000 frames per second).
// In memory: an event cuts frames in place out of a buffer that is refilled whenever it is used
// up, so the figure is the loop and the frame cutter without a socket. Loopback: the client's
// connection event reads what a sender thread writes into a loopback connection as fast as it
// can, with the loop's own limits and one socket read per select report.
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>
#include <thread>
#include <vector>

#include "net/BraeFrame.h"
#include "net/MComVectorMessageMaster.h"
#include "net/MEvent.h"
#include "net/MEventActiveTcpSocketWithTime.h"
#include "net/MEventMediatorLegacy.h"
#include "net/MEventProcessWinMsg.h"
#include "net/MEventSocketSelect.h"
#include "net/MSocketAddressList.h"
#include "net/MSocketBufferIn.h"
#include "net/MSocketBufferOut.h"

namespace {

constexpr uint32_t kMessageLength = 100;

class InMemoryFrames : public MEvent {
public:
    InMemoryFrames(MEventMediator* mediator) : MEvent(2, mediator), buffer_(65536) {
        SetKeepsData(true);
        const std::vector<char> message(kMessageLength, 'm');
        while (held_ + BraeFrameSize(kMessageLength) <= buffer_.size()) {
            held_ += LayBraeFrame(buffer_.data() + held_, message.data(), kMessageLength);
        }
    }
    int32_t ProcessInput(bool) override {
        if (read_ == held_) {
            // The whole buffer was handed out: the next read starts it again, as a socket that
            // still holds bytes would, so the wait after this pass is a poll.
            read_ = 0;
            MEventSocketSelect::SetPollAgain(true);
            return 0;
        }
        uint32_t frameSize = 0;
        if (CutBraeFrame(buffer_.data() + read_, held_ - read_, length_, frameSize) != BraeCut::Message)
            return 0;
        message_ = buffer_.data() + read_ + 4;
        read_ += frameSize;
        return 3;
    }
    const char* GetInputMessage(int32_t& length) override {
        length = length_;
        return message_;
    }

private:
    std::vector<char> buffer_;
    uint32_t held_ = 0;
    uint32_t read_ = 0;
    int32_t length_ = 0;
    const char* message_ = nullptr;
};

void BM_EventLoopInMemoryFrames(benchmark::State& state) {
    MEventMediatorLegacy mediator;
    MEventProcessWinMsg window(3, &mediator);
    InMemoryFrames connection(&mediator);
    mediator.AddInputEvent(&window);
    mediator.AddInputEvent(&connection);
    int64_t frames = 0;
    for (auto _ : state) {
        int32_t length = 0, id = 0, type = 0;
        const char* data = mediator.GetNextMessage(length, id, type);
        benchmark::DoNotOptimize(data);
        if (id == 2 && type == 'I') ++frames;
    }
    state.counters["frames/s"] = benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_EventLoopInMemoryFrames)->UseRealTime();

}  // namespace

namespace {

// A listener on 127.0.0.1 with a port chosen by the system.
struct Listener {
    Listener() {
        fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address));
        listen(fd, 4);
        socklen_t length = sizeof(address);
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
        port = ntohs(address.sin_port);
    }
    ~Listener() { close(fd); }
    int fd = -1;
    uint16_t port = 0;
};

// The sender: accepts the client's connection and writes frames of 100-byte messages as fast as
// the connection takes them, until the client closes it.
void SendFrames(int listener) {
    const int connection = accept(listener, nullptr, nullptr);
    if (connection < 0) return;
    std::vector<char> block;
    const std::vector<char> message(kMessageLength, 'm');
    block.resize(630 * BraeFrameSize(kMessageLength));
    for (std::size_t at = 0; at < block.size();)
        at += LayBraeFrame(block.data() + at, message.data(), kMessageLength);
    for (;;) {
        if (send(connection, block.data(), block.size(), MSG_NOSIGNAL) <= 0) break;
    }
    close(connection);
}

void BM_EventLoopLoopbackFrames(benchmark::State& state) {
    Listener listener;
    MEventMediatorLegacy mediator;
    MEventProcessWinMsg window(3, &mediator);
    mediator.AddInputEvent(&window);
    MComVectorMessageMaster vector(1024, 1024, 10000, 0);
    MIpHostList hosts;
    hosts.push_back(MIpHost("127.0.0.1"));
    MIpServiceList services;
    services.push_back(MIpService(std::to_string(listener.port).c_str()));
    const MSocketAddressList list(hosts, services, nullptr);
    MEventActiveTcpSocketWithTime connection(2, &mediator, new MSocketBufferIn(nullptr, 65536),
                                             new MSocketBufferOut(&vector, nullptr, 0, 65536),
                                             mediator.GetWaiter(), &list, true, true, nullptr, false);
    std::thread sender(SendFrames, listener.fd);
    for (int i = 0; i < 1000 && !connection.IsConnected(); ++i) {
        int32_t length = 0, id = 0, type = 0;
        mediator.GetNextMessage(length, id, type);
    }
    int64_t frames = 0;
    int64_t bytes = 0;
    for (auto _ : state) {
        int32_t length = 0, id = 0, type = 0;
        const char* data = mediator.GetNextMessage(length, id, type);
        benchmark::DoNotOptimize(data);
        if (id == 2 && type == 'I') {
            ++frames;
            bytes += length;
        }
    }
    connection.Disconnect();
    sender.join();
    if (bytes != frames * kMessageLength) state.SkipWithError("a frame came back with the wrong length");
    state.counters["frames/s"] = benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_EventLoopLoopbackFrames)->UseRealTime()->MinTime(2.0);

}  // namespace
