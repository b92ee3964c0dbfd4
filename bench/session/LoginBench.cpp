// The session's login against the loopback reporting server: from Login to the end of an
// initial load of a million record messages with a heartbeat question every 10,000, and the
// answer to one heartbeat question. Offscreen, for the startup screen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <atomic>
#include <cstdlib>
#include <new>
#include <thread>

#include "SessionBenchSetup.h"

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
    KVNEventManager& session = *setup.session;
    for (auto _ : state) {
        session.Login("part", "secret");
        while (!session.LoggedIn || session.Loading) session.ProcessEvents();
        state.PauseTiming();
        session.Logout();
        while (session.ClientSocketEvent->GetActivity() != 0) session.ProcessEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(2100));
        state.ResumeTiming();
    }
    state.SetItemsProcessed(static_cast<int64_t>(records * state.iterations()));
}
BENCHMARK(BM_LoginToLoaded)->Arg(1000000)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

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
