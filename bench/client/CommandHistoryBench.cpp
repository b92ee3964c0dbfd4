// The command-history window over a real session, offscreen: a refresh that brings status changes
// into a large window, and position entries sent to the loopback server, answered and shown as
// Done, with the pump and the refresh called directly.
#include <benchmark/benchmark.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <memory>

#include "ClientBenchSetup.h"
#include "brae/Brae_PN_PositionEntry.h"
#include "client/TCommandHistoryGridForm.h"
#include "grid/TitleManager.h"
#include "session/KVNEventManager.h"
#include "store/CommandHistory.h"
#include "store/TInterfaceView.h"

namespace {

struct HistoryWindowSetup {
    HistoryWindowSetup() : settings(benchsetup::QuietServer()) {
        session = std::make_unique<KVNEventManager>();
        BaseGridConfig config;
        config.SettingsFileName = settings.directory + "/Windows.ini";
        config.WorkingDirectory = settings.directory;
        config.WindowSection = "CommandHistory1";
        config.TitlesSection = "Titles";
        config.WindowTitle = "CommandHistory1";
        window = new TCommandHistoryGridForm(&area, config, &titles, session.get(),
                                             new TInterfaceView<CommandHistory>);
    }
    ~HistoryWindowSetup() {
        delete window->SubWindow();
        session.reset();
    }
    void LogIn() { benchsetup::LogIn(*session, *settings.server); }
    int Rows() const { return window->View()->GetDisplayedRowCount() - 1; }

    benchsetup::ServerSettings settings;
    std::unique_ptr<KVNEventManager> session;
    QMdiArea area;
    TitleManager titles{{"SequenceNumber", "ExecutionTime", "CommandAction", "BusinessItem", "CommandStatus",
                         "ErrorCode", "ErrorMessage", "Description"},
                        "Titles"};
    TCommandHistoryGridForm* window = nullptr;
};

// A window over 100,000 entries; each refresh brings 1,000 status changes.
void BM_HistoryRefreshWithStatusChanges(benchmark::State& state) {
    HistoryWindowSetup setup;
    KVNEventManager& session = *setup.session;
    constexpr int kEntries = 100000;
    constexpr int kChanges = 1000;
    for (int i = 1; i <= kEntries; ++i) {
        CommandHistory entry;
        entry.Init(i, EnumActionType::Add, EnumBusinessItemType::Position);
        entry.CommandStatus.Set(EnumActionStatusType::Sent);
        session.CommandHistories.Store(entry, false);
    }
    session.RefreshGrids();
    int next = 1;
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < kChanges; ++i) {
            CommandHistory entry = *session.CommandHistories.Find(BaseKey(0, next));
            entry.CommandStatus.Set(EnumActionStatusType::Done);
            session.CommandHistories.Store(entry, false);
            next = next % kEntries + 1;
        }
        state.ResumeTiming();
        session.RefreshGrids();
    }
    if (setup.Rows() != kEntries) state.SkipWithError("the window does not show every entry");
}
BENCHMARK(BM_HistoryRefreshWithStatusChanges)->Unit(benchmark::kMillisecond);

// 10,000 position entries sent, answered by the server and shown as Done.
void BM_PositionEntriesShownDone(benchmark::State& state) {
    constexpr int kCommands = 10000;
    Brae_PN_PositionEntry entry;
    entry.ReportDate.SetText("20210315", 8);
    entry.Group.SetText("OP");
    entry.Instrument.SetText("ABC1");
    entry.AccountNumber.SetText("GN-12345");
    entry.LongQuantity.SetValue(10);
    for (auto _ : state) {
        state.PauseTiming();
        auto setup = std::make_unique<HistoryWindowSetup>();
        setup->LogIn();
        KVNEventManager& session = *setup->session;
        state.ResumeTiming();
        for (int i = 0; i < kCommands; ++i)
            session.SendCommand(
                entry, {EnumActionType::Add, EnumBusinessItemType::Position, "Import position", false});
        while (!session.PendingCommands.empty()) session.ProcessEvents();
        session.RefreshGrids();
        state.PauseTiming();
        if (setup->Rows() != kCommands) state.SkipWithError("the window does not show every command");
        setup.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kCommands);
}
BENCHMARK(BM_PositionEntriesShownDone)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
