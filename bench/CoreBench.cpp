// Lines logged per second with a receiver that does nothing, and integers formatted per second.
#include <benchmark/benchmark.h>

#include "core/MDigitText.h"
#include "core/MError.h"

namespace {

class NullReceiver : public MPublishErrorBase {
public:
    void Publish(int, const char* text) override { benchmark::DoNotOptimize(text); }
};

void BM_LogMessage(benchmark::State& state) {
    MErrorInit init("KELP", "Korvane", "", "", "bench");
    NullReceiver receiver;  // uninstalls itself at the end, so that later benchmarks log unseen
    RegisterErrorPublisher(&receiver);
    unsigned line = 0;
    for (auto _ : state) {
        LogMessage("MSocket.cpp", ++line % 20000, 3, "Connect to %s:%d failed, error %d", "127.0.0.1", 4000,
                   10061);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LogMessage);

void BM_FormatInt(benchmark::State& state) {
    int32_t v = static_cast<int32_t>(state.range(0));
    for (auto _ : state) {
        int n = 0;
        benchmark::DoNotOptimize(FormatInt(v, n));
        benchmark::DoNotOptimize(n);
        v = -v;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatInt)->Arg(42)->Arg(123456789);

void BM_FormatInt64Fixed(benchmark::State& state) {
    char field[20];
    int64_t v = 1234567890123LL;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatInt64Fixed(field, ++v, 16));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatInt64Fixed);

}  // namespace
