// The filter dialog's value list and the quick tools over a million rows. Goals: collecting one
// column's values and showing them in the check list within 300 ms; a quick filter or a quick sort
// adds at most 50 ms to the view's own work (each measured beside its view share).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMdiSubWindow>
#include <memory>
#include <string>

#include "TradeGrid.h"
#include "grid/BusinessObjectGrid.h"
#include "grid/FilterEditor.h"
#include "grid/TBaseGridForm.h"
#include "toolkit/CheckListBox.h"

namespace {

constexpr int kRows = 1000000;

TBaseGridForm* OpenWindow() {
    BaseGridConfig config;
    config.WindowSection = "Trades1";
    config.WindowTitle = "Trades";
    auto* window = new TBaseGridForm(&TradeArea(), nullptr, config, &TradeTitles(), MakeTradeView(kRows));
    window->GridOptions().SetGridSelection(0);
    window->Show();
    QApplication::processEvents();
    return window;
}

// Collecting a column's values (every row) and dropping the values no longer offered from a
// condition of 1,000 values: the view's share of the value list, and the floor of the figure below.
// Arg 0: Id (a million distinct texts); arg 1: Account (5,000).
struct ValueListCase {
    explicit ValueListCase(int arg) : view(MakeTradeView(kRows)), name(arg == 0 ? "Id" : "Account") {
        ColumnFilter condition;
        condition.ColumnName = name;
        for (int i = 0; i < 1000; ++i)
            condition.Values.push_back((name == "Id" ? "" : "ACC") + std::to_string(i * 7));
        view->GetFilter().push_back(condition);
    }
    const StringVector& Collect() const {
        FilterEditor editor(*view);
        view->ClearColumnValueCache();
        view->CacheColumnValues(name);
        const StringVector& values = view->WorkFilter.back().Values;
        editor.DropMissingValues(name, values);
        return values;
    }
    std::unique_ptr<TradeView> view;
    std::string name;
};

void BM_CollectColumnValues(benchmark::State& state) {
    ValueListCase c(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(c.Collect().size());
}
BENCHMARK(BM_CollectColumnValues)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The same, then the values shown in the dialog's sorted check list, laid out on screen.
void BM_CollectAndShowColumnValues(benchmark::State& state) {
    ValueListCase c(static_cast<int>(state.range(0)));
    CheckListBox list(nullptr, "ValueCheckListBox", true);
    list.show();
    for (auto _ : state) {
        const StringVector& values = c.Collect();
        list.Clear();
        list.AddItems(values);
        QApplication::processEvents();
        benchmark::DoNotOptimize(list.Count());
    }
}
BENCHMARK(BM_CollectAndShowColumnValues)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The check list's share of the above: the collected values shown again.
void BM_ShowColumnValues(benchmark::State& state) {
    ValueListCase c(static_cast<int>(state.range(0)));
    const StringVector values = c.Collect();
    CheckListBox list(nullptr, "ValueCheckListBox", true);
    list.show();
    for (auto _ : state) {
        list.Clear();
        list.AddItems(values);
        QApplication::processEvents();
        benchmark::DoNotOptimize(list.Count());
    }
}
BENCHMARK(BM_ShowColumnValues)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A greater-or-equal quick filter on Quantity set and switched off again (two filter passes).
void BM_QuickFilterOnAndOff(benchmark::State& state) {
    TBaseGridForm* window = OpenWindow();
    window->Grid()->SelectCell(window->View()->FindColumn("Quantity"), 500000);
    for (auto _ : state) {
        window->SetGreaterQuickFilterActionExecute();
        window->SetGreaterQuickFilterActionExecute();
    }
    delete window->SubWindow();
}
BENCHMARK(BM_QuickFilterOnAndOff)->Unit(benchmark::kMillisecond);

// The view's share of the above: the same two filter passes and the row lookup.
void BM_ViewShareOfQuickFilter(benchmark::State& state) {
    TradeView* view = MakeTradeView(kRows);
    ColumnFilter filter;
    filter.ColumnName = "Quantity";
    filter.Column = 2;
    filter.Condition = 3;
    filter.Value = "500";
    const BaseKey key = view->GetDisplayedKey(500000);
    for (auto _ : state) {
        view->GetFilter().push_back(filter);
        view->ApplyFilter();
        int index = 0;
        benchmark::DoNotOptimize(view->FindDisplayedRow(key, &index));
        view->GetFilter().clear();
        view->ApplyFilter();
        benchmark::DoNotOptimize(view->FindDisplayedRow(key, &index));
    }
    delete view;
}
BENCHMARK(BM_ViewShareOfQuickFilter)->Unit(benchmark::kMillisecond);

// A quick sort on Account, alternately ascending and descending.
void BM_QuickSort(benchmark::State& state) {
    TBaseGridForm* window = OpenWindow();
    window->Grid()->SelectCell(window->View()->FindColumn("Account"), 500000);
    bool ascending = true;
    for (auto _ : state) {
        if (ascending)
            window->SetQuickSortAscActionExecute();
        else
            window->SetQuickSortDescActionExecute();
        ascending = !ascending;
    }
    delete window->SubWindow();
}
BENCHMARK(BM_QuickSort)->Unit(benchmark::kMillisecond);

void BM_ViewShareOfQuickSort(benchmark::State& state) {
    TradeView* view = MakeTradeView(kRows);
    const BaseKey key = view->GetDisplayedKey(500000);
    bool ascending = true;
    for (auto _ : state) {
        std::vector<SortSelectionData> criteria{SortSelectionData("Account", ascending)};
        view->SetSortCriteria(criteria);
        view->SortRows();
        int index = 0;
        benchmark::DoNotOptimize(view->FindDisplayedRow(key, &index));
        ascending = !ascending;
    }
    delete view;
}
BENCHMARK(BM_ViewShareOfQuickSort)->Unit(benchmark::kMillisecond);

}  // namespace
