// The communication status window on a log of 100,000 lines, offscreen: opening it until it has
// been laid out and painted (goal: under 150 ms), beside the floor of a plain list view shown over
// a ready string list model of the same lines, and the memo the window once filled with the whole
// text for comparison; and building the copy's text of that log.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListView>
#include <QStringList>
#include <QStringListModel>
#include <string>

#include "grid/TCommStatusForm.h"
#include "toolkit/Memo.h"
#include "toolkit/QtText.h"

namespace {

const GUIErrorDetailsVector& Log() {
    static const GUIErrorDetailsVector log = [] {
        GUIErrorDetailsVector lines;
        lines.reserve(100000);
        for (int i = 0; i < 100000; ++i)
            lines.emplace_back(3, "2026/12/11 05:30:00.123 Session: connection line number " +
                                      std::to_string(i) + " with some detail of the message");
        return lines;
    }();
    return log;
}

void BM_CommStatusOpen(benchmark::State& state) {
    GUIErrorDetailsVector log = Log();
    for (auto _ : state) {
        TCommStatusForm form(nullptr, log);
        form.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(form.isVisible());
        state.PauseTiming();
        form.hide();
        state.ResumeTiming();
    }
    state.counters["goal_ms"] = 150;
}
BENCHMARK(BM_CommStatusOpen)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor: a list view of the window's size over a model whose strings are already made.
void BM_CommStatusFloorPlainListView(benchmark::State& state) {
    QStringList lines;
    for (const GUIErrorDetails& entry : Log()) lines.append(ToQt(entry.GetText()));
    QStringListModel model(lines);
    for (auto _ : state) {
        QListView view;
        view.resize(444, 270);
        view.setUniformItemSizes(true);
        view.setModel(&model);
        view.show();
        view.scrollToBottom();
        QApplication::processEvents();
        benchmark::DoNotOptimize(view.isVisible());
        state.PauseTiming();
        view.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CommStatusFloorPlainListView)->Unit(benchmark::kMillisecond)->UseRealTime();

// For comparison: the joined text set into a memo of the window's size, as the window once did.
void BM_CommStatusMemoOfTheWholeText(benchmark::State& state) {
    for (auto _ : state) {
        Memo memo;
        memo.resize(444, 270);
        memo.setLineWrapMode(QPlainTextEdit::NoWrap);
        memo.show();
        memo.SetText(TCommStatusForm::JoinTexts(Log()));
        QApplication::processEvents();
        benchmark::DoNotOptimize(memo.isVisible());
        state.PauseTiming();
        memo.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CommStatusMemoOfTheWholeText)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CommStatusCopyText(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(TCommStatusForm::JoinTexts(Log()));
}
BENCHMARK(BM_CommStatusCopyText)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
