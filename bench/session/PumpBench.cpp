// The session's pump against the loopback reporting server: messages of 100 bytes read, framed
// and dispatched, and the cost of a call with nothing to do.
#include <benchmark/benchmark.h>

#include <thread>

#include "SessionBenchSetup.h"

namespace {

struct Setup : SessionBenchSetup {
    Setup() { Connect(); }
};

// Batches of KO messages of 100 bytes; a short KA after each batch leaves one line in the
// communication log, which marks the batch as handled.
void BM_PumpThroughput(benchmark::State& state) {
    Setup setup;
    const auto batch = static_cast<std::size_t>(state.range(0));
    const std::string message = "KO      00000001" + std::string(84, ' ');
    std::size_t handled = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::size_t lines = setup.session->GetErrorDetails().size();
        setup.server->SendRawRepeated(message, batch);
        setup.server->SendRaw("KA");
        state.ResumeTiming();
        while (setup.session->GetErrorDetails().size() == lines) setup.session->ProcessEvents();
        handled += batch + 1;
    }
    state.SetItemsProcessed(static_cast<int64_t>(handled));
}
BENCHMARK(BM_PumpThroughput)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same while the initial load runs: one pump call stays in its loop over a whole batch and
// returns when the server closes the connection after it.
void BM_PumpThroughputWhileLoading(benchmark::State& state) {
    Setup setup;
    const auto batch = static_cast<std::size_t>(state.range(0));
    const std::string message = "KO      00000001" + std::string(84, ' ');
    std::size_t handled = 0;
    for (auto _ : state) {
        state.PauseTiming();
        while (!setup.session->IsConnected() || setup.server->GetOpenSessionCount() != 1)
            setup.session->ProcessEvents();
        setup.session->Loading = true;
        setup.server->SendRawRepeated(message, batch);
        setup.server->DropConnections(false);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));  // the server lays its frames out
        state.ResumeTiming();
        setup.session->ProcessEvents();
        state.PauseTiming();
        setup.session->Loading = false;
        state.ResumeTiming();
        handled += batch;
    }
    state.SetItemsProcessed(static_cast<int64_t>(handled));
}
BENCHMARK(BM_PumpThroughputWhileLoading)
    ->Arg(500000)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_IdlePumpCall(benchmark::State& state) {
    Setup setup;
    for (auto _ : state) setup.session->ProcessEvents();
}
BENCHMARK(BM_IdlePumpCall)->Unit(benchmark::kMicrosecond);

}  // namespace
