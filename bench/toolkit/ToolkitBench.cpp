// One idle update pass over the actions of a main window and ten grid windows, and the text
// boundary's conversions of a million short texts each way.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/Action.h"
#include "toolkit/ActionList.h"
#include "toolkit/QtText.h"

namespace {

// State that the update rules read, as a session and its windows would hold it.
struct WindowState {
    bool ready = true;
    bool hasData = true;
    int selectedRow = 3;
    bool findOpen = false;
};

void BM_IdleUpdate300Actions(benchmark::State& state) {
    WindowState session;
    std::vector<std::unique_ptr<QWidget>> windows;
    std::vector<std::unique_ptr<ActionList>> lists;
    std::vector<WindowState> gridStates(10);
    // The main window: 30 actions; ten grid windows: 27 actions each.
    for (int w = 0; w < 11; ++w) {
        windows.push_back(std::make_unique<QWidget>());
        lists.push_back(std::make_unique<ActionList>());
        int count = w == 0 ? 30 : 27;
        WindowState* grid = w == 0 ? &session : &gridStates[w - 1];
        for (int i = 0; i < count; ++i) {
            Action* a = lists.back()->Make(windows.back().get(), "&Action " + std::to_string(i),
                                           i < 12 ? "Ctrl+F" + std::to_string(i + 1) : std::string());
            switch (i % 3) {
                case 0:
                    a->onUpdate = [&session](Action& x) { x.SetEnabled(session.ready); };
                    break;
                case 1:
                    a->onUpdate = [&session, grid](Action& x) {
                        x.SetEnabled(session.ready && grid->hasData);
                    };
                    break;
                default:
                    a->onUpdate = [grid](Action& x) {
                        x.SetEnabled(grid->selectedRow >= 0 && !grid->findOpen);
                    };
            }
        }
    }
    size_t actions = 0;
    for (auto& l : lists) actions += l->Actions().size();
    for (auto _ : state) ActionList::UpdateAll();
    state.counters["actions"] = double(actions);
}
BENCHMARK(BM_IdleUpdate300Actions)->Unit(benchmark::kMicrosecond);

// Arg 0: plain ASCII texts; arg 1: every text holds a letter of 0xA0-0xFF and one of 0x80-0x9F.
void BM_TextBoundaryMillionTexts(benchmark::State& state) {
    std::vector<std::string> texts(1000000);
    const char* tail = state.range(0) ? "\xE9\x80Z " : "XYZ ";
    for (size_t i = 0; i < texts.size(); ++i) {
        texts[i] = "ACCOUNT-" + std::to_string(1000000 + i).substr(1) + "-" + tail;
        texts[i].resize(20);
    }
    for (auto _ : state) {
        size_t total = 0;
        for (const std::string& t : texts) {
            std::string back = FromQt(ToQt(t));
            total += back.size();
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_TextBoundaryMillionTexts)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
