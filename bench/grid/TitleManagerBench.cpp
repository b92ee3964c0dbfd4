// Saving and loading the titles and colours of 500 columns, every one of them changed, through
// the settings file in memory (goal: at most 1 ms).
#include <benchmark/benchmark.h>

#include "core/BaseIniFile.h"
#include "grid/TitleManager.h"

namespace {

void BM_TitlesSaveAndLoad500(benchmark::State& state) {
    std::vector<std::string> columns;
    for (int i = 0; i < 500; ++i) columns.push_back("Record.Field" + std::to_string(i * 7919 % 500));
    TitleManager titles(columns, "AccountTitles");
    TitleMap map = titles.GetTitleMap();
    int n = 0;
    for (auto& [name, entry] : map) {
        entry.Title = "User title " + std::to_string(n++);
        entry.BackgroundColor = 0x102030 + n;
        entry.ForegroundColor = -16777201;
    }
    titles.SetTitleMap(map);
    TitleManager loaded(columns, "AccountTitles");
    BaseIniFile file("");
    for (auto _ : state) {
        titles.SaveToFile(file);
        loaded.LoadFromFile(file);
        benchmark::DoNotOptimize(loaded.GetTitleMap().size());
    }
    if (loaded.GetUserTitle(columns[0]) != titles.GetUserTitle(columns[0]))
        state.SkipWithError("titles lost");
}
BENCHMARK(BM_TitlesSaveAndLoad500)->Unit(benchmark::kMicrosecond);

}  // namespace
