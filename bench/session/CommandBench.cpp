// Sending commands: position entries numbered, recorded as pending and in the command history,
// and queued, as a position import sends them. The socket never connects, so the queue keeps them.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "brae/Brae_PN_PositionEntry.h"
#include "core/IniFileLocation.h"
#include "session/KVNEventManager.h"

namespace {

void BM_SendPositionEntries(benchmark::State& state) {
    char pattern[] = "/tmp/korvane-bench-XXXXXX";
    const std::string directory = ::mkdtemp(pattern);
    SetExecutableDirectory(directory + "/");
    std::ofstream(directory + "/Korvane.ini") << "[Config]\nHostNameList=127.0.0.1\nPortList=1\n";
    const auto count = static_cast<int>(state.range(0));
    Brae_PN_PositionEntry entry;
    entry.ReportDate.SetText("20210315", 8);
    entry.Group.SetText("OP");
    entry.Instrument.SetText("ABC1");
    entry.AccountNumber.SetText("GN-12345");
    entry.LongQuantity.SetValue(10);
    for (auto _ : state) {
        state.PauseTiming();
        auto session = std::make_unique<KVNEventManager>();
        session->SequenceCounter = 1000;
        session->LoggedIn = true;
        state.ResumeTiming();
        for (int i = 0; i < count; ++i)
            session->SendCommand(
                entry, {EnumActionType::Add, EnumBusinessItemType::Position, "Import position", false});
        state.PauseTiming();
        benchmark::DoNotOptimize(session->MessageQueue.GetCount());
        session.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * count);
    SetExecutableDirectory("");
    std::filesystem::remove_all(directory);
}
BENCHMARK(BM_SendPositionEntries)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
