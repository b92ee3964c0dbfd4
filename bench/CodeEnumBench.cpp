// Code enumerations under the row-by-row lookup: sorting a million records by a country-code
// column (ordered by the names' ranks of the codes' rows) against sorting a million integers, and
// finding message-type rows by name against a hash map of the same names.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "brae/BraeLetterEnumerations.h"
#include "brae/EnumBraeCountryCode.h"
#include "brae/EnumBraeMsgType.h"
#include "fields/DescribeFields.h"
#include "fields/MObjectFormat.h"

namespace {

constexpr int kRows = 1000000;

struct CountryRow {
    BraeCountryCode Country;
    static constexpr auto Fields() { return MFields(MField("Country", &CountryRow::Country)); }
};

class Columns : public MObjectFormat {
public:
    Columns() : MObjectFormat(true) {}
    void ProcessField(MObjectFunction& field) override { list.push_back(field.CreateInterface()); }
    std::vector<std::unique_ptr<MInterface>> list;
};

void BM_CodeSortBaseline_Integers(benchmark::State& state) {
    std::mt19937 random(42);
    std::vector<int32_t> values(kRows);
    for (int32_t& v : values) v = static_cast<int32_t>(random() % kBraeCountryCodeCount);
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<int32_t> copy = values;
        state.ResumeTiming();
        std::sort(copy.begin(), copy.end());
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_CodeSortBaseline_Integers)->Unit(benchmark::kMillisecond);

void BM_CodeSortCountryColumn(benchmark::State& state) {
    std::mt19937 random(42);
    std::vector<CountryRow> rows(kRows);
    for (CountryRow& row : rows) row.Country.Set(static_cast<unsigned>(random() % kBraeCountryCodeCount));
    CountryRow prototype;
    Columns columns;
    DescribeFields(prototype, columns);
    MInterface& column = *columns.list[0];
    column.MakeRelative(&prototype);
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<CountryRow> copy = rows;
        state.ResumeTiming();
        std::sort(copy.begin(), copy.end(),
                  [&](const CountryRow& a, const CountryRow& b) { return column.IsLess(&a, &b); });
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_CodeSortCountryColumn)->Unit(benchmark::kMillisecond);

void BM_CodeGetTextCountry(benchmark::State& state) {
    std::vector<BraeCountryCode> codes(4096);
    std::mt19937 random(7);
    for (BraeCountryCode& code : codes) code.Set(static_cast<unsigned>(random() % kBraeCountryCodeCount));
    std::size_t i = 0;
    for (auto _ : state) {
        int length = 0;
        benchmark::DoNotOptimize(codes[i++ & 4095].GetText(&length, nullptr));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CodeGetTextCountry);

std::vector<std::string> MessageTypeNames() {
    std::vector<std::string> names;
    std::mt19937 random(9);
    for (int i = 0; i < 4096; ++i) {
        BraeMsgType type;
        type.Set(static_cast<unsigned>(random() % kBraeMsgTypeCount));
        names.push_back(type.ToString());
    }
    return names;
}

void BM_NameLookupBaseline_HashMap(benchmark::State& state) {
    const std::vector<std::string> names = MessageTypeNames();
    std::unordered_map<std::string_view, int> map;
    for (int i = kBraeMsgTypeCount; i-- > 0;)
        map[MEnumNames<EnumBraeMsgType, kBraeMsgTypeCount>::kNames[i]] = i;
    std::size_t i = 0;
    for (auto _ : state) {
        const std::string& name = names[i++ & 4095];
        benchmark::DoNotOptimize(map.find(std::string_view(name))->second);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NameLookupBaseline_HashMap);

void BM_NameLookupMessageType(benchmark::State& state) {
    const std::vector<std::string> names = MessageTypeNames();
    std::size_t i = 0;
    for (auto _ : state) {
        const std::string& name = names[i++ & 4095];
        benchmark::DoNotOptimize(
            MEnumNames<EnumBraeMsgType, kBraeMsgTypeCount>::Find(name.data(), static_cast<int>(name.size())));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NameLookupMessageType);

// Name to enumeration for a 16-name and the 310-name enumeration, each beside its floor, an
// std::unordered_map lookup of the same names.
template <class E, int N>
std::vector<std::string> RandomNames() {
    std::vector<std::string> names;
    std::mt19937 random(9);
    for (int i = 0; i < 4096; ++i) names.emplace_back(MEnumNames<E, N>::kNames[random() % N]);
    return names;
}

template <class E, int N>
void BM_NameToEnumeration(benchmark::State& state) {
    const std::vector<std::string> names = RandomNames<E, N>();
    std::size_t i = 0;
    for (auto _ : state) {
        const std::string& name = names[i++ & 4095];
        benchmark::DoNotOptimize(MEnumNames<E, N>::Find(name.data(), static_cast<int>(name.size())));
    }
    state.SetItemsProcessed(state.iterations());
}

template <class E, int N>
void BM_NameToEnumerationFloor(benchmark::State& state) {
    const std::vector<std::string> names = RandomNames<E, N>();
    std::unordered_map<std::string_view, int> map;
    for (int k = N; k-- > 0;) map[MEnumNames<E, N>::kNames[static_cast<std::size_t>(k)]] = k;
    std::size_t i = 0;
    for (auto _ : state) {
        const std::string& name = names[i++ & 4095];
        benchmark::DoNotOptimize(map.find(std::string_view(name))->second);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NameToEnumeration<EnumBraeKTSAccountOwnerType, 16>)->Name("BM_NameToEnumeration/16");
BENCHMARK(BM_NameToEnumerationFloor<EnumBraeKTSAccountOwnerType, 16>)->Name("BM_NameToEnumerationFloor/16");
BENCHMARK(BM_NameToEnumeration<EnumBraeMsgType, kBraeMsgTypeCount>)->Name("BM_NameToEnumeration/310");
BENCHMARK(BM_NameToEnumerationFloor<EnumBraeMsgType, kBraeMsgTypeCount>)
    ->Name("BM_NameToEnumerationFloor/310");

}  // namespace
