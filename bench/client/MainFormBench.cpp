// The main window against the loopback reporting server, offscreen: the cost of an idle pump
// tick of its process timer, the time from construction to the window shown, and from login to
// the loaded session.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>
#include <chrono>
#include <memory>

#include "ClientBenchSetup.h"
#include "client/TMainForm.h"

namespace {

using benchsetup::ServerSettings;

// A server with a generated load of `accounts` accounts or of `loadRecords` position records.
testserver::TestServer::Options GeneratedLoad(std::size_t accounts, std::size_t loadRecords) {
    testserver::TestServer::Options options;
    options.generatedAccounts = accounts;
    options.loadRecords = loadRecords;
    return options;
}

// One pump turn of the process timer while connected and idle (the refresh turn between two pump
// turns is spent: the session is not ready, so it is left out of the timing).
void BM_IdlePumpTick(benchmark::State& state) {
    ServerSettings settings;
    TMainForm form;
    form.ProcessTimer().SetEnabled(false);
    form.ProcessMessagesTimer().SetEnabled(false);
    form.Session().ClientSocketEvent->SetActive(true);
    while (!form.Session().IsConnected() || settings.server->GetOpenSessionCount() != 1)
        form.Session().ProcessEvents();
    for (auto _ : state) {
        if (!form.PumpNext()) {
            state.PauseTiming();
            form.ProcessTimerTimer();
            state.ResumeTiming();
        }
        form.ProcessTimerTimer();
    }
}
BENCHMARK(BM_IdlePumpTick)->Unit(benchmark::kMicrosecond)->UseRealTime();

// Construction (settings read, session built) to the window shown on the offscreen platform.
void BM_StartToShown(benchmark::State& state) {
    ServerSettings settings;
    for (auto _ : state) {
        auto form = std::make_unique<TMainForm>();
        form->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(form->isVisible());
        state.PauseTiming();
        form.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartToShown)->Unit(benchmark::kMillisecond)->UseRealTime();

// Login to a ready session with the workspace started, through the running window and its
// timers, against a generated load of N accounts with one position each, or (second argument 1)
// a load of N position records with a heartbeat question every 10,000.
void BM_LoginToLoaded(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    ServerSettings settings(GeneratedLoad(state.range(1) ? 0 : count, state.range(1) ? count : 0));
    for (auto _ : state) {
        state.PauseTiming();
        auto form = std::make_unique<TMainForm>();
        form->Session().ProcessTimer = &form->ProcessTimer();
        state.ResumeTiming();
        form->Session().Login("part", "secret");
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while ((!form->Session().IsReady() || form->ReloadWorkspace()) &&
               std::chrono::steady_clock::now() < end)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        state.PauseTiming();
        form.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoginToLoaded)
    ->Args({10000, 0})
    ->Args({1000000, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
