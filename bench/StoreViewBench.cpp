// A positions window over a million positions: the refresh after 1,000 changed positions (store
// lookups, row updates, the row count, the sort, finding the remembered row) beside its floor
// (the store lookups and record copies alone), a full stable sort on a text column and on an
// enumeration column, a full filter pass, and the memory per row of the store and the view.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "fields/MInterfaceFormat.h"
#include "fields/MTitleFormat.h"
#include "store/DataHandler.h"
#include "store/KB_Position.h"
#include "store/TInterfaceView.h"

namespace {

constexpr int kRows = 1000000;
constexpr int kChanges = 1000;
const char* const kStatusLetters[] = {"A", "C", "D", "R"};

int Field(const char* title) {
    MTitleFormat titles;
    KB_Position::DescribeClass(titles);
    for (std::size_t i = 0; i < titles.GetTitles().size(); ++i) {
        if (titles.GetTitles()[i] == title) return static_cast<int>(i);
    }
    return -1;
}

// Gives a position random sort and filter fields: one of 5,000 account numbers, a quantity
// below 1,000 and a status.
void Randomise(KB_Position& position, std::mt19937& random, const MInterfaceFormat& format,
               int statusColumn) {
    char account[17];
    std::snprintf(account, sizeof account, "ACC%05u", static_cast<unsigned>(random() % 5000));
    position.AccountNumber.SetText(account);
    position.LongQuantity.SetValue(static_cast<int32_t>(random() % 1000));
    format.SetText(&position, statusColumn, kStatusLetters[random() % 4]);
}

struct Positions {
    Positions() {
        KB_Position prototype;
        prototype.FormatObject(format);
        format.MakeRelative(&prototype);
        std::mt19937 random(1);
        KB_Position position;
        for (int id = 1; id <= kRows; ++id) {
            position.Key = BaseKey(id, 20240315);
            Randomise(position, random, format, Status());
            store.Store(position, true);
        }
    }
    static int Status() { return Field("ResponseStatus"); }

