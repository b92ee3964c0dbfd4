// The filter tests of column descriptors over many records with one constant operand: a number
// column and a date-time column against comparing integers parsed once with std::from_chars, and
// an enumeration column compared by text.
#include <benchmark/benchmark.h>

#include <charconv>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "brae/EnumBraeCountryCode.h"
#include "fields/DescribeFields.h"
#include "fields/MIntX.h"
#include "fields/MObjectFormat.h"
#include "fields/MTTimePoint.h"

namespace {

constexpr int kRows = 4096;

struct FilterRow {
    MInt Quantity;
    MDateTimeTimePoint Time;
    BraeCountryCode Country;
    static constexpr auto Fields() {
        return MFields(MField("Quantity", &FilterRow::Quantity), MField("Time", &FilterRow::Time),
                       MField("Country", &FilterRow::Country));
    }
};

class Columns : public MObjectFormat {
public:
    Columns() : MObjectFormat(true) {}
    void ProcessField(MObjectFunction& field) override { list.push_back(field.CreateInterface()); }
    std::vector<std::unique_ptr<MInterface>> list;
};

struct Table {
    Table() : rows(kRows) {
        std::mt19937 random(5);
        for (FilterRow& row : rows) {
            row.Quantity.SetValue(static_cast<int32_t>(random() % 100000));
            row.Time.SetUnits(1700000000 + static_cast<int64_t>(random() % 100000000), TIME_UNIT_SECOND);
            row.Country.Set(static_cast<unsigned>(random() % kBraeCountryCodeCount));
        }
        FilterRow prototype;
        DescribeFields(prototype, columns);
        for (auto& column : columns.list) column->MakeRelative(&prototype);
    }
    std::vector<FilterRow> rows;
    Columns columns;
};

void BM_FilterBaseline_FromChars(benchmark::State& state) {
    Table table;
    const std::string operand = "50000";
    for (auto _ : state) {
        int32_t limit = 0;
        std::from_chars(operand.data(), operand.data() + operand.size(), limit);
        int count = 0;
        for (const FilterRow& row : table.rows) count += row.Quantity.GetValue() > limit;
        benchmark::DoNotOptimize(count);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_FilterBaseline_FromChars);

void Filter(benchmark::State& state, int columnIndex, const std::string& operand) {
    Table table;
    const MInterface& column = *table.columns.list[static_cast<std::size_t>(columnIndex)];
    for (auto _ : state) {
        int count = 0;
        for (const FilterRow& row : table.rows) count += column.IsGreaterText(&row, operand);
        benchmark::DoNotOptimize(count);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void BM_FilterNumberColumn(benchmark::State& state) {
    Filter(state, 0, "50000");
}
BENCHMARK(BM_FilterNumberColumn);

void BM_FilterDateTimeColumn(benchmark::State& state) {
    Filter(state, 1, "20250101 120000");
}
BENCHMARK(BM_FilterDateTimeColumn);

void BM_FilterEnumerationColumn(benchmark::State& state) {
    Filter(state, 2, "Germany");
}
BENCHMARK(BM_FilterEnumerationColumn);

void BM_FilterEnumerationContains(benchmark::State& state) {
    Table table;
    const MInterface& column = *table.columns.list[2];
    const std::string pattern = "land";
    for (auto _ : state) {
        int count = 0;
        for (const FilterRow& row : table.rows) count += column.ContainsText(&row, pattern, false);
        benchmark::DoNotOptimize(count);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_FilterEnumerationContains);

void BM_FilterDateTimeContains(benchmark::State& state) {
    Table table;
    const MInterface& column = *table.columns.list[1];
    const std::string pattern = "/03/";
    for (auto _ : state) {
        int count = 0;
        for (const FilterRow& row : table.rows) count += column.ContainsText(&row, pattern, false);
        benchmark::DoNotOptimize(count);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_FilterDateTimeContains);

}  // namespace
