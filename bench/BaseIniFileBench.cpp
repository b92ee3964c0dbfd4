// Loading a settings file with 50,000 keys in one section, and reading 1 MB list values with the
// three list readers.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "core/BaseIniFile.h"

namespace {

// A file of one section holding count keys, in a fresh temporary directory.
class KeysFile {
public:
    explicit KeysFile(int count) {
        char pattern[] = "/tmp/korvane-bench-XXXXXX";
        directory_ = ::mkdtemp(pattern) ? pattern : "/tmp";
        path_ = directory_ + "/Korvane.ini";
        std::string text = "[Grid]\n";
        char line[32];
        for (int i = 0; i < count; ++i) {
            std::snprintf(line, sizeof line, "Key%05d=%d\n", i, i % 1000);
            text += line;
        }
        std::ofstream(path_, std::ios::binary) << text;
        bytes_ = static_cast<int64_t>(text.size());
    }
    ~KeysFile() {
        std::remove(path_.c_str());
        std::remove(directory_.c_str());
    }
    const std::string& Path() const { return path_; }
    int64_t Bytes() const { return bytes_; }

private:
    std::string directory_, path_;
    int64_t bytes_ = 0;
};

void BM_LoadOneLargeSection(benchmark::State& state) {
    const KeysFile file(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        BaseIniFile ini(file.Path());
        benchmark::DoNotOptimize(ini.ReadString("Grid", "Key00000", ""));
    }
    state.SetBytesProcessed(state.iterations() * file.Bytes());
}
BENCHMARK(BM_LoadOneLargeSection)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);

// A value of about size bytes made of repeats of entry.
std::string Repeated(const std::string& entry, int64_t size) {
    std::string text;
    text.reserve(static_cast<size_t>(size) + entry.size());
    while (static_cast<int64_t>(text.size()) < size) text += entry;
    return text;
}

void BM_ReadKeyList(benchmark::State& state) {
    BaseIniFile ini("");
    ini.WriteString("Grid", "Columns", Repeated("Column;", state.range(0)));
    KeyDataVector list;
    for (auto _ : state) {
        ini.ReadKeyList("Grid", "Columns", ";", list);
        benchmark::DoNotOptimize(list.data());
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadKeyList)->Arg(100 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

void BM_ReadKey1ValueList(benchmark::State& state) {
    BaseIniFile ini("");
    ini.WriteString("Grid", "Sort", Repeated("Name(Up);", state.range(0)));
    Key1ValueDataVector list;
    for (auto _ : state) {
        ini.ReadKey1ValueList("Grid", "Sort", list, ";", "(", ")");
        benchmark::DoNotOptimize(list.data());
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadKey1ValueList)->Arg(100 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

void BM_ReadKey2ValueList(benchmark::State& state) {
    BaseIniFile ini("");
    ini.WriteString("Grid", "ColumnOptions", Repeated("Name(0,80);", state.range(0)));
    Key2ValueDataVector list;
    for (auto _ : state) {
        ini.ReadKey2ValueList("Grid", "ColumnOptions", list, ";", "(", ",", ")");
        benchmark::DoNotOptimize(list.data());
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadKey2ValueList)->Arg(100 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

}  // namespace