    MInterfaceFormat format;
    DataHandler<KB_Position> store;
};

Positions& Store() {
    static Positions positions;
    return positions;
}

// Changes kChanges random positions in the store; ChangedKeys lists them alone.
void ChangePositions(Positions& positions, std::mt19937& random) {
    positions.store.ChangedKeys.clear();
    for (int i = 0; i < kChanges; ++i) {
        const int id = static_cast<int>(random() % kRows) + 1;
        KB_Position changed = *positions.store.Find(BaseKey(id, 20240315));
        Randomise(changed, random, positions.format, Positions::Status());
        positions.store.Store(changed, false);
    }
}

std::unique_ptr<TInterfaceView<KB_Position>> FilledView() {
    auto view = std::make_unique<TInterfaceView<KB_Position>>();
    for (const auto& [key, record] : Store().store.Records) view->UpdateRow(&record);
    return view;
}

ColumnFilter QuantityAbove(int quantity) {
    ColumnFilter filter;
    filter.ColumnName = "LongQuantity";
    filter.Condition = 4;
    filter.Value = std::to_string(quantity);
    return filter;
}

// The window's refresh after 1,000 positions changed in the store (the changes are not timed).
void BM_ViewRefresh(benchmark::State& state) {
    Positions& positions = Store();
    auto view = FilledView();
    view->Filter.push_back(QuantityAbove(100));
    view->ApplyFilter();
    view->SortColumns = {{Field("AccountNumber"), true}, {Field("LongQuantity"), false}};
    view->SortRows();
    const BaseKey remembered = view->GetDisplayedKey(view->GetDisplayedRowCount() / 2);
    std::mt19937 random(2);
    for (auto _ : state) {
        state.PauseTiming();
        ChangePositions(positions, random);
        state.ResumeTiming();
        for (const BaseKey& key : positions.store.ChangedKeys) {
            if (const KB_Position* record = positions.store.Find(key)) view->UpdateRow(record);
        }
        benchmark::DoNotOptimize(view->GetDisplayedRowCount());
        view->SortRows();
        int index = -1;
        benchmark::DoNotOptimize(view->FindDisplayedRow(remembered, &index));
    }
    state.counters["displayed"] = view->GetDisplayedRowCount() - 1;
}
BENCHMARK(BM_ViewRefresh)->Unit(benchmark::kMillisecond)->Iterations(50);

// The floor of the refresh: the same changes, each looked up in the store and its record copied.
void BM_ViewRefreshFloor(benchmark::State& state) {
    Positions& positions = Store();
    std::vector<KB_Position> copies(kChanges);
    std::mt19937 random(2);
    for (auto _ : state) {
        state.PauseTiming();
        ChangePositions(positions, random);
        state.ResumeTiming();
        std::size_t copied = 0;
        for (const BaseKey& key : positions.store.ChangedKeys) {
            if (const KB_Position* record = positions.store.Find(key)) copies[copied++ % kChanges] = *record;
        }
        benchmark::DoNotOptimize(copies.data());
    }
}
BENCHMARK(BM_ViewRefreshFloor)->Unit(benchmark::kMillisecond)->Iterations(50);

// A full stable sort of every row (the direction alternates so that each sort starts afresh).
void SortAll(benchmark::State& state, const char* column) {
    auto view = FilledView();
    const int field = Field(column);
    bool ascending = true;
    for (auto _ : state) {
        view->SortColumns = {{field, ascending}};
        view->SortRows();
        ascending = !ascending;
    }
}
void BM_SortAllOnText(benchmark::State& state) {
    SortAll(state, "AccountNumber");
}

// A view of rows positions whose account numbers are those of AccountTexts(rows).
std::vector<std::string> AccountTexts(int rows) {
    std::mt19937 random(7);
    std::vector<std::string> texts(static_cast<std::size_t>(rows));
    char account[17];
    for (std::string& text : texts) {
        std::snprintf(account, sizeof account, "ACC%05u", static_cast<unsigned>(random() % 5000));
        text = account;
    }
    return texts;
}

// The full sort on the account number (8 characters in a 16-character field, 5,000 distinct
// values) of a view of N rows; beside it its floor, std::sort of the same texts as std::string.
void BM_FullSortOnTextColumn(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const std::vector<std::string> texts = AccountTexts(rows);
    TInterfaceView<KB_Position> view;
    KB_Position position;
    for (int id = 1; id <= rows; ++id) {
        position.Key = BaseKey(id, 20240315);
        position.AccountNumber.SetText(texts[static_cast<std::size_t>(id - 1)].c_str());
        view.UpdateRow(&position);
    }
    const int field = Field("AccountNumber");
    bool ascending = true;
    for (auto _ : state) {
        view.SortColumns = {{field, ascending}};
        view.SortRows();
        ascending = !ascending;
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_FullSortOnTextColumn)
    ->Arg(100000)
    ->Arg(1000000)
    ->Arg(5000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_FullSortOnTextColumnFloor(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const std::vector<std::string> texts = AccountTexts(rows);
    std::vector<std::string> sorted;
    for (auto _ : state) {
        state.PauseTiming();
        sorted = texts;
        state.ResumeTiming();
        std::sort(sorted.begin(), sorted.end());
        benchmark::DoNotOptimize(sorted.data());
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_FullSortOnTextColumnFloor)
    ->Arg(100000)
    ->Arg(1000000)
    ->Arg(5000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
void BM_SortAllOnEnumeration(benchmark::State& state) {
    SortAll(state, "ResponseStatus");
}
BENCHMARK(BM_SortAllOnText)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SortAllOnEnumeration)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ApplyFilterOneCondition(benchmark::State& state) {
    auto view = FilledView();
    view->Filter.push_back(QuantityAbove(500));
    for (auto _ : state) benchmark::DoNotOptimize(view->ApplyFilter());
    state.counters["displayed"] = view->GetDisplayedRowCount() - 1;
}
BENCHMARK(BM_ApplyFilterOneCondition)->Unit(benchmark::kMillisecond)->Iterations(3);

// Heap bytes per row of the store (record and map node) and of a view showing every row.
void BM_MemoryPerRow(benchmark::State& state) {
    const std::size_t start = mallinfo2().uordblks;
    auto copy = std::make_unique<DataHandler<KB_Position>>();
    for (const auto& [key, record] : Store().store.Records) copy->Store(record, true);
    const std::size_t stored = mallinfo2().uordblks;
    std::unique_ptr<TInterfaceView<KB_Position>> view;
    for (auto _ : state) view = FilledView();
    const std::size_t viewed = mallinfo2().uordblks;
    state.counters["store_bytes_per_row"] = static_cast<double>(stored - start) / kRows;
    state.counters["view_bytes_per_row"] = static_cast<double>(viewed - stored) / kRows;
}
BENCHMARK(BM_MemoryPerRow)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
