// Sorting a million records on an enumeration column through its column descriptor, which orders
// by display text: with the names' precomputed ranks (what the descriptor does) against building
// and comparing the two names for every comparison.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

#include "brae/BraeLetterEnumerations.h"
#include "fields/CommandEnumerations.h"
#include "fields/DescribeFields.h"
#include "fields/MObjectFormat.h"

namespace {

struct Row {
    BraeKTSAccountOwnerType OwnerType;
    ActionType Action;

    static constexpr auto Fields() {
        return MFields(MField("AccountOwnerType", &Row::OwnerType), MField("Action", &Row::Action));
    }
};

class Columns : public MObjectFormat {
public:
    Columns() : MObjectFormat(true) {}
    void ProcessField(MObjectFunction& field) override { list.push_back(field.CreateInterface()); }
    std::vector<std::unique_ptr<MInterface>> list;
};

std::vector<Row> MakeRows(std::size_t count) {
    std::mt19937 random(42);
    std::vector<Row> rows(count);
    for (Row& row : rows) {
        row.OwnerType.Set(BraeKTSAccountOwnerType::GetEnumAt(random() % 16));
        row.Action.Set(static_cast<EnumActionType>(random() % 10));
    }
    return rows;
}

void SortByColumn(benchmark::State& state, int columnIndex) {
    const std::vector<Row> rows = MakeRows(static_cast<std::size_t>(state.range(0)));
    Row prototype;
    Columns columns;
    DescribeFields(prototype, columns);
    MInterface& column = *columns.list[static_cast<std::size_t>(columnIndex)];
    column.MakeRelative(&prototype);
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<Row> copy = rows;
        state.ResumeTiming();
        std::sort(copy.begin(), copy.end(),
                  [&](const Row& a, const Row& b) { return column.IsLess(&a, &b); });
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_SortLetterEnumerationColumn(benchmark::State& state) {
    SortByColumn(state, 0);
}

void BM_SortIntegerEnumerationColumn(benchmark::State& state) {
    SortByColumn(state, 1);
}

// The same order, with both names built as strings for every comparison.
void BM_SortLetterEnumerationByBuiltNames(benchmark::State& state) {
    const std::vector<Row> rows = MakeRows(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<Row> copy = rows;
        state.ResumeTiming();
        std::sort(copy.begin(), copy.end(),
                  [](const Row& a, const Row& b) { return a.OwnerType.ToString() < b.OwnerType.ToString(); });
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(BM_SortLetterEnumerationColumn)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortIntegerEnumerationColumn)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortLetterEnumerationByBuiltNames)->Arg(1000000)->Unit(benchmark::kMillisecond);
