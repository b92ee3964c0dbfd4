// The main window's actions, offscreen: an idle update pass over the main window's actions and the
// active grid window's, with 20 data windows open and an active grid of a million rows, over a
// ready session (goal: at most 0.5 ms). The communication status window's benchmarks are with the
// grid's.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMdiArea>
#include <memory>
#include <string>

#include "ClientBenchSetup.h"
#include "client/TKVNGrid.h"
#include "client/TMainForm.h"
#include "fields/DescribeFields.h"
#include "fields/MIntX.h"
#include "grid/TitleManager.h"
#include "store/TInterfaceView.h"
#include "toolkit/Action.h"

namespace {

using benchsetup::ServerSettings;

struct Entry {
    MLong Id;
    MLong Quantity;

    BaseKey GetKey() const { return BaseKey(0, Id.GetValue()); }
    static const char* GetDisplayName() { return "Entries"; }
    static constexpr auto Fields() {
        return MFields(MField("Id", &Entry::Id), MField("Quantity", &Entry::Quantity));
    }
    static void DescribeClass(MStaticFormat& format) { DescribeFieldTypes<Entry>(format); }
    void FormatObject(MObjectFormat& format) { DescribeFields(*this, format); }
};

InterfaceView* MakeView(int rows) {
    auto* view = new TInterfaceView<Entry>;
    for (int id = 1; id <= rows; ++id) {
        Entry e;
        e.Id.SetValue(id);
        e.Quantity.SetValue(id % 1000);
        view->UpdateRow(&e);
    }
    return view;
}

void BM_IdleActionUpdate(benchmark::State& state) {
    ServerSettings settings(benchsetup::QuietServer());
    TMainForm form;
    form.ProcessTimer().SetEnabled(false);
    form.ProcessMessagesTimer().SetEnabled(false);
    benchsetup::LogIn(form.Session(), *settings.server);
    form.show();
    TitleManager titles({"Id", "Quantity"}, "Titles");
    TKVNGrid* active = nullptr;
    for (int i = 0; i < 21; ++i) {
        BaseGridConfig config;
        config.SettingsFileName = settings.directory + "/Windows.ini";
        config.WorkingDirectory = settings.directory + "/";
        config.WindowSection = "Window" + std::to_string(i);
        config.TitlesSection = "Titles";
        config.TemplateSection = "Template";
        config.WindowTitle = config.WindowSection;
        active = new TKVNGrid(form.MdiArea(), ChildType::Positions, config, &titles, &form.Session(),
                              MakeView(i == 20 ? 1000000 : 10));
        active->Show();
    }
    QApplication::processEvents();
    if (!form.Session().IsReady() || form.ActiveDataWindow() != active) state.SkipWithError("not ready");
    for (auto _ : state) {
        form.Actions().UpdateActions();
        active->Actions().UpdateActions();
    }
    benchmark::DoNotOptimize(form.SortAction->Enabled());
    state.counters["goal_ms"] = 0.5;
}
BENCHMARK(BM_IdleActionUpdate)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
