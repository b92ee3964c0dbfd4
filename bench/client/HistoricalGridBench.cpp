// A historical window over a real session, offscreen: a refresh that brings an answer of 1,000,000
// rows into the window (goal: within the grid's refresh goal of 500 ms for a million-row refill),
// and deleting those records with the window emptied, as a new query or a close does (goal:
// 200 ms).
#include <benchmark/benchmark.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <memory>
#include <string>
#include <vector>

#include "ClientBenchSetup.h"
#include "client/THistoricalSubmissionGridForm.h"
#include "grid/TitleManager.h"
#include "session/KVNEventManager.h"
#include "store/TInterfaceView.h"

namespace {

constexpr int kRows = 1000000;

struct HistoricalWindowSetup {
    HistoricalWindowSetup() : settings(benchsetup::QuietServer()) {
        session = std::make_unique<KVNEventManager>();
        benchsetup::LogIn(*session, *settings.server);
        auto* view = new TInterfaceView<HistoricalSubmissionData>;
        std::vector<std::string> names;
        for (const auto& [name, visible] : view->GetTitleVisibility()) names.push_back(name);
        titles = std::make_unique<TitleManager>(names, "Titles");
        BaseGridConfig config;
        config.SettingsFileName = settings.directory + "/Windows.ini";
        config.WorkingDirectory = settings.directory;
        config.WindowSection = "HistoricalSubmissions1";
        config.TitlesSection = "Titles";
        config.WindowTitle = "Historical Submissions Outcome";
        window = new THistoricalSubmissionGridForm(&area, config, titles.get(), session.get(), view);
        session->RefreshGrids();  // the window's first refill, empty
    }
    ~HistoricalWindowSetup() {
        delete window->SubWindow();
        session.reset();
    }
    // The answer's rows stored as the session stores them, numbered from 1.
    void StoreAnswer() {
        HistoricalSubmissionData row;
        row.Date.SetText("20210104", 8);
        row.FirmName.SetText("NORTHWND");
        for (int i = 1; i <= kRows; ++i) {
            row.RecordId.SetValue(i);
            session->HistoricalSubmissions.Store(row, false);
        }
    }
    int Rows() const { return window->View()->GetDisplayedRowCount() - 1; }

    benchsetup::ServerSettings settings;
    std::unique_ptr<KVNEventManager> session;
    QMdiArea area;
    std::unique_ptr<TitleManager> titles;
    THistoricalSubmissionGridForm* window = nullptr;
};

// The refresh after the answer: the window pulls the 1,000,000 changed rows into its view.
void BM_HistoricalAnswerShown(benchmark::State& state) {
    HistoricalWindowSetup setup;
    for (auto _ : state) {
        state.PauseTiming();
        setup.window->DeleteAnswer();
        setup.StoreAnswer();
        state.ResumeTiming();
        setup.session->RefreshGrids();
        state.PauseTiming();
        if (setup.Rows() != kRows) state.SkipWithError("the window does not show every row");
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_HistoricalAnswerShown)->Unit(benchmark::kMillisecond)->Iterations(5);

// A new query or a close: the kind's 1,000,000 records deleted and the window emptied.
void BM_HistoricalAnswerDeleted(benchmark::State& state) {
    HistoricalWindowSetup setup;
    for (auto _ : state) {
        state.PauseTiming();
        setup.StoreAnswer();
        setup.session->RefreshGrids();
        if (setup.Rows() != kRows) state.SkipWithError("the window does not show every row");
        state.ResumeTiming();
        setup.window->DeleteAnswer();
        state.PauseTiming();
        if (setup.Rows() != 0 || !setup.session->HistoricalSubmissions.Records.empty())
            state.SkipWithError("rows left after the deletion");
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_HistoricalAnswerDeleted)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
