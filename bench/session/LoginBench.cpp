// The session's login against the loopback reporting server: from Login to the end of an
// initial load of a million record messages with a heartbeat question every 10,000, and the
// answer to one heartbeat question. Offscreen, for the startup screen.
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <thread>
#include <vector>

#include "SessionBenchSetup.h"
#include "net/BraeFrame.h"

namespace {

std::atomic<std::size_t> allocations{0};

// A server whose initial load is that many records with a heartbeat question every 10,000.
testserver::TestServer::Options LoadOptions(std::size_t records) {
    testserver::TestServer::Options options = SessionBenchSetup::HourlyHeartbeats();
    options.loadRecords = records;
    options.loadHeartbeatEvery = 10000;
    return options;
}

// Login to Loading false, the connection included. Between iterations the session logs out, the
// server closes the connection, and the 2 seconds between two connection attempts pass, so that
// the next login connects at once.
void BM_LoginToLoaded(benchmark::State& state) {
    const auto records = static_cast<std::size_t>(state.range(0));
    SessionBenchSetup setup(LoadOptions(records));
    for (auto _ : state) {
        setup.LogInToLoaded();
        state.PauseTiming();
        setup.LogOut();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(static_cast<int64_t>(records * state.iterations()));
}
BENCHMARK(BM_LoginToLoaded)->Arg(1000000)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

// Login to loaded against the test server's generated data set of N messages, half accounts and
// half positions, every one distinct and stored. Second argument 0: logins after a first one, as
// after a reconnection (the stores fill again the memory the first load took); 1: the first login
// of a new session, whose stores take their memory from the system as they fill.
void BM_LoginToLoadedDistinct(benchmark::State& state) {
    const auto messages = static_cast<std::size_t>(state.range(0));
    const bool newSession = state.range(1) != 0;
    testserver::TestServer::Options options = SessionBenchSetup::HourlyHeartbeats();
    options.generatedAccounts = messages / 2;
    SessionBenchSetup setup(options);
    if (!newSession) {
        setup.LogInToLoaded();
        setup.LogOut();
    }
    for (auto _ : state) {
        if (newSession) {
            state.PauseTiming();
            setup.session = std::make_unique<KVNEventManager>();
            state.ResumeTiming();
        }
        setup.LogInToLoaded();
        state.PauseTiming();
        if (setup.session->Positions.Records.size() != messages / 2) state.SkipWithError("positions missing");
        setup.LogOut();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(static_cast<int64_t>(messages * state.iterations()));
}
BENCHMARK(BM_LoginToLoadedDistinct)
    ->Args({100000, 0})
    ->Args({1000000, 0})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
// Once: a later new session of the process finds memory the earlier one gave back to the heap.
// Run alone for the first load of a process.
BENCHMARK(BM_LoginToLoadedDistinct)
    ->Args({1000000, 1})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The floor of the login to loaded: the same load's bytes, as the server sends them, replayed over
// a loopback connection into a reader that only counts their frames.
void BM_LoginToLoadedDistinctFloor(benchmark::State& state) {
    const auto messages = static_cast<std::size_t>(state.range(0));
    testserver::TestServer::Options options = SessionBenchSetup::HourlyHeartbeats();
    options.generatedAccounts = messages / 2;
    const std::string bytes = testserver::TestServer(options).CaptureLoad();
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (::bind(listener, reinterpret_cast<sockaddr*>(&address), size) != 0 || ::listen(listener, 1) != 0 ||
        ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        state.SkipWithError("no loopback listener");
        ::close(listener);
        return;
    }
    std::size_t frames = 0;
    for (auto _ : state) {
        std::thread sender([&] {
            const int fd = ::accept(listener, nullptr, nullptr);
            for (std::size_t sent = 0; sent < bytes.size();) {
                const ssize_t count = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
                if (count <= 0) break;
                sent += static_cast<std::size_t>(count);
            }
            ::close(fd);
        });
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        (void)!::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
        std::vector<char> buffer(std::size_t(1) << 20);
        std::size_t held = 0;
        frames = 0;
        for (;;) {
            const ssize_t count = ::recv(fd, buffer.data() + held, buffer.size() - held, 0);
            if (count <= 0) break;
            held += static_cast<std::size_t>(count);
            const char* at = buffer.data();
            auto available = static_cast<uint32_t>(held);
            int32_t length = 0;
            uint32_t frameSize = 0;
            while (CutBraeFrame(at, available, length, frameSize) == BraeCut::Message) {
                ++frames;
                at += frameSize;
                available -= frameSize;
            }
            std::memmove(buffer.data(), at, available);
            held = available;
        }
        ::close(fd);
        sender.join();
    }
    ::close(listener);
    state.counters["frames"] = static_cast<double>(frames);
    state.SetItemsProcessed(static_cast<int64_t>(messages * state.iterations()));
}
BENCHMARK(BM_LoginToLoadedDistinctFloor)
    ->Arg(100000)
    ->Arg(1000000)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// One heartbeat question answered outside the load: the kept response refilled and queued, the
// time stamped. Reports the allocations per answer.
void BM_AnswerHeartbeat(benchmark::State& state) {
    SessionBenchSetup setup;
    KVNEventManager& session = *setup.session;
    const char question[] = "TH00000042000123101112";
    const std::size_t before = allocations.load();
    for (auto _ : state) session.OnHeartbeatQuestion(question, 22);
    state.counters["allocations"] =
        benchmark::Counter(double(allocations.load() - before), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_AnswerHeartbeat)->Iterations(100000);

}  // namespace

// Counts the program's allocations for the heartbeat benchmark.
void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
