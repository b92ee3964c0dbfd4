// The session's outgoing message vector: appending and taking heartbeat responses of 22 bytes
// through an MComVectorMessageMaster built with the session's sizes (1024, 1024, 10000). The
// vector keeps every message, as the session's does; it is rebuilt (untimed) every N messages to
// bound the benchmark's memory: N = 2^20 measures a vector that grows into fresh memory (the cost
// of first touching each page included), N = 10,000 one whose memory the allocator recycles (the
// vector's own cost). Counters: messages per second, and the memory per stored message, used
// (entry + bytes) and allocated (blocks + entry capacity).
#include <benchmark/benchmark.h>

#include <memory>

#include "net/MComVectorMessageMaster.h"

namespace {
constexpr char kHeartbeatResponse[23] = "TI0000000000000000000X";
constexpr int kLength = 22;

struct Memory {
    double used = 0;
    double allocated = 0;
};

Memory MemoryPerMessage(const MComVectorMessageMaster& vector) {
    const MMsgVector& storage = vector.GetStorage();
    double blockBytes = 0;
    double usedBytes = 0;
    for (const auto& block : storage.GetBlocks()) {
        blockBytes += block->GetSize();
        usedBytes += static_cast<double>(block->GetUsed());
    }
    const double count = storage.Count();
    const double entries = static_cast<double>(storage.GetEntries().size() * sizeof(MsgInfo));
    const double capacity = static_cast<double>(storage.GetEntries().capacity() * sizeof(MsgInfo));
    return {(usedBytes + entries) / count, (blockBytes + capacity) / count};
}

// One message appended, then taken, per iteration.
void BM_MessageVectorAppendTake(benchmark::State& state) {
    const auto rebuildEvery = static_cast<uint32_t>(state.range(0));
    auto vector = std::make_unique<MComVectorMessageMaster>(1024, 1024, 10000, 0);
    Memory memory;
    for (auto _ : state) {
        vector->AddMessage(kHeartbeatResponse, kLength);
        if (vector->HasMessagesToSend()) {
            int length = 0;
            benchmark::DoNotOptimize(vector->GetMessage(&length, vector->GetNextToSend()));
            vector->AdvanceNextToSend();
        }
        if (vector->GetCount() == rebuildEvery) {
            state.PauseTiming();
            memory = MemoryPerMessage(*vector);
            vector = std::make_unique<MComVectorMessageMaster>(1024, 1024, 10000, 0);
            state.ResumeTiming();
        }
    }
    if (memory.used == 0 && vector->GetCount() > 0) memory = MemoryPerMessage(*vector);
    state.SetItemsProcessed(state.iterations());
    state.counters["used_bytes_per_msg"] = memory.used;
    state.counters["allocated_bytes_per_msg"] = memory.allocated;
}
BENCHMARK(BM_MessageVectorAppendTake)->Arg(1 << 20)->Arg(10000);

// Bursts of 1,000 messages appended, then all taken, as the output pass drains them.
void BM_MessageVectorBurst(benchmark::State& state) {
    constexpr int kBurst = 1000;
    const auto rebuildEvery = static_cast<uint32_t>(state.range(0));
    auto vector = std::make_unique<MComVectorMessageMaster>(1024, 1024, 10000, 0);
    for (auto _ : state) {
        for (int i = 0; i < kBurst; ++i) vector->AddMessage(kHeartbeatResponse, kLength);
        while (vector->HasMessagesToSend()) {
            int length = 0;
            benchmark::DoNotOptimize(vector->GetMessage(&length, vector->GetNextToSend()));
            vector->AdvanceNextToSend();
        }
        if (vector->GetCount() >= rebuildEvery) {
            state.PauseTiming();
            vector = std::make_unique<MComVectorMessageMaster>(1024, 1024, 10000, 0);
            state.ResumeTiming();
        }
    }
    state.SetItemsProcessed(state.iterations() * kBurst);
}
BENCHMARK(BM_MessageVectorBurst)->Arg(1 << 20)->Arg(10000);
}  // namespace
