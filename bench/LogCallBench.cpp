// The cost of a log call nobody sees (no receiver, trace off) against an empty call of the same
// shape, and of traced lines written to a file stream against the same bytes written by the
// stream alone.
#include <benchmark/benchmark.h>

#include <fstream>

#include "core/MError.h"
#include "core/MTrace.h"

namespace {

__attribute__((noinline)) void EmptyCall(const char* file, unsigned line, int level, const char* format,
                                         ...) {
    benchmark::DoNotOptimize(file);
    benchmark::DoNotOptimize(line);
    benchmark::DoNotOptimize(level);
    benchmark::DoNotOptimize(format);
}
void (*volatile emptyCall)(const char*, unsigned, int, const char*, ...) = EmptyCall;
void (*volatile logCall)(const char*, unsigned, int, const char*, ...) = LogMessage;

void BM_LogBaseline_EmptyCall(benchmark::State& state) {
    unsigned line = 0;
    for (auto _ : state) emptyCall("MSocket.cpp", ++line, 7, "Sent %d bytes to %s", 120, "127.0.0.1");
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LogBaseline_EmptyCall);

void BM_LogUnseen(benchmark::State& state) {
    MErrorInit init("KELP", "Korvane", "", "", "bench");
    unsigned line = 0;
    for (auto _ : state) logCall("MSocket.cpp", ++line, 7, "Sent %d bytes to %s", 120, "127.0.0.1");
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LogUnseen);

// The stream alone, writing what a traced line writes.
void BM_LogBaseline_StreamLine(benchmark::State& state) {
    std::ofstream sink("/dev/null");
    for (auto _ : state) {
        sink << "2026/01/01-00:00:00.000000" << ' '
             << "user D[KELP]Korvane - MSocket.cpp[0012] Sent 120 bytes to 127.0.0.1" << '\n';
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LogBaseline_StreamLine);

void BM_LogTraced(benchmark::State& state) {
    std::ofstream sink("/dev/null");
    SetTraceStream(&sink);
    SetTraceLevel(1);
    {
        MErrorInit init("KELP", "Korvane", "", "", "bench");
        for (auto _ : state) LogMessage("MSocket.cpp", 12, 7, "Sent %d bytes to %s", 120, "127.0.0.1");
    }
    SetTraceLevel(0);
    SetTraceStream(nullptr);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LogTraced);

}  // namespace
